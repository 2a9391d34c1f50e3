#pragma once
// The files a command is given, checked before any work is done, so that a folder named by
// mistake is reported as a folder.

#include <string>

namespace pw {

// Throws IoError unless a file is there to be read.
void RequireInputFile(const std::string& path);
// Throws IoError when a folder stands where the file is to be written.
void RequireOutputFile(const std::string& path);

} // namespace pw
