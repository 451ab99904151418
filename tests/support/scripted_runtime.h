#pragma once

#include "runtime.h"

#include <deque>
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
    InputBoxParts Parts;
};

// A runtime whose dialogs answer from a queue and record what they were asked.
class ScriptedRuntime : public Runtime {
public:
    void QueueAnswer(std::string text) { m_answers.push_back(std::move(text)); }

    std::string ShowInputBox(const std::string& prompt, const std::string& title, const std::string& defaultText,
                             const InputBoxParts& parts) override;
    void ShowMessageBox(const std::string& prompt, MessageStyle style, const std::string& title) override;
    void EndProgram() override { ++EndCount; }
    void MinimiseWindow() override { ++MinimiseCount; }
    void ReportRunTimeError(const std::string& description) override { Reports.push_back(description); }

    int EndCount = 0;
    int MinimiseCount = 0;
    std::vector<ShownInputBox> InputBoxes;
    std::vector<ShownMessage> Messages;
    std::vector<std::string> Reports;

private:
    std::deque<std::string> m_answers;
};

} // namespace testola::testing
