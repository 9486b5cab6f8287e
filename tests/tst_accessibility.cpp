// What assistive technology finds in every window, walked through the accessibility tree
// as a screen reader walks it: every control a person reads or presses has a name to
// speak, the read-only question areas stay readable although they are inert, and the
// figures of the evaluation are spoken with their meaning.

#include "AvisoUnit.h"
#include "Creditos.h"
#include "CuestionarioUnit.h"
#include "EvaluacionUnit.h"
#include "MainUnit.h"
#include "MemoBox.h"
#include "RCUnit.h"
#include "RichEditBox.h"
#include "TestDefinitionUnit.h"
#include "TestSupport.h"

#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QTest>
#include <QTextEdit>

namespace {

QAccessibleInterface *accessibleOf(QObject *object)
{
    return QAccessible::queryAccessibleInterface(object);
}

QString spokenName(QObject *object)
{
    return accessibleOf(object)->text(QAccessible::Name);
}

QString describe(QAccessibleInterface *iface)
{
    const QObject *object = iface->object();
    const QString role = QString::number(int(iface->role()), 16);
    if (!object)
        return QStringLiteral("an interface without object, role 0x%1").arg(role);
    return QStringLiteral("%1 (%2, role 0x%3)")
        .arg(object->objectName(), QString::fromLatin1(object->metaObject()->className()), role);
}

// Roles of what a person reads or presses; a group box counts when it has a caption.
bool isReadOrPressed(QAccessibleInterface *iface)
{
    switch (iface->role()) {
    case QAccessible::Dialog:
    case QAccessible::Window:
    case QAccessible::PushButton:
    case QAccessible::RadioButton:
    case QAccessible::CheckBox:
    case QAccessible::StaticText:
    case QAccessible::EditableText:
    case QAccessible::Document:
    case QAccessible::Paragraph:
    case QAccessible::Heading:
        return true;
    case QAccessible::Grouping: {
        const auto *box = qobject_cast<const QGroupBox *>(iface->object());
        return box && !box->title().isEmpty();
    }
    default:
        return false;
    }
}

// The interfaces a screen reader reaches from the window, those not on the screen left out.
void collectShown(QAccessibleInterface *iface, QList<QAccessibleInterface *> &shown)
{
    if (!iface || iface->state().invisible)
        return;
    shown << iface;
    for (int i = 0; i < iface->childCount(); ++i)
        collectShown(iface->child(i), shown);
}

// What a screen reader speaks as it reads a window through: every text shown that is not
// the label of another control, which is spoken with that control instead.
QStringList readThrough(QWidget *window)
{
    QList<QAccessibleInterface *> shown;
    collectShown(accessibleOf(window), shown);
    QStringList spoken;
    for (QAccessibleInterface *iface : shown) {
        if (iface->role() == QAccessible::StaticText &&
            iface->relations(QAccessible::Labelled).isEmpty())
            spoken << iface->text(QAccessible::Name);
    }
    return spoken;
}

// The caption a button or a group box shows, "&&" standing for "&"; empty for other controls.
QString shownCaption(const QObject *object)
{
    QString caption;
    if (const auto *button = qobject_cast<const QAbstractButton *>(object))
        caption = button->text();
    else if (const auto *box = qobject_cast<const QGroupBox *>(object))
        caption = box->title();
    return caption.replace(QStringLiteral("&&"), QStringLiteral("&"));
}

// Every shown control that would be read or pressed without a name, and every button or
// group box that is not spoken by the caption it shows. Empty when there is none.
QString namingFaults(QWidget *window)
{
    QList<QAccessibleInterface *> shown;
    collectShown(accessibleOf(window), shown);
    QStringList faults;
    for (QAccessibleInterface *iface : shown) {
        if (!isReadOrPressed(iface))
            continue;
        const QString name = iface->text(QAccessible::Name);
        const QString caption = shownCaption(iface->object());
        if (name.trimmed().isEmpty())
            faults << describe(iface) + QStringLiteral(" has no name");
        else if (!caption.isEmpty() && name != caption)
            faults << describe(iface) +
                          QStringLiteral(" is named \"%1\", not \"%2\"").arg(name, caption);
    }
    return faults.join(QStringLiteral("; "));
}

// The whole text of a box as assistive technology reads it, through its text interface;
// the value must hold the same text.
QString readableText(QWidget *box)
{
    QAccessibleInterface *iface = accessibleOf(box);
    QAccessibleTextInterface *text = iface->textInterface();
    if (!text)
        return QStringLiteral("<no text interface>");
    QString whole = text->text(0, text->characterCount());
    if (iface->text(QAccessible::Value) != whole)
        return QStringLiteral("<value differs from text>");
    return whole;
}

// The rich-text boxes end their only line with a line break.
QString firstLineOf(const QString &text)
{
    return text.section(QLatin1Char('\n'), 0, 0);
}

// A read-only area on an inert panel: not to be operated, but to be read, so it must be
// neither reported disabled nor invisible, and must not pretend to be editable.
void verifyReadableButInert(QWidget *box)
{
    const QAccessible::State state = accessibleOf(box)->state();
    QVERIFY2(!state.disabled, qPrintable(box->objectName()));
    QVERIFY2(!state.invisible, qPrintable(box->objectName()));
    QVERIFY2(!state.focusable, qPrintable(box->objectName()));
    QVERIFY2(state.readOnly, qPrintable(box->objectName()));
    QVERIFY2(!state.editable, qPrintable(box->objectName()));
}

void verifyContinuations(const ContinuationButtons &buttons, int q, int checkedOption)
{
    for (int k = 1; k <= OptionsPerQuestion; ++k) {
        QRadioButton *button = buttons[std::size_t(k - 1)];
        QCOMPARE(spokenName(button), option(q, k));
        QCOMPARE(bool(accessibleOf(button)->state().checked), k == checkedOption);
        QVERIFY(!accessibleOf(button)->state().disabled);
    }
}

// Every accessibility action that could change an inert control, tried on it: it must
// offer none, and whatever is asked of it, keep its check, text, selection and caret.
void tryToChange(QWidget *control)
{
    QAccessibleInterface *iface = accessibleOf(control);
    QCOMPARE(iface->actionInterface() ? iface->actionInterface()->actionNames() : QStringList(),
             QStringList());
    if (auto *button = qobject_cast<QAbstractButton *>(control)) {
        const bool checked = button->isChecked();
        for (const QString &action : {QAccessibleActionInterface::toggleAction(),
                                      QAccessibleActionInterface::pressAction()})
            iface->actionInterface()->doAction(action);
        QCOMPARE(button->isChecked(), checked);
    }
    if (auto *box = qobject_cast<QTextEdit *>(control)) {
        const QString text = box->toPlainText();
        const int caret = box->textCursor().position();
        QVERIFY(!iface->editableTextInterface());
        QAccessibleTextInterface *textInterface = iface->textInterface();
        textInterface->setSelection(0, 0, 3);
        textInterface->addSelection(1, 4);
        textInterface->setCursorPosition(caret + 2);
        QCOMPARE(textInterface->selectionCount(), 0);
        QCOMPARE(box->textCursor().position(), caret);
        QVERIFY(!box->textCursor().hasSelection());
        QCOMPARE(box->toPlainText(), text);
    }
    QVERIFY(!control->hasFocus());
}

// Where assistive technology (a magnifier, a reader following the mouse) finds the first
// characters of a box on the screen: inside the box, and back again from that point.
void verifyCharacterGeometry(QWidget *box)
{
    QAccessibleTextInterface *text = accessibleOf(box)->textInterface();
    const QRect onScreen(box->mapToGlobal(QPoint()), box->size());
    for (int offset : {0, 1, 7}) {
        const QRect character = text->characterRect(offset);
        QVERIFY2(onScreen.contains(character), qPrintable(box->objectName()));
        QCOMPARE(text->offsetAtPoint(character.center()), offset);
    }
}

// The characters a text box exposes as superscript, in order, walked run by run through
// its text attributes as a screen reader walks them; every run keeps the box's font size.
QString superscriptCharacters(QWidget *box)
{
    QAccessibleTextInterface *text = accessibleOf(box)->textInterface();
    QString raised;
    QSet<QString> sizes;
    for (int offset = 0, start = 0, end = 0; offset < text->characterCount(); offset = end) {
        const QStringList attributes =
            text->attributes(offset, &start, &end).split(QLatin1Char(';'));
        if (end <= offset)
            return QStringLiteral("<no progress at %1>").arg(offset);
        if (attributes.contains(QStringLiteral("text-position:super")))
            raised += text->text(start, end);
        for (const QString &attribute : attributes) {
            if (attribute.startsWith(QLatin1String("font-size:")))
                sizes << attribute;
        }
    }
    return sizes.size() == 1 ? raised : QStringLiteral("<sizes differ>");
}

} // namespace

class AccessibilityTest : public ProgramWindowsTest
{
    Q_OBJECT

private slots:

    void textWindows_data()
    {
        QTest::addColumn<QString>("windowName");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("boxName");
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("lineText");
        QTest::newRow("main") << "main"
                              << "Telvanor"
                              << "Introducción" << 23 << 14
                              << "Consta de 24 frases, cada una de las cuales tiene cuatro "
                                 "posibles ";
        QTest::newRow("credits") << "credits"
                                 << "Créditos"
                                 << "Autores de la prueba y del programa" << 17 << 17
                                 << "Sofía Vega Blanco.";
        // Question 1 answered, the others blank.
        QTest::newRow("notice") << "notice"
                                << "Aviso"
                                << "Preguntas sin responder" << 5 << 3
                                << "2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, "
                                   "19, 20, 21, 22, 23, 24";
    }

    // The windows that show a text box: the window by its caption, the buttons by theirs,
    // and the box by its role with its whole text readable, although it is inert.
    void textWindows()
    {
        QFETCH(QString, windowName);
        Form *window = programWindow(windowName);
        QFETCH(QString, title);
        QFETCH(QString, boxName);
        QFETCH(int, line);
        UserAnswers[0] = 1;
        auto *box = control<MemoBox>(window, "Memo1");
        QString faults, spokenTitle, name, text;
        const auto check = [&] {
            QVERIFY(window->isVisible());
            faults = namingFaults(window);
            spokenTitle = spokenName(window);
            name = spokenName(box);
            text = readableText(box);
            verifyReadableButInert(box);
        };
        whileShown(window, check);
        QCOMPARE(faults, QString());
        QCOMPARE(spokenTitle, title);
        QCOMPARE(name, boxName);
        QCOMPARE(text, box->toPlainText());
        QTEST(int(text.count(QLatin1Char('\n'))) + 1, "lines");
        QTEST(text.split(QLatin1Char('\n')).value(line - 1), "lineText");
    }

    void questionWindows_data()
    {
        QTest::addColumn<QString>("windowName");
        QTest::addColumn<int>("question");
        QTest::addColumn<int>("answer");
        for (const char *name : {"questionnaire", "review"}) {
            QTest::addRow("%s, first, unanswered", name) << name << 1 << int(NoAnswer);
            QTest::addRow("%s, raised exponents", name) << name << 5 << 2;
            QTest::addRow("%s, raised nano exponent", name) << name << 13 << 4;
            QTest::addRow("%s, last, unanswered", name) << name << 24 << int(NoAnswer);
        }
    }

    // Each question on show: the frame spoken as "Pregunta q de 24" (in the questionnaire
    // with the stem as its description), the continuations by their texts with the answer
    // checked (in the review the key's, not to be operated), and the stem box and the
    // review's commentary by their roles with their whole text readable, bold and raised
    // characters included, although the boxes are inert.
    void questionWindows()
    {
        QFETCH(QString, windowName);
        Form *window = programWindow(windowName);
        QFETCH(int, question);
        QFETCH(int, answer);
        UserAnswers[question - 1] = answer;
        const bool review = window == RCForm;
        showModallyAndRun(window, [&] {
            goToQuestion(window, question);
            QCOMPARE(namingFaults(window), QString());
            auto *frame = control<QGroupBox>(window, "QuestionsGroupBox");
            QCOMPARE(spokenName(frame), QStringLiteral("Pregunta %1 de 24").arg(question));
            if (!review)
                QCOMPARE(accessibleOf(frame)->text(QAccessible::Description), stem(question));
            const ContinuationButtons buttons =
                review ? RCForm->radioButtons() : CuestionarioForm->radioButtons();
            QCOMPARE(spokenName(control<QGroupBox>(window, review ? "RadioGroup2" : "RadioGroup1")),
                     QStringLiteral("Respuestas"));
            verifyContinuations(buttons, question, review ? CorrectOptions[question - 1] : answer);
            for (QRadioButton *button : buttons)
                QCOMPARE(bool(accessibleOf(button)->state().focusable), !review);
            auto *stemBox = control<RichEditBox>(window, "QuestionsRichEdit");
            QCOMPARE(spokenName(stemBox), QStringLiteral("Enunciado"));
            QCOMPARE(firstLineOf(readableText(stemBox)), stem(question));
            verifyReadableButInert(stemBox);
            if (review) {
                auto *commentaryBox = control<RichEditBox>(RCForm, "RCRichEdit");
                QCOMPARE(spokenName(commentaryBox), QStringLiteral("Comentario"));
                QCOMPARE(firstLineOf(readableText(commentaryBox)), commentary(question));
                verifyReadableButInert(commentaryBox);
                verifyCharacterGeometry(commentaryBox);
            }
        });
    }

    void evaluation_data()
    {
        QTest::addColumn<int>("right");
        QTest::addColumn<int>("wrong");
        QTest::addColumn<QString>("count");
        QTest::addColumn<QString>("wrongItems");
        QTest::addColumn<QString>("blankItems");
        QTest::addColumn<QString>("percent");
        QTest::newRow("18 right, 3 wrong, 3 blank")
            << 18 << 3 << "Total de respuestas correctas: 18"
            << "Ítems para los que dieron respuestas incorrectas: 19, 20, 21"
            << "Ítems para los que no se dieron respuestas: 22, 23, 24"
            << "Porcentaje de respuestas correctas (18 de 24) : 75.0%";
        QTest::newRow("all right: both lists empty")
            << 24 << 0 << "Total de respuestas correctas: 24"
            << "Ítems para los que dieron respuestas incorrectas: ninguno"
            << "Ítems para los que no se dieron respuestas: ninguno"
            << "Porcentaje de respuestas correctas (24 de 24) : 100.0%";
        QTest::newRow("nothing answered")
            << 0 << 0 << "Total de respuestas correctas: 0"
            << "Ítems para los que dieron respuestas incorrectas: ninguno"
            << "Ítems para los que no se dieron respuestas: 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, "
               "13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24"
            << "Porcentaje de respuestas correctas (0 de 24) : 0.0%";
    }

    // Each figure is spoken with its meaning, whatever order the labels are read in, and an
    // empty item list is spoken as "ninguno"; each caption is heard once, with its figure.
    // A second showing speaks its own figures.
    void evaluation()
    {
        QFETCH(int, right);
        QFETCH(int, wrong);
        // The first questions right, the next ones wrong, the rest blank.
        UserAnswers = sheetOf(std::string(right, 'r') + std::string(wrong, 'w') +
                              std::string(QuestionCount - right - wrong, '-'));
        QString faults;
        QStringList spoken, readThroughWindow;
        showModallyAndRun(EvaluacionForm, [&] {
            faults = namingFaults(EvaluacionForm);
            readThroughWindow = readThrough(EvaluacionForm);
            spoken << spokenName(control<QLabel>(EvaluacionForm, "RCLabel"))
                   << spokenName(control<QLabel>(EvaluacionForm, "WrongItemsLabel"))
                   << spokenName(control<QLabel>(EvaluacionForm, "BlanckLabel"))
                   << spokenName(control<QLabel>(EvaluacionForm, "RCPercentLabel"));
        });
        QCOMPARE(faults, QString());
        QCOMPARE(readThroughWindow, spoken);
        QTEST(spoken.value(0), "count");
        QTEST(spoken.value(1), "wrongItems");
        QTEST(spoken.value(2), "blankItems");
        QTEST(spoken.value(3), "percent");
        ResetAnswers();
    }

    void inertControlsRefuseChanges_data()
    {
        QTest::addColumn<QString>("windowName");
        QTest::addColumn<QString>("control");
        QTest::newRow("main: introduction") << QStringLiteral("main") << "Memo1";
        QTest::newRow("credits") << QStringLiteral("credits") << "Memo1";
        QTest::newRow("notice") << QStringLiteral("notice") << "Memo1";
        QTest::newRow("questionnaire: stem")
            << QStringLiteral("questionnaire") << "QuestionsRichEdit";
        QTest::newRow("review: stem") << QStringLiteral("review") << "QuestionsRichEdit";
        QTest::newRow("review: commentary") << QStringLiteral("review") << "RCRichEdit";
        // Question 1's key is 3: one continuation unchecked, the checked one, another.
        QTest::newRow("review: continuation 1") << QStringLiteral("review") << "RadioButton1";
        QTest::newRow("review: continuation 3") << QStringLiteral("review") << "RadioButton3";
        QTest::newRow("review: continuation 4") << QStringLiteral("review") << "RadioButton4";
    }

    // Inert controls stay readable but refuse every accessibility action that would change
    // them: the review's answer key cannot be moved, no text edited, selected or scrolled.
    void inertControlsRefuseChanges()
    {
        QFETCH(QString, windowName);
        Form *window = programWindow(windowName);
        QFETCH(QString, control);
        const auto check = [&] {
            auto *target = window->findChild<QWidget *>(control);
            QVERIFY(target);
            tryToChange(target);
            if (qobject_cast<QTextEdit *>(target))
                verifyReadableButInert(target);
        };
        whileShown(window, check);
    }

    void raisedCharactersAreSuperscript_data()
    {
        QTest::addColumn<QString>("windowName");
        QTest::addColumn<int>("question");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("raised");
        QTest::newRow("questionnaire, question 5: stem")
            << QStringLiteral("questionnaire") << 5 << "QuestionsRichEdit"
            << "2";
        QTest::newRow("questionnaire, question 6: stem")
            << QStringLiteral("questionnaire") << 6 << "QuestionsRichEdit"
            << "";
        QTest::newRow("review, question 5: stem")
            << QStringLiteral("review") << 5 << "QuestionsRichEdit"
            << "2";
        QTest::newRow("review, question 5: commentary")
            << QStringLiteral("review") << 5 << "RCRichEdit"
            << "22813";
        QTest::newRow("review, question 13: commentary")
            << QStringLiteral("review") << 13 << "RCRichEdit"
            << "-9";
        QTest::newRow("review, question 1: commentary, bold only")
            << QStringLiteral("review") << 1 << "RCRichEdit"
            << "";
    }

    // Exponents are superscript to a screen reader (AT-SPI's "vertical-align:super"), and
    // at the same size as the text around them, as they are drawn.
    void raisedCharactersAreSuperscript()
    {
        QFETCH(QString, windowName);
        Form *window = programWindow(windowName);
        QFETCH(int, question);
        QFETCH(QString, box);
        ResetAnswers();
        QString raised;
        showModallyAndRun(window, [&] {
            goToQuestion(window, question);
            raised = superscriptCharacters(window->findChild<QWidget *>(box));
        });
        QTEST(raised, "raised");
    }
};

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
