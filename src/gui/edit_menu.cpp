#include "gui/edit_menu.h"

#include "gui/application.h"
#include "gui/help_window.h"
#include "qt/win1252.h"
#include "shell/group_commands.h"
#include "shell/keyboard_editing.h"
#include "shell/selection_commands.h"
#include "shell/window_copies.h"
#include "shell/window_commands.h"
#include "windows/window_list.h"

#include <QClipboard>
#include <QGuiApplication>

namespace pw {

EditMenu::EditMenu(Editor& editor, QWidget* parent) : QMenu("&Edit", parent), editor_(editor) {
    setObjectName("Edit1");
    menuAction()->setProperty(kHelpContextProperty, kHelpContext);
    undo_ = Add(this, "Undo1", "&Undo", "Take back the last change", {QKeySequence("Ctrl+Z")},
                [this] { Undo(editor_.doc, editor_.view); });
    redo_ = Add(this, "Redo1", "&Redo", "Make the change taken back last again",
                {QKeySequence("Ctrl+Y"), QKeySequence("Ctrl+Shift+Z")},
                [this] { Redo(editor_.doc, editor_.view); });
    addSeparator();
    const auto cut = Add(this, "Cut1", "Cu&t", "Move the selected window to the clipboard",
                         {QKeySequence("Ctrl+X")}, [this] { Cut1Click(); });
    const auto copy = Add(this, "Copy1", "&Copy", "Copy the selected window to the clipboard",
                          {QKeySequence("Ctrl+C")}, [this] { Copy1Click(); });
    Add(this, "Paste1", "&Paste", "Add the window on the clipboard to the layout",
        {QKeySequence("Ctrl+V")}, [this] { Paste1Click(); });
    const auto duplicate =
        Add(this, "Duplicate1", "&Duplicate", "Add a copy of the selected window",
            {QKeySequence("Ctrl+D")}, [this] { DuplicateSelection(editor_); });
    const auto remove =
        Add(this, "Delete1", "De&lete", "Delete the selected window",
            {QKeySequence(Qt::Key_Delete)}, [this] { DeleteSelection(editor_); });
    addSeparator();
    Add(this, "SelectAll1", "&Select All", "Select every window but the background",
        {QKeySequence("Ctrl+A")}, [this] { SelectAll(editor_); });
    Add(this, "SelectNone1", "Select &None", "Clear the selection", {QKeySequence(Qt::Key_Escape)},
        [this] { ClearSelection(editor_); });
    const auto forward = Add(this, "BringForward1", "Bring &Forward",
                             "Draw the selected windows above the next window",
                             {QKeySequence("Ctrl+]")}, [this] { StepDrawingOrder(editor_, true); });
    const auto backward =
        Add(this, "SendBackward1", "Send &Backward",
            "Draw the selected windows below the previous window", {QKeySequence("Ctrl+[")},
            [this] { StepDrawingOrder(editor_, false); });
    QMenu* align = addMenu("&Align");
    align->setObjectName("Align1");
    struct Line {
        const char* name;
        const char* caption;
        const char* hint;
        Alignment alignment;
    };
    for (const Line& l : {
             Line{"AlignLeft1", "&Left Edges", "Line the left edges up on the current window's",
                  Alignment::LeftEdges},
             Line{"AlignRight1", "&Right Edges", "Line the right edges up on the current window's",
                  Alignment::RightEdges},
             Line{"AlignTop1", "&Top Edges", "Line the top edges up on the current window's",
                  Alignment::TopEdges},
             Line{"AlignBottom1", "&Bottom Edges",
                  "Line the bottom edges up on the current window's", Alignment::BottomEdges},
             Line{"AlignCentresH1", "Centres &Horizontally",
                  "Put the centres on the current window's vertical centre line",
                  Alignment::CentresHorizontally},
             Line{"AlignCentresV1", "Centres &Vertically",
                  "Put the centres on the current window's horizontal centre line",
                  Alignment::CentresVertically},
             Line{"DistributeH1", "Distribute Hori&zontally",
                  "Equal gaps from left to right between the outermost windows",
                  Alignment::DistributeHorizontally},
             Line{"DistributeV1", "Distribute V&ertically",
                  "Equal gaps from top to bottom between the outermost windows",
                  Alignment::DistributeVertically},
             Line{"SameWidth1", "Same &Width", "Give the windows the current window's width",
                  Alignment::SameWidth},
             Line{"SameHeight1", "Same Hei&ght", "Give the windows the current window's height",
                  Alignment::SameHeight},
         }) {
        QAction* item = Add(align, l.name, l.caption, l.hint, {},
                            [this, a = l.alignment] { AlignSelection(editor_, a); });
        alignItems_.push_back({item, l.alignment});
    }
    snapToGrid_ = Add(this, "SnapToGrid1", "Snap to &Grid", "Drags snap to the grid, not to windows",
                      {}, [this] { editor_.pointer.snap.grid = snapToGrid_->isChecked(); });
    snapToGrid_->setCheckable(true);
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
                            [this, s] { NudgeSelection(editor_, s.dx, s.dy); });
        movingItems_ << Add(move, s.farName, QString(s.caption) + " 10 Pixels",
                            "Move the selected window by ten pixels",
                            {QKeySequence(QKeyCombination(Qt::ShiftModifier, s.key))},
                            [this, s] { NudgeSelection(editor_, 10 * s.dx, 10 * s.dy); });
    }
    windowItems_ << copy << duplicate;
    movingItems_ << cut << remove << forward << backward;
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
    for (const auto& [item, alignment] : alignItems_)
        item->setEnabled(CanAlign(editor_.doc.layout, editor_.selection, alignment));
    snapToGrid_->setChecked(editor_.pointer.snap.grid);
}

void EditMenu::Copy1Click() {
    const std::string text = CopyWindowText(editor_.doc.layout, editor_.selection);
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
