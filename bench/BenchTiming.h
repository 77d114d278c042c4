#pragma once

#include <algorithm>
#include <chrono>
#include <numeric>
#include <vector>

// Timing helpers shared by the benchmarks: they print figures, they never assert.
using Clock = std::chrono::steady_clock;

inline double Milliseconds(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

struct Summary {
    double mean = 0, median = 0, worst = 0;
};

inline Summary Summarise(std::vector<double> samples) {
    Summary s;
    if (samples.empty()) return s;
    std::sort(samples.begin(), samples.end());
    s.mean = std::accumulate(samples.begin(), samples.end(), 0.0) / double(samples.size());
    s.median = samples[samples.size() / 2];
    s.worst = samples.back();
    return s;
}
