#include "platform/errors.h"
#include "shell/win_info.h"
#include "support/editor_fixture.h"
#include "windows/window_list.h"

#include <map>

namespace pw {
namespace {

// The value column and the dialogs the sheet opens, answered as a test sets them.
class WinInfoTest : public EditorTest, private InfoCells, private WinInfoDialogs {
protected:
    std::map<int, std::string> cells;
    std::string image;
    WinInfo sheet{editor, *this, *this};

    void Type(int row, const std::string& text) {
        cells[row] = text;
        sheet.sgInfoSetEditText(row);
    }

private:
    std::string CellText(int row) const override { return cells.at(row); }
    WindowColours ChooseColours(const WindowColours& codes) override { return codes; }
    WindowFields EditTexts(const cWindow& w) override { return w; }
    std::string ChooseImage(const std::string&, const cWindow& w, int index) override {
        // As the Image dialog leaves the entry.
        FindWindow(editor.doc.layout, w.Id)->BMP[index] = image;
        return image;
    }
    std::optional<FontChoice> ChooseFont(const FontChoice&) override { return std::nullopt; }
};

TEST_F(WinInfoTest, ARowIsAppliedAtTheFirstKeystrokeInAnotherAndABadOneIsDropped) {
    cWindow& w = AddWindow(100, 100, 219, 129);
    editor.doc.layout.CurWindow = &w;
    Type(irX0, "150");
    EXPECT_EQ(w.X0, 100);
    Type(irY0, "2"); // applies X0
    Type(irY0, "20");
    EXPECT_EQ((Rect{w.X0, w.Y0, w.X1, w.Y1}), (Rect{150, 100, 269, 129}));
    Type(irTag, ""); // applies Y0; the empty Tag applies nothing
    sheet.sgInfoKeyPress('\r');
    EXPECT_EQ((Rect{w.X0, w.Y0, w.X1, w.Y1}), (Rect{150, 20, 269, 49}));
    EXPECT_EQ(w.Tag, w.Number);

    Type(irX1, "12a");
    EXPECT_THROW(Type(irWidth, "5"), ConversionError);
    EXPECT_EQ(w.X1, 269);
    EXPECT_EQ(sheet.PendingRow, irWidth); // the row typed into next goes on
    sheet.sgInfoClick();
    EXPECT_EQ(w.X1, 154);
    Type(irX1, "x");
    EXPECT_THROW(sheet.sgInfoKeyPress('\r'), ConversionError);
    EXPECT_EQ(sheet.PendingRow, kNoRow);
    EXPECT_NO_THROW(sheet.sgInfoClick()); // reported once, not again at every click
    EXPECT_EQ(w.X1, 154);
}

TEST_F(WinInfoTest, EachRowAppliesItsOwnRule) {
    cWindow& w = AddWindow(100, 100, 219, 129);
    cWindow& clock = AddWindow(10, 10, 340, 40, wtTimeDate);
    const struct {
        cWindow* window;
        int row;
        std::int32_t value;
        long long shown; // what the row shows afterwards
    } cases[] = {
        {&w, irWidth, 300, 300},     // X1 = 399
        {&w, irWidth, 541, 300},     // X1 would be 640, past the display
        {&w, irWidth, 0, 300},       // X1 would be before X0
        {&w, irHeight, 381, 30},     // Y1 would be 480
        {&w, irHeight, 380, 380},    // Y1 = 479, the last row
        {&w, irFontSize, 30, 30},    // a text window takes it
        {&w, irTag, -3, w.Number},   // refused with a message
        {&w, irTag, 7, 7},           // taken as it is
        {&w, irTexture, -2, -2},     // taken as it is
        {&clock, irParameter, 1, 1}, // the 24-hour sample
    };
    for (const auto& c : cases) {
        ApplyInfoRow(editor, *c.window, c.row, c.value);
        EXPECT_EQ(InfoRowValue(*c.window, c.row), c.shown) << InfoRowName(c.row) << " " << c.value;
    }
    EXPECT_EQ(w.X1, 399);
    EXPECT_EQ(clock.Text[0], "20:30  Wednesday 30 Sep 2002");
    ApplyInfoRow(editor, clock, irParameter, 2);
    EXPECT_EQ(clock.Text[0], "10:30 am  Wednesday 30 Sep 2002");
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "'-3' is not a valid tag: tags are 0 or above");

    w.DrawType = dtImage;
    ApplyInfoRow(editor, w, irFontSize, 12);
    EXPECT_EQ(w.FontSize, 30);
}

TEST_F(WinInfoTest, TheIndexMovesTheWindowsOfItsKindTogether) {
    cWindow& position = AddWindow(0, 0, 50, 50, wtPosition);
    cWindow& destination = AddWindow(60, 0, 110, 50, wtDestination);
    cWindow& direction = AddWindow(180, 0, 230, 50, wtDirection);
    cWindow& message = AddWindow(240, 0, 290, 50, wtMessage);
    editor.doc.layout.CurWindow = &destination;
    sheet.ebIndexChange("3");
    editor.doc.layout.CurWindow = &message;
    sheet.ebIndexChange("99");
    EXPECT_THROW(sheet.ebIndexChange("100"), Error);
    sheet.ebIndexChange("");
    EXPECT_EQ(position.CurIndex, 3);
    EXPECT_EQ(destination.CurIndex, 3);
    EXPECT_EQ(direction.CurIndex, 0);
    EXPECT_EQ(message.CurIndex, 99);
}

TEST_F(WinInfoTest, ABitmapGrowsTheWindowToItsPictureWithinTheDisplay) {
    cWindow& w = AddWindow(100, 100, 219, 129);
    w.Text.Set(0, "Welcome");
    editor.doc.layout.CurWindow = &w;
    sheet.btImageClick(); // cancelled on a text window: its text stays
    EXPECT_EQ(w.Text[0], "Welcome");

    cImage* picture = editor.doc.images.ImageList.AcquireImage("C:\\KVP\\Work\\logo.bmp");
    picture->Width = 200;
    picture->Height = 20;
    image = picture->FileName;
    sheet.btImageClick();
    EXPECT_EQ(w.DrawType, dtImage);
    EXPECT_EQ(w.Text[0], "logo.bm");
    EXPECT_EQ((Rect{w.X0, w.Y0, w.X1, w.Y1}), (Rect{100, 100, 299, 129})); // never shrinks

    picture->Width = 700;
    sheet.btImageClick();
    EXPECT_EQ(w.X1, 639);

    image = "C:\\KVP\\Work\\refused.bmp"; // not in the store
    w.X1 = 219;
    sheet.btImageClick();
    EXPECT_EQ(w.Text[0], "refused.bm");
    EXPECT_EQ(w.X1, 219);

    image.clear();
    sheet.btImageClick();
    EXPECT_EQ(w.Text[0], "");
}

TEST_F(WinInfoTest, TextLeavesTheDynamicViewAndGivesAWindowWithoutAFaceArial20) {
    cWindow& w = AddWindow(100, 100, 219, 129);
    editor.doc.layout.CurWindow = &w;
    editor.view.ViewMode = vmDynamic;
    sheet.btTextClick();
    EXPECT_EQ(editor.view.ViewMode, vmDesign);
    EXPECT_EQ(w.FontName, "Arial");
    EXPECT_EQ(w.FontSize, 20);

    cWindow& bevel = AddWindow(300, 100, 419, 129, wtBackground);
    bevel.DrawType = dtRectangle;
    bevel.FontSize = 2; // the bevel's width
    editor.doc.layout.CurWindow = &bevel;
    sheet.btTextClick();
    EXPECT_EQ(bevel.FontSize, 2);
}

} // namespace
} // namespace pw
