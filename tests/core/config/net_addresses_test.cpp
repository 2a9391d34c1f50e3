#include "config/net_addresses.h"

#include "platform/errors.h"

#include <gtest/gtest.h>

#include <limits>

namespace pw {
namespace {

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

TEST(NetAddressesTest, TheFirstDisplayIsShownAndTypedOneAboveItsId) {
    EXPECT_EQ(DisplayAddressText(0), "1");
    EXPECT_EQ(DisplayAddressText(4), "5");
    EXPECT_EQ(DisplayAddressText(-3), "-2");
    EXPECT_EQ(DisplayAddressText(kMax), "2147483648");
    EXPECT_EQ(DisplayIdFromText("7"), 6);
    EXPECT_EQ(DisplayIdFromText("1"), 0);
    // No range is imposed on a typed address.
    EXPECT_EQ(DisplayIdFromText("45"), 44);
    EXPECT_EQ(DisplayIdFromText("0"), -1);
    EXPECT_EQ(DisplayIdFromText("-2147483647"), -2147483647 - 1);
}

TEST(NetAddressesTest, ZeroAndOneBothMeanNoSlave) {
    EXPECT_EQ(SlaveAddressText(0), "0");
    EXPECT_EQ(SlaveAddressText(-5), "0");
    EXPECT_EQ(SlaveAddressText(1), "2");
    EXPECT_EQ(SlaveAddressText(kMax), "2147483648");
    EXPECT_EQ(SlaveIdFromText("0"), 0);
    EXPECT_EQ(SlaveIdFromText("1"), 0);
    EXPECT_EQ(SlaveIdFromText("-9"), 0);
    EXPECT_EQ(SlaveIdFromText("2"), 1);
    EXPECT_EQ(SlaveIdFromText("101"), 100);
    EXPECT_EQ(SlaveIdFromText("-2147483648"), 0);
}

TEST(NetAddressesTest, TextThatIsNoAddressIsAConversionError) {
    for (const char* text : {"", "abc", "1.5", "2147483648"}) {
        EXPECT_THROW(DisplayIdFromText(text), ConversionError) << text;
        EXPECT_THROW(SlaveIdFromText(text), ConversionError) << text;
    }
    // The one address below which no id can be stored.
    try {
        DisplayIdFromText("-2147483648");
        ADD_FAILURE() << "no error";
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'-2147483648' is not a valid integer value");
    }
}

} // namespace
} // namespace pw
