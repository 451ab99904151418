// Times the engine's per-click work: an example, a scored answer, a verdict and reading a typed number.

#include "conversions.h"
#include "exam.h"
#include "example_generator.h"
#include "random_sequence.h"
#include "verdict.h"

#include <benchmark/benchmark.h>
#include <cstdint>
#include <string>

namespace {

void GenerateExample(benchmark::State& bench) {
    testola::RandomSequence random;
    testola::ExamState state;
    for (auto _ : bench) {
        testola::GenerateExample(state, random);
        benchmark::DoNotOptimize(state);
    }
}
BENCHMARK(GenerateExample);

void SubmitAnswer(benchmark::State& bench) {
    testola::ExamState state;
    state.ExampleNumber = 3;
    state.CorrectAnswer = 4.5;
    const std::string answer = "4.5";
    for (auto _ : bench) {
        // A right answer adds 2 points each time; the score is reset so it never reaches the 16-bit limit.
        state.Score = 0;
        const testola::AnswerOutcome outcome = testola::SubmitAnswer(state, answer);
        benchmark::DoNotOptimize(outcome);
        benchmark::DoNotOptimize(state);
    }
}
BENCHMARK(SubmitAnswer);

void MakeVerdict(benchmark::State& bench) {
    std::int16_t score = 12;
    for (auto _ : bench) {
        benchmark::DoNotOptimize(score);
        testola::Verdict verdict = testola::MakeVerdict(score);
        benchmark::DoNotOptimize(verdict);
    }
}
BENCHMARK(MakeVerdict);

void TextToDouble(benchmark::State& bench) {
    const std::string answer = " 6.5";
    for (auto _ : bench) {
        double value = testola::TextToDouble(answer);
        benchmark::DoNotOptimize(value);
    }
}
BENCHMARK(TextToDouble);

} // namespace

BENCHMARK_MAIN();
