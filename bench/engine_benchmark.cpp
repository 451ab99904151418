// Times the engine's per-click work: an example, a scored answer, a verdict and reading a typed number.

#include "exam.h"
#include "example_generator.h"
#include "runtime.h"
#include "verdict.h"

#include <benchmark/benchmark.h>
#include <cstdint>
#include <string>

namespace {

// The engine never opens a dialog in these paths, so doing nothing here keeps only the engine on the clock.
class SilentRuntime : public testola::Runtime {
public:
    std::string ShowInputBox(const std::string&, const std::string&, const std::string&,
                             const testola::InputBoxExtras&) override {
        return {};
    }
    void ShowMessageBox(const std::string&, testola::MessageStyle, const std::string&) override {}
    void EndProgram() override {}
    void MinimiseWindow() override {}
    void ReportRunTimeError(const std::string&) override {}
};

void GenerateExample(benchmark::State& bench) {
    SilentRuntime runtime;
    testola::ExamState state;
    for (auto _ : bench) {
        testola::GenerateExample(state, runtime);
        benchmark::DoNotOptimize(state);
    }
}
BENCHMARK(GenerateExample);

void SubmitAnswer(benchmark::State& bench) {
    SilentRuntime runtime;
    testola::ExamState state;
    state.ExampleNumber = 3;
    state.CorrectAnswer = 4.5;
    const std::string answer = "4.5";
    for (auto _ : bench) {
        // A right answer adds 2 points each time; the score is reset so it never reaches the 16-bit limit.
        state.Score = 0;
        const testola::AnswerOutcome outcome = testola::SubmitAnswer(state, answer, runtime);
        benchmark::DoNotOptimize(outcome);
        benchmark::DoNotOptimize(state);
    }
}
BENCHMARK(SubmitAnswer);

void MakeVerdict(benchmark::State& bench) {
    const SilentRuntime runtime;
    std::int16_t score = 12;
    for (auto _ : bench) {
        benchmark::DoNotOptimize(score);
        testola::Verdict verdict = testola::MakeVerdict(score, runtime);
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
