#pragma once
// The Text Edit dialog: the indexed texts of the current window.

#include "gui/form_layout.h"
#include "shell/editor.h"

#include <QDialog>

namespace pw {

class TfTextEdit : public QDialog {
    Q_OBJECT
public:
    TfTextEdit(Editor& editor, QWidget* parent) : QDialog(parent), editor_(editor) {
        DesignForm(this, "fTextEdit", "Text Edit", 124, 61, 568, 480);
        setModal(true);
    }

private:
    [[maybe_unused]] Editor& editor_;
};

} // namespace pw
