#include "qt/sha256_hasher.h"

#include "platform/errors.h"

#include <openssl/evp.h>

namespace pw {

std::string Sha256Hasher::Sha256Hex(std::string_view bytes) {
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    if (EVP_Digest(bytes.data(), bytes.size(), digest, &length, EVP_sha256(), nullptr) != 1)
        throw IoError("The SHA-256 digest could not be made.");
    static constexpr char kHex[] = "0123456789abcdef";
    std::string hex;
    hex.reserve(2 * length);
    for (unsigned int i = 0; i < length; ++i) {
        hex += kHex[digest[i] >> 4];
        hex += kHex[digest[i] & 15];
    }
    return hex;
}

} // namespace pw
