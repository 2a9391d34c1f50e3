#include "gui/view_control_dialog.h"

#include "gui/application.h"
#include "shell/view_modes.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>

namespace pw {

namespace {

template <typename Control>
Control* Add(QWidget* parent, const char* name, const QString& caption, int left, int top) {
    auto* control = new Control(caption, parent);
    control->setObjectName(name);
    control->move(left, top);
    control->resize(control->sizeHint());
    return control;
}

} // namespace

TfViewControl::TfViewControl(Editor& editor, QWidget* parent) : QDialog(parent), editor_(editor) {
    DesignForm(this, "fViewControl", "View Control", 253, 103, 343, 128);
    setModal(true);
    rbDesign = Add<QRadioButton>(this, "rbDesign", "Design", 8, 12);
    rbStatic = Add<QRadioButton>(this, "rbStatic", "Static", 112, 12);
    rbDynamic = Add<QRadioButton>(this, "rbDynamic", "Dynamic", 216, 12);
    cbFullRedraw = Add<QCheckBox>(this, "cbFullRedraw",
                                  "Full Redraw (with transparent foreground windows)", 8, 44);
    btCancel = Add<QPushButton>(this, "btCancel", "Close", 248, 72);
    btCancel->resize(75, 25);
    rbDesign->setChecked(true);
    cbFullRedraw->setChecked(editor.view.FullRedraw);

    // toggled, not clicked: a click on the checked button changes nothing and must not act.
    const auto onCheck = [this](QRadioButton* button, void (TfViewControl::*handler)()) {
        connect(button, &QRadioButton::toggled, this, [this, handler](bool checked) {
            if (checked) RunCommand([&] { (this->*handler)(); });
        });
    };
    onCheck(rbDesign, &TfViewControl::rbDesignClick);
    onCheck(rbStatic, &TfViewControl::rbStaticClick);
    onCheck(rbDynamic, &TfViewControl::rbDynamicClick);
    connect(cbFullRedraw, &QCheckBox::toggled, this, [this](bool on) { editor_.view.FullRedraw = on; });
    connect(btCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TfViewControl::rbDesignClick() {
    Choose(vmDesign);
}

void TfViewControl::rbStaticClick() {
    Choose(vmStatic);
}

void TfViewControl::rbDynamicClick() {
    Choose(vmDynamic);
}

void TfViewControl::Choose(ViewKind mode) {
    SetViewMode(editor_.view, mode);
    accept();
}

} // namespace pw
