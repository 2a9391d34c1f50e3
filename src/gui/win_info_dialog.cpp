#include "gui/win_info_dialog.h"

namespace pw {

TfWinInfo::TfWinInfo(Editor& editor, QWidget* parent)
    : QDialog(parent), editor_(editor), lbNumber_(new QLabel(this)), lbType_(new QLabel(this)) {
    DesignForm(this, "fWinInfo", "Window Information", 648, 6, 217, 596);
    setModal(false);
    lbNumber_->setObjectName("lbNumber");
    lbNumber_->setGeometry(8, 8, 40, 20);
    lbType_->setObjectName("lbType");
    lbType_->setGeometry(56, 8, 150, 20);
}

void TfWinInfo::ShowWindowInfo() {
    const cWindow* w = editor_.CurWindow;
    if (!w) return;
    lbNumber_->setText(QString::number(w->Number));
    lbType_->setText(TypeName(w->Type));
    ShowPositionRows();
}

void TfWinInfo::ShowPositionRows() {}

} // namespace pw
