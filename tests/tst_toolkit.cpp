// The window behaviours the program relies on, where Qt's own defaults differ: modal
// results, close box and Escape, Enter and default buttons, inert panels, placement at
// first showing, scaling and fitting a window to a small screen.

#include "AvisoUnit.h"
#include "Creditos.h"
#include "CuestionarioUnit.h"
#include "EvaluacionUnit.h"
#include "MainUnit.h"
#include "MemoBox.h"
#include "Panel.h"
#include "RCUnit.h"
#include "ScreenMetrics.h"
#include "Startup.h"
#include "TestSupport.h"

#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <memory>

namespace {

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

    void showingStartsAtZeroAndRunsFormShowBeforeVisible()
    {
        TMainForm main;
        TCreditosForm credits;
        int showings = 0;
        bool visibleAtShowing = true;
        int resultAtShowing = -1;
        connect(&credits, &Form::showing, &credits, [&] {
            ++showings;
            visibleAtShowing = credits.isVisible();
            resultAtShowing = credits.modalResult();
        });
        credits.setModalResult(Form::Cancel);
        whenShownModally(&credits, [&] { control<QPushButton>(&credits, "Button5")->click(); });
        QCOMPARE(credits.showModal(), int(Form::OK));
        QCOMPARE(showings, 1);
        QVERIFY(!visibleAtShowing);
        QCOMPARE(resultAtShowing, 0);
        QVERIFY(!credits.isVisible());
    }

    void escapeClosesNothing_data()
    {
        QTest::addColumn<QString>("windowName");
        for (const char *name : {"questionnaire", "notice", "evaluation", "review", "credits"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }

    // In every modal window Escape, to the focused control or to the window, and a dialog
    // rejection close nothing; the close box then gives Cancel, with one closing.
    void escapeClosesNothing()
    {
        QFETCH(QString, windowName);
        ProgramWindows windows;
        Form *form = programWindow(windowName);
        int closings = 0;
        connect(form, &Form::closing, form, [&] { ++closings; });
        bool stillOpen = false;
        whenShownModally(form, [&] {
            pressKey(form, Qt::Key_Escape);
            QTest::keyClick(form, Qt::Key_Escape);
            form->reject();
            stillOpen = form->isVisible() && form->isShownModally();
            pressCloseBox(form);
        });
        QCOMPARE(form->showModal(), int(Form::Cancel));
        QVERIFY(stillOpen);
        QCOMPARE(closings, 1);
    }

    void enterPressesOnlyTheFocusedButton()
    {
        TMainForm main;
        TEvaluacionForm evaluation;
        for (QPushButton *button : evaluation.findChildren<QPushButton *>())
            QVERIFY(!button->isDefault() && !button->autoDefault());

        // Focus starts on the first button in tab order, "Ver respuestas correctas" (OK).
        whenShownModally(&evaluation, [&] {
            QCOMPARE(evaluation.focusWidget(), control<QPushButton>(&evaluation, "Button1"));
            pressKey(&evaluation, Qt::Key_Return);
        });
        QCOMPARE(evaluation.showModal(), int(Form::OK));

        // With the focus moved to "Salir", Enter gives that button's Cancel.
        whenShownModally(&evaluation, [&] {
            control<QPushButton>(&evaluation, "Button2")->setFocus();
            QTest::keyClick(control<QPushButton>(&evaluation, "Button2"), Qt::Key_Enter);
        });
        QCOMPARE(evaluation.showModal(), int(Form::Cancel));
    }

    void buttonSetsResultBeforeItsHandlerRuns()
    {
        TMainForm main;
        TRCForm review;
        // "Siguiente" carries no result: pressing it pages without closing the window.
        whenShownModally(&review, [&] {
            review.setModalResult(Form::OK);
            control<QPushButton>(&review, "Button3")->click();
            QVERIFY(review.isVisible());
            QCOMPARE(review.modalResult(), 0);
            QCOMPARE(int(review.CurrentQuestion), 2);
            control<QPushButton>(&review, "Button5")->click();
        });
        QCOMPARE(review.showModal(), int(Form::OK));
    }

    void disabledPanelIsInertButNotGreyed()
    {
        TMainForm main;
        TCreditosForm credits;
        QVERIFY(control<Panel>(&credits, "Panel2")->property("inert").toBool());
        QVERIFY(!control<Panel>(&credits, "Panel1")->property("inert").toBool());
        for (QWidget *widget : {static_cast<QWidget *>(control<Panel>(&credits, "Panel2")),
                                static_cast<QWidget *>(control<MemoBox>(&credits, "Memo1"))}) {
            QVERIFY(widget->isEnabled());
            QCOMPARE(widget->focusPolicy(), Qt::NoFocus);
            QVERIFY(widget->testAttribute(Qt::WA_TransparentForMouseEvents));
        }
        QCOMPARE(control<MemoBox>(&credits, "Memo1")->textInteractionFlags(),
                 Qt::NoTextInteraction);

        // The text is drawn in the window-text colour, not the greyed disabled one.
        const QImage image = control<MemoBox>(&credits, "Memo1")->grab().toImage();
        const QColor text =
            control<MemoBox>(&credits, "Memo1")->palette().color(QPalette::Active, QPalette::Text);
        int darkest = 255;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                darkest = qMin(darkest, qGray(image.pixel(x, y)));
        QCOMPARE(darkest, qGray(text.rgb()));
    }

    void focusAtFirstActivationSkipsInertControls()
    {
        TMainForm main;
        main.showPlaced();
        QCOMPARE(main.focusWidget(), control<QPushButton>(&main, "TestButton"));
        TCreditosForm credits;
        whenShownModally(&credits, [&] {
            QCOMPARE(credits.focusWidget(), control<QPushButton>(&credits, "Button5"));
            QTest::keyClick(control<QPushButton>(&credits, "Button5"), Qt::Key_Return);
        });
        QCOMPARE(credits.showModal(), int(Form::OK));
    }

    void placementAtFirstShowingOnly()
    {
        const QMargins frame(4, 30, 4, 4);
        useScreen(QSize(1920, 1080), frame);
        TMainForm main;
        main.showPlaced();
        // Centred on the desktop: (1920 - 866) div 2, (1080 - 777) div 2.
        QCOMPARE(main.pos(), QPoint(527, 151));

        TCreditosForm credits;
        whenShownModally(&credits, [&] {
            // Centred on the main window: 527 + (866 - 583) div 2, 151 + (777 - 449) div 2.
            QCOMPARE(credits.pos(), QPoint(668, 315));
            credits.move(10, 20);
            pressCloseBox(&credits);
        });
        credits.showModal();
        whenShownModally(&credits, [&] {
            QCOMPARE(credits.pos(), QPoint(10, 20));
            pressCloseBox(&credits);
        });
        credits.showModal();
    }

    void placementNeverNegative()
    {
        useScreen(QSize(600, 400));
        TMainForm main;
        QCOMPARE(main.firstPlacement(), QPoint(25, 25));
        TCreditosForm credits; // not fitted to the screen, so larger than the shrunk main window
        main.move(0, 0);
        QCOMPARE(credits.firstPlacement(), QPoint(0, 0));
    }

    void fitToScreen_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QMargins>("frame");
        QTest::addColumn<QString>("windowName");
        QTest::addColumn<QSize>("outer");
        // The scroll ranges of a shrunk window; none for one that keeps the automatic ones.
        QTest::addColumn<QSize>("ranges");
        QTest::newRow("main, exactly the screen")
            << QSize(858, 743) << QMargins() << "main" << QSize(858, 743) << QSize();
        QTest::newRow("main, one pixel more than the screen")
            << QSize(857, 742) << QMargins() << "main" << QSize(807, 692) << QSize(858, 743);
        // The frame and title bar add exactly 25 pixels: the main window still fits.
        QTest::newRow("main, 768 pixels high with frame")
            << QSize(1366, 768) << QMargins(1, 23, 1, 2) << "main" << QSize(860, 768) << QSize();
        // One pixel more: its former outer height is its range; the horizontal range stays
        // the one of the controls, the right edge of the panel.
        QTest::newRow("main, 769 pixels high with frame")
            << QSize(1366, 768) << QMargins(1, 23, 1, 3) << "main" << QSize(860, 718)
            << QSize(841, 769);
        // The review, 1316 pixels wide and 851 high with its frame, keeps the computed range
        // of the direction that fits: its lowest control, "Salir", has top 756, height 45.
        QTest::newRow("review, shrunk in one direction")
            << QSize(1280, 1024) << QMargins(6, 30, 7, 5) << "review" << QSize(1230, 851)
            << QSize(1316, 801);
        QTest::newRow("credits, never fitted")
            << QSize(400, 300) << QMargins() << "credits" << QSize(575, 415) << QSize();
    }

    // A window larger than the screen, frame included, is shrunk to it and scrolls its
    // content from the top left; one that fits, however tightly, keeps its size.
    void fitToScreen()
    {
        QFETCH(QSize, screen);
        QFETCH(QMargins, frame);
        QFETCH(QString, windowName);
        QFETCH(QSize, ranges);
        useScreen(screen, frame);
        TMainForm main;
        std::unique_ptr<Form> other;
        if (windowName == QLatin1String("review"))
            other = std::make_unique<TRCForm>();
        else if (windowName == QLatin1String("credits"))
            other = std::make_unique<TCreditosForm>();
        Form *form = other ? other.get() : &main;
        QTEST(form->outerSize(), "outer");
        QCOMPARE(form->hasAutomaticScrollRanges(), ranges.isEmpty());
        if (!ranges.isEmpty()) {
            QCOMPARE(form->scrollRange(Qt::Horizontal), ranges.width());
            QCOMPARE(form->scrollRange(Qt::Vertical), ranges.height());
        }
        QCOMPARE(form->scrollPosition(Qt::Horizontal), 0);
        QCOMPARE(form->scrollPosition(Qt::Vertical), 0);
    }

    // The scroll keys move a window's view of its content and change nothing else: the
    // focus stays, no button is pressed, no continuation is checked or unchecked.
    void scrollKeysMoveOnlyTheView_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QString>("focused");
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<Place>("fromH");
        QTest::addColumn<Place>("fromV");
        QTest::addColumn<Place>("toH");
        QTest::addColumn<Place>("toV");
        const QSize small(800, 500);
        const QString radio = QStringLiteral("RadioButton1");
        const QString button = QStringLiteral("Button3");
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
        TMainForm main;
        TCuestionarioForm questionnaire;
        const auto *area = questionnaire.findChild<QScrollArea *>();
        const QScrollBar *horizontal = area->horizontalScrollBar();
        const QScrollBar *vertical = area->verticalScrollBar();
        auto *control = questionnaire.findChild<QWidget *>(focused);
        const auto pressAndCheck = [&] {
            QVERIFY(QTest::qWaitForWindowActive(&questionnaire));
            // Both directions scroll on the small screen, neither on the large one.
            const bool scrolls = screen.height() < 600;
            QCOMPARE(horizontal->maximum() > 0 && vertical->maximum() > 0, scrolls);
            QCOMPARE(horizontal->maximum() > 0 || vertical->maximum() > 0, scrolls);
            questionnaire.radioButtons()[2]->setChecked(true);
            control->setFocus();
            questionnaire.setScrollPosition(Qt::Horizontal, positionOf(fromH, horizontal));
            questionnaire.setScrollPosition(Qt::Vertical, positionOf(fromV, vertical));
            QTest::keyClick(control, Qt::Key(keys[0].key()), keys[0].keyboardModifiers());
            QCOMPARE(horizontal->value(), positionOf(toH, horizontal));
            QCOMPARE(vertical->value(), positionOf(toV, vertical));
            QCOMPARE(questionnaire.focusWidget(), control);
            QCOMPARE(int(questionnaire.CurrentQuestion), 1);
            QVERIFY(questionnaire.radioButtons()[2]->isChecked());
            QVERIFY(questionnaire.isVisible());
        };
        whenShownModally(&questionnaire, [&] {
            pressAndCheck();
            pressCloseBox(&questionnaire);
        });
        questionnaire.showModal();
    }

    void scaledWindowsFollowTheSystemTextSize()
    {
        useScreen(QSize(3840, 2160), {}, 144);
        TMainForm main;
        TCreditosForm credits;

        // The main window keeps its pixels.
        QCOMPARE(main.size(), QSize(858, 743));
        QCOMPARE(control<QPushButton>(&main, "TestButton")->geometry(), QRect(152, 675, 170, 45));

        // The window font grows to 11 * 144 / 96 = 16.5, rounded to 17 pixels, whose "0" is
        // 20 pixels high instead of 13: every position, size and font follows by 20 / 13.
        QCOMPARE(credits.size(), QSize(885, 638));
        QCOMPARE(control<QPushButton>(&credits, "Button5")->geometry(), QRect(366, 551, 154, 69));
        QCOMPARE(control<QPushButton>(&credits, "Button5")->font().pixelSize(), 20);
        QCOMPARE(control<MemoBox>(&credits, "Memo1")->font().pixelSize(), 20);
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
        TMainForm main;
        TCreditosForm credits;
        QCOMPARE(main.size(), QSize(858, 743));
        QCOMPARE(credits.size(), QSize(575, 415));
        QCOMPARE(main.grab().size(), QSize(1716, 1486));
    }

    // Without Qt's scaling, a logical density other than 96 scales the five windows to the
    // text size and leaves the main window as declared. Run by CTest as tst_toolkit_font_dpi,
    // with QT_ENABLE_HIGHDPI_SCALING=0 and QT_FONT_DPI=144.
    void systemTextSizeScalesTheFiveWindows()
    {
        const int pixelsPerInch = ScreenMetrics::current().pixelsPerInch;
        if (pixelsPerInch != 144)
            QSKIP("needs QT_ENABLE_HIGHDPI_SCALING=0 and QT_FONT_DPI=144");
        QCOMPARE(qApp->devicePixelRatio(), 1.0);
        ProgramWindows windows(QSize(3840, 2160), {}, pixelsPerInch);
        // The window font's "0" is 20 pixels high instead of 13: the five follow by 20 / 13.
        const QList<QPair<Form *, QSize>> sizes = {
            {MainForm, QSize(858, 743)},        {CuestionarioForm, QSize(1831, 829)},
            {EvaluacionForm, QSize(2015, 548)}, {RCForm, QSize(2005, 1255)},
            {CreditosForm, QSize(885, 638)},    {AvisoForm, QSize(762, 369)}};
        for (const auto &[form, size] : sizes)
            QCOMPARE(form->size(), size);
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

    // Each family the layouts declare is drawn in its installed stand-in, and every control of
    // every window uses one of them: a stand-in missing from the system, or a family the
    // substitutions miss, would otherwise show only as text that no longer fits.
    void declaredFamiliesResolveToTheirStandIns()
    {
        QFETCH(QString, declared);
        QFETCH(QString, standIn);
        QCOMPARE(QFontInfo(QFont(declared)).family(), standIn);
        ProgramWindows windows;
        for (const QString name :
             {"main", "questionnaire", "notice", "evaluation", "review", "credits"}) {
            for (const QWidget *widget : programWindow(name)->findChildren<QWidget *>()) {
                const QString family = QFontInfo(widget->font()).family();
                QVERIFY2(family == QLatin1String("DejaVu Sans") ||
                             family == QLatin1String("Liberation Sans"),
                         qPrintable(name + QLatin1Char('/') + widget->objectName() +
                                    QStringLiteral(": ") + family));
            }
        }
    }
};

QTEST_MAIN(ToolkitTest)
#include "tst_toolkit.moc"
