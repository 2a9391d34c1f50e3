#pragma once
// The layout check's problems as scripts read them: one line a problem in the form compilers
// print, or a JSON array.

#include "check/problem.h"

#include <span>
#include <string>

namespace pw {

// "FILE:LINE: error: window 2, text 7: message" (UTF-8; no ":LINE" when the line is not known).
// The file is given as the user named it, in UTF-8.
std::string ProblemLine(const std::string& file, const Problem& problem);

// A JSON array of objects with the keys severity, kind, window, index, line, message and
// pixels, in that order; index, line and pixels are null where they do not apply.
std::string ProblemsJson(std::span<const Problem> problems);

} // namespace pw
