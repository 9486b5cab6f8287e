// Measures Telvanor on this machine and prints each figure beside a baseline measured in
// the same run:
//   start-up, up to the main window mapped and up to its first frame painted and flushed,
//   and peak memory, against the fair floor: a bare Qt dialog of the main window's size
//   showing the introduction in the same font;
//   start-up up to all six windows created and the main one shown, and peak memory, against
//   a bare Qt dialog of that size showing nothing;
//   filling and repainting each of the 24 question pages of the questionnaire and of the
//   review, against the same texts in plain Qt widgets;
//   a whole test run driven through the windows.
// Every time is given twice: as wall-clock time, and as processor time, which the other
// load of a shared machine does not inflate. The start-up probes run on the X display
// given by DISPLAY, else on a virtual X server of their own; the pages are measured in this
// process, headless on the offscreen platform unless another one is chosen.

#include "MainUnit.h"
#include "PageFigures.h"
#include "ProbeDisplay.h"
#include "Startup.h"
#include "StartupFigures.h"
#include "Table.h"

#include <QApplication>
#include <QTextEdit>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <unistd.h>

namespace {

// The offscreen platform's own screen is 800 x 600, too small for the windows; give it a
// full-HD one at 96 pixels per inch, for the probes and for this process alike.
class FullHdOffscreenScreen
{
public:
    FullHdOffscreenScreen()
    {
        const char *platform = std::getenv("QT_QPA_PLATFORM");
        if (platform && *platform && std::string(platform) != "offscreen")
            return;
        char path[] = "/tmp/telvanor-bench-screen-XXXXXX";
        const int file = mkstemp(path);
        if (file < 0)
            throw std::runtime_error("cannot write the offscreen screen's description");
        m_path = path;
        const std::string description =
            R"({"screens": [{"name": "bench", "x": 0, "y": 0, "width": 1920, "height": 1080,)"
            R"( "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})";
        const bool written =
            write(file, description.data(), description.size()) == ssize_t(description.size());
        close(file);
        if (!written)
            throw std::runtime_error("cannot write the offscreen screen's description");
        setenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + m_path).c_str(), 1);
    }
    ~FullHdOffscreenScreen()
    {
        if (!m_path.empty())
            unlink(m_path.c_str());
    }
    FullHdOffscreenScreen(const FullHdOffscreenScreen &) = delete;
    FullHdOffscreenScreen &operator=(const FullHdOffscreenScreen &) = delete;

private:
    std::string m_path;
};

// The machine's load average over the last minute, as text.
std::string loadAverage()
{
    double load = 0;
    if (getloadavg(&load, 1) != 1)
        return "unknown";
    char text[16];
    std::snprintf(text, sizeof text, "%.2f", load);
    return text;
}

void printHeading(const ProbeDisplay &display)
{
    std::printf("Telvanor benchmark: Qt %s, pages on platform %s\n", qVersion(),
                std::getenv("QT_QPA_PLATFORM"));
    std::printf("start-up on %s;\n", display.description().c_str());
    std::printf("  each figure the median of %d alternated runs of each probe\n", StartupRuns);
    std::printf("%ld processors online, load average %s at the start\n",
                sysconf(_SC_NPROCESSORS_ONLN), loadAverage().c_str());
    std::printf("baselines: [fair floor]: a bare Qt dialog of 858 x 743 showing the introduction "
                "in the same font;\n"
                "           [empty dialog]: a bare Qt dialog of 858 x 743 showing nothing;\n"
                "           pages: the same texts in plain Qt widgets of the same places, sizes "
                "and fonts, without marks;\n"
                "           whole test run: its 48 page turns in those plain widgets\n");
    std::fflush(stdout);
}

int runBenchmark(int argc, char *argv[])
{
    const FullHdOffscreenScreen screen;
    const ProbeDisplay display;
    printHeading(display);
    QApplication application(argc, argv);
    PrepareApplication();
    CreateForms();

    Table wall, processor;
    const QString introduction = control<QTextEdit>(MainForm, "Memo1")->toPlainText();
    measureStartup(display, introduction.toStdString(), wall, processor);
    const std::string perQuestion = measurePagesAndWholeTest(wall, processor);
    DestroyForms();

    wall.print("wall-clock time (load average " + loadAverage() + " at the end)");
    processor.print("processor time: of the probe process up to that stage, or of this thread");
    std::printf("\n%s", perQuestion.c_str());
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    try {
        return runBenchmark(argc, argv);
    } catch (const std::exception &error) {
        std::fprintf(stderr, "bench: %s\n", error.what());
        return 1;
    }
}
