#include "StartupFigures.h"

#include "ChildProcess.h"
#include "ProbeDisplay.h"
#include "Statistics.h"
#include "Table.h"

#include <vector>

namespace {

constexpr int WarmUpRuns = 3;
constexpr double FairLimit = 1.1;        // times the fair floor
constexpr double EmptyTimeLimit = 1.25;  // times the empty dialog
constexpr double EmptyMemoryLimit = 1.3; // times the empty dialog

struct StageSeries {
    std::vector<double> wallMs, processorMs;

    void add(const Stage &stage)
    {
        wallMs.push_back(stage.wallMs);
        processorMs.push_back(stage.processorMs);
    }
};

struct ProbeSeries {
    StageSeries mapped, painted, shown;
    std::vector<double> peakMiB;

    void add(const ProbeRun &run)
    {
        mapped.add(run.mapped);
        painted.add(run.painted);
        shown.add(run.shown);
        peakMiB.push_back(double(run.peakResidentKiB) / 1024);
    }
};

void addStage(const std::string &figure, const StageSeries &program, const StageSeries &floor,
              double limit, Table &wall, Table &processor)
{
    wall.addRatioTarget(figure, median(program.wallMs), median(floor.wallMs), "ms", limit);
    processor.addRatioTarget(figure, median(program.processorMs), median(floor.processorMs), "ms",
                             limit);
}

} // namespace

void measureStartup(const ProbeDisplay &display, const std::string &introduction, Table &wall,
                    Table &processor)
{
    const std::vector<std::string> &environment = display.environment();
    ProbeSeries program, fair, empty;
    for (int run = 0; run < WarmUpRuns + StartupRuns; ++run) {
        // Alternating the three spreads the machine's changing load over them alike.
        const ProbeRun programRun = runProbe(STARTUP_PROBE, {}, environment);
        const ProbeRun fairRun = runProbe(STARTUP_FAIR_FLOOR, {introduction}, environment);
        const ProbeRun emptyRun = runProbe(STARTUP_FLOOR, {}, environment);
        if (run < WarmUpRuns)
            continue;
        program.add(programRun);
        fair.add(fairRun);
        empty.add(emptyRun);
    }
    addStage("mapped [fair floor]", program.mapped, fair.mapped, FairLimit, wall, processor);
    addStage("first paint flushed [fair floor]", program.painted, fair.painted, FairLimit, wall,
             processor);
    wall.addRatioTarget("peak resident memory [fair floor]", median(program.peakMiB),
                        median(fair.peakMiB), "MiB", FairLimit);
    addStage("all six windows, main one shown [empty dialog]", program.shown, empty.shown,
             EmptyTimeLimit, wall, processor);
    wall.addRatioTarget("peak resident memory [empty dialog]", median(program.peakMiB),
                        median(empty.peakMiB), "MiB", EmptyMemoryLimit);
}
