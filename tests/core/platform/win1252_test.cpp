#include "platform/win1252.h"

#include <gtest/gtest.h>

namespace pw {
namespace {

TEST(Win1252, EveryByteSurvivesTheRoundTrip) {
    std::string all;
    for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
    EXPECT_EQ(Utf8ToWin1252(Win1252ToUtf8(all)), all);
    EXPECT_EQ(Win1252ToUtf8("\x80"), "\xE2\x82\xAC"); // euro sign
    EXPECT_EQ(Win1252ToUtf8("\xE9"), "\xC3\xA9");
    EXPECT_EQ(Utf8ToWin1252("\xE2\x82\xAC 5"), "\x80 5");
    EXPECT_EQ(Utf8ToWin1252("\xE4\xB8\xAD"), "?"); // not in the code page
    EXPECT_EQ(Utf8ToWin1252("a\xC3"), "a?");       // cut short
    EXPECT_EQ(Utf8ToWin1252("\xFF\xFE"), "??");
}

} // namespace
} // namespace pw
