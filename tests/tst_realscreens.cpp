// The program on real displays: a virtual X server with a real window manager (openbox), and
// a headless Wayland compositor (weston) with and without XWayland. Each screen runs the
// program once through realscreen_driver, which walks every window by keyboard and reports
// how the window system showed it; the rows then check each window of each screen.

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <xcb/xcb.h>

#include <cstdlib>
#include <functional>
#include <map>
#include <memory>

namespace {

enum class Desktop { Openbox, OpenboxTallTitle, Weston, WestonXWayland };

struct Screen {
    QSize size;
    int dpi;
    Desktop desktop;
    qreal scale = 1; // Qt's scale factor, as a desktop set to 150 % gives it
};

const QList<Screen> Screens = {
    {{800, 600}, 96, Desktop::Openbox},         {{1024, 768}, 96, Desktop::Openbox},
    {{1366, 768}, 96, Desktop::Openbox},        {{1366, 768}, 96, Desktop::OpenboxTallTitle},
    {{1920, 1080}, 96, Desktop::Openbox},       {{1366, 768}, 120, Desktop::Openbox},
    {{1920, 1080}, 120, Desktop::Openbox},      {{1366, 768}, 96, Desktop::Weston},
    {{1024, 768}, 96, Desktop::Weston},         {{1366, 768}, 96, Desktop::WestonXWayland},
    {{1024, 768}, 96, Desktop::WestonXWayland}, {{1920, 1080}, 96, Desktop::Openbox, 1.5},
};

// The steps of realscreen_driver at which a window is first shown.
const QStringList FirstShowings = {QStringLiteral("start"),      QStringLiteral("credits"),
                                   QStringLiteral("test"),       QStringLiteral("blanks"),
                                   QStringLiteral("evaluation"), QStringLiteral("review")};

// The panel weston's desktop shell keeps at the top of the screen.
constexpr int WestonPanelHeight = 32;
constexpr int StartTimeoutMs = 10000;
constexpr int RunTimeoutMs = 40000;

QString screenName(const Screen &screen)
{
    static const std::map<Desktop, const char *> names = {
        {Desktop::Openbox, "openbox"},
        {Desktop::OpenboxTallTitle, "openbox, 40-px title bar"},
        {Desktop::Weston, "weston"},
        {Desktop::WestonXWayland, "weston, XWayland"}};
    const QString scale =
        screen.scale == 1 ? QString() : QStringLiteral(" at %1 %").arg(screen.scale * 100);
    return QStringLiteral("%1x%2 %3 dpi %4%5")
        .arg(screen.size.width())
        .arg(screen.size.height())
        .arg(screen.dpi)
        .arg(QLatin1String(names.at(screen.desktop)), scale);
}

bool onOpenbox(const Screen &screen)
{
    return screen.desktop == Desktop::Openbox || screen.desktop == Desktop::OpenboxTallTitle;
}

// One report line of the driver: its fields by name.
using Report = QHash<QString, QString>;

Report parseReport(const QString &line)
{
    Report report;
    const QStringList words = line.split(QLatin1Char(' '));
    report.insert(QStringLiteral("step"), words.value(0));
    for (const QString &word : words) {
        const qsizetype equals = word.indexOf(QLatin1Char('='));
        if (equals > 0)
            report.insert(word.left(equals), word.mid(equals + 1));
    }
    return report;
}

QList<int> numbers(const QString &text)
{
    QList<int> values;
    for (const QString &part : text.split(QLatin1Char(',')))
        values.append(part.toInt());
    return values;
}

QRect rectField(const Report &report, const QString &name)
{
    const QList<int> v = numbers(report.value(name));
    return v.size() == 4 ? QRect(v[0], v[1], v[2], v[3]) : QRect();
}

QMargins marginsField(const Report &report, const QString &name)
{
    const QList<int> v = numbers(report.value(name));
    return v.size() == 4 ? QMargins(v[0], v[1], v[2], v[3]) : QMargins();
}

struct Run {
    QString skipped;
    QString output;
    int exitCode = -1;
    QHash<QString, Report> steps;
};

// A server process that is stopped when the run is over.
class Server
{
public:
    explicit Server(const QProcessEnvironment &environment)
    {
        m_process.setProcessEnvironment(environment);
        m_process.setProcessChannelMode(QProcess::MergedChannels);
    }
    ~Server()
    {
        m_process.terminate();
        if (!m_process.waitForFinished(2000))
            m_process.kill();
        m_process.waitForFinished(1000);
    }
    Server(const Server &) = delete;
    Server &operator=(const Server &) = delete;

    QProcess &process() { return m_process; }

    // Reads the server's output until the pattern's first group appears.
    QString waitForOutput(const QRegularExpression &pattern)
    {
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < StartTimeoutMs) {
            const QRegularExpressionMatch match = pattern.match(QString::fromLocal8Bit(m_output));
            if (match.hasMatch())
                return match.captured(1);
            if (m_process.state() == QProcess::NotRunning)
                return {};
            m_process.waitForReadyRead(100);
            m_output += m_process.readAll();
        }
        return {};
    }

private:
    QProcess m_process;
    QByteArray m_output;
};

// Waits until a window manager runs on the X display; false when none came in time.
bool waitForWindowManager(const QString &display)
{
    std::unique_ptr<xcb_connection_t, decltype(&xcb_disconnect)> connection(
        xcb_connect(qPrintable(display), nullptr), &xcb_disconnect);
    if (xcb_connection_has_error(connection.get()))
        return false;
    // Set once the window manager is ready to answer requests.
    const char name[] = "_NET_SUPPORTED";
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> atom(
        xcb_intern_atom_reply(connection.get(),
                              xcb_intern_atom(connection.get(), 0, sizeof name - 1, name), nullptr),
        &std::free);
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection.get())).data->root;
    QElapsedTimer waited;
    waited.start();
    while (atom && waited.elapsed() < StartTimeoutMs) {
        std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
            xcb_get_property_reply(
                connection.get(),
                xcb_get_property(connection.get(), 0, root, atom->atom, XCB_ATOM_ATOM, 0, 1),
                nullptr),
            &std::free);
        if (reply && xcb_get_property_value_length(reply.get()) == 4)
            return true;
        QTest::qSleep(10);
    }
    return false;
}

// An openbox theme whose title bar is 40 pixels high, border included.
void writeTallTitleTheme(const QString &dataHome)
{
    QDir().mkpath(dataHome + QStringLiteral("/themes/Tall/openbox-3"));
    QFile theme(dataHome + QStringLiteral("/themes/Tall/openbox-3/themerc"));
    QVERIFY(theme.open(QIODevice::WriteOnly));
    theme.write("border.width: 1\npadding.height: 13\n"
                "window.client.padding.width: 0\nwindow.client.padding.height: 0\n");
    QFile config(dataHome + QStringLiteral("/rc.xml"));
    QVERIFY(config.open(QIODevice::WriteOnly));
    config.write("<?xml version=\"1.0\"?>\n<openbox_config xmlns=\"http://openbox.org/3.4/rc\">"
                 "<theme><name>Tall</name></theme></openbox_config>\n");
}

QString missingProgram(const QStringList &programs)
{
    for (const QString &program : programs) {
        if (QStandardPaths::findExecutable(program).isEmpty())
            return program;
    }
    return {};
}

// The environment of every server and of the program: nothing of the caller's display, no
// platform chosen for the program, configuration in a private folder.
QProcessEnvironment cleanEnvironment(const QString &home)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_SESSION_TYPE",
                             "QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS", "QT_FONT_DPI"})
        environment.remove(QLatin1String(name));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/config"));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/data"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home);
    return environment;
}

Run runProgram(const QString &driver, const QProcessEnvironment &environment,
               const QStringList &options = {})
{
    Run run;
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(driver, options);
    if (!program.waitForFinished(RunTimeoutMs))
        program.kill();
    program.waitForFinished(1000);
    run.exitCode = program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1;
    run.output =
        QString::fromLocal8Bit(program.readAllStandardOutput() + program.readAllStandardError());
    for (const QString &line : run.output.split(QLatin1Char('\n'))) {
        const Report report = parseReport(line);
        if (!run.steps.contains(report.value(QStringLiteral("step"))))
            run.steps.insert(report.value(QStringLiteral("step")), report);
    }
    return run;
}

// The windows whose scroll keys are tried on the X server's keyboard, and in which directions
// the screen makes them smaller than their content; on 1920 x 1080 none is, and the keys must
// do nothing.
struct TriedWindow {
    QSize screen;
    const char *step;
    Qt::Orientations shrunk;
};

const TriedWindow ScrolledWindows[] = {
    {{800, 600}, "start", Qt::Horizontal | Qt::Vertical},
    {{800, 600}, "review", Qt::Horizontal | Qt::Vertical},
    {{1024, 768}, "test", Qt::Horizontal},
    {{1024, 768}, "evaluation", Qt::Horizontal},
    {{1366, 768}, "review", Qt::Vertical},
    {{1920, 1080}, "test", {}},
    {{1920, 1080}, "review", {}},
};

// The windows whose continuations' rows are clicked: the questionnaire ("test") and the
// review, on screens where the point clicked is in view.
const TriedWindow ClickedWindows[] = {
    {{1366, 768}, "test", {}},
    {{1366, 768}, "review", {}},
    {{1920, 1080}, "test", {}},
    {{1920, 1080}, "review", {}},
};

// Starts Xvfb with openbox on it, then runs what uses the display.
Run onX11(const Screen &screen, const QString &home,
          const std::function<Run(const QProcessEnvironment &)> &use)
{
    const QStringList needed = {QStringLiteral("Xvfb"), QStringLiteral("openbox")};
    if (const QString missing = missingProgram(needed); !missing.isEmpty())
        return {missing + QStringLiteral(" is not installed"), {}, -1, {}};
    QProcessEnvironment environment = cleanEnvironment(home);
    Server xvfb(environment);
    xvfb.process().start(
        QStringLiteral("Xvfb"),
        {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-nolisten"),
         QStringLiteral("tcp"), QStringLiteral("-screen"), QStringLiteral("0"),
         QStringLiteral("%1x%2x24").arg(screen.size.width()).arg(screen.size.height()),
         QStringLiteral("-dpi"), QString::number(screen.dpi)});
    const QString number = xvfb.waitForOutput(
        QRegularExpression(QStringLiteral("^(\\d+)$"), QRegularExpression::MultilineOption));
    if (number.isEmpty())
        return {{}, QStringLiteral("Xvfb did not start"), -1, {}};
    const QString display = QLatin1Char(':') + number;
    environment.insert(QStringLiteral("DISPLAY"), display);
    if (screen.scale != 1)
        environment.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::number(screen.scale));

    QStringList options;
    if (screen.desktop == Desktop::OpenboxTallTitle) {
        writeTallTitleTheme(home + QStringLiteral("/data"));
        options = {QStringLiteral("--config-file"), home + QStringLiteral("/data/rc.xml")};
    }
    // openbox runs the start-up command once it is ready to answer requests.
    const QString ready = home + QStringLiteral("/openbox-ready");
    options << QStringLiteral("--startup") << QStringLiteral("touch ") + ready;
    Server openbox(environment);
    openbox.process().start(QStringLiteral("openbox"), options);
    QElapsedTimer waited;
    waited.start();
    while (!QFile::exists(ready) && waited.elapsed() < StartTimeoutMs)
        QTest::qSleep(10);
    if (!QFile::exists(ready) || !waitForWindowManager(display))
        return {{}, QStringLiteral("openbox did not start"), -1, {}};
    return use(environment);
}

bool xdotoolMissing()
{
    return QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty();
}

// The driver's options that have the X server's keyboard and mouse try the screen's windows.
QStringList tryOptions(const Screen &screen)
{
    QStringList steps;
    if (screen.dpi != 96 || screen.scale != 1 || screen.desktop != Desktop::Openbox ||
        xdotoolMissing())
        return {};
    const auto add = [&](const auto &windows) {
        for (const TriedWindow &window : windows) {
            if (window.screen == screen.size && !steps.contains(QLatin1String(window.step)))
                steps.append(QLatin1String(window.step));
        }
    };
    add(ScrolledWindows);
    add(ClickedWindows);
    return steps.isEmpty() ? QStringList()
                           : QStringList{QStringLiteral("--try=") + steps.join(',')};
}

Run runOnWeston(const Screen &screen, const QString &driver, const QString &home)
{
    QStringList needed = {QStringLiteral("weston")};
    if (screen.desktop == Desktop::WestonXWayland)
        needed.append(QStringLiteral("Xwayland"));
    if (const QString missing = missingProgram(needed); !missing.isEmpty())
        return {missing + QStringLiteral(" is not installed"), {}, -1, {}};
    QProcessEnvironment environment = cleanEnvironment(home);
    QStringList options = {QStringLiteral("--backend=headless-backend.so"),
                           QStringLiteral("--width=%1").arg(screen.size.width()),
                           QStringLiteral("--height=%1").arg(screen.size.height()),
                           QStringLiteral("--socket=telvanor-test")};
    if (screen.desktop == Desktop::WestonXWayland)
        options.append(QStringLiteral("--xwayland"));
    Server weston(environment);
    weston.process().start(QStringLiteral("weston"), options);
    const QString shell = weston.waitForOutput(
        QRegularExpression(QStringLiteral("launching '[^']*(desktop-shell)'")));
    if (shell.isEmpty())
        return {{}, QStringLiteral("weston did not start"), -1, {}};
    environment.insert(QStringLiteral("WAYLAND_DISPLAY"), QStringLiteral("telvanor-test"));
    if (screen.desktop == Desktop::WestonXWayland) {
        const QString number = weston.waitForOutput(
            QRegularExpression(QStringLiteral("xserver listening on display :(\\d+)")));
        const QString display = QLatin1Char(':') + number;
        if (number.isEmpty() || !waitForWindowManager(display))
            return {{}, QStringLiteral("XWayland did not start"), -1, {}};
        environment.insert(QStringLiteral("DISPLAY"), display);
    }
    if (screen.desktop != Desktop::WestonXWayland) {
        // Under the sanitizers: the Wayland client library and a plugin Qt unloads leave
        // allocations of their own at exit; leaks of ours are checked by every other run.
        const QString sanitizer = environment.value(QStringLiteral("ASAN_OPTIONS"));
        environment.insert(QStringLiteral("ASAN_OPTIONS"),
                           sanitizer + (sanitizer.isEmpty() ? "" : ":") + "detect_leaks=0");
    }
    // Headless, weston has no keyboard whose focus it could give.
    return runProgram(driver, environment, {QStringLiteral("--no-focus")});
}

// Each screen runs once, for all of its rows.
const Run &runOn(int index)
{
    static QHash<int, Run> runs;
    if (!runs.contains(index)) {
        const Screen &screen = Screens.at(index);
        const QString driver =
            QCoreApplication::applicationDirPath() + QStringLiteral("/realscreen_driver");
        QTemporaryDir home;
        const auto runDriver = [&](const QProcessEnvironment &environment) {
            return runProgram(driver, environment, tryOptions(screen));
        };
        runs.insert(index, onOpenbox(screen) ? onX11(screen, home.path(), runDriver)
                                             : runOnWeston(screen, driver, home.path()));
    }
    return runs[index];
}

// Set when a check is skipped because a program it needs is missing: the whole test then
// reports a skip to CTest rather than a pass.
bool environmentMissing = false;

#define SKIP_FOR_MISSING(what)                                                                     \
    do {                                                                                           \
        environmentMissing = true;                                                                 \
        QSKIP(qPrintable(what));                                                                   \
    } while (false)

#define REQUIRE_RUN(run)                                                                           \
    do {                                                                                           \
        if (!(run).skipped.isEmpty())                                                              \
            SKIP_FOR_MISSING((run).skipped);                                                       \
        if ((run).steps.size() < 2)                                                                \
            QFAIL(qPrintable(QStringLiteral("no window reported:\n") + (run).output));             \
    } while (false)

QPoint pointField(const Report &report, const QString &name)
{
    const QList<int> v = numbers(report.value(name));
    return v.size() == 2 ? QPoint(v[0], v[1]) : QPoint(-1, -1);
}

// Whether a "before,after" field of the driver reports no change.
bool unchanged(const Report &report, const QString &name)
{
    const QStringList values = report.value(name).split(QLatin1Char(','));
    return values.size() == 2 && values[0] == values[1];
}

int screenIndex(QSize size)
{
    for (int index = 0; index < Screens.size(); ++index) {
        const Screen &screen = Screens.at(index);
        if (screen.size == size && screen.dpi == 96 && screen.desktop == Desktop::Openbox)
            return index;
    }
    qFatal("no openbox screen of %d x %d at 96 dpi", size.width(), size.height());
}

// The keys that scroll a window's content, in the order the driver presses them, and where
// each moves the horizontal and the vertical scroll bar.
enum class Move { Stay, PageBack, PageOn, ToStart, ToEnd };

struct ScrollKey {
    const char *name;
    Move horizontal;
    Move vertical;
};

const ScrollKey ScrollKeys[] = {
    {"PageDown", Move::Stay, Move::PageOn},       {"PageUp", Move::Stay, Move::PageBack},
    {"Shift+PageDown", Move::PageOn, Move::Stay}, {"Shift+PageUp", Move::PageBack, Move::Stay},
    {"Ctrl+End", Move::ToEnd, Move::ToEnd},       {"Ctrl+Home", Move::ToStart, Move::ToStart},
};

int moved(Move move, int value, int maximum, int page)
{
    switch (move) {
    case Move::Stay:
        return value;
    case Move::PageBack:
        return qMax(0, value - page);
    case Move::PageOn:
        return qMin(maximum, value + page);
    case Move::ToStart:
        return 0;
    case Move::ToEnd:
        return maximum;
    }
    return value;
}

#define REQUIRE_INPUT(run)                                                                         \
    do {                                                                                           \
        REQUIRE_RUN(run);                                                                          \
        if (xdotoolMissing())                                                                      \
            SKIP_FOR_MISSING(QStringLiteral("xdotool is not installed"));                          \
    } while (false)

// The pixels of an X window as the server holds them.
QByteArray windowPixels(xcb_connection_t *connection, xcb_window_t window)
{
    std::unique_ptr<xcb_get_geometry_reply_t, decltype(&std::free)> geometry(
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window), nullptr),
        &std::free);
    if (!geometry)
        return {};
    std::unique_ptr<xcb_get_image_reply_t, decltype(&std::free)> image(
        xcb_get_image_reply(connection,
                            xcb_get_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, window, 0, 0,
                                          geometry->width, geometry->height, ~0U),
                            nullptr),
        &std::free);
    if (!image)
        return {};
    return {reinterpret_cast<const char *>(xcb_get_image_data(image.get())),
            xcb_get_image_data_length(image.get())};
}

// The program's first window once drawn and steady (the same pixels three times in a row);
// empty when it showed none in time.
QByteArray shownWindow(const QProcessEnvironment &environment, const QString &folder,
                       const QStringList &arguments)
{
    QProcess program;
    program.setProcessEnvironment(environment);
    program.setWorkingDirectory(folder);
    program.start(QStringLiteral(TELVANOR_EXECUTABLE), arguments);
    QElapsedTimer waited;
    waited.start();
    xcb_window_t window = 0;
    // The search ends in an error when a window goes away while it looks: it is tried again.
    while (!window && waited.elapsed() < StartTimeoutMs) {
        QProcess search;
        search.setProcessEnvironment(environment);
        search.start(QStringLiteral("xdotool"),
                     {QStringLiteral("search"), QStringLiteral("--sync"),
                      QStringLiteral("--onlyvisible"), QStringLiteral("--pid"),
                      QString::number(program.processId())});
        if (!search.waitForFinished(int(StartTimeoutMs - waited.elapsed())))
            search.kill();
        window = search.readAllStandardOutput().split('\n').value(0).toUInt();
    }
    std::unique_ptr<xcb_connection_t, decltype(&xcb_disconnect)> connection(
        xcb_connect(qPrintable(environment.value(QStringLiteral("DISPLAY"))), nullptr),
        &xcb_disconnect);
    QByteArray pixels;
    for (int same = 0; window && same < 3 && waited.elapsed() < StartTimeoutMs;) {
        QTest::qSleep(100);
        const QByteArray now = windowPixels(connection.get(), window);
        same = !now.isEmpty() && now == pixels ? same + 1 : 1;
        pixels = now;
    }
    program.kill();
    program.waitForFinished(1000);
    return pixels;
}

// Qt's own options that the program must not heed; "red.qss" would paint every window red.
const QStringList QtOptions = {QStringLiteral("-reverse"), QStringLiteral("-stylesheet=red.qss")};

// The main window shown by the program started plainly (step "") and with each of Qt's
// options (step named after it), each reported as "pixels=<digest>".
Run runWithQtOptions(const QProcessEnvironment &environment, const QString &home)
{
    Run run;
    QFile style(home + QStringLiteral("/red.qss"));
    if (!style.open(QIODevice::WriteOnly) ||
        style.write("* { background: red; color: yellow; font-size: 30px; }\n") < 0)
        return {{}, QStringLiteral("cannot write the style sheet"), -1, {}};
    style.close();
    for (const QString &option : QStringList{QString()} + QtOptions) {
        const QByteArray pixels =
            shownWindow(environment, home, option.isEmpty() ? QStringList() : QStringList{option});
        run.steps[option].insert(QStringLiteral("pixels"),
                                 pixels.isEmpty() ? QString() : QString::number(qHash(pixels)));
    }
    return run;
}

// Centred on an area, by the placement rule: a negative edge becomes 0.
QPoint centredOn(const QRect &area, const QSize &outer)
{
    return {qMax(0, area.left() + (area.width() - outer.width()) / 2),
            qMax(0, area.top() + (area.height() - outer.height()) / 2)};
}

} // namespace

class RealScreensTest : public QObject
{
    Q_OBJECT

private slots:
    void windowOpensWholeInView_data()
    {
        QTest::addColumn<int>("screen");
        QTest::addColumn<QString>("step");
        for (int index = 0; index < Screens.size(); ++index) {
            for (const QString &step : FirstShowings)
                QTest::addRow("%s, %s", qPrintable(screenName(Screens.at(index))), qPrintable(step))
                    << index << step;
        }
    }

    // Whole inside the screen's available area, the top left of its content in view, the
    // window system's frame counted by fitting and placement.
    void windowOpensWholeInView()
    {
        QFETCH(int, screen);
        QFETCH(QString, step);
        const Run &run = runOn(screen);
        REQUIRE_RUN(run);
        const Desktop desktop = Screens.at(screen).desktop;
        const Report window = run.steps.value(step);
        QVERIFY2(!window.isEmpty(), qPrintable(run.output));
        QCOMPARE(window.value(QStringLiteral("scroll")), QStringLiteral("0,0"));

        const QRect available = rectField(window, QStringLiteral("available"));
        const QRect outer = rectField(window, QStringLiteral("outer"));
        const QRect client = rectField(window, QStringLiteral("client"));
        const QMargins frame = marginsField(window, QStringLiteral("frame"));
        switch (desktop) {
        case Desktop::Weston:
            // The compositor places the window and does not say where: it must fit beside
            // the panel, with the title bar Qt draws counted.
            QCOMPARE(window.value(QStringLiteral("platform")), QStringLiteral("wayland"));
            QCOMPARE(marginsField(window, QStringLiteral("assumed")), frame);
            QVERIFY(frame.top() > 0);
            QVERIFY2(outer.width() <= available.width() &&
                         outer.height() <= available.height() - WestonPanelHeight,
                     qPrintable(window.value(QStringLiteral("outer"))));
            return;
        case Desktop::WestonXWayland: {
            // X11 is preferred to Wayland. Weston places X11 windows itself, below its panel,
            // and its frames include a shadow: the top left of the client area must be in view.
            QCOMPARE(window.value(QStringLiteral("platform")), QStringLiteral("xcb"));
            const QRect belowPanel = available.adjusted(0, WestonPanelHeight, 0, 0);
            QVERIFY2(belowPanel.contains(client.topLeft()),
                     qPrintable(window.value(QStringLiteral("client"))));
            return;
        }
        default:
            break;
        }
        QCOMPARE(window.value(QStringLiteral("platform")), QStringLiteral("xcb"));
        QCOMPARE(window.value(QStringLiteral("active")), QStringLiteral("1"));
        QCOMPARE(marginsField(window, QStringLiteral("assumed")), frame);
        QVERIFY2(available.contains(outer), qPrintable(window.value(QStringLiteral("outer"))));

        const QRect main =
            rectField(run.steps.value(QStringLiteral("start")), QStringLiteral("outer"));
        if (const qreal scale = Screens.at(screen).scale; scale != 1) {
            // Drawn smaller where the scale would make it too large, in proportion and never
            // below its size at 96 dpi; whole, without a scroll bar.
            QCOMPARE(window.value(QStringLiteral("range")), QStringLiteral("0,0"));
            const QList<int> natural = numbers(window.value(QStringLiteral("natural")));
            const double fit = window.value(QStringLiteral("fit")).toDouble();
            QVERIFY2(fit <= 1 && fit * scale >= 1, qPrintable(window.value(QStringLiteral("fit"))));
            QVERIFY(qAbs(client.width() - natural.value(0) * fit) <= 1);
            QVERIFY(qAbs(client.height() - natural.value(1) * fit) <= 1);
            QVERIFY2(fit == 1 || outer.width() >= available.width() - 1 ||
                         outer.height() >= available.height() - 1,
                     "drawn smaller than needed");
        } else if (step == QLatin1String("start")) {
            // Not scaled: 858 x 743 in pixels, shrunk to the screen less 50 where it does not
            // fit with its frame.
            const QSize screenSize = available.size();
            const QSize declared = QSize(858, 743).grownBy(frame);
            const QSize expected(declared.width() > screenSize.width() ? screenSize.width() - 50
                                                                       : declared.width(),
                                 declared.height() > screenSize.height() ? screenSize.height() - 50
                                                                         : declared.height());
            QCOMPARE(outer.size(), expected);
        }
        // Under a scale factor the X server's device pixels, counted back, may be 1 off.
        const QPoint centred =
            centredOn(step == QLatin1String("start") ? available : main, outer.size());
        const int slack = Screens.at(screen).scale == 1 ? 0 : 1;
        QVERIFY2(qAbs(outer.x() - centred.x()) <= slack && qAbs(outer.y() - centred.y()) <= slack,
                 qPrintable(window.value(QStringLiteral("outer"))));
    }

    void chainEndsByKeyboard_data()
    {
        QTest::addColumn<int>("screen");
        for (int index = 0; index < Screens.size(); ++index)
            QTest::addRow("%s", qPrintable(screenName(Screens.at(index)))) << index;
    }

    // Every window of the chain reached with Tab and Enter, back to the main window, whose
    // "Salir" ends the program.
    void chainEndsByKeyboard()
    {
        QFETCH(int, screen);
        const Run &run = runOn(screen);
        REQUIRE_RUN(run);
        QVERIFY2(run.steps.contains(QStringLiteral("ended")), qPrintable(run.output.right(300)));
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.steps.value(QStringLiteral("end")).value(QStringLiteral("focus")),
                 QStringLiteral("TestButton"));
    }

    void minimisingAModalWindowMinimisesTheProgram_data()
    {
        QTest::addColumn<int>("screen");
        for (int index = 0; index < Screens.size(); ++index) {
            if (onOpenbox(Screens.at(index)))
                QTest::addRow("%s", qPrintable(screenName(Screens.at(index)))) << index;
        }
    }

    // The blocked main window is never left on the screen without the window that takes
    // the input: minimising the questionnaire minimises both, and restoring brings back both.
    void minimisingAModalWindowMinimisesTheProgram()
    {
        QFETCH(int, screen);
        const Run &run = runOn(screen);
        REQUIRE_RUN(run);
        const Report minimised = run.steps.value(QStringLiteral("minimised"));
        const Report restored = run.steps.value(QStringLiteral("restored"));
        QCOMPARE(minimised.value(QStringLiteral("main")), QStringLiteral("1"));
        QCOMPARE(minimised.value(QStringLiteral("questionnaire")), QStringLiteral("1"));
        QCOMPARE(restored.value(QStringLiteral("main")), QStringLiteral("0"));
        QCOMPARE(restored.value(QStringLiteral("questionnaire")), QStringLiteral("0"));
    }

    void scrollKeysMoveTheViewOnly_data()
    {
        QTest::addColumn<int>("screen");
        QTest::addColumn<QString>("step");
        QTest::addColumn<int>("shrunk");
        QTest::addColumn<int>("key");
        for (const TriedWindow &window : ScrolledWindows) {
            const int screen = screenIndex(window.screen);
            for (int key = 0; key < int(std::size(ScrollKeys)); ++key)
                QTest::addRow("%s, %s, %s", qPrintable(screenName(Screens.at(screen))), window.step,
                              ScrollKeys[key].name)
                    << screen << QString::fromLatin1(window.step) << int(window.shrunk) << key;
        }
    }

    // Each scroll key, pressed on the X server's keyboard, moves the view of the window's
    // content as far as the content goes, and changes nothing else: the same control keeps
    // the focus, the same question and checked continuation, the window still takes input.
    void scrollKeysMoveTheViewOnly()
    {
        QFETCH(int, screen);
        QFETCH(QString, step);
        QFETCH(int, shrunk);
        QFETCH(int, key);
        const Run &run = runOn(screen);
        REQUIRE_INPUT(run);
        const ScrollKey &scrollKey = ScrollKeys[key];
        const Report pressed = run.steps.value(step + QLatin1Char('/') + scrollKey.name);
        QVERIFY2(!pressed.isEmpty(), qPrintable(run.output.right(300)));
        const QPoint before = pointField(pressed, QStringLiteral("before"));
        const QPoint after = pointField(pressed, QStringLiteral("after"));
        const QPoint range = pointField(pressed, QStringLiteral("range"));
        const QPoint page = pointField(pressed, QStringLiteral("page"));
        QCOMPARE(range.x() > 0, bool(shrunk & Qt::Horizontal));
        QCOMPARE(range.y() > 0, bool(shrunk & Qt::Vertical));
        QCOMPARE(after, QPoint(moved(scrollKey.horizontal, before.x(), range.x(), page.x()),
                               moved(scrollKey.vertical, before.y(), range.y(), page.y())));
        // Where the window scrolls in the key's direction, the key moved the view.
        const bool scrolls = (scrollKey.horizontal != Move::Stay && range.x() > 0) ||
                             (scrollKey.vertical != Move::Stay && range.y() > 0);
        QCOMPARE(after != before, scrolls);
        for (const char *field : {"focus", "question", "checked"})
            QVERIFY2(unchanged(pressed, QLatin1String(field)), field);
        QCOMPARE(pressed.value(QStringLiteral("input")), QStringLiteral("1"));
    }

    void clickBesideCaption_data()
    {
        QTest::addColumn<int>("screen");
        QTest::addColumn<QString>("step");
        QTest::addColumn<bool>("checks");
        for (const TriedWindow &window : ClickedWindows) {
            const int screen = screenIndex(window.screen);
            QTest::addRow("%s, %s", qPrintable(screenName(Screens.at(screen))), window.step)
                << screen << QString::fromLatin1(window.step)
                << (qstrcmp(window.step, "test") == 0);
        }
    }

    // A click on the empty part of a continuation's row, right of its caption, checks the
    // continuation in the questionnaire; in the review the continuations stay as they are.
    void clickBesideCaption()
    {
        QFETCH(int, screen);
        QFETCH(QString, step);
        QFETCH(bool, checks);
        const Run &run = runOn(screen);
        REQUIRE_INPUT(run);
        const Report click = run.steps.value(step + QStringLiteral("/click"));
        QVERIFY2(!click.isEmpty(), qPrintable(run.output.right(300)));
        QCOMPARE(click.value(QStringLiteral("inview")), QStringLiteral("1"));
        QVERIFY2(click.value(QStringLiteral("caption")).toInt() <
                     click.value(QStringLiteral("at")).toInt(),
                 "the click is beside the caption");
        const QString expected =
            checks ? click.value(QStringLiteral("row")) : click.value(QStringLiteral("before"));
        QCOMPARE(click.value(QStringLiteral("after")), expected);
    }

    void qtOptionsChangeNothing_data()
    {
        QTest::addColumn<QString>("option");
        for (const QString &option : QtOptions)
            QTest::newRow(qPrintable(option)) << option;
    }

    // Started with one of Qt's own options, the program shows its main window pixel for
    // pixel as it does without: not mirrored, not restyled.
    void qtOptionsChangeNothing()
    {
        QFETCH(QString, option);
        if (xdotoolMissing())
            SKIP_FOR_MISSING(QStringLiteral("xdotool is not installed"));
        static const Run run = [] {
            QTemporaryDir home;
            return onX11(Screens.at(screenIndex({1366, 768})), home.path(),
                         [&](const QProcessEnvironment &environment) {
                             return runWithQtOptions(environment, home.path());
                         });
        }();
        if (!run.skipped.isEmpty())
            SKIP_FOR_MISSING(run.skipped);
        QVERIFY2(run.output.isEmpty(), qPrintable(run.output));
        const QString plain = run.steps.value(QString()).value(QStringLiteral("pixels"));
        QVERIFY2(!plain.isEmpty(), "the main window was not shown");
        QCOMPARE(run.steps.value(option).value(QStringLiteral("pixels")), plain);
    }
};

// Exits with 77, which CTest reports as a skip, where the checks passed only because a
// program they need is missing.
int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    RealScreensTest test;
    const int failures = QTest::qExec(&test, argc, argv);
    return failures == 0 && environmentMissing ? 77 : failures;
}
#include "tst_realscreens.moc"
