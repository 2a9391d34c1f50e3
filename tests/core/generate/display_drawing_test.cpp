// The screen drawn from nothing but a display folder's files equals the Static view, for
// every kind of window, draw type and alignment and for texts at several indexes; and a
// deployment whose files would draw otherwise is refused, naming the window.

#include "generate/display_drawing.h"

#include "display/colour.h"
#include "platform/errors.h"
#include "shell/generate_files.h"
#include "shell/window_commands.h"
#include "support/editor_fixture.h"
#include "support/fake_hasher.h"
#include "support/temp_drive.h"

#include <filesystem>
#include <fstream>
#include <functional>

namespace pw {
namespace {

class DisplayDrawingTest : public EditorTest {
protected:
    TempDrive drive;
    FakeHasher hasher;

    void SetUp() override {
        EditorTest::SetUp();
        editor.doc.LayoutFileName = "C:\\KVP\\Work\\job.dcf";
        std::filesystem::create_directories(drive.root / "KVP/Work");
        std::ofstream(drive.root / "KVP/Display.axf") << "program";
    }

    cWindow& Text(int y, std::uint8_t type, std::uint8_t format, int size, int fg, int bg) {
        cWindow& w = AddWindow(10, y, 309, y + 39, type);
        w.Format = format;
        w.FontName = "Fake";
        w.FontSize = size;
        w.FontStyle = static_cast<std::uint8_t>(size % 3 == 0 ? fsBold : 0);
        w.FG = fg;
        w.BG0 = bg;
        for (int i = 0; i < 4; ++i)
            w.Text.Set(i, std::string(static_cast<std::size_t>(i + 1), 'A' + static_cast<char>(i)) +
                              (i == 2 ? "\r\nsecond line" : ""));
        return w;
    }

    std::string Differences(const DrawingOptions& options) {
        DisplayFolder folder = ReadDisplayFolder("C:\\KVP\\Display\\");
        return DrawingDifferences(
            editor.doc.layout,
            DrawDisplay(editor.doc.layout, editor.doc.images.ImageList, text, editor.run.calendarNames,
                        options),
            DrawDisplay(folder.layout, folder.images, folder.fonts, editor.run.calendarNames, options));
    }
};

TEST_F(DisplayDrawingTest, EveryKindOfWindowDrawsFromTheFilesAsTheStaticViewShowsIt) {
    // Left, centred, right, and vertically centred texts; opaque and transparent.
    Text(0, wtMessage, 0, 12, 255, 42);
    Text(40, wtPosition, fmCentre, 16, 3, kTransparent);
    Text(80, wtLiftStatus, fmRight | fmVCentre, 18, 200, 0);
    Text(120, wtDestination, fmCentre | fmVCentre, 12, 240, 44);
    Text(160, wtTimeDate, 0, 14, 255, kTransparent);
    Text(200, wtTimedSequence, fmRight, 20, 0, 255);
    Text(240, wtBackground, fmCentre, 12, 255, kTransparent);
    // The font files have no character above code 127: the display leaves it out, and so
    // must the Static view.
    Text(280, wtMessage, fmCentre, 12, 255, 42).Text.Set(1, "Caf\xE9 au lait");
    cWindow& arrows = AddWindow(320, 0, 359, 59, wtDirection);
    arrows.DrawType = dtArrows;
    arrows.FG = 252;
    arrows.CurIndex = 1;
    cWindow& bevel = AddWindow(320, 60, 419, 119, wtBackground);
    bevel.DrawType = dtRectangle;
    cWindow& mat = AddWindow(320, 120, 419, 179, wtBackground);
    mat.DrawType = dtMat;
    mat.Texture = 3;
    cWindow& picture = AddWindow(320, 180, 419, 239, wtMessage);
    picture.DrawType = dtImage;
    picture.Format = fmCentre | fmVCentre;
    for (const int i : {0, 2}) {
        picture.BMP[i] = "C:\\Pics\\p" + std::to_string(i) + ".bmp";
        cImage& image = *editor.doc.images.ImageList.AcquireImage(picture.BMP[i]);
        image.Width = 3 + i;
        image.Height = 2;
        image.Bits = 8;
        image.Transparent = kTransparent;
        image.Data = {200, 1, 30, 255, 30, 2, 12, 255};
    }

    GenerateFiles(editor, NoProgress(), hasher); // compares the drawings itself
    for (const int index : {0, 1, 2, 3}) EXPECT_EQ(Differences({index, std::nullopt}), "") << index;
    std::tm time{};
    time.tm_year = 126;
    time.tm_hour = 9;
    time.tm_min = 5;
    EXPECT_EQ(Differences({std::nullopt, time}), "");
}

// Each deployment draws on the canvases of the one before: only a Background object that
// paints all of the screen may leave the canvas unfilled.
TEST_F(DisplayDrawingTest, ACanvasDrawnOnBeforeShowsNothingOfTheEarlierDrawing) {
    Text(40, wtMessage, 0, 12, 255, 42);
    cWindow& background = *editor.doc.layout.WindowList.front();
    background.DrawType = dtMat;
    background.Texture = 5;
    RasterCanvas kept;
    DrawDisplayOn(kept, editor.doc.layout, editor.doc.images.ImageList, text,
                  editor.run.calendarNames, {});
    const std::vector<std::function<void(cWindow&)>> backgrounds = {
        [](cWindow& w) { w.DrawType = dtMat; },
        [](cWindow& w) { w.BG0 = 42; },
        [](cWindow& w) { w.BG0 = kTransparent; },
        [](cWindow& w) { w.DrawType = dtRectangle; },
        [](cWindow& w) { w.X0 = 100; },
        [](cWindow& w) { w.Parameter = 999; }, // a mat with levels out of range draws nothing
    };
    for (std::size_t i = 0; i < backgrounds.size(); ++i) {
        background.DrawType = dtText;
        background.BG0 = 7;
        background.X0 = 0;
        backgrounds[i](background);
        if (background.DrawType == dtMat) background.Texture = 1 + static_cast<int>(i);
        DrawDisplayOn(kept, editor.doc.layout, editor.doc.images.ImageList, text,
                      editor.run.calendarNames, {});
        const RasterCanvas fresh = DrawDisplay(editor.doc.layout, editor.doc.images.ImageList, text,
                                               editor.run.calendarNames, {});
        ASSERT_EQ(kept.Width() * kept.Height(), fresh.Width() * fresh.Height());
        EXPECT_TRUE(
            std::equal(kept.Bits(), kept.Bits() + kept.Width() * kept.Height(), fresh.Bits()))
            << i;
        if (background.X0 != 0) {
            EXPECT_EQ(fresh.Pixel(50, 300), kButtonFace);
        }
    }
}

// A text engine whose lines are not their characters' cells side by side: a whole line gets
// a mark at its left end that no single character has.
class KerningEngine : public FakeTextEngine {
public:
    void Draw(RasterCanvas& canvas, const FontDesc& font, int x, int y, const std::string& s,
              std::uint32_t colour, std::optional<std::uint32_t> background) override {
        FakeTextEngine::Draw(canvas, font, x, y, s, colour, background);
        if (s.size() > 1) canvas.SetPixel(x, y, colour);
    }
};

// Deploys, then deploys a layout of the display size given with two message windows from
// (left, top), which the display would draw otherwise, and expects it refused. The check draws
// on the canvases of the deployment before, which passed.
class RefusedDeploymentTest : public DisplayDrawingTest {
protected:
    void ExpectRefused(int width, int height, int left, int top) {
        GenerateFiles(editor, NoProgress(), hasher);
        const auto deployed = [&] {
            std::ifstream in(drive.root / "KVP/Display/Display.dcf", std::ios::binary);
            return std::string(std::istreambuf_iterator<char>(in), {});
        };
        const std::string before = deployed();
        ASSERT_FALSE(before.empty());
        KerningEngine kerning;
        Editor other(host, kerning);
        CreateDefaultLayout(other.doc, other.view);
        SetDisplaySize(other.doc, other.view, width, height);
        other.doc.LayoutFileName = editor.doc.LayoutFileName;
        for (const int y : {top, top + 40}) {
            cWindow& w = pw::AddWindow(other, left, y, left + 299, y + 39, wtMessage);
            w.FontName = "Fake";
            w.FontSize = 12;
            w.FG = 255;
            w.Text.Set(0, y == top ? "Lift" : "G");
        }
        try {
            GenerateFiles(other, NoProgress(), hasher);
            ADD_FAILURE() << "deployed";
        } catch (const IoError& error) {
            EXPECT_EQ(std::string(error.what()),
                      "Nothing in C:\\KVP\\Display\\ was changed. Drawn from its files, the "
                      "display would not show what the Static view shows: Message Window 2: 1 "
                      "pixel.");
        }
        EXPECT_EQ(deployed(), before);
    }
};

TEST_F(RefusedDeploymentTest, ADeploymentWhoseFilesWouldDrawOtherwiseIsRefusedNamingTheWindow) {
    ExpectRefused(640, 480, 10, 0);
}

TEST_F(RefusedDeploymentTest, TheCheckSeesAllOfADisplayThatGrewSinceTheDeploymentBefore) {
    ExpectRefused(800, 600, 490, 520);
}

} // namespace
} // namespace pw
