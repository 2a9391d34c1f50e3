#include "windows/indexed_texts.h"

#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string>

namespace pw {
namespace {

// Texts set in any order, growing, shrinking and emptied, read as separate strings would.
TEST(IndexedTexts, EveryTextReadsAsLastSetWhateverTheOthersBecame) {
    IndexedTexts texts;
    std::array<std::string, kIndexCount> model;
    std::mt19937 random(7);
    for (int step = 0; step < 3000; ++step) {
        const std::size_t i = random() % (step < 1500 ? 12 : kIndexCount);
        const std::string text(random() % 4 == 0 ? 0 : random() % 40,
                               static_cast<char>('a' + step % 26));
        texts.Set(i, text);
        model[i] = text;
        if (step % 97 == 0) texts.Compact();
        for (std::size_t k = 0; k < kIndexCount; ++k)
            ASSERT_EQ(texts[k], model[k]) << step << " " << k;
    }
    std::size_t seen = 0;
    for (const std::string_view text : texts) EXPECT_EQ(text, model[seen++]);
    EXPECT_EQ(seen, texts.size());
}

TEST(IndexedTexts, TextsNeverWrittenCompareAsEmpty) {
    IndexedTexts a, b;
    a.Set(5, "five");
    EXPECT_EQ(a[99], "");
    EXPECT_FALSE(a == b);
    a.Set(5, "");
    EXPECT_TRUE(a == b && b == a);
    b.Set(0, "zero");
    EXPECT_FALSE(a == b);
    a.Set(0, "zer");
    a.Set(1, "o");
    EXPECT_FALSE(a == b) << "the same characters, split otherwise";
    a.Set(0, "zero");
    a.Set(1, "");
    EXPECT_TRUE(a == b);
}

} // namespace
} // namespace pw
