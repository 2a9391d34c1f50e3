#include "gui/image_dialog.h"

#include "qt/win1252.h"

namespace pw {

TfImage::TfImage(Editor& editor, QWidget* parent)
    : QDialog(parent), AttachedObserver(editor.observers), editor_(editor),
      info_(new QLabel(this)), progress_(new QLabel(this)) {
    DesignForm(this, "fImage", "Image", 150, 53, 696, 480);
    setModal(true);
    info_->setGeometry(120, 10, 696 - 120, 20);
    progress_->setGeometry(10, 30, 300, 20);
    editor_.images.progress = this;
}

TfImage::~TfImage() {
    if (editor_.images.progress == this) editor_.images.progress = &NoProgress();
}

void TfImage::ImageInfoChanged(const std::string& infoLine, const std::string& caption) {
    info_->setText(FromWin1252(infoLine));
    setWindowTitle(FromWin1252(caption));
}

void TfImage::Step(long, long, const std::string& text) {
    progress_->setText(FromWin1252(text));
    // Long conversions show their progress as they go, without letting input in.
    progress_->repaint();
}

} // namespace pw
