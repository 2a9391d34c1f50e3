#include "gui/window_marks.h"

#include "qt/win1252.h"

#include <QSettings>
#include <QStringList>
#include <QUrl>

namespace pw {

namespace {

// One settings key a file: its path escaped, so that its slashes make no groups.
QString Key(const std::string& layoutFile, const char* what) {
    return "LayoutWindows/" +
           QString::fromLatin1(QUrl::toPercentEncoding(FromWin1252(layoutFile))) + "/" + what;
}

std::set<std::uint32_t> Read(const QString& key) {
    std::set<std::uint32_t> numbers;
    for (const QString& item : QSettings().value(key).toStringList()) {
        bool ok = false;
        const uint n = item.toUInt(&ok);
        if (ok) numbers.insert(n);
    }
    return numbers;
}

void Write(const QString& key, const std::set<std::uint32_t>& numbers) {
    QStringList items;
    for (std::uint32_t n : numbers) items << QString::number(n);
    if (items.isEmpty())
        QSettings().remove(key);
    else
        QSettings().setValue(key, items);
}

} // namespace

void ReadWindowMarks(Editor& editor, const std::string& layoutFile) {
    editor.view.Hidden = layoutFile.empty() ? std::set<std::uint32_t>{} : Read(Key(layoutFile, "hidden"));
    editor.selection.Locked =
        layoutFile.empty() ? std::set<std::uint32_t>{} : Read(Key(layoutFile, "locked"));
}

void WriteWindowMarks(const Editor& editor, const std::string& layoutFile) {
    if (layoutFile.empty()) return;
    Write(Key(layoutFile, "hidden"), editor.view.Hidden);
    Write(Key(layoutFile, "locked"), editor.selection.Locked);
}

} // namespace pw
