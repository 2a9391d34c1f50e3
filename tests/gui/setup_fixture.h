#pragma once
// The running editor with its Set Up dialog, driven as the user drives it.

#include "gui/setup_dialog.h"
#include "gui/up_down_edit.h"
#include "gui_fixture.h"

#include <QLineEdit>

namespace pw {

class SetUpTest : public GuiTest {
protected:
    TfSetUp* dialog = nullptr;

    void SetUp() override {
        Start();
        dialog = forms.fSetUp;
    }
    void TearDown() override {
        dialog->hide();
        GuiTest::TearDown();
    }

    void Open() {
        dialog->show();
        QApplication::processEvents();
    }
    static void Click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); }
    // Replaces the box's text by typing.
    template <typename Box> static void Type(Box* box, const QString& text) {
        box->selectAll();
        QTest::keyClicks(box, text);
    }
};

} // namespace pw
