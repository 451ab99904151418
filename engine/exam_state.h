#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace testola {

inline constexpr std::int16_t ExamLength = 8;
inline constexpr std::int16_t PointsPerAnswer = 2;
inline constexpr int MatrixSize = 3;

using MatrixRow = std::array<std::int16_t, MatrixSize>;
using ExampleMatrix = std::array<MatrixRow, MatrixSize>;

// Everything the exam keeps from one click to the next; the window owns one for the whole run.
struct ExamState {
    // The current example, rewritten whole by each generation.
    ExampleMatrix Matrix{};
    std::int16_t MaxValue = 0;
    std::int16_t MinValue = 0;
    std::string MatrixText;
    double CorrectAnswer = 0.0;

    // 1 to ExamLength during an exam, 0 before the first one.
    std::int16_t ExampleNumber = 0;
    std::int16_t Score = 0;
    double UserAnswer = 0.0;
};

} // namespace testola
