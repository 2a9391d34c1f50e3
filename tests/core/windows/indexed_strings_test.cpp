#include "windows/indexed_strings.h"

#include "config/dcf_file.h"
#include "windows/window_list.h"

#include <gtest/gtest.h>

#include <utility>

namespace pw {
namespace {

TEST(IndexedStrings, EntriesNeverWrittenReadEmptyAndCompareAsEmpty) {
    IndexedStrings a, b;
    a[5] = "five";
    EXPECT_EQ(std::as_const(a)[99], "");
    EXPECT_FALSE(a == b);
    a[5].clear();
    EXPECT_TRUE(a == b && b == a);
    b[0] = "zero";
    EXPECT_FALSE(a == b);
}

// Reading every entry must not make a window hold them all: a large layout would double.
TEST(IndexedStrings, WritingALayoutHoldsNoMoreEntries) {
    Layout layout;
    cWindow& w = NewWindow(layout);
    w.Text.Set(2, "two");
    EXPECT_NE(WriteLayoutText(layout).find("|two|"), std::string::npos);
    EXPECT_EQ(w.Text.size(), 3u);
    EXPECT_EQ(w.BMP.size(), 0u);
}

} // namespace
} // namespace pw
