#pragma once

#include "runtime.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace testola::testing {

struct ShownMessage {
    std::string Prompt;
    MessageStyle Style;
    std::string Title;
};

struct ShownInputBox {
    std::string Prompt;
    std::string Title;
    std::string DefaultText;
    InputBoxExtras Extras;
};

// A runtime whose dialogs answer from queues and record what they were asked, and whose random numbers can be
// scripted. With nothing scripted, NextRandom falls back to the program's own sequence.
class ScriptedRuntime : public Runtime {
public:
    void QueueRandoms(std::initializer_list<float> numbers) { m_randoms.insert(m_randoms.end(), numbers); }
    void QueueRandoms(const std::vector<float>& numbers) {
        m_randoms.insert(m_randoms.end(), numbers.begin(), numbers.end());
    }
    void QueueAnswer(std::string text) { m_answers.push_back(std::move(text)); }
    // The next call of this kind raises the given run-time error instead of doing its work.
    void FailNextRandom(RunTimeErrorKind kind) { m_randomFailure = kind; }
    void FailNextInputBox(RunTimeErrorKind kind) { m_inputFailure = kind; }

    float NextRandom() override;
    std::string ShowInputBox(const std::string& prompt, const std::string& title, const std::string& defaultText,
                             const InputBoxExtras& extras) override;
    void ShowMessageBox(const std::string& prompt, MessageStyle style, const std::string& title) override;
    void EndProgram() override { ++EndCount; }
    void MinimiseWindow() override { ++MinimiseCount; }
    void ReportRunTimeError(const std::string& description) override { Reports.push_back(description); }

    int RandomsDrawn = 0;
    int EndCount = 0;
    int MinimiseCount = 0;
    std::vector<ShownInputBox> InputBoxes;
    std::vector<ShownMessage> Messages;
    std::vector<std::string> Reports;

private:
    std::deque<float> m_randoms;
    std::deque<std::string> m_answers;
    std::optional<RunTimeErrorKind> m_randomFailure;
    std::optional<RunTimeErrorKind> m_inputFailure;
};

} // namespace testola::testing
