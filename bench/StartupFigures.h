// Start-up of the program against the floor, both run as child processes.
#pragma once

class Table;

// Runs both probes alternately, many times, and adds the medians of their start-up time
// and peak memory to `wall` and of their processor time to `processor`.
void measureStartup(Table &wall, Table &processor);
