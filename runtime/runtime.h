#pragma once

#include "message_style.h"

#include <string>

namespace testola {

// What the input box shows besides its prompt, so that nobody has to remember the example while typing.
struct InputBoxExtras {
    // Shown above the prompt, one line for each CR LF; empty lines are left out.
    std::string Example;
    // The example as a screen reader says it; the text field carries it.
    std::string SpokenExample;
    // Shown under the text field, in smaller type.
    std::string Hint;
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
                                     const std::string& defaultText, const InputBoxExtras& extras) = 0;
    // Modal, with one OK button; returns when the box is closed.
    virtual void ShowMessageBox(const std::string& prompt, MessageStyle style, const std::string& title) = 0;
    // Ends the program at once; the caller returns to the event loop, which then stops.
    virtual void EndProgram() = 0;
    virtual void MinimiseWindow() = 0;
    // Tells the user that a run-time error has stopped the program, then ends it with a failure status.
    virtual void ReportRunTimeError(const std::string& description) = 0;
};

} // namespace testola
