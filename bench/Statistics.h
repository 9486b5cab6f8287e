// Summaries of timing samples.
#pragma once

#include <algorithm>
#include <vector>

inline double median(std::vector<double> samples)
{
    if (samples.empty())
        return 0;
    const auto middle = samples.begin() + std::ptrdiff_t(samples.size() / 2);
    std::nth_element(samples.begin(), middle, samples.end());
    if (samples.size() % 2 == 1)
        return *middle;
    return (*middle + *std::max_element(samples.begin(), middle)) / 2;
}

inline double maximum(const std::vector<double> &samples)
{
    return samples.empty() ? 0 : *std::max_element(samples.begin(), samples.end());
}
