#pragma once
// Window texts hold several lines separated by CR LF.

#include <string>
#include <string_view>

namespace pw {

// Number of line feeds plus one; carriage returns do not count. An empty text has one line.
unsigned LineCount(std::string_view text);

// Line n (1-based; 0 counts as 1): from just after the (n-1)-th line feed up to the next
// carriage return or the end. A line beyond the last one is empty.
std::string GetLine(std::string_view text, unsigned n);

} // namespace pw
