#include "matrix_script.h"
#include "row_name.h"
#include "scripted_form1.h"
#include "verdict.h"

#include <vector>

namespace testola::testing {
namespace {

// The rows of the window's state table.
enum class WindowState { Start, ExampleShown, Answered, Finished, ResultShown };

const ExampleMatrix kFive{{{3, 7, 1}, {10, 0, 5}, {2, 2, 9}}};
const ExampleMatrix kFourAndAHalf{{{9, 0, 3}, {3, 3, 3}, {3, 3, 3}}};
const char* const kFiveText = "\r\n 3 7 1\r\n 10 0 5\r\n 2 2 9";

class Form1Behaviour : public ScriptedForm1Test {
protected:
    void ExpectState(WindowState state) {
        const bool examEnabled =
            state == WindowState::Start || state == WindowState::Answered || state == WindowState::ResultShown;
        const bool answerEnabled = state == WindowState::ExampleShown;
        const bool resultEnabled = state == WindowState::Finished || state == WindowState::ResultShown;
        const bool showsMatrix = state == WindowState::ExampleShown || state == WindowState::Answered;
        const char* examTexts = showsMatrix ? "Следующий пример" : "Пройти экзамен";
        EXPECT_EQ(m_view.IsEnabled("Command4"), examEnabled);
        EXPECT_EQ(m_view.IsEnabled("Command6"), answerEnabled);
        EXPECT_EQ(m_view.IsEnabled("Command5"), resultEnabled);
        EXPECT_EQ(m_view.PanelCaption.empty(), !showsMatrix);
        EXPECT_EQ(m_view.Caption("Command4"), examTexts);
        EXPECT_EQ(m_view.Tooltip("Command4"), examTexts);
        EXPECT_FALSE(m_view.IsEnabled("Command3"));
        EXPECT_TRUE(m_view.IsEnabled("Command1"));
        EXPECT_TRUE(m_view.IsEnabled("Command2"));
    }

    // Plays one example: shows it and answers it with the given text.
    void PlayExample(const ExampleMatrix& matrix, const std::string& answer) {
        m_random.QueueRandoms(RandomsForMatrix(matrix));
        m_runtime.QueueAnswer(answer);
        Click("Command4");
        Click("Command6");
    }

    // Plays a whole exam with the first rightCount answers right and the rest wrong, then asks for the result.
    void PlayExam(int rightCount) {
        for (int example = 0; example < 8; ++example) {
            PlayExample(kFourAndAHalf, example < rightCount ? "4.5" : "4");
        }
        Click("Command5");
    }
};

TEST_F(Form1Behaviour, WalksThroughEveryStateOfTheTable) {
    ExpectState(WindowState::Start);
    m_random.QueueRandoms(RandomsForMatrix(kFive));
    Click("Command4");
    ExpectState(WindowState::ExampleShown);
    EXPECT_EQ(m_view.PanelCaption, kFiveText);
    EXPECT_EQ(m_form.State().ExampleNumber, 1);

    for (int example = 1; example < 8; ++example) {
        m_runtime.QueueAnswer("5");
        Click("Command6");
        ExpectState(WindowState::Answered);
        EXPECT_EQ(m_view.PanelCaption, kFiveText) << "the answered matrix stays in view";
        m_random.QueueRandoms(RandomsForMatrix(kFive));
        Click("Command4");
        ExpectState(WindowState::ExampleShown);
        EXPECT_EQ(m_form.State().ExampleNumber, example + 1);
    }
    m_runtime.QueueAnswer("5");
    Click("Command6");
    ExpectState(WindowState::Finished);
    EXPECT_TRUE(m_runtime.Messages.empty());

    Click("Command5");
    ExpectState(WindowState::ResultShown);
    Click("Command5");
    ExpectState(WindowState::ResultShown);
    ASSERT_EQ(m_runtime.Messages.size(), 2u);
    EXPECT_EQ(m_runtime.Messages[0].Prompt, m_runtime.Messages[1].Prompt);

    Click("Command4");
    ExpectState(WindowState::ExampleShown);
    EXPECT_EQ(m_form.State().ExampleNumber, 1);
    EXPECT_EQ(m_form.State().Score, 0);
}

TEST_F(Form1Behaviour, AsksForTheAnswerWithItsPromptTitleAndZeroDefault) {
    PlayExample(kFive, "5");
    ASSERT_EQ(m_runtime.InputBoxes.size(), 1u);
    EXPECT_EQ(m_runtime.InputBoxes[0].Prompt, "Введите ответ");
    EXPECT_EQ(m_runtime.InputBoxes[0].Title, "Ввод ответа");
    EXPECT_EQ(m_runtime.InputBoxes[0].DefaultText, "0");
}

TEST_F(Form1Behaviour, AllRightGivesTheDayDepartmentWithSixteenPoints) {
    PlayExam(8);
    ASSERT_EQ(m_runtime.Messages.size(), 1u);
    const Verdict day = MakeVerdict(16);
    EXPECT_EQ(m_runtime.Messages[0].Title, day.Title);
    EXPECT_EQ(m_runtime.Messages[0].Prompt, day.Body);
    EXPECT_EQ(m_runtime.Messages[0].Style, day.Style);
}

struct BandCase : NamedRow {
    int rightCount;
};

class Form1Band : public Form1Behaviour, public ::testing::WithParamInterface<BandCase> {};

TEST_P(Form1Band, AMixedExamShowsTheVerdictOfItsScore) {
    PlayExam(GetParam().rightCount);
    ASSERT_EQ(m_runtime.Messages.size(), 1u);
    const Verdict verdict = MakeVerdict(static_cast<std::int16_t>(2 * GetParam().rightCount));
    EXPECT_EQ(m_runtime.Messages[0].Prompt, verdict.Body);
    EXPECT_EQ(m_runtime.Messages[0].Style, verdict.Style);
}

INSTANTIATE_TEST_SUITE_P(Bands, Form1Band,
                         ::testing::Values(BandCase{"Day", 7}, BandCase{"Evening", 5}, BandCase{"Correspondence", 4},
                                           BandCase{"Refused", 3}),
                         RowName());

TEST_F(Form1Behaviour, ACancelledAnswerCountsAsZeroAndUsesUpTheExample) {
    PlayExample(kFive, "");
    EXPECT_EQ(m_form.State().UserAnswer, 0.0);
    EXPECT_EQ(m_form.State().Score, 0);
    ExpectState(WindowState::Answered);
    PlayExample(ExampleMatrix{}, "");
    EXPECT_EQ(m_form.State().Score, 2) << "zero is right for a matrix of zeros";
}

TEST_F(Form1Behaviour, ACommaEndsTheNumberSoFourCommaFiveIsWrongWhereFourPointFiveIsNeeded) {
    PlayExample(kFourAndAHalf, "4,5");
    EXPECT_EQ(m_form.State().Score, 0);
    PlayExample(kFourAndAHalf, "4.5");
    EXPECT_EQ(m_form.State().Score, 2);
}

TEST_F(Form1Behaviour, ASecondExamAfterTheVerdictStartsAfresh) {
    PlayExam(8);
    m_random.QueueRandoms(RandomsForMatrix(kFive));
    Click("Command4");
    EXPECT_EQ(m_form.State().ExampleNumber, 1);
    EXPECT_EQ(m_form.State().Score, 0);
    EXPECT_FALSE(m_view.IsEnabled("Command5"));
    PlayExam(0);
    ASSERT_EQ(m_runtime.Messages.size(), 2u);
    EXPECT_EQ(m_runtime.Messages[1].Title, MakeVerdict(0).Title);
}

TEST_F(Form1Behaviour, ClicksOnDisabledButtonsDoNothing) {
    Click("Command6");
    Click("Command5");
    Click("Command3");
    EXPECT_TRUE(m_runtime.InputBoxes.empty());
    EXPECT_TRUE(m_runtime.Messages.empty());
    ExpectState(WindowState::Start);

    m_random.QueueRandoms(RandomsForMatrix(kFive));
    Click("Command4");
    Click("Command4");
    Click("Command5");
    EXPECT_EQ(m_random.RandomsDrawn, 9);
    ExpectState(WindowState::ExampleShown);
}

TEST_F(Form1Behaviour, TheExamButtonStartsANewExamOnlyWhenCaptionAndTooltipMatchExactly) {
    PlayExam(8);
    m_view.SetTooltip("Command4", "пройти экзамен");
    Click("Command4");
    EXPECT_EQ(m_form.State().ExampleNumber, 9) << "the texts differ in case, so the exam goes on";
    EXPECT_EQ(m_form.State().Score, 16);
}

TEST_F(Form1Behaviour, MinimisingInTheMiddleOfAnExampleChangesNothing) {
    PlayExample(kFive, "5");
    m_random.QueueRandoms(RandomsForMatrix(kFourAndAHalf));
    Click("Command4");
    const ExamState before = m_form.State();

    Click("Command2");

    EXPECT_EQ(m_runtime.MinimiseCount, 1);
    ExpectState(WindowState::ExampleShown);
    EXPECT_EQ(m_form.State().ExampleNumber, before.ExampleNumber);
    EXPECT_EQ(m_form.State().Score, before.Score);
    EXPECT_EQ(m_form.State().MatrixText, before.MatrixText);
    EXPECT_EQ(m_view.PanelCaption, before.MatrixText);
}

TEST_F(Form1Behaviour, TheExitButtonEndsTheProgram) {
    Click("Command1");
    EXPECT_EQ(m_runtime.EndCount, 1);
}

TEST_F(Form1Behaviour, ACloseRequestFromTheDesktopEndsTheProgram) {
    m_form.RequestClose();
    EXPECT_EQ(m_runtime.EndCount, 1);
}

TEST_F(Form1Behaviour, AFailureInAHandlerIsReportedWithItsKind) {
    m_random.FailNextRandom(RunTimeErrorKind::Overflow);
    Click("Command4");
    ASSERT_EQ(m_runtime.Reports.size(), 1u);
    EXPECT_EQ(m_runtime.Reports[0], RunTimeErrorDescription(RunTimeErrorKind::Overflow));
    m_runtime.Reports.clear();
}

TEST_F(Form1Behaviour, AnyOtherFailureInAHandlerIsReportedInRussianToo) {
    m_random.QueueRandoms(RandomsForMatrix(kFive));
    Click("Command4");
    Click("Command6"); // no answer scripted: the scripted box throws a plain C++ exception
    ASSERT_EQ(m_runtime.Reports.size(), 1u);
    EXPECT_EQ(m_runtime.Reports[0], UnexpectedFailureDescription());
    m_runtime.Reports.clear();
}

TEST_F(Form1Behaviour, TheAnswerButtonAndTheAnswerBoxSayTheExampleUntilTheExamEnds) {
    const auto description = [this] { return m_view.Description("Command6"); };
    const char* const spoken = "Пример 1. Строка 1: 3, 7, 1. Строка 2: 10, 0, 5. Строка 3: 2, 2, 9.";
    EXPECT_EQ(description(), "");
    PlayExample(kFive, "5");
    EXPECT_EQ(description(), spoken);
    ASSERT_EQ(m_runtime.InputBoxes.size(), 1u);
    EXPECT_EQ(m_runtime.InputBoxes[0].Parts.LinesAbove, (std::vector<std::string>{"3 7 1", "10 0 5", "2 2 9"}));
    EXPECT_EQ(m_runtime.InputBoxes[0].Parts.FieldDescription, spoken);
    EXPECT_EQ(m_runtime.InputBoxes[0].Parts.Hint, "Дробную часть пишите после точки, например: 4.5");

    for (int example = 2; example <= 8; ++example) {
        PlayExample(kFourAndAHalf, "4");
    }
    EXPECT_EQ(m_runtime.InputBoxes.back().Parts.FieldDescription,
              "Пример 8. Строка 1: 9, 0, 3. Строка 2: 3, 3, 3. Строка 3: 3, 3, 3.");
    EXPECT_EQ(description(), "");
}

TEST_F(Form1Behaviour, FocusFollowsTheButtonEachHandlerEnables) {
    for (int example = 1; example <= 8; ++example) {
        m_random.QueueRandoms(RandomsForMatrix(kFive));
        Click("Command4");
        EXPECT_EQ(m_view.Focus(), "Command6");
        m_runtime.QueueAnswer("5");
        Click("Command6");
        EXPECT_EQ(m_view.Focus(), example < 8 ? "Command4" : "Command5");
    }
    Click("Command5");
    EXPECT_EQ(m_view.Focus(), "Command4");
}

} // namespace
} // namespace testola::testing
