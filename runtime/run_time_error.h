#pragma once

#include <stdexcept>
#include <string>

namespace testola {

// The kinds of failure the runtime detects; each one ends the program after it has been reported.
enum class RunTimeErrorKind {
    Overflow,
    FloatingPointFault,
};

// The program's exit status once a run-time error has ended it.
inline constexpr int RunTimeErrorStatus = 1;

class RunTimeError : public std::runtime_error {
public:
    explicit RunTimeError(RunTimeErrorKind kind);
    RunTimeErrorKind Kind() const noexcept { return m_kind; }

private:
    RunTimeErrorKind m_kind;
};

[[noreturn]] void RaiseRunTimeError(RunTimeErrorKind kind);

// The Russian sentence shown to the user when an error of this kind ends the program.
std::string RunTimeErrorDescription(RunTimeErrorKind kind);

// The sentence for a failure the runtime did not classify, such as running out of memory.
std::string UnexpectedFailureDescription();

} // namespace testola
