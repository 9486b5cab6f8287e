// Shared helpers of the widget tests.
#pragma once

#include "TestDefinitionUnit.h"

#include <QList>
#include <QLocale>
#include <QMargins>
#include <QObject>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QTextCharFormat>
#include <Qt>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

class Form;
class QLabel;
class QRadioButton;
class RichEditBox;
class QWidget;

using AnswerSheet = std::array<std::int32_t, QuestionCount>;

// The number (1 to 4) of the one checked continuation, NoAnswer for none, or
// SeveralChecked, which no comparison with an option or NoAnswer accepts.
constexpr int SeveralChecked = 0;
int checkedOption(const std::array<QRadioButton *, OptionsPerQuestion> &continuations);

// A continuation of question q that is not the key's.
int wrongOption(int q);

// An answer sheet written as 24 letters, question 1 first: 'r' for the key's continuation,
// 'w' for a wrong one, '-' for none.
AnswerSheet sheetOf(std::string_view plan);

// The plan of a sheet, as sheetOf reads it.
std::string planOf(const AnswerSheet &sheet);

// Ascending question numbers as the program lists them: "3, 7, 12".
QString itemList(const QList<int> &items);

// The question numbers of a list as the program writes it; none for an empty text.
QList<int> itemsOf(const QString &list);

// The questions whose letter in a plan as sheetOf reads it is `mark`, listed as above.
QString itemsMarked(std::string_view plan, char mark);

// The percentage n * 100 / 24 with one decimal digit after the separator, worked out
// in integer tenths so that it depends on no floating-point formatting.
QString expectedPercent(int n, QChar separator);

// Every question listed: the longest list the program shows.
inline const QString EveryQuestion = QStringLiteral(
    "1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24");

// What the evaluation window shows: the count of correct answers, the percentage's caption,
// the percentage and the lists of wrong and blank items, joined by " | " so that a failing
// comparison shows them all.
QString evaluationFigures();

// What the evaluation must show for a sheet planned as sheetOf reads it.
QString expectedFigures(std::string_view plan, QChar separator = QLatin1Char('.'));

// The evaluation's five value labels, in the order above.
QList<QLabel *> evaluationLabels();

// The bank's texts of question q: its stem, its continuation k and its commentary.
QString stem(int q);
QString option(int q, int k);
QString commentary(int q);

// The positions of every "q." in commentary q with the option digit after it, in order.
QList<int> referencePositions(int q);

// Number of characters of a UTF-8 text.
int characterCount(std::string_view text);

// What the questionnaire or the review shows of its question on show, as one text that a
// failing comparison prints whole: the number it keeps, its caption, stem and continuations
// and the number of the continuation checked.
QString questionOnShow(const Form *window);

// What such a window must show of question q with continuation `checked` checked (NoAnswer
// for none).
QString questionShown(int q, int checked);

// Pages such a window to question q: "Inicial", then "Siguiente" q - 1 times.
void goToQuestion(Form *window, int q);

// The character format of every character of a rich-text box, by position in its whole
// text (a line break counts as one character, with a format of its own).
QList<QTextCharFormat> characterFormats(const RichEditBox *box);
bool isRaised(const QTextCharFormat &format);
bool isBold(const QTextCharFormat &format);

// The positions of the raised and of the bold characters of a rich-text box.
QList<int> raisedPositions(const RichEditBox *box);
QList<int> boldPositions(const RichEditBox *box);

// The grey level (0 black to 255 white) of the darkest pixel of a widget as drawn: text in
// black shows as black pixels, greyed-out text would not.
int darkestGrey(QWidget *widget);

// Runs action once `form` is on the screen in a modal showing; the test itself then
// continues inside that window's modal loop. The action must close the window: one that
// fails a check or leaves it open fails the test, and every modal window still open is
// closed, so that a failing check never leaves a modal loop waiting.
void whenShownModally(Form *form, std::function<void()> action);

// Shows `form` modally, runs `inside` in it, closes it by its close box if `inside` left it
// open, and returns the showing's modal result.
int showModallyAndRun(Form *form, const std::function<void()> &inside);

// Runs `check` on the window as the user sees it: on the main window as it is, on the
// others inside a modal showing as above.
void whileShown(Form *form, const std::function<void()> &check);

// For every test's cleanup(): fails the test if it left a modal window open or an action
// waiting for a window that was never shown, and discards both, so that the next test
// starts from nothing.
void verifyNothingLeftOpen();

// A click (or a double-click) where a control is drawn, delivered as the window system
// delivers one: to the control under the pointer, so that inert controls let it through to
// what lies behind. (QTest::mouseClick hands the event to the control itself, which no
// pointer can do.) A user first scrolls a shrunk window to bring the spot into view.
void clickThroughWindow(QWidget *widget, QPoint pos, bool twice = false);

// The width a control needs to show `text` on one line: the text's in the control's font,
// with what the style adds around the text of such a control.
int neededWidth(const QWidget *control, const QString &text);

// Sends a key as the user would: to the control of the window that has the focus, else to
// the window itself.
void pressKey(QWidget *window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

// Sends a close request to a window through the window system, as its close box does; a
// window blocked by a modal one ignores it.
void pressCloseBox(QWidget *window);

// Puts the program on a single screen of the given size, frame around each window, pixels
// per inch (the system's text size), desktop scale and work area (null: none known), until
// the override is lifted.
void useScreen(QSize size, QMargins frame = {}, int pixelsPerInch = 96, qreal scale = 1,
               QRect workArea = {});

// The short names of the program's six windows, in the order start-up creates them.
inline const QStringList ProgramWindowNames = {
    QStringLiteral("main"),   QStringLiteral("questionnaire"), QStringLiteral("evaluation"),
    QStringLiteral("review"), QStringLiteral("credits"),       QStringLiteral("notice")};

// One of the program's six windows by a short name, for data rows, which are made before
// the windows of each test: main, questionnaire, notice, evaluation, review or credits.
Form *programWindow(const QString &name);

// Creates the program's six windows as start-up does, on a full-HD screen at 96 pixels per
// inch unless told otherwise, with a cleared answer sheet, and destroys them again.
struct ProgramWindows {
    explicit ProgramWindows(QSize screen = QSize(1920, 1080), QMargins frame = {},
                            int pixelsPerInch = 96);
    ~ProgramWindows();
    ProgramWindows(const ProgramWindows &) = delete;
    ProgramWindows &operator=(const ProgramWindows &) = delete;
};

// The base of a test class whose every test function starts with the six windows freshly
// created and numbers written the C locale's way, and ends by checking that it left
// nothing open, so that each runs alone.
class ProgramWindowsTest : public QObject
{
    Q_OBJECT

protected:
    std::optional<ProgramWindows> windows;

    // The screen the windows of the test function about to run are made on.
    virtual QSize screenForTest() const { return QSize(1920, 1080); }
    // Runs before the windows are made, to set up what they find at start-up.
    virtual void beforeWindows() {}

protected slots:
    void init()
    {
        QLocale::setDefault(QLocale::c());
        beforeWindows();
        windows.emplace(screenForTest());
    }
    void cleanup()
    {
        verifyNothingLeftOpen();
        windows.reset();
    }
};
