// The digests a deployment record holds are those of the published SHA-256 test vectors.

#include "qt/sha256_hasher.h"

#include <gtest/gtest.h>

namespace pw {
namespace {

TEST(Sha256HasherTest, GivesThePublishedDigestsInLowerCaseHex) {
    Sha256Hasher hasher;
    EXPECT_EQ(hasher.Sha256Hex(""),
              "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
    EXPECT_EQ(hasher.Sha256Hex("abc"),
              "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    // Bytes past a zero are digested too: the files are binary.
    EXPECT_EQ(hasher.Sha256Hex(std::string_view("abc\0", 4)),
              hasher.Sha256Hex(std::string("abc\0", 4)));
    EXPECT_NE(hasher.Sha256Hex(std::string_view("abc\0", 4)), hasher.Sha256Hex("abc"));
}

} // namespace
} // namespace pw
