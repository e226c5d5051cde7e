#include "TargetReporter.h"

#include <unistd.h>

#include <cstdarg>
#include <cstdio>
#include <ostream>
#include <utility>

namespace {

std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));

std::string Format(const char* format, ...) {
    char line[256];
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(line, sizeof line, format, arguments);
    va_end(arguments);
    return line;
}

}  // namespace

CTargetReporter::CTargetReporter()
    : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_ColorTabular : OO_Tabular) {}

void CTargetReporter::RatioAtMost(std::string label, std::string measured, std::string numerator,
                                  std::string denominator, double limit) {
    targets_.push_back({Kind::Ratio, std::move(label), std::move(measured), std::move(numerator),
                        std::move(denominator), 0, limit});
}

void CTargetReporter::ShareOfBudgetAtMost(std::string label, std::string measured,
                                          std::string counterMicroseconds, double budgetSeconds,
                                          double limit) {
    targets_.push_back({Kind::Share,
                        std::move(label),
                        std::move(measured),
                        std::move(counterMicroseconds),
                        {},
                        budgetSeconds,
                        limit});
}

void CTargetReporter::RateAtLeast(std::string label, std::string measured, std::string counter,
                                  double limit) {
    targets_.push_back(
        {Kind::Rate, std::move(label), std::move(measured), std::move(counter), {}, 0, limit});
}

void CTargetReporter::ReportRuns(const std::vector<Run>& runs) {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
        if (run.error_occurred || (run.run_type == Run::RT_Aggregate && !median)) {
            continue;
        }
        Figures& figures = figures_[run.run_name.str()];
        // A median, once there, stands for the run; single repetitions must not replace it.
        if (figures.fromMedian && !median) {
            continue;
        }
        figures.realSeconds =
            run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
        figures.counters = run.counters;
        figures.fromMedian = median;
    }
}

void CTargetReporter::Finalize() {
    ConsoleReporter::Finalize();
    if (targets_.empty()) {
        return;
    }
    std::ostream& out = GetOutputStream();
    out << "\nTargets (medians where repeated):\n";
    for (const Target& target : targets_) {
        out << "  " << TargetLine(target) << '\n';
    }
    out.flush();
}

std::string CTargetReporter::TargetLine(const Target& target) const {
    const auto measured = figures_.find(target.measured);
    if (measured == figures_.end()) {
        return Format("%-50s not run", target.label.c_str());
    }
    const benchmark::UserCounters& counters = measured->second.counters;
    for (const std::string* name : {&target.counter, &target.denominator}) {
        if (!name->empty() && counters.find(*name) == counters.end()) {
            return Format("%-50s has no counter %s", target.label.c_str(), name->c_str());
        }
    }
    const double value = counters.at(target.counter).value;
    switch (target.kind) {
        case Kind::Ratio: {
            const double denominator = counters.at(target.denominator).value;
            const double ratio = value / denominator;
            return Format("%-50s %8.3f  (%.1f us / %.1f us; target <= %.2f) %s",
                          target.label.c_str(), ratio, value, denominator, target.limit,
                          ratio <= target.limit ? "met" : "NOT MET");
        }
        case Kind::Share: {
            const double share = value * 1e-6 / target.budget;
            return Format(
                "%-50s %7.3f %%  (%.1f us of %.0f ms, mean %.1f us; target <= %.2f %%) %s",
                target.label.c_str(), share * 100, value, target.budget * 1e3,
                measured->second.realSeconds * 1e6, target.limit * 100,
                share <= target.limit ? "met" : "NOT MET");
        }
        case Kind::Rate:
            return Format("%-50s %8.3g /s  (target >= %.3g /s) %s", target.label.c_str(), value,
                          target.limit, value >= target.limit ? "met" : "NOT MET");
    }
    return {};
}

int RunBenchmarks(int& argc, char** argv, CTargetReporter& reporter) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
