#pragma once
// The Edit menu: Undo and Redo, naming the steps they act on, the clipboard, Duplicate,
// Delete and moving the current window with the arrow keys. Its shortcuts act while the main
// window is active, so the Window Information dialog keeps its own keys.

#include "shell/editor.h"

#include <QKeySequence>
#include <QList>
#include <QMenu>

#include <functional>

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
};

} // namespace pw
