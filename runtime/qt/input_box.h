#pragma once

#include "runtime.h"

#include <QDialog>

class QLabel;
class QLineEdit;

namespace testola {

// The modal box that asks for one line of text: the example above the prompt, so it stays in sight whatever the
// window system does with the box, the text field with its default selected, a hint under it, OK and Cancel.
// Its parts are named "example", "prompt", "answer" and "hint". Built once and shown again for every question:
// only what a question changes is set each time.
class InputBox : public QDialog {
public:
    explicit InputBox(QWidget* parent);

    // Shows the question's texts, with the default in the field, selected and focused, ready to be shown.
    void SetQuestion(const QString& prompt, const QString& title, const QString& defaultText,
                     const InputBoxParts& parts);
    QString Text() const;

private:
    QLabel* m_example = nullptr;
    QLabel* m_prompt = nullptr;
    QLineEdit* m_answer = nullptr;
    QLabel* m_hint = nullptr;
    QString m_title;
};

} // namespace testola
