#include "display/text_lines.h"

#include <gtest/gtest.h>

namespace pw {
namespace {

TEST(LineCount, CountsLineFeedsOnly) {
    EXPECT_EQ(LineCount(""), 1u);
    EXPECT_EQ(LineCount("one"), 1u);
    EXPECT_EQ(LineCount("one\r\n"), 2u);
    EXPECT_EQ(LineCount("a\r\nb\r\nc"), 3u);
    EXPECT_EQ(LineCount("a\rb"), 1u);
    EXPECT_EQ(LineCount("a\nb"), 2u);
}

TEST(GetLine, SplitsAtLineFeedsAndEndsAtCarriageReturns) {
    const std::string text = "first\r\nsecond\r\nthird";
    EXPECT_EQ(GetLine(text, 0), "first");
    EXPECT_EQ(GetLine(text, 1), "first");
    EXPECT_EQ(GetLine(text, 2), "second");
    EXPECT_EQ(GetLine(text, 3), "third");
    EXPECT_EQ(GetLine(text, 4), "");
    EXPECT_EQ(GetLine(text, 400), "");
}

TEST(GetLine, EdgeCases) {
    EXPECT_EQ(GetLine("", 1), "");
    EXPECT_EQ(GetLine("", 2), "");
    EXPECT_EQ(GetLine("one\r\n", 2), "");
    // A bare line feed ends nothing by itself: the first line runs on to the carriage return.
    EXPECT_EQ(GetLine("a\nb\r\nc", 1), "a\nb");
    EXPECT_EQ(GetLine("a\nb\r\nc", 2), "b");
    EXPECT_EQ(GetLine("a\nb\r\nc", 3), "c");
    // A carriage return alone cuts the line short.
    EXPECT_EQ(GetLine("ab\rcd", 1), "ab");
}

} // namespace
} // namespace pw
