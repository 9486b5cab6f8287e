#include "ProbeDisplay.h"

#include "ChildProcess.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

constexpr int ServerStartTimeoutMs = 10000;

// This process's environment less the variables that choose a display.
std::vector<std::string> environmentWithoutDisplay()
{
    std::vector<std::string> entries;
    for (char **entry = environ; *entry; ++entry) {
        const std::string text = *entry;
        if (text.rfind("DISPLAY=", 0) != 0 && text.rfind("QT_QPA_PLATFORM=", 0) != 0 &&
            text.rfind("WAYLAND_DISPLAY=", 0) != 0)
            entries.push_back(text);
    }
    return entries;
}

// Reads the display number the server writes once it is ready, within the time limit.
std::string readDisplayNumber(int input)
{
    std::string number;
    pollfd ready{input, POLLIN, 0};
    char digit;
    while (poll(&ready, 1, ServerStartTimeoutMs) > 0 && read(input, &digit, 1) == 1 &&
           digit != '\n')
        number += digit;
    return number;
}

} // namespace

ProbeDisplay::ProbeDisplay()
{
    const char *display = std::getenv("DISPLAY");
    if (display && *display) {
        useDisplay(display);
        m_description = std::string("the X display ") + display + " given by DISPLAY";
    } else if (!startVirtualServer()) {
        // The platform this process runs on, which the probes inherit.
        for (char **entry = environ; *entry; ++entry)
            m_environment.emplace_back(*entry);
        m_description = "offscreen (no X display and no Xvfb): nothing is flushed to a screen, "
                        "so the first paint ends when the frame is drawn";
    }
}

ProbeDisplay::~ProbeDisplay()
{
    if (m_server > 0) {
        kill(m_server, SIGTERM);
        waitpid(m_server, nullptr, 0);
    }
}

void ProbeDisplay::useDisplay(const std::string &display)
{
    m_environment = environmentWithoutDisplay();
    m_environment.push_back("DISPLAY=" + display);
    m_environment.emplace_back("QT_QPA_PLATFORM=xcb");
}

bool ProbeDisplay::startVirtualServer()
{
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return false;
    // The server writes its display number on descriptor 3 once it takes connections.
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], 3);
    if (pipeEnds[1] != 3)
        posix_spawn_file_actions_addclose(&actions, pipeEnds[1]);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    const std::vector<std::string> command{"Xvfb",         "-displayfd", "3",  "-screen",   "0",
                                           "1920x1080x24", "-dpi",       "96", "-nolisten", "tcp"};
    const std::vector<char *> argv = argumentPointers(command);
    const int spawnError = posix_spawnp(&m_server, "Xvfb", &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    const std::string number = spawnError == 0 ? readDisplayNumber(pipeEnds[0]) : std::string();
    close(pipeEnds[0]);
    if (spawnError != 0)
        m_server = 0;
    if (number.empty())
        return false;
    useDisplay(":" + number);
    m_description = "a virtual X server of its own (Xvfb :" + number +
                    ", 1920 x 1080, 96 dpi, no window manager)";
    return true;
}
