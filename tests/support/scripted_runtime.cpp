#include "scripted_runtime.h"

#include <stdexcept>
#include <utility>

namespace testola::testing {

std::string ScriptedRuntime::ShowInputBox(const std::string& prompt, const std::string& title,
                                          const std::string& defaultText, const InputBoxParts& parts) {
    InputBoxes.push_back({prompt, title, defaultText, parts});
    // An unscripted input box is a fault in the test, not a cancelled dialog.
    if (m_answers.empty()) {
        throw std::logic_error("input box opened with no scripted answer");
    }
    std::string answer = std::move(m_answers.front());
    m_answers.pop_front();
    return answer;
}

void ScriptedRuntime::ShowMessageBox(const std::string& prompt, MessageStyle style, const std::string& title) {
    Messages.push_back({prompt, style, title});
}

} // namespace testola::testing
