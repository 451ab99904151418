#pragma once

#include "message_style.h"

#include <string>
#include <vector>

namespace testola {

// What the input box shows besides its prompt, title and default text.
struct InputBoxParts {
    // Above the prompt, one line each, centred and in larger type.
    std::vector<std::string> LinesAbove;
    // What a screen reader says with the field's name.
    std::string FieldDescription;
    // Under the field, in smaller type; nothing is shown when it is empty.
    std::string Hint;

    // The lines' and the hint's type beside the box's own, in percent.
    static constexpr int LinesAbovePercent = 150;
    static constexpr int HintPercent = 85;
};

// The platform operations that only the window uses, behind one interface so that tests can script them: the
// dialogs, the end of the program, minimising and the report of a run-time error. They belong to the window
// toolkit. Texts are UTF-8 with CR LF line breaks. (The engine's random numbers come from a RandomSource, and
// the conversions are plain functions in conversions.h.)
class Runtime {
public:
    Runtime() = default;
    Runtime(const Runtime&) = delete;
    Runtime& operator=(const Runtime&) = delete;
    virtual ~Runtime() = default;

    // Modal; the text in the box when confirmed, the empty text when cancelled.
    virtual std::string ShowInputBox(const std::string& prompt, const std::string& title,
                                     const std::string& defaultText, const InputBoxParts& parts) = 0;
    // Modal, with one OK button; returns when the box is closed.
    virtual void ShowMessageBox(const std::string& prompt, MessageStyle style, const std::string& title) = 0;
    // Ends the program at once; the caller returns to the event loop, which then stops.
    virtual void EndProgram() = 0;
    virtual void MinimiseWindow() = 0;
    // Tells the user that a run-time error has stopped the program, then ends it with a failure status.
    virtual void ReportRunTimeError(const std::string& description) = 0;
};

} // namespace testola
