#pragma once
// The File menu's "Recent files": the last eight layouts loaded or saved, most recent first,
// kept between runs in the program's settings.

#include "shell/editor.h"

#include <QMenu>
#include <QStringList>

namespace pw {

class RecentFiles : public QMenu, private AttachedObserver {
    Q_OBJECT
public:
    static constexpr int kMaxFiles = 8;

    RecentFiles(Editor& editor, QWidget* parent);

    // The layout file names, most recent first.
    QStringList Files() const;

private:
    // A layout just loaded or saved under its name goes to the top of the list.
    void LayoutSaved() override;
    void Store(const QStringList& files);
    // The items, from the stored list.
    void Rebuild();
    void Open(const QString& file);

    Editor& editor_;
};

} // namespace pw
