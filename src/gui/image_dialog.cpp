#include "gui/image_dialog.h"

#include <QApplication>

namespace pw {

TfImage::TfImage(Editor& editor, QWidget* parent)
    : QDialog(parent), editor_(editor), info_(new QLabel(this)), progress_(new QLabel(this)) {
    DesignForm(this, "fImage", "Image", 150, 53, 696, 480);
    setModal(true);
    info_->setGeometry(120, 10, 696 - 120, 20);
    progress_->setGeometry(10, 30, 300, 20);
}

void TfImage::ShowImageInfo(const QString& infoLine, const QString& caption) {
    info_->setText(infoLine);
    setWindowTitle(caption);
}

void TfImage::ShowProgress(const QString& text) {
    progress_->setText(text);
    // Long conversions show their progress as they go, without letting input in.
    progress_->repaint();
}

} // namespace pw
