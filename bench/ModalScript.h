// Drives the program's modal windows from their own event loops, one step per turn of the
// loop, so that the windows are painted between steps as they are for a user.
#pragma once

#include <QTimer>
#include <chrono>
#include <deque>
#include <functional>

class Form;

class ModalScript
{
public:
    ModalScript();

    // Adds a step that runs once `form` is the active modal window and is on the screen.
    void add(Form *form, std::function<void()> action);

    // Runs `opener`, which shows the first window, and returns when it returns. Ends the
    // process when a step stays waiting for its window for ten seconds.
    void run(const std::function<void()> &opener);

private:
    struct Step {
        Form *form;
        std::function<void()> action;
    };

    void runReadyStep();

    QTimer m_timer;
    std::deque<Step> m_steps;
    std::chrono::steady_clock::time_point m_lastProgress;
};
