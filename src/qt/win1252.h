#pragma once
// Texts, names and file lines are held as the Windows-1252 bytes of the layout file; widgets
// show QStrings. These two convert at the boundary, and only there.

#include <QString>

#include <string>

namespace pw {

QString FromWin1252(const std::string& bytes);
// Characters Windows-1252 cannot hold become '?'.
std::string ToWin1252(const QString& text);

// A drive path of a layout as a native path for Qt's file functions and dialogs, and back.
QString NativePath(const std::string& drivePath);

} // namespace pw
