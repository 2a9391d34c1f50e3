#include "dialogs/unstorable.h"

#include <gtest/gtest.h>

namespace pw {
namespace {

TEST(Unstorable, CharactersOutsideWindows1252AreFoundEachOnceWithTheirPlaces) {
    // "é" and "€" are Windows-1252; "Ω" is not, nor the emoji (a surrogate pair) nor a lone
    // surrogate.
    const std::u16string text = u"é€Ω a Ω\U0001F600b\xD800";
    const Unstorable found = FindUnstorable(text);
    ASSERT_EQ(found.spans.size(), 4u);
    const std::size_t starts[] = {2, 6, 7, 10}, lengths[] = {1, 1, 2, 1};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(found.spans[i].start, starts[i]) << i;
        EXPECT_EQ(found.spans[i].length, lengths[i]) << i;
    }
    EXPECT_EQ(found.distinct, (std::vector<std::u16string>{u"Ω", u"\U0001F600", u"\xD800"}));
    EXPECT_TRUE(FindUnstorable(u"Lift 3 \u00A0 – ‰").spans.empty());
}

TEST(Unstorable, TheTextDelimiterIsFoundAndExplainedApartFromForeignCharacters) {
    // Written as "|Pipe|Test|", the text would read back as "Pipe".
    const Unstorable pipe = FindUnstorable(u"Pipe|Test||");
    ASSERT_EQ(pipe.spans.size(), 3u);
    EXPECT_EQ(pipe.spans[0].start, 4u);
    EXPECT_EQ(pipe.spans[1].start, 9u);
    EXPECT_EQ(pipe.spans[2].start, 10u);
    EXPECT_EQ(pipe.distinct, std::vector<std::u16string>{u"|"});
    EXPECT_EQ(UnstorableMessage(pipe),
              u"\"|\" was left out: a layout file marks the start and the end of every text "
              u"with it, so a text cannot hold one.");

    const std::u16string both = UnstorableMessage(FindUnstorable(u"Ω|\U0001F600"));
    EXPECT_EQ(both.find(u"These characters cannot be stored in a layout file and were left out: "
                        u"Ω \U0001F600\n\n\"|\" was left out"),
              0u);
    EXPECT_EQ(UnstorableMessage(FindUnstorable(u"Lift 3")), u"");
}

} // namespace
} // namespace pw
