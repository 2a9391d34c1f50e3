#pragma once
// Runs the benchmarks of a program and then prints, for each pair, how many times faster the
// first ran than the second in this same run: on a busy machine the times wander, the ratios
// hold.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace pw::bench {

class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.error_occurred || run.run_type != Run::RT_Iteration) continue;
            auto& [sum, count] = seconds_[run.run_name.function_name];
            sum += run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
            ++count;
        }
        ConsoleReporter::ReportRuns(runs);
    }
    // Mean seconds per iteration, or 0 when the benchmark did not run.
    double Seconds(const std::string& name) const {
        const auto found = seconds_.find(name);
        return found == seconds_.end() ? 0 : found->second.first / found->second.second;
    }

private:
    std::map<std::string, std::pair<double, int>> seconds_;
};

struct Ratio {
    std::string fast, slow; // benchmark function names
    std::string what;       // printed before the figure
};

inline int RunWithRatios(int argc, char** argv, const std::vector<Ratio>& ratios) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\n");
    for (const Ratio& r : ratios) {
        const double fast = reporter.Seconds(r.fast), slow = reporter.Seconds(r.slow);
        if (fast > 0 && slow > 0) std::printf("%-60s %8.2f\n", r.what.c_str(), slow / fast);
    }
    benchmark::Shutdown();
    return 0;
}

} // namespace pw::bench
