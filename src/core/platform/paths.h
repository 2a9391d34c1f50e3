#pragma once
// Layouts name files with Windows paths ("C:\KVP\Display\Display.dcf"). They stay so in
// memory and in files; only a file-system access maps them to the running system.

#include <filesystem>
#include <string>

namespace pw {

// The folder that stands for the root of a drive letter on this system: for C the value of
// PANELWRIGHT_DRIVE_C, else ~/.local/share/panelwright/drive_c; likewise for other letters.
std::filesystem::path DriveRoot(char letter);

// The folder where the editor keeps what it needs between runs (recovery copies), as a
// path in the editor's own form (Windows-1252 bytes): $XDG_STATE_HOME/panelwright, by default
// ~/.local/state/panelwright (C:\Panelwright\Recovery when that name has characters
// Windows-1252 cannot hold); on Windows %LOCALAPPDATA%\Panelwright.
std::string StateFolder();

// A path as written in a layout or typed by the user, mapped to the running system. On
// Windows it is used as it is. Elsewhere "X:\a\b" becomes <drive root of X>/a/b, a rooted
// "\a\b" is taken as drive C, and backslashes in relative paths become slashes; POSIX paths
// pass unchanged.
std::filesystem::path MapPath(const std::string& path);

// The inverse of MapPath for a path of this system: a file below a drive's root becomes the
// drive path a layout keeps ("C:\KVP\Work\logo.bmp"), so that a file chosen in a dialog is
// named in the layout as every other file is. Any other path is kept as it is, as Windows-1252.
std::string DrivePath(const std::filesystem::path& native);

// Position just past the last folder separator ('\', ':' or '/'), or 0 when there is none.
std::size_t NameStart(const std::string& path);

// The name after the last folder separator.
std::string FileNamePart(const std::string& path);

// Index of the '.' that starts the extension of the name part, or npos when it has none.
std::size_t ExtensionPos(const std::string& path);

// The path with its extension replaced by ext (which includes its dot), or ext appended.
std::string ChangeExtension(const std::string& path, const std::string& ext);

} // namespace pw
