#include "gui/image_dialog.h"

#include "gui_fixture.h"
#include "images/load_image.h"
#include "support/bmp_bytes.h"
#include "support/temp_drive.h"
#include "windows/window_list.h"

#include <QAction>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>

#include <filesystem>
#include <fstream>

namespace pw {
namespace {

class ImageDialogTest : public GuiTest {
protected:
    TempDrive drive;
    TfImage* dialog = nullptr;
    const std::string name = "C:\\wide.bmp";
    cImage* image = nullptr;

    void SetUp() override {
        Start();
        dialog = forms.fImage;
        // 1500 x 2: black, then (64, 128, 192) which is code 108, dark red (128) up to x =
        // 1400, which is (0, 64, 192), code 28.
        std::vector<std::uint32_t> row = test::Row(1500, 0x800000);
        row[0] = 0x000000;
        row[1] = 0x4080C0;
        row[1400] = 0x0040C0;
        std::ofstream(drive.root / "wide.bmp", std::ios::binary) << test::Bitmap24({row, row});
        image = LoadImage(editor.doc.images, name);
        ASSERT_NE(image, nullptr);
    }
    void TearDown() override {
        dialog->hide();
        GuiTest::TearDown();
    }

    // A click at a point of the picture's scrolling area, as the user sees it.
    void ClickArea(int x, int y, bool pick = true) {
        if (pick) dialog->PickTransparentColour1->trigger();
        QTest::mouseClick(dialog->PictureArea->viewport(), Qt::LeftButton, {}, QPoint(x, y));
    }
};

TEST_F(ImageDialogTest, PickingMapsTheClickToThePixelUnderIt) {
    dialog->SetImageName(name);
    dialog->show();
    QApplication::processEvents();
    EXPECT_EQ(dialog->windowTitle(), QString::fromStdString(name));

    ClickArea(1, 0, false); // not picking: nothing changes
    EXPECT_EQ(image->Transparent, 256);
    ClickArea(1, 0);
    EXPECT_EQ(image->Transparent, 108);
    ClickArea(0, 1); // black
    EXPECT_EQ(image->Transparent, 108);

    QScrollBar* bar = dialog->PictureArea->horizontalScrollBar();
    bar->setValue(bar->maximum());
    ASSERT_GT(bar->value(), 0);
    ClickArea(1400 - bar->value(), 1);
    EXPECT_EQ(image->Transparent, 28);
    EXPECT_TRUE(dialog->findChild<QLabel*>("lbInfo")->text().endsWith("Transparent = 28"));
    ClickArea(1400 - bar->value(), 2); // just below the picture
    EXPECT_EQ(image->Transparent, 256);
}

TEST_F(ImageDialogTest, ClosingHandsTheResultToTheEntry) {
    cWindow& w = NewWindow(editor.doc.layout);
    w.BMP[3] = name;
    w.ImageHeld.set(3);
    QTimer::singleShot(0, dialog, [this] { dialog->Delete1->trigger(); });
    EXPECT_EQ(dialog->Choose(name, {&editor.doc.layout, w.Id, 3}), "");
    EXPECT_EQ(w.BMP[3], "");
    EXPECT_FALSE(w.ImageHeld[3]);
    EXPECT_EQ(editor.doc.images.ImageList.FindImage(name), nullptr);
}

} // namespace
} // namespace pw
