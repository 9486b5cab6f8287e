#include "ChildProcess.h"

#include "ShownSignal.h"

#include <chrono>
#include <fcntl.h>
#include <spawn.h>
#include <stdexcept>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

struct ShownReport {
    double wallMilliseconds = -1; // negative when the shown line never came
    double processorMilliseconds = 0;
};

// Reads the child's standard output to its end, noting when its shown line arrived.
ShownReport readUntilEnd(int output, Clock::time_point start)
{
    const std::string shown = std::string(ShownWord) + ' ';
    std::string received;
    ShownReport report;
    char buffer[256];
    ssize_t count;
    while ((count = read(output, buffer, sizeof buffer)) > 0) {
        received.append(buffer, std::size_t(count));
        const std::size_t word = received.find(shown);
        const bool complete =
            word != std::string::npos && received.find('\n', word) != std::string::npos;
        if (report.wallMilliseconds < 0 && complete) {
            report.wallMilliseconds = millisecondsSince(start);
            report.processorMilliseconds =
                double(std::stoll(received.substr(word + shown.size()))) / 1e3;
        }
    }
    return report;
}

} // namespace

ProbeRun runProbe(const std::string &program)
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

    char *arguments[] = {const_cast<char *>(program.c_str()), nullptr};
    const Clock::time_point start = Clock::now();
    pid_t child;
    const int spawnError =
        posix_spawn(&child, program.c_str(), &actions, nullptr, arguments, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    if (spawnError != 0) {
        close(pipeEnds[0]);
        throw std::runtime_error("cannot start " + program);
    }

    const ShownReport shown = readUntilEnd(pipeEnds[0], start);
    close(pipeEnds[0]);

    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw std::runtime_error(program + " failed");
    if (shown.wallMilliseconds < 0)
        throw std::runtime_error(program + " ended without showing its window");
    return {shown.wallMilliseconds, shown.processorMilliseconds, usage.ru_maxrss};
}
