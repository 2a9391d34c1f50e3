#pragma once
// The View Control dialog: Design, Static or Dynamic view, and whether an index change
// outside Design view redraws the whole canvas.

#include "gui/form_layout.h"
#include "shell/editor.h"

#include <QDialog>

class QCheckBox;
class QPushButton;
class QRadioButton;

namespace pw {

class TfViewControl : public QDialog {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 70;

    TfViewControl(Editor& editor, QWidget* parent);

    // A radio button's handler runs only when the click checks it: clicking the one that is
    // already checked does nothing, even when the view was left by other means.
    void rbDesignClick();
    void rbStaticClick();
    void rbDynamicClick();

    // The controls, by their design names. They keep their state between showings.
    QRadioButton* rbDesign;
    QRadioButton* rbStatic;
    QRadioButton* rbDynamic;
    QPushButton* btCancel;
    QCheckBox* cbFullRedraw;

private:
    void Choose(ViewKind mode);

    Editor& editor_;
};

} // namespace pw
