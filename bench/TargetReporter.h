#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

// The console report of Google Benchmark, followed by a summary of the performance targets,
// each computed from the counters of one benchmark of the run. Absolute times drift on a
// shared machine; figures that one benchmark measures side by side drift together, so their
// ratio is the figure that means something.
//
// Each figure is taken from the median of the repetitions when there are any, else from the
// single run. A target whose benchmark did not run (filtered out) is reported as such.
class CTargetReporter : public benchmark::ConsoleReporter {
public:
    // Colours only on a terminal, so that logs stay readable.
    CTargetReporter();

    // The counter `numerator` of `measured` divided by its counter `denominator`, at most
    // `limit`: two figures that one benchmark measured side by side.
    void RatioAtMost(std::string label, std::string measured, std::string numerator,
                     std::string denominator, double limit);

    // The time of `measured` as a share of `budgetSeconds`, at most `limit` (0.01 is 1 %). The
    // time is the counter `counterMicroseconds` of `measured`, in microseconds; the mean real
    // time is shown beside it.
    void ShareOfBudgetAtMost(std::string label, std::string measured,
                             std::string counterMicroseconds, double budgetSeconds, double limit);

    // The counter `counter` of `measured` (a rate per second), at least `limit`.
    void RateAtLeast(std::string label, std::string measured, std::string counter, double limit);

    void ReportRuns(const std::vector<Run>& runs) override;
    void Finalize() override;

private:
    enum class Kind { Ratio, Share, Rate };
    struct Target {
        Kind kind;
        std::string label;
        std::string measured;
        std::string counter;      // the counter of a share or a rate, a ratio's numerator
        std::string denominator;  // a ratio's denominator
        double budget;
        double limit;
    };
    struct Figures {
        double realSeconds = 0;
        benchmark::UserCounters counters;
        bool fromMedian = false;
    };

    std::string TargetLine(const Target& target) const;

    std::vector<Target> targets_;
    std::map<std::string, Figures> figures_;
};

// The main of a benchmark program with a target summary: parses the benchmark flags, runs the
// selected benchmarks with the reporter and returns 0 (the figures are for reading; a missed
// target does not fail the program).
int RunBenchmarks(int& argc, char** argv, CTargetReporter& reporter);
