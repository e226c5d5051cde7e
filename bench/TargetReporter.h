#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

// The console report of Google Benchmark, followed by a summary of the performance targets
// that compares benchmarks of the same run with each other. Absolute times drift on a shared
// machine; two benchmarks measured in one run (best with repetitions and random interleaving)
// drift together, so their ratio is the figure that means something.
//
// Each figure is taken from the median of the repetitions when there are any, else from the
// single run. A target whose benchmarks did not run (filtered out) is reported as such.
class CTargetReporter : public benchmark::ConsoleReporter {
public:
    // The real time of `measured` divided by that of `floor`, at most `limit`.
    void RatioAtMost(std::string label, std::string measured, std::string floor, double limit);

    // The real time of `measured` as a share of `budgetSeconds`, at most `limit` (0.01 is 1 %).
    void ShareOfBudgetAtMost(std::string label, std::string measured, double budgetSeconds,
                             double limit);

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
        std::string other;  // the floor of a ratio, the counter of a rate
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
