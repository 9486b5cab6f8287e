// The main window, the credits and the program's start and end.

#include "AvisoUnit.h"
#include "Creditos.h"
#include "CuestionarioUnit.h"
#include "EvaluacionUnit.h"
#include "MainUnit.h"
#include "MemoBox.h"
#include "Panel.h"
#include "RCUnit.h"
#include "ScreenMetrics.h"
#include "TestSupport.h"

#include <QApplication>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <optional>

namespace {

QStringList linesOf(const QTextEdit *memo)
{
    return memo->toPlainText().split(QLatin1Char('\n'));
}

// Notes whether the main window's first paint came while the other five windows existed.
class FirstPaintWatcher : public QObject
{
public:
    std::optional<bool> othersExisted;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const auto *widget = qobject_cast<QWidget *>(watched);
        if (event->type() == QEvent::Paint && MainForm && !othersExisted && widget &&
            widget->window() == MainForm) {
            othersExisted =
                CuestionarioForm || EvaluacionForm || RCForm || CreditosForm || AvisoForm;
        }
        return false;
    }
};

// A window's outer size and scroll ranges as text, for a comparison that names the window.
QString sizeText(const QString &window, QSize outer, QSize ranges)
{
    return QStringLiteral("%1: %2 x %3, ranges %4 x %5")
        .arg(window)
        .arg(outer.width())
        .arg(outer.height())
        .arg(ranges.width())
        .arg(ranges.height());
}

// How the user presses a push button, or closes its window instead.
enum class Press { Click, Enter, Space, CloseBox };

// A key goes to the control that has the focus; one pressed on the main window's
// button first puts the focus there, as Tab would.
void press(QPushButton *button, Press how)
{
    switch (how) {
    case Press::Click:
        button->click();
        break;
    case Press::CloseBox:
        pressCloseBox(button->window());
        break;
    case Press::Enter:
    case Press::Space:
        if (button->window() == MainForm)
            button->setFocus();
        pressKey(button->window(), how == Press::Enter ? Qt::Key_Return : Qt::Key_Space);
        break;
    }
}

} // namespace

class MainWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { verifyNothingLeftOpen(); }

    // Every window bears the program's icon in each size the package installs, so that no
    // size is blown up from a smaller picture.
    void iconInEveryInstalledSize()
    {
        ProgramWindows windows;
        const QList<QSize> installed = {QSize(32, 32), QSize(48, 48), QSize(64, 64),
                                        QSize(128, 128), QSize(256, 256)};
        for (const QWidget *window : QApplication::topLevelWidgets()) {
            if (qobject_cast<const Form *>(window))
                QCOMPARE(window->windowIcon().availableSizes(), installed);
        }
    }

    // The main window is the first and only one shown; every window bears its caption and
    // draws its every control in one of the installed stand-ins of the declared families, so
    // that no family the substitutions miss shows only as text that no longer fits.
    void windowsAreCreatedWithTheirCaptionsAndFonts()
    {
        ProgramWindows windows;
        QCOMPARE(Form::mainForm(), MainForm);
        const QStringList captions = {
            "Telvanor", "Cuestionario", "Evaluación", "Respuestas Correctas", "Créditos", "Aviso"};
        for (int i = 0; i < ProgramWindowNames.size(); ++i) {
            Form *form = programWindow(ProgramWindowNames[i]);
            QCOMPARE(form->isVisible(), form == MainForm);
            QCOMPARE(form->windowTitle(), captions[i]);
            for (const QWidget *widget : form->findChildren<QWidget *>()) {
                const QString family = QFontInfo(widget->font()).family();
                QVERIFY2(family == QLatin1String("DejaVu Sans") ||
                             family == QLatin1String("Liberation Sans"),
                         qPrintable(form->windowTitle() + QLatin1Char('/') + widget->objectName() +
                                    QStringLiteral(": ") + family));
            }
        }
    }

    void windowSizes_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QMargins>("frame");
        QTest::addColumn<int>("pixelsPerInch");
        // In the order of ProgramWindowNames: each window's size with its frame, and the
        // scroll ranges of one shrunk in either direction (0 x 0 for one that was not).
        QTest::addColumn<QList<QSize>>("outer");
        QTest::addColumn<QList<QSize>>("ranges");
        const QList<QSize> none(6, QSize(0, 0));
        QTest::newRow("96 dpi") << QSize(1920, 1080) << QMargins() << 96
                                << QList<QSize>{{858, 743},  {1190, 539}, {1310, 356},
                                                {1303, 816}, {575, 415},  {495, 240}}
                                << none;
        // The window font's "0" is 20 pixels high instead of 13 (at 144 dpi) or 25 (at 192):
        // the five scaled windows grow by 20 / 13 or 25 / 13, the main window keeps its pixels.
        QTest::newRow("144 dpi") << QSize(3840, 2160) << QMargins() << 144
                                 << QList<QSize>{{858, 743},   {1831, 829}, {2015, 548},
                                                 {2005, 1255}, {885, 638},  {762, 369}}
                                 << none;
        QTest::newRow("192 dpi") << QSize(3840, 2160) << QMargins() << 192
                                 << QList<QSize>{{858, 743},   {2288, 1037}, {2519, 685},
                                                 {2506, 1569}, {1106, 798},  {952, 462}}
                                 << none;
        // The frame and title bar add exactly 25 pixels: the main window still fits; the
        // review, 841 pixels high with its frame, does not.
        QTest::newRow("1366 x 768, 25-pixel frame")
            << QSize(1366, 768) << QMargins(1, 23, 1, 2) << 96
            << QList<QSize>{{860, 768},  {1192, 564}, {1312, 381},
                            {1305, 718}, {577, 440},  {497, 265}}
            << QList<QSize>{{0, 0}, {0, 0}, {0, 0}, {1289, 841}, {0, 0}, {0, 0}};
        // Credits and notice are never fitted; the others are shrunk to the screen less 50.
        QTest::newRow("800 x 600, 34-pixel frame")
            << QSize(800, 600) << QMargins(4, 30, 4, 4) << 96
            << QList<QSize>{{750, 550}, {750, 573}, {750, 390}, {750, 550}, {583, 449}, {503, 274}}
            << QList<QSize>{{866, 777}, {1198, 524}, {1318, 325}, {1311, 850}, {0, 0}, {0, 0}};
    }

    // Each window's size at the screen's density, and fitted to a screen too small for it.
    void windowSizes()
    {
        QFETCH(QSize, screen);
        QFETCH(QMargins, frame);
        QFETCH(int, pixelsPerInch);
        QFETCH(QList<QSize>, outer);
        QFETCH(QList<QSize>, ranges);
        ProgramWindows windows(screen, frame, pixelsPerInch);
        for (int i = 0; i < ProgramWindowNames.size(); ++i) {
            const Form *form = programWindow(ProgramWindowNames[i]);
            const QSize actualRanges =
                form->hasAutomaticScrollRanges()
                    ? QSize(0, 0)
                    : QSize(form->scrollRange(Qt::Horizontal), form->scrollRange(Qt::Vertical));
            QCOMPARE(sizeText(ProgramWindowNames[i], form->outerSize(), actualRanges),
                     sizeText(ProgramWindowNames[i], outer[i], ranges[i]));
        }
    }

    void mainWindowIsPaintedBeforeTheOtherWindowsExist()
    {
        FirstPaintWatcher watcher;
        qApp->installEventFilter(&watcher);
        ProgramWindows windows;
        qApp->removeEventFilter(&watcher);
        QVERIFY(watcher.othersExisted.has_value());
        QVERIFY(!*watcher.othersExisted);
    }

    void mainWindowLayout()
    {
        ProgramWindows windows;
        QCOMPARE(control<Panel>(MainForm, "Panel1")->geometry(), QRect(24, 16, 817, 633));
        QVERIFY(control<Panel>(MainForm, "Panel1")->property("inert").toBool());
        // Inside the panel's 2-pixel border line.
        QCOMPARE(control<MemoBox>(MainForm, "Memo1")->geometry(), QRect(21, 20, 774, 601));
        QCOMPARE(control<MemoBox>(MainForm, "Memo1")->font().pixelSize(), 20);
        QVERIFY(control<MemoBox>(MainForm, "Memo1")->font().italic());
        const QList<QPair<QPushButton *, QString>> buttons = {
            {control<QPushButton>(MainForm, "TestButton"), QStringLiteral("Realizar Prueba")},
            {control<QPushButton>(MainForm, "Button1"), QStringLiteral("Créditos")},
            {control<QPushButton>(MainForm, "Button2"), QStringLiteral("Salir")}};
        int left = 152;
        for (const auto &[button, caption] : buttons) {
            QCOMPARE(button->text(), caption);
            QCOMPARE(button->geometry(), QRect(left, 675, 170, 45));
            QCOMPARE(button->font().pixelSize(), 13);
            QVERIFY(button->font().bold());
            left += 192;
        }
        QCOMPARE(control<QPushButton>(MainForm, "Button2")->property("modalResult").toInt(), 1);
        QCOMPARE(MainForm->focusWidget(), control<QPushButton>(MainForm, "TestButton"));
    }

    void introduction()
    {
        ProgramWindows windows;
        const QStringList lines = linesOf(control<MemoBox>(MainForm, "Memo1"));
        QCOMPARE(lines.size(), 23);
        for (int empty : {6, 13, 16, 21})
            QVERIFY(lines[empty - 1].isEmpty());
        for (int line : {1, 2, 3, 4, 5, 7, 8, 9, 10, 11, 12})
            QVERIFY(!lines[line - 1].trimmed().isEmpty());
        const QStringList last = {
            QStringLiteral("Consta de 24 frases, cada una de las cuales tiene cuatro posibles "),
            QStringLiteral("continuaciones; solo una de ellas es correcta.  "),
            QString(),
            QStringLiteral("El usuario puede navegar por las preguntas sin límite de tiempo y "),
            QStringLiteral("marcará el botón “Evaluación global de la prueba” cuando considere "),
            QStringLiteral("concluido el proceso de responderlas. Posteriormente, podrá conocer "),
            QStringLiteral("las respuestas correctas. "),
            QString(),
            QStringLiteral("Se considera que quien consiga acertar 18 o más resultados posee una "),
            QStringLiteral("cultura científica básica aceptable. ")};
        QCOMPARE(lines.mid(13), last);
    }

    void creditsText()
    {
        ProgramWindows windows;
        const QStringList lines = linesOf(control<MemoBox>(CreditosForm, "Memo1"));
        QCOMPARE(lines.size(), 17);
        QVERIFY(lines[0].endsWith(QLatin1Char(' ')) && !lines[0].endsWith(QLatin1String("  ")));
        QVERIFY(lines[1].endsWith(QLatin1Char(':')));
        QVERIFY(lines[2].isEmpty() && lines[14].isEmpty());
        QString previousSurname;
        for (int line = 4; line <= 14; ++line) {
            const QString &author = lines[line - 1];
            QVERIFY2(author.endsWith(QLatin1Char('\t')) && author.count(QLatin1Char('\t')) == 1,
                     qPrintable(author));
            const QStringList names = author.trimmed().split(QLatin1Char(' '));
            QVERIFY(names.size() >= 3); // a given name and two surnames
            QVERIFY(QString::localeAwareCompare(previousSurname, names[1]) < 0);
            previousSurname = names[1];
        }
        QVERIFY(lines[15].endsWith(QLatin1Char(' ')));
        QVERIFY(lines[16].endsWith(QLatin1Char('.')));
    }

    void creditsComeBackEveryWay_data()
    {
        QTest::addColumn<Press>("opening");
        QTest::addColumn<Press>("closing");
        QTest::addColumn<int>("result");
        QTest::newRow("clicked, Salir clicked") << Press::Click << Press::Click << int(Form::OK);
        QTest::newRow("clicked, Enter on Salir") << Press::Click << Press::Enter << int(Form::OK);
        QTest::newRow("clicked, close box") << Press::Click << Press::CloseBox << int(Form::Cancel);
        QTest::newRow("Space on Créditos, Space on Salir")
            << Press::Space << Press::Space << int(Form::OK);
        QTest::newRow("Enter on Créditos, close box")
            << Press::Enter << Press::CloseBox << int(Form::Cancel);
    }

    // "Créditos", clicked or pressed by key, shows the credits with the focus on "Salir";
    // each way of closing them gives its result and brings the main window back with its
    // focus where it was, and the credits open again unchanged.
    void creditsComeBackEveryWay()
    {
        QFETCH(Press, opening);
        QFETCH(Press, closing);
        QList<int> results;
        ProgramWindows windows;
        connect(CreditosForm, &Form::closing, this,
                [&results] { results << CreditosForm->modalResult(); });
        auto *credits = control<QPushButton>(MainForm, "Button1");
        QWidget *focused = opening == Press::Click ? MainForm->focusWidget() : credits;
        const QString text = control<MemoBox>(CreditosForm, "Memo1")->toPlainText();
        for (int showing = 1; showing <= 2; ++showing) {
            whenShownModally(CreditosForm, [&] {
                QCOMPARE(CreditosForm->focusWidget(),
                         control<QPushButton>(CreditosForm, "Button5"));
                QCOMPARE(control<MemoBox>(CreditosForm, "Memo1")->toPlainText(), text);
                press(control<QPushButton>(CreditosForm, "Button5"), closing);
            });
            press(credits, opening);
            QVERIFY(!CreditosForm->isVisible());
            QVERIFY(!QApplication::activeModalWidget());
            QVERIFY(MainForm->isVisible());
            QCOMPARE(MainForm->focusWidget(), focused);
        }
        QFETCH(int, result);
        QCOMPARE(results, QList<int>(2, result));
    }

    void salirOrTheCloseBoxEndsTheProgram_data()
    {
        QTest::addColumn<bool>("byCloseBox");
        QTest::newRow("Salir") << false;
        QTest::newRow("close box") << true;
    }

    void salirOrTheCloseBoxEndsTheProgram()
    {
        QFETCH(bool, byCloseBox);
        ProgramWindows windows;
        QTimer::singleShot(0, [byCloseBox] {
            if (byCloseBox)
                pressCloseBox(MainForm);
            else
                control<QPushButton>(MainForm, "Button2")->click();
        });
        // Ends a hang of this row only: the guard goes with the row.
        QTimer guard;
        guard.setSingleShot(true);
        connect(&guard, &QTimer::timeout, [] { QApplication::exit(99); });
        guard.start(5000);
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(!MainForm->isVisible());
    }

    // A start-up that fails says what failed in a line or two and ends with status 1: a
    // missing or unreachable display in one plain line, anything else with Qt's own text.
    void failedStartSaysWhatFailed_data()
    {
#ifdef Q_OS_WIN
        QSKIP("On Windows a program has no display to miss, and Qt tells a failed start "
              "itself, in a message box");
#endif
        QTest::addColumn<QString>("platform");
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("said");
        const QString noDisplay = QStringLiteral("cannot open a display to show the windows on");
        QTest::newRow("no display set") << QString() << QString() << noDisplay;
        QTest::newRow("display unreachable") << QString() << QStringLiteral(":97") << noDisplay;
        QTest::newRow("misspelt platform") << QStringLiteral("nosuch") << QStringLiteral(":97")
                                           << QStringLiteral("platform plugin \"nosuch\"");
    }

    void failedStartSaysWhatFailed()
    {
        QFETCH(QString, platform);
        QFETCH(QString, display);
        QFETCH(QString, said);
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QString::fromLatin1(name));
        if (!platform.isEmpty())
            environment.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
        if (!display.isEmpty())
            environment.insert(QStringLiteral("DISPLAY"), display);
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(TELVANOR_EXECUTABLE), {});
        QVERIFY(program.waitForFinished(10000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 1);
        const QString error = QString::fromLocal8Bit(program.readAllStandardError());
        QVERIFY2(error.contains(said), qPrintable(error));
        const int lines = int(error.count(QLatin1Char('\n')));
        QVERIFY2(lines >= 1 && lines <= (platform.isEmpty() ? 1 : 2), qPrintable(error));
    }

    // Qt's own command-line options are not the program's: it takes no arguments, so it
    // neither changes platform nor reads a style sheet when given them.
    void qtOptionsAreIgnored_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("-platform")
            << QStringList{QStringLiteral("-platform"), QStringLiteral("nosuch")};
        QTest::newRow("-reverse -stylesheet")
            << QStringList{QStringLiteral("-reverse"), QStringLiteral("-stylesheet"),
                           QStringLiteral("/nonexistent.qss")};
    }

    void qtOptionsAreIgnored()
    {
        QFETCH(QStringList, arguments);
        QProcess program;
#ifndef Q_OS_WIN // On Windows the program has only Windows' own platform.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        program.setProcessEnvironment(environment);
#endif
        program.start(QStringLiteral(TELVANOR_EXECUTABLE), arguments);
        QVERIFY(program.waitForStarted(10000));
        // Running still after a while, with its windows up, is what an ignored option gives.
        const bool ended = program.waitForFinished(2000);
        program.kill();
        program.waitForFinished(10000);
        const QString error = QString::fromLocal8Bit(program.readAllStandardError());
        QVERIFY2(!ended, qPrintable(error));
        QVERIFY2(!error.contains(QLatin1String("nonexistent.qss")), qPrintable(error));
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
