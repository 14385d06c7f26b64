// The console reporter of the ratio benchmarks: prints as usual (in colour
// only on a terminal) and keeps each benchmark's CPU time per iteration (the
// median when runs are repeated), so that main() can print a ratio of two.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <unistd.h>
#include <vector>

namespace brixel {

class RatioReporter final : public benchmark::ConsoleReporter {
public:
    RatioReporter() : ConsoleReporter(::isatty(::fileno(stdout)) ? OO_Defaults : OO_Tabular) {}
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.error_occurred) continue;
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (median || (run.run_type == Run::RT_Iteration && run.iterations > 0))
                cpu_ns[run.run_name.function_name] = run.GetAdjustedCPUTime();
        }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> cpu_ns;  // in the reporter's time unit (ns)
};

// The main() of a ratio benchmark: runs the registered benchmarks, then
// prints `label` with the CPU time of `numerator` over `denominator`
// (nothing when either did not run).
inline int RunAndPrintRatio(int argc, char** argv, const char* numerator, const char* denominator,
                            const char* label, int decimals) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    const auto top = reporter.cpu_ns.find(numerator);
    const auto bottom = reporter.cpu_ns.find(denominator);
    if (top == reporter.cpu_ns.end() || bottom == reporter.cpu_ns.end() || bottom->second <= 0) return 0;
    std::printf("%s: %.*f (CPU time)\n", label, decimals, top->second / bottom->second);
    return 0;
}

}  // namespace brixel
