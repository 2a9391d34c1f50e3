#pragma once
// Texts and file names in a layout file stand between two delimiters, and the reader takes
// the first character as the delimiter. The program writes "|", which the displays expect;
// a text that holds "|" itself (only a hand-edited file can give one) is written between
// another character it does not hold, so that it reads back whole.

#include <string>
#include <string_view>

namespace pw {

// Appends the text between delimiters and the line end. Throws FormatError for a text that
// holds all 256 byte values, which no delimiter can close (the reader never gives one).
void AppendDelimited(std::string& file, std::string_view text);

} // namespace pw
