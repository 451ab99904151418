#include "exam.h"
#include "matrix_script.h"
#include "row_name.h"
#include "scripted_random.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace testola {
namespace {

using testing::RandomsForMatrix;
using testing::ScriptedRandom;

// Eight examples with answers 5, 4.5, 0, 10, 5, 1, 9.5, 3 (a half, both ends of the range, whole numbers).
const std::vector<ExampleMatrix> kExamMatrices = {
    {{{3, 7, 1}, {10, 0, 5}, {2, 2, 9}}}, {{{9, 0, 3}, {3, 3, 3}, {3, 3, 3}}},
    {{{0, 0, 0}, {0, 0, 0}, {0, 0, 0}}},  {{{10, 10, 10}, {10, 10, 10}, {10, 10, 10}}},
    {{{5, 5, 5}, {5, 5, 5}, {5, 5, 5}}},  {{{1, 1, 1}, {1, 1, 1}, {0, 2, 1}}},
    {{{9, 10, 9}, {9, 9, 9}, {9, 9, 9}}}, {{{2, 4, 3}, {3, 3, 3}, {3, 3, 3}}},
};
const std::vector<std::string> kRightAnswers = {"5", "4.5", "0", "10", "5.0", "1", "9.5", "3"};
const std::vector<std::string> kWrongAnswers = {"4", "4,5", "1", "9", "abc", "", "9", "3.01"};

void QueueExam(ScriptedRandom& random) {
    for (const ExampleMatrix& matrix : kExamMatrices) {
        random.QueueRandoms(RandomsForMatrix(matrix));
    }
}

// Plays one exam, answering the examples named in rightOnes correctly; returns each answer's outcome.
std::vector<AnswerOutcome> PlayExam(ExamState& state, ScriptedRandom& random, const std::vector<bool>& rightOnes) {
    QueueExam(random);
    std::vector<AnswerOutcome> outcomes;
    for (std::size_t example = 0; example < kExamMatrices.size(); ++example) {
        NextExample(state, example == 0, random);
        EXPECT_EQ(state.ExampleNumber, static_cast<std::int16_t>(example + 1));
        const std::string& answer = rightOnes[example] ? kRightAnswers[example] : kWrongAnswers[example];
        outcomes.push_back(SubmitAnswer(state, answer));
    }
    return outcomes;
}

class ExamScore : public ::testing::TestWithParam<int> {};

// Every count of right answers from none to all, placed at the end of the exam so the first examples are wrong.
TEST_P(ExamScore, IsTwoPointsForEachRightAnswer) {
    const int rightCount = GetParam();
    std::vector<bool> rightOnes(8, false);
    for (int example = 8 - rightCount; example < 8; ++example) {
        rightOnes[static_cast<std::size_t>(example)] = true;
    }
    ScriptedRandom random;
    ExamState state;

    const std::vector<AnswerOutcome> outcomes = PlayExam(state, random, rightOnes);

    EXPECT_EQ(state.Score, 2 * rightCount);
    for (std::size_t example = 0; example < outcomes.size(); ++example) {
        EXPECT_EQ(outcomes[example].Correct, rightOnes[example]) << "example " << example + 1;
        EXPECT_EQ(outcomes[example].Finished, example == 7) << "example " << example + 1;
    }
}

INSTANTIATE_TEST_SUITE_P(RightAnswers, ExamScore, ::testing::Range(0, 9));

TEST(Exam, ASecondExamStartsAgainAtOneWithNoPoints) {
    ScriptedRandom random;
    ExamState state;
    PlayExam(state, random, std::vector<bool>(8, true));
    ASSERT_EQ(state.Score, 16);

    QueueExam(random);
    NextExample(state, true, random);

    EXPECT_EQ(state.ExampleNumber, 1);
    EXPECT_EQ(state.Score, 0);
    EXPECT_EQ(state.CorrectAnswer, 5.0);
}

TEST(Exam, ScoreStaysAfterTheExamUntilTheNextOneStarts) {
    ScriptedRandom random;
    ExamState state;
    PlayExam(state, random, {true, false, true, false, true, false, true, false});
    EXPECT_EQ(state.Score, 8);
    EXPECT_EQ(state.ExampleNumber, 8);
}

TEST(Exam, FinishedOnlyAtExactlyTheLastExample) {
    ScriptedRandom random;
    ExamState state;
    state.ExampleNumber = 8;
    NextExample(state, false, random);
    EXPECT_EQ(state.ExampleNumber, 9);
    EXPECT_FALSE(SubmitAnswer(state, "0").Finished);
}

struct AnswerCase : testing::NamedRow {
    ExampleMatrix matrix;
    const char* answer;
    bool correct;
};

class SubmitAnswerText : public ::testing::TestWithParam<AnswerCase> {};

TEST_P(SubmitAnswerText, IsRightOnlyWhenItsNumberEqualsTheMidpointExactly) {
    const AnswerCase& answer = GetParam();
    ScriptedRandom random;
    random.QueueRandoms(RandomsForMatrix(answer.matrix));
    ExamState state;
    NextExample(state, true, random);

    const AnswerOutcome outcome = SubmitAnswer(state, answer.answer);

    EXPECT_EQ(outcome.Correct, answer.correct);
    EXPECT_EQ(state.Score, answer.correct ? 2 : 0);
}

const ExampleMatrix kAnswerFive{{{3, 7, 1}, {10, 0, 5}, {2, 2, 9}}};
const ExampleMatrix kAnswerFourAndAHalf{{{9, 0, 3}, {3, 3, 3}, {3, 3, 3}}};
const ExampleMatrix kAnswerZero{};

INSTANTIATE_TEST_SUITE_P(Texts, SubmitAnswerText,
                         ::testing::Values(AnswerCase{"WholeNumber", kAnswerFive, "5", true},
                                           AnswerCase{"WithDecimals", kAnswerFive, "5.0", true},
                                           AnswerCase{"WithBlanksAround", kAnswerFive, "  5 ", true},
                                           AnswerCase{"NearlyRight", kAnswerFive, "5.000001", false},
                                           AnswerCase{"Half", kAnswerFourAndAHalf, "4.5", true},
                                           AnswerCase{"CommaEndsTheNumber", kAnswerFourAndAHalf, "4,5", false},
                                           AnswerCase{"EmptyTextIsZeroAndWrong", kAnswerFive, "", false},
                                           AnswerCase{"EmptyTextIsZeroAndRightForZeros", kAnswerZero, "", true},
                                           AnswerCase{"BeyondTheDoubleRangeIsWrong", kAnswerFive, "1e400", false}),
                         testing::RowName());

TEST(SubmitAnswer, KeepsTheConvertedAnswer) {
    ScriptedRandom random;
    ExamState state;
    NextExample(state, true, random);
    SubmitAnswer(state, "-12.25xyz");
    EXPECT_EQ(state.UserAnswer, -12.25);
}

// Neither can happen in an exam of eight examples, but the arithmetic must still refuse to wrap.
TEST(Exam, SixteenBitOverflowOfScoreOrExampleNumberIsARunTimeError) {
    ScriptedRandom random;
    ExamState state;
    NextExample(state, true, random);
    state.Score = 32766;
    EXPECT_THROW(SubmitAnswer(state, std::to_string(state.CorrectAnswer)), RunTimeError);

    state.ExampleNumber = 32767;
    EXPECT_THROW(NextExample(state, false, random), RunTimeError);
}

} // namespace
} // namespace testola
