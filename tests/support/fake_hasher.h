#pragma once
// A Hasher for core tests, which cannot reach Qt's: FNV-1a over the bytes, four times with
// different seeds, as 64 hexadecimal digits. Different bytes give different digests as far as
// the tests go; it is no SHA-256.

#include "platform/hasher.h"

#include <cstdint>
#include <cstdio>

namespace pw {

class FakeHasher final : public Hasher {
public:
    std::string Sha256Hex(std::string_view bytes) override {
        std::string hex;
        for (std::uint64_t seed = 0; seed < 4; ++seed) {
            std::uint64_t h = 14695981039346656037ull ^ seed;
            for (const char c : bytes) h = (h ^ static_cast<unsigned char>(c)) * 1099511628211ull;
            char part[17];
            std::snprintf(part, sizeof part, "%016llx", static_cast<unsigned long long>(h));
            hex += part;
        }
        return hex;
    }
};

} // namespace pw
