#pragma once
// The Windows panel: the layout's windows in drawing order with a filter box, the selection
// shown and chosen in it, the drawing order changed by dragging rows, and each window's hide
// and lock toggles, kept per layout file in the user's settings.

#include "shell/editor.h"

#include <QDockWidget>

#include <string>

class QLineEdit;
class QSortFilterProxyModel;
class QTableView;

namespace pw {

class WindowsModel;

class WindowsDock : public QDockWidget, private AttachedObserver {
    Q_OBJECT
public:
    WindowsDock(Editor& editor, QWidget* parent);

    // Shows the layout as it is now: after every command.
    void Refresh();
    QTableView* List() const { return list_; }
    QLineEdit* Filter() const { return filter_; }
    // Gives the filter its clear button, whose icon comes from the icon theme, which the first
    // frame does not wait for.
    void ShowIcons();

private:
    void LayoutReplaced() override { FileMaybeChanged(); }
    void LayoutSaved() override { FileMaybeChanged(); }
    void SelectionChanged() override { ShowSelection(); }
    // Another file's marks come in; a layout saved for the first time keeps the ones it has.
    void FileMaybeChanged();
    void ShowSelection();
    void RowsChosen();

    Editor& editor_;
    WindowsModel* model_;
    QSortFilterProxyModel* proxy_;
    QTableView* list_;
    QLineEdit* filter_;
    std::string file_; // the layout file whose marks are shown
    bool showing_ = false;
};

} // namespace pw
