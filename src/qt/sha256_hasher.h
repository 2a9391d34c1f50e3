#pragma once
// SHA-256 digests through OpenSSL, which uses the processor's SHA instructions where it has
// them: every deployment digests every file it writes, the display program included.

#include "platform/hasher.h"

namespace pw {

class Sha256Hasher final : public Hasher {
public:
    std::string Sha256Hex(std::string_view bytes) override;
};

} // namespace pw
