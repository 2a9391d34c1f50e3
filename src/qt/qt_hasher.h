#pragma once
// SHA-256 digests through Qt's cryptographic hash.

#include "platform/hasher.h"

namespace pw {

class QtHasher final : public Hasher {
public:
    std::string Sha256Hex(std::string_view bytes) override;
};

} // namespace pw
