#pragma once
// Figures of repeated measurements and the rows of the README's table.

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace bench {

using Clock = std::chrono::steady_clock;

inline double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The value below which that share of the samples lie (nearest rank).
inline double percentile(std::vector<double> samples, double share) {
    if (samples.empty()) return 0;
    std::sort(samples.begin(), samples.end());
    const auto rank = static_cast<std::size_t>(std::ceil(share * double(samples.size())));
    return samples[std::clamp<std::size_t>(rank, 1, samples.size()) - 1];
}

inline double median(std::vector<double> samples) {
    if (samples.empty()) return 0;
    std::sort(samples.begin(), samples.end());
    const std::size_t n = samples.size();
    return n % 2 == 1 ? samples[n / 2] : (samples[n / 2 - 1] + samples[n / 2]) / 2;
}

inline double geometricMean(const std::vector<double>& values) {
    if (values.empty()) return 0;
    double logs = 0;
    for (double v : values) logs += std::log(v);
    return std::exp(logs / double(values.size()));
}

inline std::string ms(double value) {
    char text[32];
    std::snprintf(text, sizeof text, value < 10 ? "%.2f ms" : "%.1f ms", value);
    return text;
}

inline std::string ratio(double value, bool met) {
    char text[48];
    std::snprintf(text, sizeof text, "%.2fx%s", value, met ? "" : " (missed)");
    return text;
}

// | measure | baseline | figure | Ocuvance | figure | ratio or target |
inline void row(const std::string& measure, const std::string& baseline, const std::string& baseFigure,
                const std::string& subject, const std::string& figure, const std::string& verdict) {
    std::printf("| %s | %s | %s | %s | %s | %s |\n", measure.c_str(), baseline.c_str(), baseFigure.c_str(),
                subject.c_str(), figure.c_str(), verdict.c_str());
    std::fflush(stdout);
}

}  // namespace bench
