#include "support/editor_fixture.h"
#include "shell/redraw.h"

namespace pw {
namespace {

class ImageTest : public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        editor.view.ViewMode = vmStatic;
        w = &AddWindow(100, 50, 119, 59); // 20 x 10
        w->DrawType = dtImage;
        w->FG = 12;
        w->BG0 = 3;
        w->BMP[0] = "pic.bmp";
    }
    // A 4 x 2 colour-code picture: row 0 two pixels of 192 then 48 to the end, row 1 all 195.
    cImage& ColourPicture(const std::string& name = "pic.bmp") {
        cImage& image = *editor.doc.images.ImageList.AcquireImage(name);
        image.Width = 4;
        image.Height = 2;
        image.Bits = 8;
        image.Transparent = 256;
        image.Data = {192, 2, 48, 255, 195, 255};
        return image;
    }
    void ExpectPictureAt(int x, int y) {
        EXPECT_EQ(At(x, y), ColourOf(192));
        EXPECT_EQ(At(x + 1, y), ColourOf(192));
        EXPECT_EQ(At(x + 2, y), ColourOf(48));
        EXPECT_EQ(At(x + 3, y), ColourOf(48));
        EXPECT_EQ(At(x + 4, y), ColourOf(3)); // the window's background beside it
        EXPECT_EQ(At(x, y + 1), ColourOf(195));
        EXPECT_EQ(At(x + 3, y + 1), ColourOf(195));
    }
    cWindow* w = nullptr;
};

TEST_F(ImageTest, ThePictureIsPlacedByTheWindowsJustification) {
    ColourPicture();
    RedrawAll(editor.view, editor.doc);
    ExpectPictureAt(100, 50);
    w->Format = fmCentre | fmVCentre;
    RedrawAll(editor.view, editor.doc);
    ExpectPictureAt(107, 53); // (119 + 100 - 4) div 2, (50 + 59 - 2) div 2
    w->Format = fmRight;
    RedrawAll(editor.view, editor.doc);
    ExpectPictureAt(115, 50); // 119 - 4
}

TEST_F(ImageTest, ATwoColourPictureIsPaintedInTheIndexBackgroundAndFG) {
    cImage& image = ColourPicture();
    image.Bits = 1;
    image.Height = 1;
    image.Data = {1, 2, 255}; // one set pixel, two clear, then set to the end
    w->CurIndex = 4;
    w->BMP[4] = "pic.bmp";
    w->BG = 195;
    RedrawAll(editor.view, editor.doc);
    EXPECT_EQ(editor.view.FillColour, 195);
    EXPECT_EQ(editor.view.LineColour, 12);
    EXPECT_EQ(At(100, 50), ColourOf(195));
    EXPECT_EQ(At(101, 50), ColourOf(12));
    EXPECT_EQ(At(102, 50), ColourOf(12));
    EXPECT_EQ(At(103, 50), ColourOf(195));
}

TEST_F(ImageTest, DesignViewShowsPicturesOfTenThousandBytesAsPlaceholders) {
    cImage& image = ColourPicture();
    image.Data.resize(10000, 255); // further row ends beyond the two rows
    w->Format = fmCentre | fmVCentre;
    editor.view.ViewMode = vmDesign;
    editor.doc.layout.CurWindow = nullptr;
    RedrawAll(editor.view, editor.doc);
    ASSERT_EQ(text.drawn.size(), 1u);
    EXPECT_EQ(text.drawn[0].text, "pic.bmp");
    EXPECT_EQ(text.drawn[0].x, 109);
    EXPECT_EQ(text.drawn[0].y, 53);
    EXPECT_EQ(At(107, 54), ColourOf(255)); // where the rising diagonal starts

    text.drawn.clear();
    image.Data.resize(9999);
    RedrawAll(editor.view, editor.doc);
    EXPECT_TRUE(text.drawn.empty());
    ExpectPictureAt(107, 53);

    image.Data.resize(10000, 255);
    editor.view.ViewMode = vmStatic;
    RedrawAll(editor.view, editor.doc);
    EXPECT_TRUE(text.drawn.empty());
    ExpectPictureAt(107, 53);
}

TEST_F(ImageTest, AMissingPictureShowsItsNameInTheLastFontOutsideDesignView) {
    cWindow& label = AddWindow(300, 300, 400, 330);
    label.Text.Set(0, "label");
    label.FontName = "Courier New";
    label.FontSize = 30;
    label.FG = 48;
    RedrawAll(editor.view, editor.doc);
    ASSERT_EQ(text.drawn.size(), 2u); // the image window comes first in the list
    EXPECT_EQ(text.drawn[0].text, "?? pic.bmp");
    EXPECT_EQ(text.drawn[0].x, 102);
    EXPECT_EQ(text.drawn[0].y, 50);
    EXPECT_EQ(text.drawn[0].font, (FontDesc{"Arial", 16, 0})); // nothing drawn before it
    PutOnTop(editor.doc.layout, w);
    text.drawn.clear();
    RedrawAll(editor.view, editor.doc);
    ASSERT_EQ(text.drawn.size(), 2u);
    EXPECT_EQ(text.drawn[1].font, (FontDesc{"Courier New", 16, 0}));
    EXPECT_EQ(text.drawn[1].colour, ColourOf(48));
    EXPECT_EQ(text.drawn[1].background, ColourOf(3));

    editor.view.ViewMode = vmDesign;
    text.drawn.clear();
    RedrawAll(editor.view, editor.doc);
    EXPECT_EQ(text.drawn.size(), 1u); // the label alone
}

TEST_F(ImageTest, AHugePictureFarOffTheCanvasIsLeftOut) {
    cImage& image = ColourPicture();
    image.Width = 2000000000;
    image.Height = 2000000000;
    w->Format = fmCentre | fmVCentre;
    RedrawAll(editor.view, editor.doc);
    w->Format = 0;
    image.Width = 2147483647;
    RedrawAll(editor.view, editor.doc);
    image.Width = -5;
    RedrawAll(editor.view, editor.doc);
    EXPECT_EQ(At(101, 50), ColourOf(3));
}

} // namespace
} // namespace pw
