// Shared helpers of the widget tests.
#pragma once

#include <QMargins>
#include <QSize>
#include <QString>
#include <functional>
#include <string_view>

class Form;
class QWidget;

// Number of characters of a UTF-8 text.
int characterCount(std::string_view text);

// Runs action once `form` is on the screen in a modal showing; the test itself then
// continues inside that window's modal loop until it closes.
void whenShownModally(Form *form, std::function<void()> action);

// Sends a close request to a window, as its close box would.
void pressCloseBox(QWidget *window);

// Puts the program on a single screen of the given size (and frame around each window),
// at 96 pixels per inch, until the override is lifted.
void useScreen(QSize size, QMargins frame = {});

// Creates the program's six windows as start-up does, on a full-HD screen unless told
// otherwise, and destroys them again.
struct ProgramWindows {
    explicit ProgramWindows(QSize screen = QSize(1920, 1080));
    ~ProgramWindows();
    ProgramWindows(const ProgramWindows &) = delete;
    ProgramWindows &operator=(const ProgramWindows &) = delete;
};
