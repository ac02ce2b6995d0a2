#pragma once

#include <string>
#include <vector>

// Absolute times are noisy on shared machines; what a benchmark here reports is how far one
// measurement lies from a reference measured in the same run.
struct Ratio {
    std::string label;
    std::string measured; // benchmark names as Google Benchmark prints them
    std::string reference;
    double measuredScale = 1; // multiplies the measured time, for one taken on a known part of the work
};

// Runs the registered benchmarks and prints each ratio of the best processor times after them.
int runBenchmarksWithRatios(int argc, char** argv, const std::vector<Ratio>& ratios);
