#include "shell/int_text.h"
#include "shell/text_lines.h"

#include "platform/errors.h"

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

TEST(StrToInt, AcceptsWholeNumbersOnly) {
    EXPECT_EQ(StrToInt("0"), 0);
    EXPECT_EQ(StrToInt("  42"), 42);
    EXPECT_EQ(StrToInt("-7"), -7);
    EXPECT_EQ(StrToInt("+7"), 7);
    EXPECT_EQ(StrToInt("2147483647"), 2147483647);
    EXPECT_EQ(StrToInt("-2147483648"), -2147483647 - 1);
    for (const char* bad : {"", " ", "-", "1.5", "abc", "12a", "2147483648", "99999999999", "1 "}) {
        try {
            StrToInt(bad);
            ADD_FAILURE() << "accepted '" << bad << "'";
        } catch (const ConversionError& e) {
            EXPECT_EQ(e.what(), "'" + std::string(bad) + "' is not a valid integer value");
        }
    }
}

} // namespace
} // namespace pw
