#pragma once
// The Colour Selection dialog: a window's three display colour codes from the palette.

#include "dialogs/colour_choice.h"
#include "gui/form_layout.h"

#include <QDialog>

#include <array>

class QLabel;
class QPushButton;

namespace pw {

class TfColourSelection : public QDialog {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 760;

    explicit TfColourSelection(QWidget* parent);

    // Shows the dialog modally on the codes and returns the codes it was closed with. "OK" and
    // the close box both end it: there is nothing to cancel.
    WindowColours Choose(const WindowColours& codes);
    // The codes the next showing starts from, and those chosen so far.
    void SetCodes(const WindowColours& codes);
    WindowColours Codes() const { return choice_.codes; }
    // Which code a palette click sets; kept from one showing to the next.
    int Target() const { return choice_.Target(); }

    void SelectTarget(int target);
    void SetTargetColour(std::int32_t code);

    // The controls, by their design names.
    QPushButton* btTrans;
    QLabel* Foreground;
    QLabel* Background0;
    QLabel* Background;
    QWidget* shFG;
    QWidget* shBG0;
    QWidget* shBG;
    QLabel* lbColour;
    QLabel* lbFG;
    QLabel* lbBG0;
    QLabel* lbBG;
    QPushButton* btOK;

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildTargets();
    void FormShow();
    void DrawPalette();
    // Shows a target's code in its swatch and its label.
    void ShowTargetColour(int target);

    ColourChoice choice_;
    // By target: the captions, the swatches and the code labels.
    std::array<QLabel*, kColourTargetCount> captions_{};
    std::array<QWidget*, kColourTargetCount> swatches_{};
    std::array<QLabel*, kColourTargetCount> codeLabels_{};
};

} // namespace pw
