#include "PageFigures.h"

#include "CuestionarioUnit.h"
#include "EvaluacionUnit.h"
#include "MainUnit.h"
#include "ModalScript.h"
#include "PlainPage.h"
#include "RCUnit.h"
#include "RichEditBox.h"
#include "Statistics.h"
#include "Table.h"
#include "TestDefinitionUnit.h"
#include "Timing.h"

#include <QApplication>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QWindow>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr int PageRounds = 15;
constexpr int WholeTestRuns = 5;
constexpr double MedianPageLimitMs = 2;
constexpr double SlowestPageLimitMs = 16; // one frame at 60 Hz

// One list of samples per question.
using PerQuestion = std::vector<std::vector<Timing>>;

struct PageTimes {
    PerQuestion filling = PerQuestion(QuestionCount); // showing the question only
    PerQuestion turning = PerQuestion(QuestionCount); // showing it and repainting the window
};

// Shows question q of a window whose question on show is q - 1 (any question when q is 1).
using Visit = std::function<void(int question)>;

void settle(QWidget *window)
{
    window->repaint();
    QCoreApplication::processEvents();
}

// Visits the 24 questions in order twice: timing the filling alone, then the filling with
// the synchronous repaint of the window and the work it left queued.
void timeOneRound(QWidget *window, const Visit &visit, PageTimes &times)
{
    for (int q = 1; q <= QuestionCount; ++q)
        times.filling[q - 1].push_back(timed([&] { visit(q); }));
    settle(window);
    for (int q = 1; q <= QuestionCount; ++q) {
        times.turning[q - 1].push_back(timed([&] {
            visit(q);
            window->repaint();
            QCoreApplication::sendPostedEvents();
        }));
    }
    settle(window);
}

Visit pagingThrough(QAbstractButton *first, QAbstractButton *next)
{
    return [first, next](int question) { (question == 1 ? first : next)->click(); };
}

PageTimes timeWindowPages(Form *form, const Visit &visit, QAbstractButton *exit)
{
    PageTimes times;
    ModalScript script;
    script.add(form, [&] {
        for (int round = 0; round < PageRounds; ++round)
            timeOneRound(form, visit, times);
        exit->click();
    });
    script.run([form] { form->showModal(); });
    return times;
}

void waitUntilExposed(QWidget *window)
{
    const auto start = std::chrono::steady_clock::now();
    while (!window->windowHandle() || !window->windowHandle()->isExposed()) {
        if (std::chrono::steady_clock::now() - start > std::chrono::seconds(10))
            throw std::runtime_error("a window was never exposed");
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    settle(window);
}

PageTimes timePlainPages(const PageControls &model, std::function<int(int)> checkedOption)
{
    PlainPage page(model, std::move(checkedOption));
    page.show();
    waitUntilExposed(&page);
    PageTimes times;
    const Visit visit = [&page](int question) { page.fill(question); };
    for (int round = 0; round < PageRounds; ++round)
        timeOneRound(&page, visit, times);
    return times;
}

std::vector<double> partsOf(const std::vector<Timing> &samples, TimeKind kind)
{
    std::vector<double> parts;
    parts.reserve(samples.size());
    for (const Timing &sample : samples)
        parts.push_back(partOf(sample, kind));
    return parts;
}

std::vector<double> perQuestionMedians(const PerQuestion &samples, TimeKind kind)
{
    std::vector<double> medians;
    for (const auto &question : samples)
        medians.push_back(median(partsOf(question, kind)));
    return medians;
}

double slowestSample(const PerQuestion &samples, TimeKind kind)
{
    double result = 0;
    for (const auto &question : samples)
        result = std::max(result, maximum(partsOf(question, kind)));
    return result;
}

double sum(const std::vector<double> &values)
{
    double result = 0;
    for (double value : values)
        result += value;
    return result;
}

// The median over the 24 questions of each one's median, and the slowest single sample.
void addPageRows(Table &table, TimeKind kind, const std::string &figure,
                 const PerQuestion &measured, const PerQuestion &floor)
{
    table.addTimeLimit(figure + ", median", median(perQuestionMedians(measured, kind)),
                       median(perQuestionMedians(floor, kind)), MedianPageLimitMs);
    table.addTimeLimit(figure + ", max", slowestSample(measured, kind), slowestSample(floor, kind),
                       SlowestPageLimitMs);
}

// The continuation the scripted user checks: the right one, except on every third question.
int chosenOption(int question)
{
    const int key = CorrectOptions[question - 1];
    return question % 3 == 0 ? key % OptionsPerQuestion + 1 : key;
}

// "Realizar Prueba", 24 answers by clicking their radio buttons and "Siguiente", the
// submission, "Ver respuestas correctas", the 24 review pages and "Salir", one step per
// turn of the event loop.
Timing timeWholeTest()
{
    ModalScript script;
    for (int q = 1; q <= QuestionCount; ++q) {
        script.add(CuestionarioForm, [q] {
            CuestionarioForm->radioButtons()[std::size_t(chosenOption(q) - 1)]->click();
        });
        if (q < QuestionCount)
            script.add(CuestionarioForm,
                       [&] { control<QPushButton>(CuestionarioForm, "Button3")->click(); });
    }
    script.add(CuestionarioForm,
               [&] { control<QPushButton>(CuestionarioForm, "Button5")->click(); });
    script.add(EvaluacionForm, [] { control<QPushButton>(EvaluacionForm, "Button1")->click(); });
    for (int page = 2; page <= QuestionCount; ++page)
        script.add(RCForm, [] { control<QPushButton>(RCForm, "Button3")->click(); });
    script.add(RCForm, [] { control<QPushButton>(RCForm, "Button5")->click(); });

    const Timing elapsed =
        timed([&] { script.run([] { control<QPushButton>(MainForm, "TestButton")->click(); }); });
    for (int q = 1; q <= QuestionCount; ++q) {
        if (UserAnswers[q - 1] != chosenOption(q))
            throw std::runtime_error("the scripted answers did not reach the answer sheet");
    }
    return elapsed;
}

struct AllTimes {
    std::vector<Timing> wholeTests;
    PageTimes questionnaire, plainQuestionnaire, review, plainReview;
};

AllTimes measureAll()
{
    AllTimes times;
    waitUntilExposed(MainForm);
    for (int run = 0; run < WholeTestRuns; ++run)
        times.wholeTests.push_back(timeWholeTest());

    times.questionnaire =
        timeWindowPages(CuestionarioForm,
                        pagingThrough(control<QPushButton>(CuestionarioForm, "Button1"),
                                      control<QPushButton>(CuestionarioForm, "Button3")),
                        control<QPushButton>(CuestionarioForm, "Button6"));
    times.plainQuestionnaire =
        timePlainPages({CuestionarioForm, control<QGroupBox>(CuestionarioForm, "QuestionsGroupBox"),
                        control<RichEditBox>(CuestionarioForm, "QuestionsRichEdit"),
                        CuestionarioForm->radioButtons(), nullptr},
                       [](int question) { return UserAnswers[question - 1]; });

    times.review = timeWindowPages(RCForm,
                                   pagingThrough(control<QPushButton>(RCForm, "Button1"),
                                                 control<QPushButton>(RCForm, "Button3")),
                                   control<QPushButton>(RCForm, "Button5"));
    times.plainReview =
        timePlainPages({RCForm, control<QGroupBox>(RCForm, "QuestionsGroupBox"),
                        control<RichEditBox>(RCForm, "QuestionsRichEdit"), RCForm->radioButtons(),
                        control<RichEditBox>(RCForm, "RCRichEdit")},
                       [](int question) { return CorrectOptions[question - 1]; });
    return times;
}

void addRows(Table &table, TimeKind kind, const AllTimes &times)
{
    addPageRows(table, kind, "ShowQuestion, questionnaire", times.questionnaire.filling,
                times.plainQuestionnaire.filling);
    addPageRows(table, kind, "ShowQuestion, review with all marks", times.review.filling,
                times.plainReview.filling);
    addPageRows(table, kind, "page turn + repaint, questionnaire", times.questionnaire.turning,
                times.plainQuestionnaire.turning);
    addPageRows(table, kind, "page turn + repaint, review", times.review.turning,
                times.plainReview.turning);

    // The floor of a test run: its 48 page turns in plain widgets.
    const double floor = sum(perQuestionMedians(times.plainQuestionnaire.turning, kind)) +
                         sum(perQuestionMedians(times.plainReview.turning, kind));
    const std::vector<double> runs = partsOf(times.wholeTests, kind);
    table.addWithoutTarget("whole test run, first", runs.front(), floor, "ms");
    table.addWithoutTarget("whole test run, median of next " + std::to_string(runs.size() - 1),
                           median(std::vector<double>(runs.begin() + 1, runs.end())), floor, "ms");
}

std::string perQuestionText(const AllTimes &times)
{
    const std::pair<const char *, const PerQuestion *> figures[] = {
        {"ShowQuestion, questionnaire", &times.questionnaire.filling},
        {"ShowQuestion, review", &times.review.filling},
        {"page turn + repaint, questionnaire", &times.questionnaire.turning},
        {"page turn + repaint, review", &times.review.turning},
    };
    std::string text = "processor time per question, median of " + std::to_string(PageRounds) +
                       " rounds (ms), questions 1 to 24:\n";
    for (const auto &[figure, samples] : figures) {
        text += std::string("  ") + figure + ":\n   ";
        for (double value : perQuestionMedians(*samples, TimeKind::Processor)) {
            char number[16];
            std::snprintf(number, sizeof number, " %.2f", value);
            text += number;
        }
        text += '\n';
    }
    return text;
}

} // namespace

std::string measurePagesAndWholeTest(Table &wall, Table &processor)
{
    const AllTimes times = measureAll();
    addRows(wall, TimeKind::Wall, times);
    addRows(processor, TimeKind::Processor, times);
    return perQuestionText(times);
}
