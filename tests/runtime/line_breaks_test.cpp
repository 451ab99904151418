#include "line_breaks.h"

#include <gtest/gtest.h>

namespace testola::testing {
namespace {

using Lines = std::vector<std::string_view>;

TEST(SplitLines, SplitAtEachCrLfKeepingEmptyLines) {
    EXPECT_TRUE(SplitLines("").empty());
    EXPECT_EQ(SplitLines("\r\n 3 7 1\r\n 10 0 5\r\n 2 2 9"), (Lines{"", " 3 7 1", " 10 0 5", " 2 2 9"}));
    EXPECT_EQ(SplitLines("a\r\n"), (Lines{"a", ""}));
    EXPECT_EQ(SplitLines("a\nb"), (Lines{"a\nb"})) << "a bare LF is no line break";
}

} // namespace
} // namespace testola::testing
