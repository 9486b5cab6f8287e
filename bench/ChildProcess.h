// Runs a start-up probe as a child process and measures it from the outside.
#pragma once

#include <string>

struct ProbeRun {
    double millisecondsToShown = 0;          // wall-clock time from starting it to its shown line
    double processorMillisecondsToShown = 0; // processor time it reports having used by then
    long peakResidentKiB = 0;                // its peak resident set size over its whole life
};

// Starts `program` with no arguments, its standard error discarded, and waits for its end.
// Throws std::runtime_error when it cannot be started, never reports being shown or fails.
ProbeRun runProbe(const std::string &program);
