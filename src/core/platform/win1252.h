#pragma once
// Layout texts and names are Windows-1252 bytes; the file system and Qt speak UTF-8.

#include <string>

namespace pw {

std::string Win1252ToUtf8(const std::string& bytes);
// Characters Windows-1252 cannot hold, and malformed UTF-8, become '?'.
std::string Utf8ToWin1252(const std::string& utf8);
// Whether Windows-1252 holds the character.
bool InWin1252(char32_t u);

} // namespace pw
