#include "caption_lines.h"

#include <gtest/gtest.h>

namespace testola::testing {
namespace {

TEST(CaptionLines, SplitAtEachCrLfKeepingEmptyLines) {
    EXPECT_TRUE(CaptionLines(L"").empty());
    EXPECT_EQ(CaptionLines(L"\r\n 3 7 1\r\n 10 0 5\r\n 2 2 9"),
              (std::vector<std::wstring>{L"", L" 3 7 1", L" 10 0 5", L" 2 2 9"}));
    EXPECT_EQ(CaptionLines(L"a\r\n"), (std::vector<std::wstring>{L"a", L""}));
    EXPECT_EQ(CaptionLines(L"a\nb"), (std::vector<std::wstring>{L"a\nb"})) << "a bare LF is no line break";
}

} // namespace
} // namespace testola::testing
