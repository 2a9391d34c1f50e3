#include "gui/recent_files.h"

#include "shell/layout_commands.h"
#include "gui/application.h"
#include "qt/win1252.h"
#include "shell/close_query.h"

#include <QSettings>

namespace pw {

namespace {

constexpr const char* kKey = "recentFiles";

} // namespace

RecentFiles::RecentFiles(Editor& editor, QWidget* parent)
    : QMenu("&Recent files", parent), AttachedObserver(editor.observers), editor_(editor) {
    setObjectName("RecentFiles1");
    // The items are made as the menu opens: never while one of them is still being handled.
    connect(this, &QMenu::aboutToShow, this, &RecentFiles::Rebuild);
    menuAction()->setEnabled(!Files().isEmpty());
}

QStringList RecentFiles::Files() const {
    return QSettings().value(kKey).toStringList().mid(0, kMaxFiles);
}

void RecentFiles::LayoutSaved() {
    if (editor_.doc.LayoutFileName.empty()) return;
    const QString file = FromWin1252(editor_.doc.LayoutFileName);
    QStringList files = Files();
    files.removeAll(file);
    files.prepend(file);
    Store(files);
}

void RecentFiles::Store(const QStringList& files) {
    QSettings().setValue(kKey, files.mid(0, kMaxFiles));
    menuAction()->setEnabled(!files.isEmpty());
}

void RecentFiles::Rebuild() {
    clear();
    const QStringList files = Files();
    for (qsizetype i = 0; i < files.size(); ++i) {
        const QString file = files[i];
        QString shown = file;
        QAction* item = addAction(QString("&%1 %2").arg(i + 1).arg(shown.replace('&', "&&")));
        item->setObjectName(QString("RecentFile%1").arg(i + 1));
        connect(item, &QAction::triggered, this, [this, file] { Open(file); });
    }
}

void RecentFiles::Open(const QString& file) {
    RunCommand([&] {
        if (!SaveBeforeLoading(editor_)) return;
        if (LoadRecent(editor_, ToWin1252(file))) return;
        QStringList files = Files();
        files.removeAll(file);
        Store(files);
    });
}

} // namespace pw
