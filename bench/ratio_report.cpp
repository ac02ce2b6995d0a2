#include "ratio_report.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <map>

namespace {

// The console output as usual, and the best processor time per iteration of every benchmark:
// on a machine shared with builds, wall time also counts the moments the benchmark waited.
class BestTimes : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const auto& run : runs) {
            if (run.run_type != Run::RT_Iteration || run.iterations == 0 || run.error_occurred) continue;
            // A benchmark that times itself (manual time) has measured only the part that counts.
            const bool manual = run.benchmark_name().find("/manual_time") != std::string::npos;
            const double seconds =
                (manual ? run.real_accumulated_time : run.cpu_accumulated_time) / double(run.iterations);
            const auto [at, added] = best.try_emplace(run.benchmark_name(), seconds);
            if (!added) at->second = std::min(at->second, seconds);
        }
    }
    std::map<std::string, double> best;
};

} // namespace

int runBenchmarksWithRatios(int argc, char** argv, const std::vector<Ratio>& ratios) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    BestTimes times;
    benchmark::RunSpecifiedBenchmarks(&times);
    benchmark::Shutdown();
    std::printf("\nRatios of best processor times per iteration:\n");
    for (const auto& ratio : ratios) {
        const auto measured = times.best.find(ratio.measured), reference = times.best.find(ratio.reference);
        if (measured == times.best.end() || reference == times.best.end()) {
            std::printf("  %-58s not measured in this run\n", ratio.label.c_str());
            continue;
        }
        std::printf("  %-58s %10.2f\n", ratio.label.c_str(),
                    measured->second * ratio.measuredScale / reference->second);
    }
    return 0;
}
