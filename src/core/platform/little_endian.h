#pragma once
// Numbers in the display files: little-endian, low byte first, in byte strings.

#include <cstdint>
#include <string>
#include <string_view>

namespace pw {

inline void AppendLE16(std::string& out, std::uint16_t value) {
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>(value >> 8);
}

inline void AppendLE32(std::string& out, std::int32_t value) {
    const auto v = static_cast<std::uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8) out += static_cast<char>((v >> shift) & 0xFF);
}

// The numbers at bytes[at]; the caller has checked that they lie inside.
inline std::uint16_t LE16At(std::string_view bytes, std::size_t at) {
    return static_cast<std::uint16_t>(static_cast<std::uint8_t>(bytes[at]) |
                                      static_cast<std::uint8_t>(bytes[at + 1]) << 8);
}

inline std::int32_t LE32At(std::string_view bytes, std::size_t at) {
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = v << 8 | static_cast<std::uint8_t>(bytes[at + i]);
    return static_cast<std::int32_t>(v);
}

} // namespace pw
