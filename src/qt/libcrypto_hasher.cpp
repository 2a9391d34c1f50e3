#include "qt/libcrypto_hasher.h"

#include "platform/errors.h"

#include <openssl/evp.h>

namespace pw {

std::string LibcryptoHasher::Sha256Hex(std::string_view bytes) {
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int size = 0;
    if (EVP_Digest(bytes.data(), bytes.size(), digest, &size, EVP_sha256(), nullptr) != 1)
        throw IoError("The SHA-256 digest could not be made.");
    static constexpr char kHex[] = "0123456789abcdef";
    std::string hex;
    hex.reserve(2 * size);
    for (unsigned int i = 0; i < size; ++i) {
        hex += kHex[digest[i] >> 4];
        hex += kHex[digest[i] & 15];
    }
    return hex;
}

} // namespace pw
