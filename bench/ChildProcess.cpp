#include "ChildProcess.h"

#include "ProbeReport.h"

#include <ctime>
#include <fcntl.h>
#include <spawn.h>
#include <sstream>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace {

long long monotonicMicroseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return (long long)now.tv_sec * 1000000 + now.tv_nsec / 1000;
}

// Reads the child's standard output to its end and takes each stage from its line.
void readStages(int output, long long startMicroseconds, ProbeRun &run)
{
    std::string received;
    char buffer[256];
    ssize_t count;
    while ((count = read(output, buffer, sizeof buffer)) > 0)
        received.append(buffer, std::size_t(count));

    std::istringstream lines(received);
    std::string word;
    while (lines >> word) {
        if (word == PeakWord) {
            lines >> run.peakResidentKiB;
            continue;
        }
        long long monotonic = 0, processor = 0;
        lines >> monotonic >> processor;
        const Stage stage{double(monotonic - startMicroseconds) / 1e3, double(processor) / 1e3};
        if (word == MappedWord)
            run.mapped = stage;
        else if (word == PaintedWord)
            run.painted = stage;
        else if (word == ShownWord)
            run.shown = stage;
    }
}

} // namespace

std::vector<char *> argumentPointers(const std::vector<std::string> &strings)
{
    std::vector<char *> pointers;
    pointers.reserve(strings.size() + 1);
    for (const std::string &string : strings)
        pointers.push_back(const_cast<char *>(string.c_str()));
    pointers.push_back(nullptr);
    return pointers;
}

ProbeRun runProbe(const std::string &program, const std::vector<std::string> &arguments,
                  const std::vector<std::string> &environment)
{
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        throw std::runtime_error("cannot make a pipe");

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[1]);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);

    std::vector<std::string> commandLine{program};
    commandLine.insert(commandLine.end(), arguments.begin(), arguments.end());
    const std::vector<char *> argv = argumentPointers(commandLine);
    const std::vector<char *> envp = argumentPointers(environment);
    const long long start = monotonicMicroseconds();
    pid_t child;
    const int spawnError =
        posix_spawn(&child, program.c_str(), &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    if (spawnError != 0) {
        close(pipeEnds[0]);
        throw std::runtime_error("cannot start " + program);
    }

    ProbeRun run;
    readStages(pipeEnds[0], start, run);
    close(pipeEnds[0]);

    int status = 0;
    waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw std::runtime_error(program + " failed");
    if (run.mapped.wallMs < 0 || run.painted.wallMs < 0 || run.shown.wallMs < 0 ||
        run.peakResidentKiB < 0)
        throw std::runtime_error(program + " ended without reporting every stage");
    return run;
}
