#pragma once

#include "exam_state.h"

#include <QWidget>
#include <string_view>

class QPushButton;

namespace testola {

class IconImage;
class MatrixPanel;
class RandomSource;
class Runtime;
class TitleStrip;

// The program's only window: a title strip of its own, the matrix panel and the buttons that lead the applicant
// through the exam. It owns the exam state for the whole run, draws the examples from the random source and
// reaches the platform only through the runtime.
class Form1 : public QWidget {
public:
    Form1(Runtime& runtime, RandomSource& random, QWidget* parent = nullptr);

    const ExamState& State() const { return m_state; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildControls();
    void SetTabOrder();
    QPushButton* MakeButton(std::string_view name);
    void ConnectHandler(QPushButton* button, void (Form1::*handler)());

    void OnExitClick();
    void OnMinimiseClick();
    void OnExamClick();
    void OnAnswerClick();
    void OnResultClick();

    void SetExamButtonTexts(std::string_view text);

    Runtime& m_runtime;
    RandomSource& m_random;
    ExamState m_state;

    TitleStrip* m_label1 = nullptr;
    IconImage* m_image1 = nullptr;
    QPushButton* m_command1 = nullptr;
    QPushButton* m_command2 = nullptr;
    MatrixPanel* m_command3 = nullptr;
    QPushButton* m_command4 = nullptr;
    QPushButton* m_command5 = nullptr;
    QPushButton* m_command6 = nullptr;
};

} // namespace testola
