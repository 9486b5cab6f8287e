// Start-up of the program against its floors, all run as child processes.
#pragma once

#include <string>

class ProbeDisplay;
class Table;

// The number of runs of each probe whose median is given.
inline constexpr int StartupRuns = 101;

// Runs the program, the fair floor (showing `introduction`) and the empty dialog one after
// the other, many times, on `display`, and adds the medians of their stages and peak memory
// to `wall` and of their processor time to `processor`.
void measureStartup(const ProbeDisplay &display, const std::string &introduction, Table &wall,
                    Table &processor);
