// Timing of work done in this process: wall-clock time, and the processor time of this
// thread, which other load on the machine does not inflate.
#pragma once

#include <chrono>
#include <ctime>

struct Timing {
    double wallMs = 0;
    double processorMs = 0;
};

enum class TimeKind { Wall, Processor };

inline double partOf(const Timing &timing, TimeKind kind)
{
    return kind == TimeKind::Wall ? timing.wallMs : timing.processorMs;
}

inline double threadProcessorMs()
{
    timespec used{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &used);
    return double(used.tv_sec) * 1e3 + double(used.tv_nsec) / 1e6;
}

template <typename Action> Timing timed(Action &&action)
{
    const auto wallStart = std::chrono::steady_clock::now();
    const double processorStart = threadProcessorMs();
    action();
    const double processorMs = threadProcessorMs() - processorStart;
    const std::chrono::duration<double, std::milli> wall =
        std::chrono::steady_clock::now() - wallStart;
    return {wall.count(), processorMs};
}
