#pragma once
// The Image dialog: the bitmap of an index, and the bitmap reader's window onto the user.

#include "gui/form_layout.h"
#include "shell/editor.h"

#include <QDialog>
#include <QLabel>

namespace pw {

class TfImage : public QDialog {
    Q_OBJECT
public:
    TfImage(Editor& editor, QWidget* parent);

    // The reader's information line (at 120, 10) and the caption.
    void ShowImageInfo(const QString& infoLine, const QString& caption);
    // The reader's "Row N of H" line (at 10, 30).
    void ShowProgress(const QString& text);

private:
    [[maybe_unused]] Editor& editor_;
    QLabel* info_;
    QLabel* progress_;
};

} // namespace pw
