#include "gui/gui_host.h"
#include "gui_fixture.h"
#include "platform/errors.h"
#include "display/int_text.h"

#include <QEvent>

namespace pw {
namespace {

// An object whose event handler fails the way a command does.
class FailingObject : public QObject {
public:
    bool event(QEvent* e) override {
        if (e->type() == QEvent::User) StrToInt("12a");
        return QObject::event(e);
    }
};

using ErrorHandlerTest = GuiTest;

TEST_F(ErrorHandlerTest, AnErrorLeavingAnEventHandlerIsShownAndTheProgramGoesOn) {
    FailingObject failing;
    auto seen = AnswerNextMessageBox(QMessageBox::Ok);
    QEvent event(QEvent::User);
    EXPECT_FALSE(QApplication::sendEvent(&failing, &event));
    EXPECT_EQ(*seen, "'12a' is not a valid integer value");
    // The next event is handled normally.
    QEvent other(QEvent::User);
    auto again = AnswerNextMessageBox(QMessageBox::Ok);
    QApplication::sendEvent(&failing, &other);
    EXPECT_EQ(*again, "'12a' is not a valid integer value");
}

TEST(GuiHostFilter, BarSeparatedFiltersBecomeQtFilters) {
    EXPECT_EQ(GuiHost::QtFilter("Display config|*.dcf"), "Display config (*.dcf)");
    EXPECT_EQ(GuiHost::QtFilter("Display config( *.dcf)|*.dcf"), "Display config (*.dcf)");
    EXPECT_EQ(GuiHost::QtFilter("Pictures (*.png)|*.bmp"), "Pictures (*.png) (*.bmp)");
    EXPECT_EQ(GuiHost::QtFilter("Bitmap|*.bmp|All|*.*"), "Bitmap (*.bmp);;All (*.*)");
}

} // namespace
} // namespace pw
