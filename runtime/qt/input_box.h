#pragma once

#include "runtime.h"

#include <QDialog>

class QLineEdit;

namespace testola {

// The modal box that asks for one line of text: the example above the prompt, so it stays in sight whatever the
// window system does with the box, the text field with its default selected, a hint under it, OK and Cancel.
// Its parts are named "example", "prompt", "answer" and "hint".
class InputBox : public QDialog {
public:
    InputBox(QWidget* parent, const QString& prompt, const QString& title, const QString& defaultText,
             const InputBoxParts& parts);

    QString Text() const;

private:
    QLineEdit* m_answer = nullptr;
};

} // namespace testola
