// Runs a start-up probe as a child process and measures it from the outside.
#pragma once

#include <string>
#include <vector>

struct Stage {
    double wallMs = -1;     // from starting the process; negative while not reported
    double processorMs = 0; // processor time the process had used by then
};

struct ProbeRun {
    Stage mapped, painted, shown; // the stages of ProbeReport.h
    long peakResidentKiB = -1;    // its peak resident set size over its whole life
};

// Starts `program` with `arguments` in `environment` ("NAME=value" entries), its standard
// error discarded, and waits for its end. Throws std::runtime_error when it cannot be
// started, fails or leaves out a stage.
ProbeRun runProbe(const std::string &program, const std::vector<std::string> &arguments,
                  const std::vector<std::string> &environment);

// Pointers to the strings, ending in a null pointer, as the exec functions take them.
std::vector<char *> argumentPointers(const std::vector<std::string> &strings);
