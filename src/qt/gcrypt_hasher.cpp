#include "qt/gcrypt_hasher.h"

#include <gcrypt.h>

namespace pw {

std::string GcryptHasher::Sha256Hex(std::string_view bytes) {
    // The library must be initialised once before its first use; a program that keeps no
    // secrets needs none of its secure memory.
    [[maybe_unused]] static const bool initialised = [] {
        gcry_check_version(nullptr);
        gcry_control(GCRYCTL_DISABLE_SECMEM, 0);
        gcry_control(GCRYCTL_INITIALIZATION_FINISHED, 0);
        return true;
    }();
    constexpr unsigned kSize = 32;
    unsigned char digest[kSize];
    gcry_md_hash_buffer(GCRY_MD_SHA256, digest, bytes.data(), bytes.size());
    static constexpr char kHex[] = "0123456789abcdef";
    std::string hex;
    hex.reserve(2 * kSize);
    for (const unsigned char byte : digest) {
        hex += kHex[byte >> 4];
        hex += kHex[byte & 15];
    }
    return hex;
}

} // namespace pw
