#pragma once
// The Problems panel: what the layout check finds, one row a problem, kept up to date after
// every command. A double-click goes to the problem's window and index.

#include "check/display_fonts.h"
#include "check/problem.h"
#include "shell/editor.h"

#include <QDockWidget>

#include <vector>

class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

namespace pw {

class ProblemsDock : public QDockWidget, private AttachedObserver {
    Q_OBJECT
public:
    ProblemsDock(Editor& editor, QWidget* parent);

    // Checks the layout again and shows what it finds; after a load that finds errors the
    // panel shows itself.
    void Refresh();
    const std::vector<Problem>& Problems() const { return problems_; }
    // The status bar's count of errors and warnings.
    QLabel* CountLabel() const { return count_; }

private:
    void LayoutReplaced() override { replaced_ = true; }
    void LayoutSaved() override { saved_ = true; }
    void Fill();
    void Activated(QTreeWidgetItem* item);

    Editor& editor_;
    DisplayFonts fonts_;
    std::vector<Problem> problems_;
    QTreeWidget* list_;
    QLabel* count_;
    // Since the last check: another layout took the place of the shown one, and nothing in it
    // is unsaved. Both at once is a load (or a new layout).
    bool replaced_ = false, saved_ = false;
};

} // namespace pw
