#include "gui/edit_menu.h"

#include "gui/application.h"
#include "gui/help_window.h"
#include "qt/win1252.h"
#include "shell/keyboard_editing.h"
#include "shell/window_copies.h"
#include "windows/window_list.h"

#include <QClipboard>
#include <QGuiApplication>

namespace pw {

EditMenu::EditMenu(Editor& editor, QWidget* parent) : QMenu("&Edit", parent), editor_(editor) {
    setObjectName("Edit1");
    menuAction()->setProperty(kHelpContextProperty, kHelpContext);
    undo_ = Add(this, "Undo1", "&Undo", "Take back the last change", {QKeySequence("Ctrl+Z")},
                [this] { editor_.doc.history.Undo(editor_); });
    redo_ = Add(this, "Redo1", "&Redo", "Make the change taken back last again",
                {QKeySequence("Ctrl+Y"), QKeySequence("Ctrl+Shift+Z")},
                [this] { editor_.doc.history.Redo(editor_); });
    addSeparator();
    const auto cut = Add(this, "Cut1", "Cu&t", "Move the selected window to the clipboard",
                         {QKeySequence("Ctrl+X")}, [this] { Cut1Click(); });
    const auto copy = Add(this, "Copy1", "&Copy", "Copy the selected window to the clipboard",
                          {QKeySequence("Ctrl+C")}, [this] { Copy1Click(); });
    Add(this, "Paste1", "&Paste", "Add the window on the clipboard to the layout",
        {QKeySequence("Ctrl+V")}, [this] { Paste1Click(); });
    const auto duplicate =
        Add(this, "Duplicate1", "&Duplicate", "Add a copy of the selected window",
            {QKeySequence("Ctrl+D")}, [this] { DuplicateWindow(editor_); });
    const auto remove =
        Add(this, "Delete1", "De&lete", "Delete the selected window",
            {QKeySequence(Qt::Key_Delete)}, [this] { DeleteCurrentWindow(editor_); });
    addSeparator();
    QMenu* move = addMenu("&Move");
    move->setObjectName("Move1");
    struct Step {
        const char* name;
        const char* farName; // ten pixels, with Shift
        const char* caption;
        Qt::Key key;
        int dx, dy;
    };
    for (const Step& s : {Step{"MoveLeft1", "MoveLeftFar1", "Left", Qt::Key_Left, -1, 0},
                          Step{"MoveRight1", "MoveRightFar1", "Right", Qt::Key_Right, 1, 0},
                          Step{"MoveUp1", "MoveUpFar1", "Up", Qt::Key_Up, 0, -1},
                          Step{"MoveDown1", "MoveDownFar1", "Down", Qt::Key_Down, 0, 1}}) {
        // The one-pixel items take the mnemonics; the ten-pixel ones have their keys.
        movingItems_ << Add(move, s.name, "&" + QString(s.caption) + " 1 Pixel",
                            "Move the selected window by one pixel", {QKeySequence(s.key)},
                            [this, s] { NudgeWindow(editor_, s.dx, s.dy); });
        movingItems_ << Add(move, s.farName, QString(s.caption) + " 10 Pixels",
                            "Move the selected window by ten pixels",
                            {QKeySequence(QKeyCombination(Qt::ShiftModifier, s.key))},
                            [this, s] { NudgeWindow(editor_, 10 * s.dx, 10 * s.dy); });
    }
    windowItems_ << copy << duplicate;
    movingItems_ << cut << remove;
    Refresh();
}

QAction* EditMenu::Add(QMenu* menu, const char* name, const QString& caption, const QString& hint,
                       const QList<QKeySequence>& keys, std::function<void()> action) {
    auto* item = new QAction(caption, menu);
    item->setObjectName(name);
    item->setStatusTip(hint);
    item->setShortcuts(keys);
    connect(item, &QAction::triggered, this, [action] { RunCommand(action); });
    menu->addAction(item);
    return item;
}

void EditMenu::Refresh() {
    const UndoHistory& history = editor_.doc.history;
    undo_->setText(FromWin1252("&Undo " + history.UndoName()).trimmed());
    undo_->setEnabled(history.CanUndo());
    redo_->setText(FromWin1252("&Redo " + history.RedoName()).trimmed());
    redo_->setEnabled(history.CanRedo());
    const cWindow* current = editor_.doc.layout.CurWindow;
    for (QAction* item : windowItems_) item->setEnabled(current != nullptr);
    // The Background object is neither moved nor deleted.
    for (QAction* item : movingItems_)
        item->setEnabled(MovableCurrent(editor_.doc.layout) != nullptr);
}

void EditMenu::Copy1Click() {
    const std::string text = CopyWindowText(editor_);
    if (!text.empty()) QGuiApplication::clipboard()->setText(FromWin1252(text));
}

void EditMenu::Cut1Click() {
    const std::string text = CutWindowText(editor_);
    if (!text.empty()) QGuiApplication::clipboard()->setText(FromWin1252(text));
}

void EditMenu::Paste1Click() {
    PasteWindowText(editor_, ToWin1252(QGuiApplication::clipboard()->text()));
}

} // namespace pw
