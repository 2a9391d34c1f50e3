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

} // namespace
} // namespace pw
