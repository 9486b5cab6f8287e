#include "TestSupport.h"

#include "AvisoUnit.h"
#include "Creditos.h"
#include "CuestionarioUnit.h"
#include "EvaluacionUnit.h"
#include "Form.h"
#include "MainUnit.h"
#include "RCUnit.h"
#include "RichEditBox.h"
#include "ScreenMetrics.h"
#include "Startup.h"
#include "TestDefinitionUnit.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QPointingDevice>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QStyle>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QTimer>
#include <QtTest/qtestspontaneevent.h>
#include <algorithm>
#include <qpa/qwindowsysteminterface.h>
#include <utility>
#include <vector>

namespace {

// The actions still waiting for their window to be shown.
QList<QPointer<QTimer>> pendingActions;

// Closes every modal window on show, the top one first.
void closeModalWindows()
{
    for (int left = 8; left > 0 && QApplication::activeModalWidget(); --left) {
        if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
            dialog->done(Form::Cancel);
        else
            QApplication::activeModalWidget()->hide();
    }
}

} // namespace

int checkedOption(const std::array<QRadioButton *, OptionsPerQuestion> &continuations)
{
    int checked = NoAnswer;
    for (int k = 1; k <= OptionsPerQuestion; ++k) {
        if (continuations[k - 1]->isChecked())
            checked = checked == NoAnswer ? k : SeveralChecked;
    }
    return checked;
}

int wrongOption(int q)
{
    return CorrectOptions[q - 1] % OptionsPerQuestion + 1;
}

AnswerSheet sheetOf(std::string_view plan)
{
    Q_ASSERT(plan.size() == QuestionCount);
    AnswerSheet sheet{};
    for (int q = 1; q <= QuestionCount; ++q) {
        const char answer = plan[q - 1];
        sheet[q - 1] = answer == 'r'   ? CorrectOptions[q - 1]
                       : answer == 'w' ? wrongOption(q)
                                       : NoAnswer;
    }
    return sheet;
}

std::string planOf(const AnswerSheet &sheet)
{
    std::string plan;
    for (int q = 1; q <= QuestionCount; ++q) {
        const int answer = sheet[q - 1];
        plan += answer == NoAnswer ? '-' : answer == CorrectOptions[q - 1] ? 'r' : 'w';
    }
    return plan;
}

QString itemList(const QList<int> &items)
{
    QStringList numbers;
    for (int q : items)
        numbers << QString::number(q);
    return numbers.join(QStringLiteral(", "));
}

QList<int> itemsOf(const QString &list)
{
    QList<int> items;
    if (list.isEmpty())
        return items;
    for (const QString &number : list.split(QStringLiteral(", ")))
        items << number.toInt();
    return items;
}

QString expectedPercent(int n, QChar separator)
{
    // n * 1000 / 24 = n * 125 / 3 tenths, which never lies halfway between two tenths.
    const int tenths = (n * 250 + 3) / 6;
    return QString::number(tenths / 10) + separator + QString::number(tenths % 10) +
           QLatin1Char('%');
}

QString itemsMarked(std::string_view plan, char mark)
{
    QList<int> items;
    for (int q = 1; q <= int(plan.size()); ++q) {
        if (plan[q - 1] == mark)
            items << q;
    }
    return itemList(items);
}

QList<QLabel *> evaluationLabels()
{
    return {control<QLabel>(EvaluacionForm, "RCLabel"),
            control<QLabel>(EvaluacionForm, "RCPorcentageLabel"),
            control<QLabel>(EvaluacionForm, "RCPercentLabel"),
            control<QLabel>(EvaluacionForm, "WrongItemsLabel"),
            control<QLabel>(EvaluacionForm, "BlanckLabel")};
}

QString evaluationFigures()
{
    QStringList texts;
    for (const QLabel *label : evaluationLabels())
        texts << label->text();
    return texts.join(QStringLiteral(" | "));
}

QString expectedFigures(std::string_view plan, QChar separator)
{
    const auto correct = int(std::count(plan.begin(), plan.end(), 'r'));
    return QStringList{
        QString::number(correct),
        QStringLiteral("Porcentaje de respuestas correctas (%1 de 24) : ").arg(correct),
        expectedPercent(correct, separator), itemsMarked(plan, 'w'), itemsMarked(plan, '-')}
        .join(QStringLiteral(" | "));
}

QString stem(int q)
{
    return QString::fromUtf8(QuestionTexts[q - 1]);
}

QString option(int q, int k)
{
    return QString::fromUtf8(OptionTexts[(q - 1) * OptionsPerQuestion + (k - 1)]);
}

QString commentary(int q)
{
    return QString::fromStdString(Commentary(q));
}

QList<int> referencePositions(int q)
{
    const QString text = commentary(q);
    const QString reference = QString::number(q) + QLatin1Char('.');
    QList<int> positions;
    for (auto at = text.indexOf(reference); at != -1; at = text.indexOf(reference, at + 1)) {
        for (auto i = int(at); i <= int(at + reference.size()); ++i)
            positions << i;
    }
    return positions;
}

int characterCount(std::string_view text)
{
    return int(QString::fromUtf8(text.data(), qsizetype(text.size())).size());
}

namespace {

QString questionText(int current, const QString &caption, const QString &stem,
                     const QStringList &continuations, int checked)
{
    return QStringLiteral("question %1 | %2 | %3 | %4 | continuation %5 checked")
        .arg(current)
        .arg(caption, stem, continuations.join(QStringLiteral(" / ")))
        .arg(checked);
}

} // namespace

QString questionOnShow(const Form *window)
{
    const auto *questionnaire = qobject_cast<const TCuestionarioForm *>(window);
    const auto *review = qobject_cast<const TRCForm *>(window);
    Q_ASSERT(questionnaire || review);
    const ContinuationButtons buttons =
        questionnaire ? questionnaire->radioButtons() : review->radioButtons();
    QStringList continuations;
    for (const QRadioButton *button : buttons)
        continuations << button->text();
    return questionText(questionnaire ? questionnaire->CurrentQuestion : review->CurrentQuestion,
                        control<QGroupBox>(window, "QuestionsGroupBox")->title(),
                        control<RichEditBox>(window, "QuestionsRichEdit")->wholeText(),
                        continuations, checkedOption(buttons));
}

QString questionShown(int q, int checked)
{
    QStringList continuations;
    for (int k = 1; k <= OptionsPerQuestion; ++k)
        continuations << option(q, k);
    return questionText(q, QStringLiteral("Pregunta %1 de 24").arg(q), stem(q) + QLatin1Char('\n'),
                        continuations, checked);
}

void goToQuestion(Form *window, int q)
{
    control<QPushButton>(window, "Button1")->click();
    for (int i = 1; i < q; ++i)
        control<QPushButton>(window, "Button3")->click();
}

QList<QTextCharFormat> characterFormats(const RichEditBox *box)
{
    QList<QTextCharFormat> formats(box->wholeText().size());
    for (QTextBlock block = box->document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            for (int i = fragment.position(); i < fragment.position() + fragment.length(); ++i)
                formats[i] = fragment.charFormat();
        }
    }
    return formats;
}

bool isRaised(const QTextCharFormat &format)
{
    return format.baselineOffset() > 0;
}

bool isBold(const QTextCharFormat &format)
{
    return format.fontWeight() > QFont::Normal;
}

namespace {

QList<int> positionsWhere(const RichEditBox *box, bool (*marked)(const QTextCharFormat &))
{
    const QList<QTextCharFormat> formats = characterFormats(box);
    QList<int> positions;
    for (int i = 0; i < formats.size(); ++i) {
        if (marked(formats.at(i)))
            positions << i;
    }
    return positions;
}

} // namespace

QList<int> raisedPositions(const RichEditBox *box)
{
    return positionsWhere(box, isRaised);
}

QList<int> boldPositions(const RichEditBox *box)
{
    return positionsWhere(box, isBold);
}

int darkestGrey(QWidget *widget)
{
    const QImage image = widget->grab().toImage();
    int darkest = 255;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            darkest = qMin(darkest, qGray(image.pixel(x, y)));
    }
    return darkest;
}

void whenShownModally(Form *form, std::function<void()> action)
{
    auto *timer = new QTimer;
    pendingActions << timer;
    timer->setInterval(0);
    QObject::connect(timer, &QTimer::timeout, [timer, form, action = std::move(action)] {
        if (!form->isVisible() || !form->isShownModally())
            return;
        pendingActions.removeAll(timer);
        timer->deleteLater();
        action();
        if (form->isVisible() && !QTest::currentTestFailed())
            QTest::qFail(qPrintable(form->windowTitle() + QStringLiteral(" left open")), __FILE__,
                         __LINE__);
        if (QTest::currentTestFailed())
            closeModalWindows();
    });
    timer->start();
}

int showModallyAndRun(Form *form, const std::function<void()> &inside)
{
    whenShownModally(form, [form, inside] {
        inside();
        if (form->isVisible() && !QTest::currentTestFailed())
            pressCloseBox(form);
    });
    return form->showModal();
}

void whileShown(Form *form, const std::function<void()> &check)
{
    if (form == Form::mainForm())
        check();
    else
        showModallyAndRun(form, check);
}

void verifyNothingLeftOpen()
{
    const QWidget *modal = QApplication::activeModalWidget();
    const int waiting = int(pendingActions.size());
    closeModalWindows();
    qDeleteAll(pendingActions);
    pendingActions.clear();
    QVERIFY2(!modal, qPrintable(modal ? modal->windowTitle() : QString()));
    QCOMPARE(waiting, 0);
}

void clickThroughWindow(QWidget *widget, QPoint pos, bool twice)
{
    QWidget *window = widget->window();
    if (auto *area = window->findChild<QScrollArea *>(QString(), Qt::FindDirectChildrenOnly)) {
        const QPoint inContent = widget->mapTo(area->widget(), pos);
        area->ensureVisible(inContent.x(), inContent.y(), 4, 4);
    }
    const QPoint inWindow = widget->mapTo(window, pos);
    QWidget *target = window->childAt(inWindow);
    if (!target)
        target = window;
    const QPoint local = target->mapFrom(window, inWindow);
    const QPoint global = target->mapToGlobal(local);
    std::vector<QEvent::Type> types = {QEvent::MouseButtonPress, QEvent::MouseButtonRelease};
    if (twice)
        types.insert(types.end(), {QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease});
    for (QEvent::Type type : types) {
        const Qt::MouseButtons buttons =
            type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, local, global, Qt::LeftButton, buttons, Qt::NoModifier,
                          QPointingDevice::primaryPointingDevice());
        QSpontaneKeyEvent::setSpontaneous(&event);
        qApp->notify(target, &event);
    }
}

int neededWidth(const QWidget *control, const QString &text)
{
    const int textWidth = control->fontMetrics().horizontalAdvance(text);
    const QStyle *style = control->style();
    if (qobject_cast<const QPushButton *>(control))
        return textWidth + 2 * style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, control);
    if (qobject_cast<const QRadioButton *>(control))
        return textWidth +
               style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, control) +
               style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, control);
    return textWidth;
}

void pressKey(QWidget *window, Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QWidget *target = window->focusWidget() ? window->focusWidget() : window;
    QTest::keyClick(target, key, modifiers);
}

void pressCloseBox(QWidget *window)
{
    QWindow *handle = window->windowHandle();
    QVERIFY2(handle, "a window never shown has no close box");
    QWindowSystemInterface::handleCloseEvent<QWindowSystemInterface::SynchronousDelivery>(handle);
}

void useScreen(QSize size, QMargins frame, int pixelsPerInch, qreal scale, QRect workArea)
{
    ScreenMetrics metrics;
    metrics.screen = size;
    metrics.desktop = QRect(QPoint(0, 0), size);
    metrics.workArea = workArea;
    metrics.frame = frame;
    metrics.pixelsPerInch = pixelsPerInch;
    metrics.scale = scale;
    ScreenMetrics::setOverride(metrics);
}

Form *programWindow(const QString &name)
{
    const QHash<QString, Form *> windows = {
        {QStringLiteral("main"), MainForm},    {QStringLiteral("questionnaire"), CuestionarioForm},
        {QStringLiteral("notice"), AvisoForm}, {QStringLiteral("evaluation"), EvaluacionForm},
        {QStringLiteral("review"), RCForm},    {QStringLiteral("credits"), CreditosForm}};
    Form *window = windows.value(name);
    if (!window)
        qFatal("no window named %s", qPrintable(name));
    return window;
}

ProgramWindows::ProgramWindows(QSize screen, QMargins frame, int pixelsPerInch)
{
    useScreen(screen, frame, pixelsPerInch);
    PrepareApplication();
    ResetAnswers();
    CreateForms();
}

ProgramWindows::~ProgramWindows()
{
    DestroyForms();
    ScreenMetrics::setOverride(std::nullopt);
}
