#pragma once
// The Set Up dialog: the job record, the display size and the input terminal diagram.

#include "config/terminal_diagram.h"
#include "gui/form_layout.h"
#include "shell/editor.h"

#include <QDialog>

#include <array>

class QButtonGroup;
class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace pw {

class UpDownEdit;

class TfSetUp : public QDialog {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 160;

    TfSetUp(Editor& editor, QWidget* parent);

    // Where the diagram goes, measured from the terminal boxes and their frame as they are
    // placed now.
    TerminalDiagramGeometry DiagramGeometry() const;

    // Control events.
    void rb640Click(int width); // all four display size buttons, by their width
    void InputModeClick(std::uint8_t code);
    void cb14TestPatClick();
    void cbZeroPosnClick();
    void cbPAClick(int tag); // all fifteen terminal boxes; the tag is the Invert bit plus 1
    void btKeepClick();
    void btCloseClick();
    void btPrintClick();

    // The controls, by their design names.
    QLineEdit* ebJobName;
    QLineEdit* ebSubDirectory;
    QLineEdit* ebIDs;
    // The edit boxes with arrows; each box holds its own up-down (UpDown2, UpDown1, UpDown3).
    UpDownEdit* ebNLifts;
    UpDownEdit* ebLiftID1;
    UpDownEdit* ebSlave;
    QLineEdit* ebPosnOffset;
    QLineEdit* ebDestTime;
    QLineEdit* ebSecScreenSave;
    QCheckBox* cb14TestPat;
    QCheckBox* cbZeroPosn;
    QRadioButton* rbSimulate;
    QRadioButton* rbGray;
    QRadioButton* rbBinary;
    QRadioButton* rbParallel;
    QRadioButton* rbCountPlates;
    QRadioButton* rb640;
    QRadioButton* rb480;
    QRadioButton* rb800;
    QRadioButton* rb600;
    std::array<QCheckBox*, kTerminalCount> terminalBoxes{}; // cbPA to cb15, in Invert bit order
    QFrame* Bevel1;
    QFrame* Bevel2;
    QLabel* stFunction;
    QPushButton* btKeep;
    QPushButton* btClose;
    QPushButton* btPrint;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void BuildJobControls();
    void BuildModeControls();
    void BuildSizeControls();
    void BuildTerminalPanel();
    void BuildButtons();

    void FormShow();
    void FormClose();
    void FormPaint();

    Editor& editor_;
    QButtonGroup* sizeButtons_;
    // Set while the controls show the record: only then do their changes reach it.
    bool ControlsFilled = false;
};

} // namespace pw
