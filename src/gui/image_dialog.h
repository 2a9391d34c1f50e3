#pragma once
// The Image dialog: the bitmap of an index, and the bitmap reader's window onto the user.

#include "gui/form_layout.h"
#include "shell/editor.h"

#include <QDialog>
#include <QLabel>

namespace pw {

class TfImage : public QDialog, private AttachedObserver, private Progress {
    Q_OBJECT
public:
    TfImage(Editor& editor, QWidget* parent);
    ~TfImage() override;

private:
    // The reader's information line (at 120, 10) and the caption.
    void ImageInfoChanged(const std::string& infoLine, const std::string& caption) override;
    // While a layout is read the dialog is shown without waiting, and closed again.
    void Begin(const std::string&) override { show(); }
    void End() override { hide(); }
    // The reader's "Row N of H" line (at 10, 30).
    void Step(long done, long total, const std::string& text) override;

    Editor& editor_;
    QLabel* info_;
    QLabel* progress_;
};

} // namespace pw
