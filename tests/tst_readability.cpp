// The windows read under the palettes people choose: the default light one, a dark one
// (qt6ct's "darker" scheme) and a high-contrast one. Text keeps its contrast and the focus
// ring shows, measured on the grabbed pixels, and a window opened from the keyboard shows
// its focus at once.

#include "AvisoUnit.h"
#include "Contrast.h"
#include "CuestionarioUnit.h"
#include "MainUnit.h"
#include "TestDefinitionUnit.h"
#include "TestSupport.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionGroupBox>
#include <QTest>
#include <QTextEdit>

namespace {

// qt6ct's "darker" colour scheme, its colours in the order of QPalette::ColorRole.
QPalette darkerScheme()
{
    const QString active = QStringLiteral(
        "#ffffffff, #ff424245, #ff979797, #ff5e5c5b, #ff302f2e, #ff4a4947, #ffffffff, #ffffffff, "
        "#ffffffff, #ff3d3d3d, #ff222020, #ffe7e4e0, #ff12608a, #fff9f9f9, #ff0986d3, #ffa70b06, "
        "#ff5c5b5a, #ffffffff, #ff3f3f36, #ffffffff, #80ffffff");
    const QString disabled = QStringLiteral(
        "#ff808080, #ff424245, #ff979797, #ff5e5c5b, #ff302f2e, #ff4a4947, #ff808080, #ffffffff, "
        "#ff808080, #ff3d3d3d, #ff222020, #ffe7e4e0, #ff12608a, #ff808080, #ff0986d3, #ffa70b06, "
        "#ff5c5b5a, #ffffffff, #ff3f3f36, #ffffffff, #80ffffff");
    QPalette palette;
    const auto fill = [&palette](QPalette::ColorGroup group, const QString &colours) {
        const QStringList list = colours.split(QStringLiteral(", "));
        for (int role = 0; role < list.size(); ++role)
            palette.setColor(group, QPalette::ColorRole(role), QColor(list.at(role)));
    };
    fill(QPalette::Active, active);
    fill(QPalette::Inactive, active);
    fill(QPalette::Disabled, disabled);
    return palette;
}

// White text on black, with a cyan highlight, as desktops offer for low vision.
QPalette highContrastScheme()
{
    QPalette palette(Qt::white, Qt::black, Qt::white, Qt::gray, Qt::gray, Qt::white, Qt::yellow,
                     Qt::black, Qt::black);
    palette.setColor(QPalette::Highlight, QColor(0x1a, 0xeb, 0xff));
    palette.setColor(QPalette::HighlightedText, Qt::black);
    return palette;
}

enum Scheme { Light, Dark, HighContrast };

const char *schemeName(Scheme scheme)
{
    return scheme == Light ? "light" : scheme == Dark ? "dark" : "high contrast";
}

// Shows a window's focus ring on a control, grabs the control with and without it, and
// tells how much of a closed ring the changed pixels form that differ by 3:1 or more from
// what was there before: 1 for a ring all round, 0 for none that reads.
double readableRingShare(QWidget *control)
{
    QWidget *window = control->window();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window, 2000))
        return -1;
    control->setFocus();
    window->setAttribute(Qt::WA_KeyboardFocusChange, false);
    const QImage plain = control->grab().toImage();
    window->setAttribute(Qt::WA_KeyboardFocusChange, true);
    const QImage ringed = control->grab().toImage();

    QRect ring;
    QList<QPoint> strong;
    for (int y = 0; y < plain.height(); ++y) {
        for (int x = 0; x < plain.width(); ++x) {
            if (contrastRatio(plain.pixelColor(x, y), ringed.pixelColor(x, y)) >= 3.0) {
                strong << QPoint(x, y);
                ring |= QRect(x, y, 1, 1);
            }
        }
    }
    if (ring.width() < 8 || ring.height() < 8)
        return 0;
    int onOutline = 0;
    for (const QPoint &p : strong) {
        if (p.x() == ring.left() || p.x() == ring.right() || p.y() == ring.top() ||
            p.y() == ring.bottom())
            ++onOutline;
    }
    return double(onOutline) / (2 * (ring.width() + ring.height()) - 4);
}

// The contrast of a control's text as drawn in the window's picture: between the colour
// most of its area has and the pixel that stands out from it most, a letter's stem. Only a
// group box's title is measured, and a push button's face inside its outline.
double textContrast(const QImage &picture, QWidget *window, QWidget *control)
{
    QRect area(control->mapTo(window, QPoint()), control->size());
    if (auto *box = qobject_cast<QGroupBox *>(control)) {
        QStyleOptionGroupBox option;
        option.initFrom(box);
        option.text = box->title();
        option.subControls = QStyle::SC_GroupBoxLabel;
        area = box->style()
                   ->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box)
                   .translated(area.topLeft());
    } else if (qobject_cast<QPushButton *>(control)) {
        area.adjust(4, 4, -4, -4);
    }
    const QImage part = picture.copy(area);
    QHash<QRgb, int> counts;
    for (int y = 0; y < part.height(); ++y) {
        for (int x = 0; x < part.width(); ++x)
            ++counts[part.pixel(x, y)];
    }
    QRgb background = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > counts.value(background))
            background = it.key();
    }
    double contrast = 1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        contrast = qMax(contrast, contrastRatio(QColor(background), QColor(it.key())));
    return contrast;
}

// Every text the window shows whose contrast falls short: 4.0:1 for the red question
// counter, as on the default palette, 4.5:1 for all else. Empty when there is none.
QString shortContrasts(QWidget *window)
{
    const QImage picture = window->grab().toImage();
    QStringList faults;
    for (QWidget *control : window->findChildren<QWidget *>()) {
        const auto *label = qobject_cast<QLabel *>(control);
        const auto *button = qobject_cast<QAbstractButton *>(control);
        const auto *box = qobject_cast<QGroupBox *>(control);
        const auto *text = qobject_cast<QTextEdit *>(control);
        const bool showsText =
            (label && !label->text().isEmpty()) || (button && !button->text().isEmpty()) ||
            (box && !box->title().isEmpty()) || (text && !text->toPlainText().isEmpty());
        if (!showsText || !control->isVisible())
            continue;
        // Red on white, the counter's design, is 3.998:1.
        const double wanted =
            control->objectName() == QLatin1String("QuestionsGroupBox") ? 3.99 : 4.5;
        const double contrast = textContrast(picture, window, control);
        if (contrast < wanted)
            faults << QStringLiteral("%1 %2:1").arg(control->objectName()).arg(contrast, 0, 'f', 1);
    }
    return faults.join(QStringLiteral(", "));
}

} // namespace

class ReadabilityTest : public ProgramWindowsTest
{
    Q_OBJECT

    QPalette lightPalette;

    static QPalette paletteOf(Scheme scheme, const QPalette &light)
    {
        return scheme == Light ? light : scheme == Dark ? darkerScheme() : highContrastScheme();
    }

    // The contrast test's windows are made under the palette of its row, or under the one
    // the row changes from while they run.
    void beforeWindows() override
    {
        if (QByteArray(QTest::currentTestFunction()) != "textKeepsItsContrast")
            return;
        QFETCH(int, scheme);
        QFETCH(bool, whileRunning);
        const QPalette before = scheme == Light ? darkerScheme() : lightPalette;
        QApplication::setPalette(whileRunning ? before : paletteOf(Scheme(scheme), lightPalette));
    }

private slots:
    void initTestCase() { lightPalette = QApplication::palette(); }
    void cleanup()
    {
        ProgramWindowsTest::cleanup();
        QApplication::setPalette(lightPalette);
    }

    // The measure itself, on the pairs of colours whose contrast is known.
    void contrastOfKnownColours()
    {
        QCOMPARE(qRound(contrastRatio(Qt::black, Qt::white) * 10), 210);
        QCOMPARE(qRound(contrastRatio(Qt::white, Qt::red) * 10), 40);
        QCOMPARE(qRound(contrastRatio(Qt::gray, Qt::gray) * 10), 10);
    }

    void textKeepsItsContrast_data()
    {
        QTest::addColumn<int>("scheme");
        QTest::addColumn<bool>("whileRunning");
        QTest::addColumn<QString>("window");
        for (Scheme scheme : {Light, Dark, HighContrast}) {
            for (bool whileRunning : {false, true}) {
                const QByteArray name =
                    QByteArray(schemeName(scheme)) + (whileRunning ? " changed to" : "");
                for (const char *window :
                     {"main", "credits", "questionnaire", "notice", "evaluation", "review"})
                    QTest::newRow(name + ", " + window) << int(scheme) << whileRunning << window;
            }
        }
    }

    // Every text of every window reads, whatever palette the desktop gives, at start-up or
    // changed while the program runs (to the light palette from the dark one, to the others
    // from the light one): the layouts' black and red text keeps a light background behind
    // it. Question 5 is shown, with its raised exponent.
    void textKeepsItsContrast()
    {
        QFETCH(int, scheme);
        QFETCH(QString, window);
        QApplication::setPalette(paletteOf(Scheme(scheme), lightPalette));
        // Qt posts the change to the windows; the program's event loop delivers it.
        QCoreApplication::sendPostedEvents();
        Form *form = programWindow(window);
        QString faults;
        const auto measure = [&] {
            if (window == QLatin1String("questionnaire") || window == QLatin1String("review"))
                goToQuestion(form, 5);
            faults = shortContrasts(form);
        };
        if (form == MainForm)
            measure();
        else
            showModallyAndRun(form, measure);
        QCOMPARE(faults, QString());
    }

    void focusRingReads_data()
    {
        QTest::addColumn<int>("scheme");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("control");
        for (Scheme scheme : {Light, Dark, HighContrast}) {
            const QByteArray name = schemeName(scheme);
            QTest::newRow(name + ", main window: Realizar Prueba") << int(scheme) << "main"
                                                                   << "TestButton";
            QTest::newRow(name + ", notice: Volver a las preguntas") << int(scheme) << "notice"
                                                                     << "Button5";
            QTest::newRow(name + ", questionnaire: first continuation")
                << int(scheme) << "questionnaire"
                << "RadioButton1";
        }
    }

    // The focused control's ring is closed and reads at 3:1 against the face it is drawn on.
    void focusRingReads()
    {
        QFETCH(int, scheme);
        QFETCH(QString, window);
        QFETCH(QString, control);
        QApplication::setPalette(paletteOf(Scheme(scheme), lightPalette));
        Form *form = programWindow(window);
        double share = 0;
        const auto measure = [&] {
            share = readableRingShare(form->findChild<QWidget *>(control));
        };
        if (form == MainForm)
            measure();
        else
            showModallyAndRun(form, measure);
        QVERIFY2(share >= 0.9, qPrintable(QString::number(share)));
    }

    void focusShownWhenOpenedFromKeyboard_data()
    {
        QTest::addColumn<bool>("keyboard");
        QTest::newRow("opened from the keyboard") << true;
        QTest::newRow("opened with the mouse") << false;
    }

    // "Realizar Prueba" and then "Evaluación global de la prueba" with questions left
    // blank, pressed by key or by mouse: the questionnaire and the notice show their focus
    // from the moment they open when, and only when, the keyboard opened them.
    void focusShownWhenOpenedFromKeyboard()
    {
        QFETCH(bool, keyboard);
        const auto press = [keyboard](QWidget *button) {
            if (keyboard)
                QTest::keyClick(button, Qt::Key_Space);
            else
                QTest::mouseClick(button, Qt::LeftButton);
        };
        bool questionnaireShowsFocus = !keyboard;
        bool noticeShowsFocus = !keyboard;
        whenShownModally(CuestionarioForm, [&] {
            questionnaireShowsFocus = CuestionarioForm->testAttribute(Qt::WA_KeyboardFocusChange);
            whenShownModally(AvisoForm, [&] {
                noticeShowsFocus = AvisoForm->testAttribute(Qt::WA_KeyboardFocusChange);
                pressCloseBox(AvisoForm);
            });
            press(control<QPushButton>(CuestionarioForm, "Button5"));
            pressCloseBox(CuestionarioForm);
        });
        press(control<QPushButton>(MainForm, "TestButton"));
        QCOMPARE(questionnaireShowsFocus, keyboard);
        QCOMPARE(noticeShowsFocus, keyboard);
    }
};

QTEST_MAIN(ReadabilityTest)
#include "tst_readability.moc"
