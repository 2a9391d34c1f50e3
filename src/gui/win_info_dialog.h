#pragma once
// The Window Information dialog: the always-open property sheet of the current window.

#include "gui/form_layout.h"
#include "shell/editor.h"
#include "shell/win_info.h"

#include <QDialog>
#include <QLabel>

#include <functional>

class QCheckBox;
class QComboBox;
class QFontDialog;
class QPushButton;
class QTableWidget;

namespace pw {

struct Forms;
class UpDownEdit;

class TfWinInfo : public QDialog,
                  private AttachedObserver,
                  private InfoCells,
                  private WinInfoDialogs {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 370;

    // The dialogs it opens are taken from forms when a button asks for them: most are made
    // after this one.
    TfWinInfo(Editor& editor, const Forms& forms, QWidget* parent);

    // Refills every control from the current window (nothing without one).
    void ShowWindowInfo();
    // Refills the position rows; what was typed into the grid is dropped.
    void ShowPositionRows();
    // The row typed into and not yet applied.
    int PendingRow() const { return sheet_.PendingRow; }
    // Gives the buttons their icons from the icon theme, which the first frame does not wait
    // for.
    void ShowIcons();

    // The controls, by their design names. The index box holds its up-down (udIndex).
    QLabel* lbNumber;
    QLabel* lbType;
    QPushButton* btPrev;
    QPushButton* btNext;
    QPushButton* btPutTop;
    QPushButton* btDelete;
    QComboBox* cbDrawType;
    UpDownEdit* ebIndex;
    QCheckBox* cbShared;
    QCheckBox* cbLeft;
    QCheckBox* cbCentre;
    QCheckBox* cbRight;
    QCheckBox* cbVCentre;
    QPushButton* btImage;
    QPushButton* btText;
    QPushButton* btColours;
    QPushButton* btFont;
    QLabel* lbFontName;
    QTableWidget* sgInfo;
    // Made when a font is first chosen: listing the system's fonts takes longer than
    // building the rest of the sheet, and start-up need not wait for it.
    QFontDialog* FontDialog1 = nullptr;

protected:
    // The sheet is never put away from the keyboard: Escape leaves it open.
    void keyPressEvent(QKeyEvent* event) override;
    // Enter on the grid while no cell's editor is open.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void LayoutReplaced() override { ShowWindowInfo(); }
    void SelectionChanged() override;
    void WindowChanged() override { ShowWindowInfo(); }
    void PositionChanged() override { ShowPositionRows(); }
    // The display's size is the Background object's position.
    void DisplaySizeChanged(int, int) override { ShowPositionRows(); }

    std::string CellText(int row) const override;

    WindowColours ChooseColours(const WindowColours& codes) override;
    WindowFields EditTexts(const cWindow& w) override;
    std::string ChooseImage(const std::string& imageName, const cWindow& w, int index) override;
    std::optional<FontChoice> ChooseFont(const FontChoice& preset) override;

    // Controls from top to bottom, so that the keyboard visits them in that order.
    void BuildListButtons();
    void BuildProperties();
    void BuildDialogButtons();
    void BuildGrid();
    QPushButton* AddButton(const char* name, const QString& caption, int left, int top,
                           void (WinInfo::*click)());
    QCheckBox* AddJustification(QWidget* box, const char* name, const QString& caption, int left,
                                int top, void (WinInfo::*click)(bool));

    void ShowCell(const cWindow& w, int row);
    void ShowJustification(const cWindow& w);
    void ShowFontName();
    // Runs a grid handler; then every cell shows what the window holds, but for the rows
    // still being typed into, so that no refused value stays as if it had been taken.
    void GridCommand(const std::function<void()>& handler);
    // A keystroke changed a cell's text.
    void CellTyped(int row, const QString& text);
    // Escape in a cell.
    void CellCancelled();

    Editor& editor_;
    const Forms& forms_;
    WinInfo sheet_{editor_, *this, *this};
    // Set while the controls are filled from the window, which is no edit of the user's.
    bool filling_ = false;
    // The row a keystroke is being handled for: a refill leaves its cell alone.
    int typingRow_ = kNoRow;
};

} // namespace pw
