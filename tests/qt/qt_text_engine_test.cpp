#include "platform/raster_canvas.h"
#include "qt/qt_text_engine.h"
#include "qt/win1252.h"
#include "display/colour.h"
#include "shell/startup.h"
#include "support/add_window.h"
#include "support/recording_host.h"
#include "shell/redraw.h"

#include <QFontInfo>

#include <gtest/gtest.h>

#include <climits>
#include <set>

namespace pw {
namespace {

constexpr ScreenColour kGround = MakeColour(32, 160, 160);
constexpr ScreenColour kInk = MakeColour(255, 255, 255);
constexpr ScreenColour kCell = MakeColour(240, 48, 48);

class QtTextEngineTest : public ::testing::Test {
protected:
    QtTextEngine engine;
    RasterCanvas canvas{200, 60, kGround};

    std::set<ScreenColour> Colours(const Rect& r) const {
        std::set<ScreenColour> seen;
        for (int y = r.top; y <= r.bottom; ++y)
            for (int x = r.left; x <= r.right; ++x) seen.insert(canvas.Pixel(x, y));
        return seen;
    }
};

TEST_F(QtTextEngineTest, ArialIsLiberationSans) {
    EXPECT_EQ(QFontInfo(QtTextEngine::MakeFont({"Arial", 20, 0})).family(), "Liberation Sans");
    EXPECT_EQ(QFontInfo(QtTextEngine::MakeFont({"Arial", 20, 0})).pixelSize(), 20);
}

TEST_F(QtTextEngineTest, EveryCharacterIsAsWideAsQtLaysItOutInText) {
    // Tabs, breaks and the soft hyphen take another width in text than their glyphs have.
    for (const FontDesc& font : {FontDesc{"Arial", 20, 0}, FontDesc{"Times New Roman", 9, fsBold},
                                 FontDesc{"Courier New", 33, fsItalic | fsUnderline}}) {
        const QFontMetrics metrics(QtTextEngine::MakeFont(font));
        for (int c = 0; c < 256; ++c) {
            const std::string text(1, static_cast<char>(c));
            EXPECT_EQ(engine.Measure(font, text).width,
                      std::max(0, metrics.horizontalAdvance(FromWin1252(text))))
                << font.face << " " << font.height << ", code " << c;
        }
    }
}

TEST_F(QtTextEngineTest, OpaqueTextFillsItsMeasuredCellWithoutAntialiasing) {
    const FontDesc font{"Arial", 20, fsBold | fsItalic};
    const std::string text = "Lift 12 \xC4g"; // Ä in Windows-1252
    const TextExtent e = engine.Measure(font, text);
    ASSERT_GT(e.width, 40);
    EXPECT_EQ(e.height, QFontMetrics(QtTextEngine::MakeFont(font)).height());
    engine.Draw(canvas, font, 10, 5, text, kInk, kCell);
    const Rect cell{10, 5, 10 + e.width - 1, 5 + e.height - 1};
    EXPECT_EQ(Colours(cell), (std::set<ScreenColour>{kInk, kCell}));
    // Left of and above the cell nothing changed; glyphs do not reach past it downward.
    EXPECT_EQ(Colours({0, 0, 9, 59}), (std::set<ScreenColour>{kGround}));
    EXPECT_EQ(Colours({0, 0, 199, 4}), (std::set<ScreenColour>{kGround}));
    EXPECT_EQ(Colours({0, cell.bottom + 1, 199, 59}), (std::set<ScreenColour>{kGround}));
    EXPECT_EQ(canvas.TakeDirty().Intersected(cell), cell); // the repaint covers the cell
}

TEST_F(QtTextEngineTest, TransparentTextDrawsOnlyTheGlyphs) {
    const FontDesc font{"Arial", 16, 0};
    engine.Draw(canvas, font, 2, 2, "Hamburg", kInk, std::nullopt);
    EXPECT_EQ(Colours(canvas.Bounds()), (std::set<ScreenColour>{kInk, kGround}));
    const TextExtent e = engine.Measure(font, "Hamburg");
    // The glyphs lie in the cell.
    for (int y = 0; y < canvas.Height(); ++y)
        for (int x = 0; x < canvas.Width(); ++x)
            if (canvas.Pixel(x, y) == kInk) {
                ASSERT_GE(x, 2);
                ASSERT_LT(x, 2 + e.width);
                ASSERT_GE(y, 2);
                ASSERT_LT(y, 2 + e.height);
            }
}

TEST_F(QtTextEngineTest, TextFarOffTheCanvasChangesNothing) {
    canvas.TakeDirty();
    engine.Draw(canvas, {"Arial", 20, 0}, 2000000000, 10, "far", kInk, kCell);
    engine.Draw(canvas, {"Arial", 20, 0}, 10, -2000000000, "far", kInk, kCell);
    engine.Draw(canvas, {"Arial", 2000000000, 0}, -100000, 10, "tall", kInk, kCell);
    EXPECT_EQ(Colours(canvas.Bounds()), (std::set<ScreenColour>{kGround}));
    EXPECT_TRUE(canvas.TakeDirty().Empty());
}

TEST_F(QtTextEngineTest, AHugeTextWindowFromAHandEditedLayoutDrawsQuickly) {
    RecordingHost host;
    Editor editor{host, engine};
    CreateDefaultLayout(editor.doc, editor.view);
    cWindow& w = AddWindow(editor, INT_MIN, INT_MIN, INT_MAX, INT_MAX);
    w.FontSize = INT_MAX;
    w.Format = fmCentre | fmVCentre;
    w.Text.Set(0, "Lift\r\nout of service");
    editor.view.ViewMode = vmStatic;
    RedrawAll(editor.view, editor.doc);
    EXPECT_EQ(w.FontSize, INT_MAX); // the window keeps what the file said
}

} // namespace
} // namespace pw
