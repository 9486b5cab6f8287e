#include "PlainPage.h"

#include "TestDefinitionUnit.h"

#include <QGroupBox>
#include <QRadioButton>
#include <QTextEdit>

namespace {

// A copy of `model`'s place (relative to `modelParent`) and font, as a child of `parent`.
template <typename Widget>
Widget *copyOf(const QWidget *model, const QWidget *modelParent, QWidget *parent)
{
    auto *widget = new Widget(parent);
    widget->setGeometry(QRect(model->mapTo(modelParent, QPoint(0, 0)), model->size()));
    widget->setFont(model->font());
    return widget;
}

QTextEdit *textBoxLike(const QTextEdit *model, const QWidget *modelParent, QWidget *parent)
{
    auto *box = copyOf<QTextEdit>(model, modelParent, parent);
    box->setReadOnly(true);
    box->setFrameShape(QFrame::NoFrame);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return box;
}

} // namespace

PlainPage::PlainPage(const PageControls &model, std::function<int(int)> checkedOption)
    : m_checkedOption(std::move(checkedOption))
{
    setFixedSize(model.window->size());
    m_group = copyOf<QGroupBox>(model.group, model.window, this);
    m_stem = textBoxLike(model.stem, model.group, m_group);
    for (std::size_t k = 0; k < m_options.size(); ++k) {
        m_options[k] = copyOf<QRadioButton>(model.options[k], model.group, m_group);
        m_options[k]->setAutoExclusive(false);
    }
    if (model.commentary)
        m_commentary = textBoxLike(model.commentary, model.group, m_group);
}

void PlainPage::fill(int question)
{
    m_group->setTitle(QStringLiteral("Pregunta %1 de %2").arg(question).arg(QuestionCount));
    m_stem->setPlainText(QString::fromUtf8(QuestionTexts[question - 1]));
    for (int k = 1; k <= OptionsPerQuestion; ++k) {
        const auto option = OptionTexts[(question - 1) * OptionsPerQuestion + (k - 1)];
        m_options[k - 1]->setText(QString::fromUtf8(option));
        m_options[k - 1]->setChecked(m_checkedOption(question) == k);
    }
    if (m_commentary)
        m_commentary->setPlainText(QString::fromStdString(Commentary(question)));
}
