// The window behaviours the program relies on, where Qt's own defaults differ, tried on small
// windows of the test's own: modal results, close box and Escape, Enter and default buttons,
// inert panels, first focus, placement at first showing, scaling, fitting a window to a small
// screen and scrolling it by key.

#include "FitToScreen.h"
#include "Form.h"
#include "MemoBox.h"
#include "Panel.h"
#include "ScreenMetrics.h"
#include "Startup.h"
#include "TestSupport.h"

#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QScreen>
#include <QTest>

namespace {

// A window of the test's own, declared at 96 pixels per inch like the program's layouts: an
// inert panel holding a text box, three buttons (OK, Cancel, and "Next", which carries no
// result and counts its presses) and a radio button, all within 390 x 260.
class SmallWindow : public Form
{
public:
    explicit SmallWindow(QSize clientSize = QSize(390, 260), Scaling scaling = Scaling::Fixed)
    {
        client()->setWindowTitle(QStringLiteral("Small"));
        client()->resize(clientSize);
        client()->setFont(QFont(QStringLiteral("MS Sans Serif")));
        client()->setProperty("fontHeight", -11);
        panel = add<Panel>("Panel", QRect(13, 13, 208, 130), client());
        panel->setEnabled(false);
        text = add<MemoBox>("Memo", QRect(13, 13, 182, 104), panel);
        text->setPlainText(QStringLiteral("Texto de prueba"));
        ok = button("OK", Form::OK, QRect(260, 26, 104, 39));
        cancel = button("Cancel", Form::Cancel, QRect(260, 78, 104, 39));
        next = button("Next", Form::NoResult, QRect(260, 130, 104, 39));
        radio = add<QRadioButton>("Radio", QRect(13, 169, 130, 26), client());
        onClick(next, &SmallWindow::nextClick);
        loadLayout(scaling);
    }

    Panel *panel;
    MemoBox *text;
    QPushButton *ok, *cancel, *next;
    QRadioButton *radio;
    int nextPresses = 0;
    int resultInNextHandler = -1;

private:
    template <typename Control> Control *add(const char *name, QRect geometry, QWidget *parent)
    {
        auto *widget = new Control(parent);
        widget->setObjectName(QLatin1String(name));
        widget->setGeometry(geometry);
        widget->setProperty("fontHeight", -13);
        return widget;
    }

    QPushButton *button(const char *name, int result, QRect geometry)
    {
        auto *pushButton = add<QPushButton>(name, geometry, client());
        pushButton->setText(QLatin1String(name));
        if (result != Form::NoResult)
            pushButton->setProperty("modalResult", result);
        return pushButton;
    }

    void nextClick()
    {
        ++nextPresses;
        resultInNextHandler = modalResult();
    }
};

// Where a scroll key leaves a scroll bar: at its start, one page on from it, one page back
// from its end, or at its end.
enum class Place { Start, OnePage, BackOnePage, End };

int positionOf(Place place, const QScrollBar *bar)
{
    switch (place) {
    case Place::Start:
        return 0;
    case Place::OnePage:
        return qMin(bar->pageStep(), bar->maximum());
    case Place::BackOnePage:
        return qMax(0, bar->maximum() - bar->pageStep());
    case Place::End:
        return bar->maximum();
    }
    return -1;
}

// How a modal showing is left.
enum class Exit {
    OK,
    Cancel,
    Next,
    EscapeThenCloseBox,
    RejectThenCloseBox,
    EnterOnFocus,
    EnterOnCancel
};

void leave(SmallWindow &window, Exit exit)
{
    switch (exit) {
    case Exit::OK:
        window.ok->click();
        break;
    case Exit::Cancel:
        window.cancel->click();
        break;
    case Exit::Next:
        window.setModalResult(Form::OK);
        window.next->click();
        QVERIFY(window.isVisible());
        window.ok->click();
        break;
    case Exit::EscapeThenCloseBox:
        pressKey(&window, Qt::Key_Escape);
        QTest::keyClick(&window, Qt::Key_Escape);
        QVERIFY(window.isVisible());
        pressCloseBox(&window);
        break;
    case Exit::RejectThenCloseBox:
        window.reject();
        QVERIFY(window.isVisible());
        pressCloseBox(&window);
        break;
    case Exit::EnterOnFocus:
        pressKey(&window, Qt::Key_Return);
        break;
    case Exit::EnterOnCancel:
        window.cancel->setFocus();
        QTest::keyClick(window.cancel, Qt::Key_Enter);
        break;
    }
}

} // namespace

class ToolkitTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { PrepareApplication(); }
    // A full-HD screen unless a test chooses another.
    void init() { useScreen(QSize(1920, 1080)); }
    void cleanup()
    {
        verifyNothingLeftOpen();
        ScreenMetrics::setOverride(std::nullopt);
    }

    void showingStartsAtZeroAndRunsItsHandlerBeforeVisible()
    {
        SmallWindow window;
        int showings = 0;
        bool visibleAtShowing = true;
        int resultAtShowing = -1;
        connect(&window, &Form::showing, &window, [&] {
            ++showings;
            visibleAtShowing = window.isVisible();
            resultAtShowing = window.modalResult();
        });
        window.setModalResult(Form::Cancel);
        QCOMPARE(showModallyAndRun(&window, [&] { window.ok->click(); }), int(Form::OK));
        QCOMPARE(showings, 1);
        QVERIFY(!visibleAtShowing);
        QCOMPARE(resultAtShowing, 0);
        QVERIFY(!window.isVisible());
    }

    void waysOut_data()
    {
        QTest::addColumn<Exit>("exit");
        QTest::addColumn<int>("result");
        QTest::newRow("OK button") << Exit::OK << int(Form::OK);
        QTest::newRow("Cancel button") << Exit::Cancel << int(Form::Cancel);
        QTest::newRow("a button without result, then OK") << Exit::Next << int(Form::OK);
        QTest::newRow("Escape closes nothing, close box")
            << Exit::EscapeThenCloseBox << int(Form::Cancel);
        QTest::newRow("rejection closes nothing, close box")
            << Exit::RejectThenCloseBox << int(Form::Cancel);
        QTest::newRow("Enter on the first focus") << Exit::EnterOnFocus << int(Form::OK);
        QTest::newRow("Enter on Cancel") << Exit::EnterOnCancel << int(Form::Cancel);
    }

    // Each way of leaving a modal showing gives its result, with one closing. A button first
    // sets the window's result to its own (0 for one without), then runs its handler; no
    // button is a default one, so Enter presses only the focused button.
    void waysOut()
    {
        QFETCH(Exit, exit);
        SmallWindow window;
        for (QPushButton *button : window.findChildren<QPushButton *>())
            QVERIFY(!button->isDefault() && !button->autoDefault());
        int closings = 0;
        connect(&window, &Form::closing, &window, [&] { ++closings; });
        whenShownModally(&window, [&] { leave(window, exit); });
        QTEST(window.showModal(), "result");
        QCOMPARE(closings, 1);
        if (exit == Exit::Next) {
            QCOMPARE(window.nextPresses, 1);
            QCOMPARE(window.resultInNextHandler, 0);
        }
    }

    // A disabled panel makes itself and its controls inert, yet leaves them enabled and drawn
    // in the window-text colour, not the greyed disabled one; the first focus skips them.
    void disabledPanelIsInertButNotGreyed()
    {
        SmallWindow window;
        QVERIFY(window.panel->property("inert").toBool());
        for (QWidget *widget :
             {static_cast<QWidget *>(window.panel), static_cast<QWidget *>(window.text)}) {
            QVERIFY(widget->isEnabled());
            QCOMPARE(widget->focusPolicy(), Qt::NoFocus);
            QVERIFY(widget->testAttribute(Qt::WA_TransparentForMouseEvents));
        }
        QCOMPARE(window.text->textInteractionFlags(), Qt::NoTextInteraction);
        const QColor text = window.text->palette().color(QPalette::Active, QPalette::Text);
        QCOMPARE(darkestGrey(window.text), qGray(text.rgb()));
        window.showPlaced();
        QCOMPARE(window.focusWidget(), window.ok);
    }

    void placementAtFirstShowingOnly()
    {
        useScreen(QSize(1920, 1080), QMargins(4, 30, 4, 4));
        SmallWindow main(QSize(400, 300));
        main.showPlaced();
        // Centred on the desktop: (1920 - 408) div 2, (1080 - 334) div 2.
        QCOMPARE(main.pos(), QPoint(756, 373));

        SmallWindow other(QSize(200, 100));
        showModallyAndRun(&other, [&] {
            // Centred on the main window: 756 + (408 - 208) div 2, 373 + (334 - 134) div 2.
            QCOMPARE(other.pos(), QPoint(856, 473));
            other.move(10, 20);
        });
        showModallyAndRun(&other, [&] { QCOMPARE(other.pos(), QPoint(10, 20)); });
    }

    void placementNeverNegative()
    {
        useScreen(QSize(600, 400));
        SmallWindow main(QSize(800, 600));
        FitToScreen(&main);
        QCOMPARE(main.firstPlacement(), QPoint(25, 25));
        SmallWindow larger(QSize(700, 500));
        main.move(0, 0);
        QCOMPARE(larger.firstPlacement(), QPoint(0, 0));
    }

    // A window that fits the work area is placed clear of task bars and docks; one that does
    // not keeps its title bar in reach. Without a work area the centring rule stands alone.
    void placementInsideTheWorkArea_data()
    {
        QTest::addColumn<QRect>("workArea");
        QTest::addColumn<QSize>("client");
        QTest::addColumn<QPoint>("placed");
        // On 1366 x 768 with a (4, 30, 4, 4) frame, centred on the desktop.
        QTest::newRow("no work area") << QRect() << QSize(858, 680) << QPoint(250, 27);
        QTest::newRow("whole screen") << QRect(0, 0, 1366, 768) << QSize(858, 680)
                                      << QPoint(250, 27);
        QTest::newRow("task bar below") << QRect(0, 0, 1366, 728) << QSize(858, 680)
                                        << QPoint(250, 14);
        QTest::newRow("task bar on the left") << QRect(48, 0, 1318, 768) << QSize(1300, 300)
                                              << QPoint(48, 217);
        QTest::newRow("task bar above") << QRect(0, 40, 1366, 728) << QSize(858, 680)
                                        << QPoint(250, 40);
        QTest::newRow("taller than the work area")
            << QRect(0, 0, 1366, 728) << QSize(400, 740) << QPoint(479, 0);
    }

    void placementInsideTheWorkArea()
    {
        QFETCH(QRect, workArea);
        QFETCH(QSize, client);
        QFETCH(QPoint, placed);
        ScreenMetrics metrics;
        metrics.screen = QSize(1366, 768);
        metrics.desktop = QRect(QPoint(0, 0), metrics.screen);
        metrics.workArea = workArea;
        metrics.frame = QMargins(4, 30, 4, 4);
        ScreenMetrics::setOverride(metrics);
        SmallWindow window(client);
        QCOMPARE(window.firstPlacement(), placed);
    }

    void fitToScreen_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QMargins>("frame");
        QTest::addColumn<QSize>("outer");
        // The scroll ranges of a shrunk window; none for one that keeps the automatic ones.
        QTest::addColumn<QSize>("ranges");
        QTest::newRow("exactly the screen")
            << QSize(390, 260) << QMargins() << QSize(390, 260) << QSize();
        QTest::newRow("one pixel more than the screen")
            << QSize(389, 259) << QMargins() << QSize(339, 209) << QSize(390, 260);
        // The frame and title bar add exactly 25 pixels: the window still fits.
        QTest::newRow("fits with its frame")
            << QSize(800, 285) << QMargins(1, 23, 1, 2) << QSize(392, 285) << QSize();
        // One pixel more: its former outer height is its range; the horizontal range stays
        // the one of the controls, the right edge of the buttons.
        QTest::newRow("one pixel too high with its frame")
            << QSize(800, 285) << QMargins(1, 23, 1, 3) << QSize(392, 235) << QSize(364, 286);
        QTest::newRow("too wide only")
            << QSize(300, 800) << QMargins(1, 23, 1, 2) << QSize(250, 285) << QSize(392, 195);
    }

    // A window larger than the screen, frame included, is shrunk to it and scrolls its
    // content from the top left; one that fits, however tightly, keeps its size.
    void fitToScreen()
    {
        QFETCH(QSize, screen);
        QFETCH(QMargins, frame);
        QFETCH(QSize, ranges);
        useScreen(screen, frame);
        SmallWindow window;
        FitToScreen(&window);
        QTEST(window.outerSize(), "outer");
        QCOMPARE(window.hasAutomaticScrollRanges(), ranges.isEmpty());
        if (!ranges.isEmpty()) {
            QCOMPARE(window.scrollRange(Qt::Horizontal), ranges.width());
            QCOMPARE(window.scrollRange(Qt::Vertical), ranges.height());
        }
        QCOMPARE(window.scrollPosition(Qt::Horizontal), 0);
        QCOMPARE(window.scrollPosition(Qt::Vertical), 0);
    }

    void scaleToFitTheScreen_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QRect>("workArea");
        QTest::addColumn<qreal>("scale");
        QTest::addColumn<QSize>("client");
        QTest::addColumn<QRect>("button");
        QTest::addColumn<int>("fontPixels");
        const QSize natural(390, 260);
        const QRect button(260, 26, 104, 39);
        // With a frame of 4, 30, 4, 4 the window needs 398 x 294 of room.
        QTest::newRow("fits: kept as declared")
            << QSize(398, 294) << QRect() << 2.0 << natural << button << 13;
        // 382 / 390 of its size, just enough for the width: position, size and font follow.
        QTest::newRow("too wide at 200 %")
            << QSize(390, 300) << QRect() << 2.0 << QSize(382, 255) << QRect(255, 25, 102, 38)
            << 13;
        // The task bar leaves 226 pixels of height: 226 / 260 of its size.
        QTest::newRow("too high above a task bar at 150 %")
            << QSize(1280, 720) << QRect(0, 0, 1280, 260) << 1.5 << QSize(339, 226)
            << QRect(226, 23, 90, 34) << 11;
        // 0.64 would fit, but at 125 % the window is never drawn below 0.8 of its size:
        // smaller than at 96 dpi. The scroll bars of FitToScreen take over from there.
        QTest::newRow("floor of its size at 96 dpi")
            << QSize(300, 200) << QRect() << 1.25 << QSize(312, 208) << QRect(208, 21, 83, 31)
            << 10;
        QTest::newRow("no scale to undo at 100 %")
            << QSize(300, 200) << QRect() << 1.0 << natural << button << 13;
    }

    // At a desktop's scale that makes a window larger than the room its screen has, the
    // window is drawn smaller in proportion, just enough to fit, but never smaller than it
    // is at 96 dpi; and it follows a move to a screen where it fits as declared.
    void scaleToFitTheScreen()
    {
        QFETCH(QSize, screen);
        QFETCH(QRect, workArea);
        QFETCH(qreal, scale);
        useScreen(screen, QMargins(4, 30, 4, 4), 96, scale, workArea);
        SmallWindow window;
        QTEST(window.size(), "client");
        QTEST(window.ok->geometry(), "button");
        QTEST(window.ok->font().pixelSize(), "fontPixels");
        QCOMPARE(window.fitScale() * scale >= 1, true);

        useScreen(QSize(1920, 1080), QMargins(4, 30, 4, 4), 96, scale);
        window.followScreen(nullptr);
        QCOMPARE(window.fitScale(), 1.0);
        QCOMPARE(window.size(), QSize(390, 260));
        QCOMPARE(window.ok->geometry(), QRect(260, 26, 104, 39));
        QCOMPARE(window.ok->font().pixelSize(), 13);
    }

    // A screen whose size changes while a window is on show (a new resolution; on the web,
    // a resized browser window) fits the window anew and moves it back into reach.
    void followAScreenThatChangesSize()
    {
        const QMargins frame(4, 30, 4, 4);
        useScreen(QSize(1920, 1080), frame, 96, 2.0);
        SmallWindow window;
        window.show();
        window.move(1500, 800);
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        const QRect smaller(0, 0, 390, 300);
        useScreen(smaller.size(), frame, 96, 2.0, smaller);
        QScreen *screen = window.windowHandle()->screen();
        emit screen->availableGeometryChanged(smaller);
        QCOMPARE(window.size(), QSize(382, 255));
        // The outer 390 x 289 fits the work area only at its left, 11 pixels from its top.
        QCOMPARE(window.pos(), QPoint(0, 11));
    }

    // The scroll keys move a window's view of its content and change nothing else: the
    // focus stays, no button is pressed, no radio button is checked or unchecked.
    void scrollKeysMoveOnlyTheView_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QString>("focused");
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<Place>("fromH");
        QTest::addColumn<Place>("fromV");
        QTest::addColumn<Place>("toH");
        QTest::addColumn<Place>("toV");
        const QSize small(250, 150);
        const QString radio = QStringLiteral("Radio");
        const QString button = QStringLiteral("Next");
        QTest::newRow("PageDown") << small << radio << QKeySequence(Qt::Key_PageDown)
                                  << Place::Start << Place::Start << Place::Start << Place::OnePage;
        QTest::newRow("PageUp") << small << button << QKeySequence(Qt::Key_PageUp) << Place::End
                                << Place::End << Place::End << Place::BackOnePage;
        QTest::newRow("Shift+PageDown")
            << small << button << QKeySequence(Qt::SHIFT | Qt::Key_PageDown) << Place::Start
            << Place::Start << Place::OnePage << Place::Start;
        QTest::newRow("Shift+PageUp")
            << small << radio << QKeySequence(Qt::SHIFT | Qt::Key_PageUp) << Place::End
            << Place::End << Place::BackOnePage << Place::End;
        QTest::newRow("Ctrl+Home") << small << radio << QKeySequence(Qt::CTRL | Qt::Key_Home)
                                   << Place::End << Place::End << Place::Start << Place::Start;
        QTest::newRow("Ctrl+End") << small << button << QKeySequence(Qt::CTRL | Qt::Key_End)
                                  << Place::Start << Place::Start << Place::End << Place::End;
        const QSize large(1920, 1080);
        QTest::newRow("nothing to scroll: PageDown")
            << large << radio << QKeySequence(Qt::Key_PageDown) << Place::Start << Place::Start
            << Place::Start << Place::Start;
        QTest::newRow("nothing to scroll: Ctrl+End")
            << large << button << QKeySequence(Qt::CTRL | Qt::Key_End) << Place::Start
            << Place::Start << Place::Start << Place::Start;
    }

    void scrollKeysMoveOnlyTheView()
    {
        QFETCH(QSize, screen);
        QFETCH(QString, focused);
        QFETCH(QKeySequence, keys);
        QFETCH(Place, fromH);
        QFETCH(Place, fromV);
        QFETCH(Place, toH);
        QFETCH(Place, toV);
        useScreen(screen, QMargins(4, 30, 4, 4));
        SmallWindow window;
        FitToScreen(&window);
        const auto *area = window.findChild<QScrollArea *>();
        const QScrollBar *horizontal = area->horizontalScrollBar();
        const QScrollBar *vertical = area->verticalScrollBar();
        auto *control = window.findChild<QWidget *>(focused);
        showModallyAndRun(&window, [&] {
            QVERIFY(QTest::qWaitForWindowActive(&window));
            // Both directions scroll on the small screen, neither on the large one.
            const bool scrolls = screen.height() < 600;
            QCOMPARE(horizontal->maximum() > 0, scrolls);
            QCOMPARE(vertical->maximum() > 0, scrolls);
            window.radio->setChecked(true);
            control->setFocus();
            window.setScrollPosition(Qt::Horizontal, positionOf(fromH, horizontal));
            window.setScrollPosition(Qt::Vertical, positionOf(fromV, vertical));
            QTest::keyClick(control, Qt::Key(keys[0].key()), keys[0].keyboardModifiers());
            QCOMPARE(horizontal->value(), positionOf(toH, horizontal));
            QCOMPARE(vertical->value(), positionOf(toV, vertical));
            QCOMPARE(window.focusWidget(), control);
            QCOMPARE(window.nextPresses, 0);
            QVERIFY(window.radio->isChecked());
            QVERIFY(window.isVisible());
        });
    }

    // At 144 pixels per inch the window font grows to 11 * 144 / 96 = 16.5, rounded to 17
    // pixels, whose "0" is 20 pixels high instead of 13: every position, size and font of a
    // scaled window follows by 20 / 13, and a fixed one keeps its pixels.
    void scaledWindowsFollowTheSystemTextSize()
    {
        useScreen(QSize(3840, 2160), {}, 144);
        verifyScaledBy20Over13();
    }

    // Qt's high-dpi scaling stays on: at scale factor 2 the layouts keep their sizes in
    // device-independent pixels, drawn with twice the device pixels, and no window is scaled
    // to the text size. Run by CTest as tst_toolkit_scale_factor, with QT_SCALE_FACTOR=2.
    void scaleFactorKeepsDeviceIndependentPixels()
    {
        if (qApp->devicePixelRatio() != 2.0)
            QSKIP("needs QT_SCALE_FACTOR=2");
        const int pixelsPerInch = ScreenMetrics::current().pixelsPerInch;
        QCOMPARE(pixelsPerInch, 96);
        useScreen(QSize(3840, 2160), {}, pixelsPerInch);
        SmallWindow fixed;
        SmallWindow scaled(QSize(390, 260), Form::Scaling::Scaled);
        QCOMPARE(scaled.size(), QSize(390, 260));
        QCOMPARE(fixed.grab().size(), QSize(780, 520));
    }

    // Without Qt's scaling, the system's logical density of 144 scales as above. Run by
    // CTest as tst_toolkit_font_dpi, with QT_ENABLE_HIGHDPI_SCALING=0 and QT_FONT_DPI=144.
    void systemTextSizeScalesTheScaledWindows()
    {
        // The system's own density, not the one init() puts in place.
        ScreenMetrics::setOverride(std::nullopt);
        const int pixelsPerInch = ScreenMetrics::current().pixelsPerInch;
        if (pixelsPerInch != 144)
            QSKIP("needs QT_ENABLE_HIGHDPI_SCALING=0 and QT_FONT_DPI=144");
        QCOMPARE(qApp->devicePixelRatio(), 1.0);
        useScreen(QSize(3840, 2160), {}, pixelsPerInch);
        verifyScaledBy20Over13();
    }

    void declaredFamiliesResolveToTheirStandIns_data()
    {
        QTest::addColumn<QString>("declared");
        QTest::addColumn<QString>("standIn");
        QTest::newRow("window font") << "MS Sans Serif"
                                     << "DejaVu Sans";
        QTest::newRow("captions and texts") << "Verdana"
                                            << "Liberation Sans";
        QTest::newRow("stems and commentaries") << "Lucida Sans Unicode"
                                                << "Liberation Sans";
    }

    // Each family the layouts declare is drawn in its stand-in, installed or (on Windows)
    // built in: a stand-in missing would otherwise show only as text that no longer fits,
    // or as empty boxes where the machine has no font of its own to fall back on.
    void declaredFamiliesResolveToTheirStandIns()
    {
        QFETCH(QString, declared);
        QTEST(QFontInfo(QFont(QFont::substitute(declared))).family(), "standIn");
    }

private:
    void verifyScaledBy20Over13()
    {
        SmallWindow fixed;
        SmallWindow scaled(QSize(390, 260), Form::Scaling::Scaled);
        QCOMPARE(fixed.size(), QSize(390, 260));
        QCOMPARE(fixed.ok->geometry(), QRect(260, 26, 104, 39));
        QCOMPARE(fixed.ok->font().pixelSize(), 13);
        QCOMPARE(scaled.size(), QSize(600, 400));
        QCOMPARE(scaled.ok->geometry(), QRect(400, 40, 160, 60));
        QCOMPARE(scaled.ok->font().pixelSize(), 20);
        QCOMPARE(scaled.text->font().pixelSize(), 20);
    }
};

QTEST_MAIN(ToolkitTest)
#include "tst_toolkit.moc"
