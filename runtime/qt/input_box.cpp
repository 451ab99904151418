#include "input_box.h"

#include "dialog_common.h"
#include "dialog_texts.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QVBoxLayout>

namespace testola {

namespace {

constexpr double kExampleScale = 1.5;
constexpr double kHintScale = 0.85;

QLabel* MakeLabel(const QString& text, const char* name, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    return label;
}

void ScaleFont(QWidget* widget, double scale) {
    QFont font = widget->font();
    font.setPointSizeF(font.pointSizeF() * scale);
    widget->setFont(font);
}

} // namespace

InputBox::InputBox(QWidget* parent, const QString& prompt, const QString& title, const QString& defaultText,
                   const InputBoxParts& parts)
    : QDialog(parent) {
    setWindowTitle(title);
    auto* layout = new QVBoxLayout(this);

    if (!parts.LinesAbove.empty()) {
        QStringList lines;
        for (const std::string& line : parts.LinesAbove) {
            lines << ToDisplayText(line);
        }
        QLabel* shown = MakeLabel(lines.join(QLatin1Char('\n')), "example", this);
        shown->setAlignment(Qt::AlignCenter);
        shown->setFrameShape(QFrame::StyledPanel);
        shown->setMargin(layout->spacing());
        ScaleFont(shown, kExampleScale);
        layout->addWidget(shown);
    }

    QLabel* promptLabel = MakeLabel(prompt, "prompt", this);
    m_answer = new QLineEdit(defaultText, this);
    m_answer->setObjectName(QStringLiteral("answer"));
    // The field has the focus as the box opens, and typing replaces the default rather than adding to it.
    m_answer->setFocus();
    m_answer->selectAll();
    // Screen readers say the field's description with its name, which the prompt gives as the field's buddy.
    m_answer->setAccessibleDescription(ToDisplayText(parts.FieldDescription));
    promptLabel->setBuddy(m_answer);
    layout->addWidget(promptLabel);
    layout->addWidget(m_answer);

    if (!parts.Hint.empty()) {
        QLabel* hint = MakeLabel(ToDisplayText(parts.Hint), "hint", this);
        ScaleFont(hint, kHintScale);
        layout->addWidget(hint);
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(ToDisplayText(OkText));
    buttons->button(QDialogButtonBox::Cancel)->setText(ToDisplayText(CancelText));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    layout->addStrut(TitleBarWidth(title));
}

QString InputBox::Text() const {
    return m_answer->text();
}

} // namespace testola
