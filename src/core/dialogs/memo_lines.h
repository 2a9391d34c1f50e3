#pragma once
// A memo separates its lines by LF alone; window texts keep CR LF between them on every
// system, as the layout file and the display expect.

#include <string>

namespace pw {

// Every LF of the text preceded by a CR.
std::string CrLfLines(const std::string& lfText);

} // namespace pw
