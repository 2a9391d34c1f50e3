#pragma once
// Digests of file contents, which the platform computes for the core.

#include <string>
#include <string_view>

namespace pw {

class Hasher {
public:
    virtual ~Hasher() = default;
    // The SHA-256 digest of the bytes as 64 lower-case hexadecimal digits.
    virtual std::string Sha256Hex(std::string_view bytes) = 0;
};

} // namespace pw
