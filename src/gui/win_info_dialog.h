#pragma once
// The Window Information dialog: the always-open property sheet of the current window.

#include "gui/form_layout.h"
#include "shell/editor.h"

#include <QDialog>
#include <QLabel>

namespace pw {

class TfWinInfo : public QDialog, private AttachedObserver {
    Q_OBJECT
public:
    TfWinInfo(Editor& editor, QWidget* parent);

    // Refills every control from the current window (nothing without one).
    void ShowWindowInfo();
    // Refills the position rows.
    void ShowPositionRows();

protected:
    // The sheet is never put away from the keyboard: Escape leaves it open.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void LayoutReplaced() override { ShowWindowInfo(); }
    void SelectionChanged() override;
    void WindowChanged() override { ShowWindowInfo(); }
    void PositionChanged() override { ShowPositionRows(); }

    Editor& editor_;
    QLabel* lbNumber_;
    QLabel* lbType_;
};

} // namespace pw
