#pragma once
// The Edit menu: Undo and Redo, naming the steps they act on, the clipboard, Duplicate,
// Delete and moving the selected windows with the arrow keys, selecting, the drawing order,
// lining windows up and snapping to the grid. Its shortcuts act while the main
// window is active, so the Window Information dialog keeps its own keys.

#include "shell/editor.h"
#include "windows/align.h"

#include <QKeySequence>
#include <QList>
#include <QMenu>

#include <functional>
#include <utility>
#include <vector>

namespace pw {

class EditMenu : public QMenu {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 820;

    EditMenu(Editor& editor, QWidget* parent);

    // Names Undo and Redo after their steps and greys what has nothing to act on: after
    // every command.
    void Refresh();

private:
    QAction* Add(QMenu* menu, const char* name, const QString& caption, const QString& hint,
                 const QList<QKeySequence>& keys, std::function<void()> action);
    void Cut1Click();
    void Copy1Click();
    void Paste1Click();

    Editor& editor_;
    QAction* undo_;
    QAction* redo_;
    // Act on the current window, and on the current window unless it is the Background object
    // (moving, cutting, deleting).
    QList<QAction*> windowItems_;
    QList<QAction*> movingItems_;
    // Each enabled while enough windows are selected for it.
    std::vector<std::pair<QAction*, Alignment>> alignItems_;
    QAction* snapToGrid_;
};

} // namespace pw
