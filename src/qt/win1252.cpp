#include "qt/win1252.h"

#include "platform/paths.h"
#include "platform/win1252.h"

namespace pw {

QString FromWin1252(const std::string& bytes) {
    return QString::fromStdString(Win1252ToUtf8(bytes));
}

std::string ToWin1252(const QString& text) { return Utf8ToWin1252(text.toStdString()); }

QString NativePath(const std::string& drivePath) {
    return QString::fromStdString(MapPath(drivePath).string());
}

} // namespace pw
