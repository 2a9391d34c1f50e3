#pragma once
// The Colour Selection dialog: a window's three display colour codes from the palette.

#include "gui/form_layout.h"
#include "shell/editor.h"

#include <QDialog>

namespace pw {

class TfColourSelection : public QDialog {
    Q_OBJECT
public:
    TfColourSelection(Editor& editor, QWidget* parent) : QDialog(parent), editor_(editor) {
        DesignForm(this, "fColourSelection", "Colour Selection", 140, 75, 552, 425);
        setModal(true);
    }

private:
    [[maybe_unused]] Editor& editor_;
};

} // namespace pw
