#pragma once
// SHA-256 digests through OpenSSL's libcrypto, which uses the processor's SHA instructions
// where it has them: several times as fast as a portable implementation, and a deployment
// digests every file it writes.

#include "platform/hasher.h"

namespace pw {

class LibcryptoHasher final : public Hasher {
public:
    std::string Sha256Hex(std::string_view bytes) override;
};

} // namespace pw
