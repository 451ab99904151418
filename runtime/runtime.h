#pragma once

#include "conversions.h"
#include "random_sequence.h"
#include "run_time_error.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace testola {

// Icon style of a message box.
enum class MessageStyle : int {
    Plain = 0,
    Stop = 16,
};

// What the input box shows besides its prompt, so that nobody has to remember the example while typing.
struct InputBoxExtras {
    // Shown above the prompt, one line for each CR LF; empty lines are left out.
    std::string Example;
    // The example as a screen reader says it; the text field carries it.
    std::string SpokenExample;
    // Shown under the text field, in smaller type.
    std::string Hint;
};

// Every platform operation the program uses, behind one interface so that tests can script each of them.
// Texts are UTF-8 with CR LF line breaks. The conversions and the random sequence have working defaults;
// the dialogs, the end of the program and minimising belong to the window toolkit.
class Runtime {
public:
    Runtime() = default;
    Runtime(const Runtime&) = delete;
    Runtime& operator=(const Runtime&) = delete;
    virtual ~Runtime() = default;

    virtual float NextRandom() { return m_random.Next(); }
    virtual std::int16_t RoundToInt16(double value) const { return testola::RoundToInt16(value); }
    virtual double TextToDouble(std::string_view text) const { return testola::TextToDouble(text); }
    virtual std::string IntegerToText(std::int16_t value) const { return testola::IntegerToText(value); }
    virtual std::int16_t AddInt16(std::int16_t left, std::int16_t right) const {
        return testola::AddInt16(left, right);
    }

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

private:
    RandomSequence m_random;
};

} // namespace testola
