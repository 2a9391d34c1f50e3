#include "gui/colour_selection_dialog.h"
#include "gui_fixture.h"
#include "display/colour.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

namespace pw {
namespace {

class ColourSelectionTest : public GuiTest {
protected:
    TfColourSelection* dialog = nullptr;

    void SetUp() override {
        Start();
        dialog = forms.fColourSelection;
    }
    void Open(const WindowColours& codes) {
        dialog->SetCodes(codes);
        dialog->show();
        QApplication::processEvents();
    }
    void ClickAt(int x, int y) { QTest::mouseClick(dialog, Qt::LeftButton, {}, {x, y}); }
    static QRgb Swatch(QWidget* swatch) { return swatch->grab().toImage().pixel(50, 15); }
    static bool Red(const QLabel* caption) {
        return caption->palette().color(QPalette::WindowText) == Qt::red;
    }
};

TEST_F(ColourSelectionTest, ThePaletteIsDrawnCellOverCellAndHoverShowsTheCode) {
    Open({});
    const QImage shown = dialog->grab().toImage();
    const QRgb face = shown.pixel(5, 5);
    for (const auto& [x, y, colour] : {std::tuple{10, 10, ColourOf(0)},
                                       {42, 10, ColourOf(1)},
                                       {41, 27, ColourOf(0)},
                                       {42, 28, ColourOf(17)},
                                       {330, 46, ColourOf(42)},
                                       {522, 10, ColourOf(15)},
                                       {10, 298, ColourOf(240)},
                                       {522, 298, MakeColour(255, 255, 255)},
                                       {523, 100, face},
                                       {100, 299, face}})
        EXPECT_EQ(shown.pixel(x, y), colour) << x << "," << y;

    for (const auto& [x, y, code] : {std::tuple{340, 50, "42"}, {522, 100, "256"}}) {
        QMouseEvent move(QEvent::MouseMove, QPoint(x, y), dialog->mapToGlobal(QPoint(x, y)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(dialog, &move);
        EXPECT_EQ(dialog->lbColour->text(), code);
    }
}

TEST_F(ColourSelectionTest, ClicksSetTheTargetThatPersistsBetweenShowings) {
    Open({195, 42, 3});
    EXPECT_EQ(dialog->lbBG0->text(), "42");
    ClickAt(340, 50);
    ClickAt(10, 10); // several tries for one target
    QTest::mouseClick(dialog->Background0, Qt::LeftButton);
    EXPECT_TRUE(Red(dialog->Background0));
    EXPECT_FALSE(Red(dialog->Foreground));
    QTest::mouseClick(dialog->btTrans, Qt::LeftButton);
    ClickAt(522, 298); // off the cells: nothing
    EXPECT_EQ(dialog->Codes(), (WindowColours{0, 256, 3}));
    EXPECT_EQ(dialog->lbBG0->text(), "256");
    EXPECT_EQ(Swatch(dialog->shBG0), kButtonFace);
    EXPECT_EQ(Swatch(dialog->shFG), ColourOf(0));
    dialog->close();

    // The caller's codes are shown again, with the target chosen last.
    Open({1, 2, 3});
    EXPECT_EQ(dialog->Target(), ctBG0);
    EXPECT_TRUE(Red(dialog->Background0));
    EXPECT_EQ(dialog->lbBG0->text(), "2");
    QTest::mouseClick(dialog->shBG, Qt::LeftButton);
    ClickAt(521, 297);
    EXPECT_EQ(Swatch(dialog->shBG), MakeColour(255, 255, 255));
    dialog->hide();
}

TEST_F(ColourSelectionTest, TheCloseBoxReturnsTheCodesAsOkDoes) {
    for (const bool closeBox : {true, false}) {
        QTimer::singleShot(0, dialog, [this, closeBox] {
            ClickAt(340, 50);
            if (closeBox)
                dialog->close();
            else
                QTest::mouseClick(dialog->btOK, Qt::LeftButton);
        });
        EXPECT_EQ(dialog->Choose({7, 8, 9}), (WindowColours{42, 8, 9}));
        EXPECT_FALSE(dialog->isVisible());
    }
}

} // namespace
} // namespace pw
