#pragma once
// Characters typed or pasted into a text that a layout file cannot hold: everything outside
// Windows-1252, and "|", which the file puts before and after every text and has no way to
// escape inside one. They are taken out as they come, and the user is told which, and why.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace pw {

struct UnstorableSpan {
    std::size_t start, length; // in UTF-16 code units
};

struct Unstorable {
    std::vector<UnstorableSpan> spans;  // in order of position
    std::vector<std::u16string> distinct; // each character once, in order of appearance
};

// Finds the characters of a UTF-16 text that a layout file cannot hold; a surrogate pair is
// one character, a lone surrogate one of its own.
Unstorable FindUnstorable(std::u16string_view text);

// What the user is told about the characters found: which they are and why each kind was
// left out. Empty when nothing was found.
std::u16string UnstorableMessage(const Unstorable& found);

} // namespace pw
