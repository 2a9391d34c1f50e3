#pragma once
// What the layout check finds: one thing the displays would show wrong, or that is probably
// not meant, with where it is.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace pw {

enum class Severity : std::uint8_t {
    Error,   // the display will show it wrong
    Warning, // probably not meant
};

enum class ProblemKind : std::uint8_t {
    TextTooWide,
    TextTooTall,
    UnshownCharacters,
    FontFaceMissing,
    FontRefused,
    WindowBelowLine,
    DisplaySize,
    WindowOutside,
    WindowHidden,
    BitmapMissing,
    BitmapUnreadable,
    BitmapTooLarge,
    TextGap,
    DestinationMissing,
};

// No index: the problem is the window's as a whole.
constexpr int kNoIndex = -1;

struct Problem {
    Severity severity = Severity::Error;
    ProblemKind kind = ProblemKind::TextTooWide;
    std::uint32_t window = 0; // the window's Number
    int index = kNoIndex;
    std::uint32_t line = 0; // in the layout file; 0 when not known
    std::string message;    // Windows-1252, as every text of the editor
    // For sizes: how many pixels it is off.
    std::optional<long long> pixels;
    friend bool operator==(const Problem&, const Problem&) = default;
};

// The kind as scripts read it: "text-too-wide".
const char* KindName(ProblemKind kind);

std::size_t CountErrors(std::span<const Problem> problems);

} // namespace pw
