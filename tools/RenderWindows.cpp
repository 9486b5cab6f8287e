// Renders every window of the program, as a user sees it, to PNG files:
//   render-windows OUTPUT_FOLDER
// Runs headless (QT_QPA_PLATFORM=offscreen) as well as on a display.

#include "AvisoUnit.h"
#include "Creditos.h"
#include "CuestionarioUnit.h"
#include "EvaluacionUnit.h"
#include "MainUnit.h"
#include "RCUnit.h"
#include "ScreenMetrics.h"
#include "Startup.h"
#include "TestDefinitionUnit.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTimer>
#include <cstdio>
#include <functional>

namespace {

QString outputFolder;

void save(QWidget *window, const QString &name)
{
    const QString path = QDir(outputFolder).filePath(name + QStringLiteral(".png"));
    window->grab().save(path);
    std::printf("%s\n", qPrintable(path));
}

// Runs action inside form's modal showing, then lets it close.
void insideModal(Form *form, const std::function<void()> &action)
{
    QTimer::singleShot(0, form, [form, action] {
        action();
        if (form->isVisible())
            form->close();
    });
}

// A run with every third question wrong, every fifth blank and the rest right.
void answerSomeQuestions()
{
    for (int q = 1; q <= QuestionCount; ++q) {
        const int key = CorrectOptions[q - 1];
        UserAnswers[q - 1] = q % 5 == 0 ? NoAnswer : q % 3 == 0 ? key % 4 + 1 : key;
    }
}

void showQuestion(QPushButton *finalButton, QPushButton *previous, int question)
{
    finalButton->click();
    for (int q = QuestionCount; q > question; --q)
        previous->click();
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    outputFolder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(outputFolder);
    PrepareApplication();
    // A full-HD desktop, whatever screen the headless platform pretends to have.
    ScreenMetrics desktop = ScreenMetrics::current();
    desktop.screen = QSize(1920, 1080);
    desktop.desktop = QRect(QPoint(0, 0), desktop.screen);
    ScreenMetrics::setOverride(desktop);
    CreateForms();
    save(MainForm, QStringLiteral("main"));

    insideModal(CreditosForm, [] { save(CreditosForm, QStringLiteral("credits")); });
    CreditosForm->showModal();

    answerSomeQuestions();
    const auto answers = UserAnswers;
    insideModal(CuestionarioForm, [] {
        showQuestion(control<QPushButton>(CuestionarioForm, "Button4"),
                     control<QPushButton>(CuestionarioForm, "Button2"), 5);
        save(CuestionarioForm, QStringLiteral("questionnaire-5"));
    });
    CuestionarioForm->showModal();
    UserAnswers = answers;

    insideModal(AvisoForm, [] { save(AvisoForm, QStringLiteral("notice")); });
    AvisoForm->showModal();
    if (std::getenv("TELVANOR_RENDER_ALL_BLANK")) {
        ResetAnswers();
        insideModal(AvisoForm, [] { save(AvisoForm, QStringLiteral("notice-all-blank")); });
        AvisoForm->showModal();
        UserAnswers = answers;
    }
    insideModal(EvaluacionForm, [] { save(EvaluacionForm, QStringLiteral("evaluation")); });
    EvaluacionForm->showModal();

    insideModal(RCForm, [] {
        showQuestion(control<QPushButton>(RCForm, "Button4"),
                     control<QPushButton>(RCForm, "Button2"), 5);
        save(RCForm, QStringLiteral("review-5"));
        showQuestion(control<QPushButton>(RCForm, "Button4"),
                     control<QPushButton>(RCForm, "Button2"), 13);
        save(RCForm, QStringLiteral("review-13"));
    });
    RCForm->showModal();
    DestroyForms();
    return 0;
}
