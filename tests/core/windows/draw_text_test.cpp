#include "support/editor_fixture.h"
#include "shell/redraw.h"

namespace pw {
namespace {

// The fake engine makes a 20-pixel character 10 pixels wide and a line 20 pixels high.
class TextTest : public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        w = &AddWindow(100, 50, 199, 89); // 100 x 40
        w->DrawType = dtText;
        w->FontSize = 20;
        w->FontName = "Arial";
        w->BG0 = 195;
        w->FG = 255;
        w->Text.Set(0, "abc");
    }
    // Top-left corners of the lines drawn by one full redraw in the view.
    std::vector<std::pair<int, int>> Placed(int format, std::uint8_t view) {
        w->Format = format;
        editor.view.ViewMode = view;
        text.drawn.clear();
        RedrawAll(editor.view, editor.doc);
        std::vector<std::pair<int, int>> at;
        for (const auto& d : text.drawn) at.emplace_back(d.x, d.y);
        return at;
    }
    using Places = std::vector<std::pair<int, int>>;
    cWindow* w = nullptr;
};

TEST_F(TextTest, JustificationInDesignView) {
    EXPECT_EQ(Placed(0, vmDesign), (Places{{100, 50}}));
    EXPECT_EQ(Placed(fmCentre, vmDesign), (Places{{134, 50}})); // (199 + 100 - 30) div 2
    EXPECT_EQ(Placed(fmRight, vmDesign), (Places{{169, 50}}));  // 199 - 30
    EXPECT_EQ(Placed(fmCentre | fmRight, vmDesign), (Places{{134, 50}}));
    EXPECT_EQ(Placed(fmVCentre, vmDesign), (Places{{100, 59}})); // (50 + 89 - 20) div 2
}

TEST_F(TextTest, StaticAndDynamicViewsStartTwoPixelsIn) {
    for (std::uint8_t view : {vmStatic, vmDynamic}) {
        EXPECT_EQ(Placed(0, view), (Places{{102, 50}}));
        EXPECT_EQ(Placed(fmCentre, view), (Places{{136, 50}}));
        EXPECT_EQ(Placed(fmRight | fmVCentre, view), (Places{{171, 59}}));
    }
}

TEST_F(TextTest, LinesAreJustifiedOneByOneAndCentredAsABlock) {
    w->Text.Set(0, "ab\r\ncdef");
    EXPECT_EQ(Placed(fmRight | fmVCentre, vmDesign), (Places{{179, 49}, {159, 69}}));
    ASSERT_EQ(text.drawn.size(), 2u);
    EXPECT_EQ(text.drawn[0].text, "ab");
    EXPECT_EQ(text.drawn[1].text, "cdef");
    // V Centre may start above the window: (50 + 89 - 3 * 20) div 2 = 39.
    w->Text.Set(0, "a\r\nb\r\nc");
    EXPECT_EQ(Placed(fmVCentre, vmDesign), (Places{{100, 39}, {100, 59}, {100, 79}}));
}

TEST_F(TextTest, AnEmptyFaceAndSizeZeroBecomeArialTwentyAndStay) {
    w->FontName.clear();
    w->FontSize = 0;
    w->FontStyle = fsBold | fsItalic;
    RedrawAll(editor.view, editor.doc);
    EXPECT_EQ(w->FontName, "Arial");
    EXPECT_EQ(w->FontSize, 20);
    ASSERT_EQ(text.drawn.size(), 1u);
    EXPECT_EQ(text.drawn[0].font, (FontDesc{"Arial", 20, fsBold | fsItalic}));
    EXPECT_EQ(text.drawn[0].colour, ColourOf(255));
}

TEST_F(TextTest, OpaqueCellsInTheIndexBackgroundOrNoneWhenTransparent) {
    w->CurIndex = 1;
    w->Text.Set(1, "xy");
    w->BG = 3;
    RedrawAll(editor.view, editor.doc);
    EXPECT_EQ(text.drawn.back().background, ColourOf(3));
    w->BG = kTransparent;
    RedrawAll(editor.view, editor.doc);
    EXPECT_EQ(text.drawn.back().background, std::nullopt);
}

TEST_F(TextTest, AnEmptyTextOrAnIndexOutOfRangeDrawsOnlyTheBackground) {
    w->Text.Set(0, {});
    RedrawAll(editor.view, editor.doc);
    w->CurIndex = 100;
    w->BG = 12;
    RedrawAll(editor.view, editor.doc);
    EXPECT_TRUE(text.drawn.empty());
    EXPECT_EQ(At(150, 70), ColourOf(12));
}

TEST_F(TextTest, ATimeAndDateWindowShowsAndKeepsTheSampleOutsideDynamicView) {
    w->Type = wtTimeDate;
    w->Parameter = 1;
    w->CurIndex = 3; // an index without a text shows the sample too
    Placed(0, vmStatic);
    EXPECT_EQ(w->CurIndex, 0);
    EXPECT_EQ(w->Text[0], "20:30  Wednesday 30 Sep 2002");
    ASSERT_EQ(text.drawn.size(), 1u);
    EXPECT_EQ(text.drawn[0].text, "20:30  Wednesday 30 Sep 2002");
    w->Parameter = 0;
    Placed(0, vmDesign);
    EXPECT_EQ(w->Text[0], "10:30 am  Wednesday 30 Sep 2002");
    w->Text.Set(0, "09:15  Monday 3 Mar 25"); // what the live clock wrote
    Placed(0, vmDynamic);
    EXPECT_EQ(text.drawn.at(0).text, "09:15  Monday 3 Mar 25");
}

TEST_F(TextTest, AWindowFarOffTheCanvasDrawsNothingAndStaysQuick) {
    w->Text.Set(0, std::string(20000, 'x') + "\r\n" + std::string(100000, '\n'));
    w->Format = fmVCentre | fmCentre;
    w->X0 = w->Y0 = -2000000000;
    w->X1 = w->Y1 = 2000000000;
    RedrawAll(editor.view, editor.doc);
    for (const auto& d : text.drawn) {
        EXPECT_LT(d.x, editor.view.canvas.Width());
        EXPECT_LT(d.y, editor.view.canvas.Height());
    }
}

} // namespace
} // namespace pw
