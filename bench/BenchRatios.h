#pragma once
#include <string>

// Asks for the time of benchmark `figure` to be printed as a multiple of benchmark `baseline`
// when all benchmarks have run. Call before the benchmarks run (e.g. from a static initialiser).
bool RegisterRatio(const std::string& figure, const std::string& baseline);
