// The display the start-up probes run on: the X display named by DISPLAY where there is
// one, else a virtual X server (Xvfb) of its own, else the offscreen platform, which
// flushes nothing to a screen.
#pragma once

#include <string>
#include <sys/types.h>
#include <vector>

class ProbeDisplay
{
public:
    ProbeDisplay();
    ~ProbeDisplay();
    ProbeDisplay(const ProbeDisplay &) = delete;
    ProbeDisplay &operator=(const ProbeDisplay &) = delete;

    // The environment of a probe: this process's own, with the display chosen.
    const std::vector<std::string> &environment() const { return m_environment; }
    // Which display it is, for the benchmark's heading.
    const std::string &description() const { return m_description; }

private:
    bool startVirtualServer();
    void useDisplay(const std::string &display);

    pid_t m_server = 0;
    std::vector<std::string> m_environment;
    std::string m_description;
};
