#include "ModalScript.h"

#include "Form.h"

#include <QApplication>
#include <QWindow>
#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto PatienceForAWindow = std::chrono::seconds(10);

bool readyForInput(Form *form)
{
    return form->isShownModally() && QApplication::activeModalWidget() == form &&
           form->windowHandle() && form->windowHandle()->isExposed();
}

} // namespace

ModalScript::ModalScript()
{
    m_timer.setInterval(0);
    QObject::connect(&m_timer, &QTimer::timeout, [this] { runReadyStep(); });
}

void ModalScript::add(Form *form, std::function<void()> action)
{
    m_steps.push_back({form, std::move(action)});
}

void ModalScript::run(const std::function<void()> &opener)
{
    m_lastProgress = Clock::now();
    m_timer.start();
    opener();
    m_timer.stop();
    if (!m_steps.empty()) {
        std::fputs("bench: a window closed before its steps had run\n", stderr);
        std::exit(1);
    }
}

void ModalScript::runReadyStep()
{
    if (m_steps.empty())
        return;
    if (!readyForInput(m_steps.front().form)) {
        if (Clock::now() - m_lastProgress > PatienceForAWindow) {
            std::fputs("bench: a window the script waits for was never shown\n", stderr);
            std::exit(1);
        }
        return;
    }
    const Step step = m_steps.front();
    m_steps.pop_front();
    m_lastProgress = Clock::now();
    step.action();
}
