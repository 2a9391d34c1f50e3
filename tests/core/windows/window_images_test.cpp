// Windows holding images: loading them while a layout is read, and giving them up.

#include "images/load_image.h"
#include "shell/layout_file.h"
#include "shell/window_copies.h"
#include "support/bmp_bytes.h"
#include "support/editor_fixture.h"
#include "support/temp_drive.h"

#include <filesystem>
#include <fstream>

namespace pw {
namespace {

class WindowImagesTest : public EditorTest {
protected:
    TempDrive drive;

    std::string Put(const std::string& name, const std::string& bytes) {
        std::ofstream(drive.root / name, std::ios::binary) << bytes;
        return "C:\\" + name;
    }
    cWindow& ImageWindow() {
        cWindow& w = AddWindow(10, 10, 49, 29);
        w.DrawType = dtImage;
        return w;
    }
    // As the layout reader does for a BMP line.
    void ReadBmpLine(cWindow& w, int index, const std::string& name, bool dither, int transparent) {
        w.BMP[index] = name;
        w.LoadIndexImage(name, dither, index, transparent);
    }
};

TEST_F(WindowImagesTest, LoadIndexImageReadsUnderTheStoredDitherSettingAndSetsTransparent) {
    const std::string name = Put("grey.bmp", test::Bitmap24({test::Row(3, 0x080808)}));
    cWindow& w = ImageWindow();
    ReadBmpLine(w, 4, name, true, 42);
    const cImage* image = editor.doc.images.ImageList.FindImage(name);
    ASSERT_NE(image, nullptr);
    EXPECT_TRUE(image->Dithered);
    EXPECT_TRUE(editor.doc.images.Dither); // the Dither box keeps the stored setting
    EXPECT_EQ(image->Data, (std::vector<std::uint8_t>{0, 1, 1, 1, 0, 255}));
    EXPECT_EQ(image->Transparent, 42);
    // The Image dialog was shown for the reading and closed again.
    EXPECT_EQ(views.imageReadings, 1);
    EXPECT_FALSE(views.imageDialogShown);
    EXPECT_EQ(views.imageInfos.size(), 1u);
}

TEST_F(WindowImagesTest, ARefusedBitmapLeavesTheNameButHoldsNoImage) {
    const std::string name = Put("bad.bmp", "not a bitmap");
    cWindow& w = ImageWindow();
    ReadBmpLine(w, 0, name, false, 42);
    EXPECT_EQ(w.BMP[0], name);
    EXPECT_EQ(editor.doc.images.ImageList.FindImage(name), nullptr);
    EXPECT_FALSE(views.imageDialogShown);
    // Deleting the window then gives up nothing.
    DeleteWindow(editor.doc.layout, editor.doc.images.ImageList, &w);
    EXPECT_TRUE(editor.doc.images.ImageList.Images().empty());
}

TEST_F(WindowImagesTest, DeletingAWindowGivesUpOneCountPerEntry) {
    const std::string shared = Put("shared.bmp", test::Bitmap1({"1100"}));
    const std::string own = Put("own.bmp", test::Bitmap1({"0011"}));
    cWindow& a = ImageWindow();
    cWindow& b = ImageWindow();
    ReadBmpLine(a, 0, shared, false, 256);
    ReadBmpLine(a, 7, own, false, 256);
    ReadBmpLine(b, 2, shared, false, 256);
    EXPECT_EQ(editor.doc.images.ImageList.FindImage(shared)->RefCount, 2u);

    DeleteWindow(editor.doc.layout, editor.doc.images.ImageList, &a);
    ASSERT_NE(editor.doc.images.ImageList.FindImage(shared), nullptr);
    EXPECT_EQ(editor.doc.images.ImageList.FindImage(shared)->RefCount, 1u);
    EXPECT_EQ(editor.doc.images.ImageList.FindImage(own), nullptr);

    DeleteWindow(editor.doc.layout, editor.doc.images.ImageList, &b);
    EXPECT_TRUE(editor.doc.images.ImageList.Images().empty());
}

TEST_F(WindowImagesTest, OnlyImageWindowsGiveUpCounts) {
    const std::string name = Put("pic.bmp", test::Bitmap1({"10"}));
    cWindow& w = ImageWindow();
    ReadBmpLine(w, 0, name, false, 256);
    cWindow& text = AddWindow(0, 0, 9, 9);
    text.BMP[0] = name; // a name kept by a text window holds nothing
    DeleteWindow(editor.doc.layout, editor.doc.images.ImageList, &text);
    EXPECT_EQ(editor.doc.images.ImageList.FindImage(name)->RefCount, 1u);
}

TEST_F(WindowImagesTest, ALayoutWithADamagedBitmapStillLoads) {
    const std::string good = Put("good.bmp", test::Bitmap1({"0110"}));
    const std::string cut = Put("cut.bmp", test::Bitmap24({test::Row(4, 0)}).substr(0, 60));
    const auto window = [](int x, const std::string& bmp) {
        return "[ WINDOW\r\n  Type = 7, 9\r\n  Format = 0, 2\r\n  Position = " + std::to_string(x) +
               ", 0, " + std::to_string(x + 9) + ", 9\r\n  BMP = 3, 195, 1\r\n|" + bmp +
               "|\r\nWINDOW END ]\r\n\r\n";
    };
    const std::string layout = "[ WINDOW\r\n  Type = 0, 1\r\n  Colours = 0, 42, 42\r\n"
                               "  Position = 0, 0, 639, 479\r\nWINDOW END ]\r\n\r\n" +
                               window(10, cut) + window(30, good);
    std::ofstream(drive.root / "job.dcf", std::ios::binary) << layout;
    LoadLayout(editor, "C:\\job.dcf");

    ASSERT_EQ(editor.doc.layout.WindowList.size(), 3u);
    EXPECT_EQ(WindowAt(editor.doc.layout, 1)->BMP[3], cut);
    EXPECT_EQ(editor.doc.images.ImageList.FindImage(cut), nullptr);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_NE(host.messages[0].text.find("cut short"), std::string::npos);
    const cImage* image = editor.doc.images.ImageList.FindImage(good);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->RefCount, 1u);
    EXPECT_EQ(image->Transparent, 195);
    EXPECT_TRUE(image->Dithered);
    EXPECT_EQ(image->Data, (std::vector<std::uint8_t>{0, 1, 2, 255}));
    EXPECT_EQ(views.imageReadings, 2);
}

TEST_F(WindowImagesTest, AGroupKeepsOneCountForEachEntryItEndsWithAndNoMore) {
    const std::string a = Put("a.bmp", test::Bitmap1({"10"}));
    const std::string b = Put("b.bmp", test::Bitmap1({"01"}));
    const std::string c = Put("c.bmp", test::Bitmap1({"11"}));
    const auto group = [](const std::string& body) {
        return "[ WINDOW\r\n  Type = 0, 1\r\n  Position = 0, 0, 639, 479\r\nWINDOW END ]\r\n"
               "[ WINDOW\r\n" +
               body + "WINDOW END ]\r\n\r\n";
    };
    const auto read = [&](const std::string& body) {
        std::ofstream(drive.root / "job.dcf", std::ios::binary) << group(body);
        LoadLayout(editor, "C:\\job.dcf");
        return WindowAt(editor.doc.layout, 1);
    };
    const auto count = [&](const std::string& name) {
        const cImage* image = editor.doc.images.ImageList.FindImage(name);
        return image ? image->RefCount : 0u;
    };
    // Index 0 loaded twice, index 1 loaded with c, then named b while not an image window.
    const std::string mixed = "  Format = 0, 2\r\n  BMP = 0, 256, 0\r\n|" + a +
                              "|\r\n  BMP = 0, 256, 0\r\n|" + a + "|\r\n  BMP = 1, 256, 0\r\n|" +
                              c + "|\r\n  Format = 0, 3\r\n  BMP = 1, 256, 0\r\n|" + b +
                              "|\r\n  Format = 0, 2\r\n";
    const cWindow* w = read(mixed);
    EXPECT_EQ(count(a), 1u);
    EXPECT_EQ(count(c), 0u);
    EXPECT_EQ(count(b), 0u);
    EXPECT_TRUE(w->ImageHeld[0]);
    EXPECT_FALSE(w->ImageHeld[1]);
    EXPECT_EQ(w->BMP[1], b);
    // Paste reads the group as Load does.
    ASSERT_TRUE(PasteWindowText(editor, "[ WINDOW\r\n" + mixed + "WINDOW END ]\r\n"));
    EXPECT_EQ(count(a), 2u);
    EXPECT_EQ(count(b) + count(c), 0u);

    // A window that ends as a rectangle keeps its names and holds no image.
    w = read("  Format = 0, 2\r\n  BMP = 4, 256, 0\r\n|" + a + "|\r\n  Format = 0, 3\r\n");
    EXPECT_EQ(count(a), 0u);
    EXPECT_FALSE(w->ImageHeld.any());
    EXPECT_EQ(w->BMP[4], a);
}

} // namespace
} // namespace pw
