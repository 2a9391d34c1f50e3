#include "gui/win_info_dialog.h"

#include <QKeyEvent>

namespace pw {

TfWinInfo::TfWinInfo(Editor& editor, QWidget* parent)
    : QDialog(parent), AttachedObserver(editor.observers), editor_(editor),
      lbNumber_(new QLabel(this)), lbType_(new QLabel(this)) {
    DesignForm(this, "fWinInfo", "Window Information", 648, 6, 217, 596);
    setModal(false);
    lbNumber_->setObjectName("lbNumber");
    lbNumber_->setGeometry(8, 8, 40, 20);
    lbType_->setObjectName("lbType");
    lbType_->setGeometry(56, 8, 150, 20);
}

void TfWinInfo::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) return event->accept();
    QDialog::keyPressEvent(event);
}

void TfWinInfo::SelectionChanged() {
    // The only property sheet there is: once the user has closed it, choosing a window
    // brings it back.
    if (!isVisible() && editor_.StartupDone) show();
    ShowWindowInfo();
}

void TfWinInfo::ShowWindowInfo() {
    const cWindow* w = editor_.layout.CurWindow;
    if (!w) return;
    lbNumber_->setText(QString::number(w->Number));
    lbType_->setText(TypeName(w->Type));
    ShowPositionRows();
}

void TfWinInfo::ShowPositionRows() {}

} // namespace pw
