#pragma once
// SHA-256 digests through libgcrypt, which uses the processor's SHA instructions where it has
// them: several times as fast as Qt's portable hash, and a deployment digests every file it
// writes. Qt's own dependencies load libgcrypt into both programs already, so it costs their
// start nothing; OpenSSL's libcrypto, as fast, takes longer to load at every start than a
// deployment's digests take.

#include "platform/hasher.h"

namespace pw {

class GcryptHasher final : public Hasher {
public:
    std::string Sha256Hex(std::string_view bytes) override;
};

} // namespace pw
