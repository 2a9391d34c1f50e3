#include "qt/gcrypt_hasher.h"

#include <gtest/gtest.h>

#include <string>

namespace pw {
namespace {

TEST(GcryptHasher, GivesTheStandardDigestsInLowerCaseHex) {
    GcryptHasher hasher;
    EXPECT_EQ(hasher.Sha256Hex(""),
              "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
    EXPECT_EQ(hasher.Sha256Hex("abc"),
              "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    EXPECT_EQ(hasher.Sha256Hex(std::string(1000000, 'a')),
              "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0");
    // Bytes past a zero count too.
    EXPECT_NE(hasher.Sha256Hex(std::string("a\0b", 3)), hasher.Sha256Hex("a"));
}

} // namespace
} // namespace pw
