#include "input_box.h"

#include "dialog_texts.h"
#include "display_text.h"

#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QVBoxLayout>

namespace testola {

namespace {

QLabel* MakeLabel(const QString& text, const char* name, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    return label;
}

void ScaleFont(QWidget* widget, int percent) {
    QFont font = widget->font();
    font.setPointSizeF(font.pointSizeF() * percent / 100.0);
    widget->setFont(font);
}

// The answer field, where the keypad's decimal key types KeypadDecimalPoint.
class AnswerField : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

protected:
    void keyPressEvent(QKeyEvent* event) override {
        const bool decimalKey = event->key() == Qt::Key_Comma || event->key() == Qt::Key_Period;
        if (decimalKey && event->modifiers().testFlag(Qt::KeypadModifier)) {
            insert(QString(QLatin1Char(KeypadDecimalPoint)));
            return;
        }
        QLineEdit::keyPressEvent(event);
    }
};

} // namespace

InputBox::InputBox(QWidget* parent) : QDialog(parent) {
    auto* layout = new QVBoxLayout(this);

    m_example = MakeLabel(QString(), "example", this);
    m_example->setAlignment(Qt::AlignCenter);
    m_example->setFrameShape(QFrame::StyledPanel);
    m_example->setMargin(layout->spacing());
    ScaleFont(m_example, InputBoxParts::LinesAbovePercent);
    layout->addWidget(m_example);

    m_prompt = MakeLabel(QString(), "prompt", this);
    m_answer = new AnswerField(this);
    m_answer->setObjectName(QStringLiteral("answer"));
    // Screen readers say the field's description with its name, which the prompt gives as the field's buddy.
    m_prompt->setBuddy(m_answer);
    layout->addWidget(m_prompt);
    layout->addWidget(m_answer);

    m_hint = MakeLabel(QString(), "hint", this);
    ScaleFont(m_hint, InputBoxParts::HintPercent);
    layout->addWidget(m_hint);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(ToDisplayText(OkText));
    buttons->button(QDialogButtonBox::Cancel)->setText(ToDisplayText(CancelText));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

void InputBox::SetQuestion(const QString& prompt, const QString& title, const QString& defaultText,
                           const InputBoxParts& parts) {
    if (title != m_title) {
        m_title = title;
        setWindowTitle(title);
        setMinimumWidth(TitleBarWidth(title));
    }
    QStringList lines;
    for (const std::string& line : parts.LinesAbove) {
        lines << ToDisplayText(line);
    }
    m_example->setText(lines.join(QLatin1Char('\n')));
    m_example->setVisible(!lines.isEmpty());
    m_prompt->setText(prompt);
    m_answer->setAccessibleDescription(ToDisplayText(parts.FieldDescription));
    m_hint->setText(ToDisplayText(parts.Hint));
    m_hint->setVisible(!parts.Hint.empty());

    // The field has the focus as the box opens, and typing replaces the default rather than adding to it.
    m_answer->setText(defaultText);
    m_answer->selectAll();
    m_answer->setFocus();
    adjustSize();
}

QString InputBox::Text() const {
    return m_answer->text();
}

} // namespace testola
