#include "gui/progress_window.h"

#include "qt/win1252.h"

#include <QCoreApplication>
#include <QProgressDialog>

#include <algorithm>
#include <climits>

namespace pw {

ProgressWindow::ProgressWindow(QWidget* parent) : parent_(parent) {}

ProgressWindow::~ProgressWindow() = default;

void ProgressWindow::Begin(const std::string& what) {
    title_ = FromWin1252(what);
    started_.start();
}

void ProgressWindow::Step(long done, long total, const std::string& text) {
    if (!dialog_) {
        if (started_.elapsed() < kMomentMs) return;
        dialog_ = std::make_unique<QProgressDialog>(parent_);
        dialog_->setObjectName("ProgressWindow");
        dialog_->setWindowTitle(title_);
        // The command cannot be stopped half way: the display folder would be left half made.
        dialog_->setCancelButton(nullptr);
        dialog_->setAutoClose(false);
        dialog_->setAutoReset(false);
        dialog_->setMinimumDuration(0);
        dialog_->setMinimumWidth(360);
        dialog_->show();
    }
    dialog_->setRange(0, static_cast<int>(std::clamp<long>(total, 0, INT_MAX)));
    dialog_->setValue(static_cast<int>(std::clamp<long>(done, 0, INT_MAX)));
    dialog_->setLabelText(FromWin1252(text));
    // Only painting: clicks and keys wait until the command is over.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void ProgressWindow::End() {
    dialog_.reset();
}

} // namespace pw
