#include "StartupFigures.h"

#include "ChildProcess.h"
#include "Statistics.h"
#include "Table.h"

#include <string>
#include <vector>

namespace {

constexpr int WarmUpRuns = 3;
constexpr int MeasuredRuns = 25;
constexpr double TimeLimit = 1.25;  // times the floor
constexpr double MemoryLimit = 1.3; // times the floor

struct ProbeSeries {
    std::vector<double> wallMs, processorMs, peakMiB;

    void add(const ProbeRun &run)
    {
        wallMs.push_back(run.millisecondsToShown);
        processorMs.push_back(run.processorMillisecondsToShown);
        peakMiB.push_back(double(run.peakResidentKiB) / 1024);
    }
};

} // namespace

void measureStartup(Table &wall, Table &processor)
{
    ProbeSeries floor, program;
    for (int run = 0; run < WarmUpRuns + MeasuredRuns; ++run) {
        // Alternating the two spreads the machine's changing load over both alike.
        const ProbeRun floorRun = runProbe(STARTUP_FLOOR);
        const ProbeRun programRun = runProbe(STARTUP_PROBE);
        if (run < WarmUpRuns)
            continue;
        floor.add(floorRun);
        program.add(programRun);
    }
    const std::string runs = " (median of " + std::to_string(MeasuredRuns) + ")";
    wall.addRatioTarget("start-up to main window shown" + runs, median(program.wallMs),
                        median(floor.wallMs), "ms", TimeLimit);
    wall.addRatioTarget("peak resident memory" + runs, median(program.peakMiB),
                        median(floor.peakMiB), "MiB", MemoryLimit);
    processor.addRatioTarget("start-up to main window shown" + runs, median(program.processorMs),
                             median(floor.processorMs), "ms", TimeLimit);
}
