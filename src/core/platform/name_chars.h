#pragma once
// Names that come from a layout (font faces, folder parts) become file names. These keep
// them to one plain name inside the folder they are joined to, on every system the display
// files may go to.

#include <string>

namespace pw {

// Not a control character, a folder separator, a drive colon or one of the characters
// Windows keeps for patterns and redirection (* ? " < > |).
bool CanStandInName(char c);

// Not empty, not starting with a dot (so neither "." nor ".." nor a hidden file), and every
// character can stand in a name.
bool IsPlainFileName(const std::string& name);

// Not empty, not made of dots and spaces alone (so neither "." nor ".." nor a name Windows
// reads as one of them), and every character can stand in a name.
bool IsPlainFolderName(const std::string& name);

} // namespace pw
