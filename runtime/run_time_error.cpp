#include "run_time_error.h"

namespace testola {

RunTimeError::RunTimeError(RunTimeErrorKind kind) : std::runtime_error(RunTimeErrorDescription(kind)), m_kind(kind) {}

void RaiseRunTimeError(RunTimeErrorKind kind) {
    throw RunTimeError(kind);
}

std::string RunTimeErrorDescription(RunTimeErrorKind kind) {
    switch (kind) {
    case RunTimeErrorKind::Overflow:
        return "Ошибка выполнения: переполнение.";
    case RunTimeErrorKind::FloatingPointFault:
        return "Ошибка выполнения: ошибка вычислений с плавающей точкой.";
    }
    return UnexpectedFailureDescription();
}

std::string UnexpectedFailureDescription() {
    return "Ошибка выполнения: непредвиденный сбой.";
}

} // namespace testola
