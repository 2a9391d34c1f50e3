#include "platform/errors.h"
#include "shell/win_info.h"
#include "support/editor_fixture.h"

#include <map>

namespace pw {
namespace {

// The value column and the dialogs the sheet opens, answered as a test sets them.
class WinInfoTest : public EditorTest, private InfoCells, private WinInfoDialogs {
protected:
    std::map<int, std::string> cells;
    WindowColours colours;
    std::string image;
    std::optional<FontChoice> font;
    WinInfo sheet{editor, *this, *this};

    void Type(int row, const std::string& text) {
        cells[row] = text;
        sheet.sgInfoSetEditText(row);
    }
    std::vector<std::string> Messages() const {
        std::vector<std::string> texts;
        for (const auto& m : host.messages) texts.push_back(m.text);
        return texts;
    }

private:
    std::string CellText(int row) const override { return cells.at(row); }
    WindowColours ChooseColours(const WindowColours&) override { return colours; }
    void EditTexts(cWindow&) override {}
    std::string ChooseImage(const std::string&, cWindow& w, int index) override {
        w.BMP[index] = image; // as the Image dialog leaves the entry
        return image;
    }
    std::optional<FontChoice> ChooseFont(const FontChoice&) override { return font; }
};

TEST_F(WinInfoTest, ARowIsAppliedWhenAnotherIsTypedIntoOrOnEnterAndABadOneStaysPending) {
    cWindow& w = AddWindow(100, 100, 219, 129);
    editor.layout.CurWindow = &w;
    Type(irX0, "150");
    EXPECT_EQ(w.X0, 100);
    Type(irY0, "2"); // the first keystroke in Y0 applies X0
    EXPECT_EQ((Rect{w.X0, w.Y0, w.X1, w.Y1}), (Rect{150, 100, 269, 129}));
    Type(irY0, "20");
    sheet.sgInfoKeyPress('a');
    EXPECT_EQ(w.Y0, 100);
    sheet.sgInfoKeyPress('\r');
    EXPECT_EQ((Rect{w.X0, w.Y0, w.X1, w.Y1}), (Rect{150, 20, 269, 49}));
    EXPECT_EQ(sheet.PendingRow, kNoRow);

    Type(irTag, ""); // an empty cell applies nothing
    sheet.sgInfoClick();
    EXPECT_EQ(w.Tag, w.Number);
    EXPECT_EQ(sheet.PendingRow, kNoRow);

    Type(irX1, "12a");
    EXPECT_THROW(sheet.sgInfoClick(), ConversionError);
    EXPECT_EQ(sheet.PendingRow, irX1);
    EXPECT_THROW(Type(irWidth, "5"), ConversionError); // X1 is tried again first
    EXPECT_EQ(sheet.PendingRow, irX1);
    EXPECT_EQ(w.X1, 269);
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
        {&w, irWidth, 300, 300},    // X1 = 399
        {&w, irWidth, 541, 300},    // X1 would be 640, past the display
        {&w, irWidth, 0, 300},      // X1 would be before X0
        {&w, irHeight, 381, 30},    // Y1 would be 480
        {&w, irHeight, 380, 380},   // Y1 = 479, the last row
        {&w, irFontSize, 30, 30},   //
        {&w, irTag, -3, w.Number},  // refused with a message
        {&w, irTag, 7, 7},          //
        {&w, irTexture, -2, -2},    // taken as it is
        {&clock, irParameter, 1, 1} // the 24-hour sample
    };
    for (const auto& c : cases) {
        ApplyInfoRow(editor, *c.window, c.row, c.value);
        EXPECT_EQ(InfoRowValue(*c.window, c.row), c.shown) << InfoRowName(c.row) << " " << c.value;
    }
    EXPECT_EQ(w.X1, 399);
    EXPECT_EQ(clock.Text[0], "20:30  Wednesday 30 Sep 2002");
    ApplyInfoRow(editor, clock, irParameter, 2);
    EXPECT_EQ(clock.Text[0], "10:30 am  Wednesday 30 Sep 2002");
    EXPECT_EQ(Messages(), std::vector<std::string>{"'-3' is not a valid tag: tags are 0 or above"});

    w.DrawType = dtImage;
    ApplyInfoRow(editor, w, irFontSize, 12);
    EXPECT_EQ(w.FontSize, 30);
}

TEST_F(WinInfoTest, TheIndexMovesTheWindowsOfItsKindTogether) {
    cWindow& position = AddWindow(0, 0, 50, 50, wtPosition);
    cWindow& destination = AddWindow(60, 0, 110, 50, wtDestination);
    cWindow& position2 = AddWindow(120, 0, 170, 50, wtPosition);
    cWindow& direction = AddWindow(180, 0, 230, 50, wtDirection);
    cWindow& message = AddWindow(240, 0, 290, 50, wtMessage);
    for (cWindow* w : {&position, &destination, &position2, &direction, &message}) w->CurIndex = 1;

    editor.layout.CurWindow = &position2;
    sheet.ebIndexChange("3");
    EXPECT_EQ(position.CurIndex, 3);
    EXPECT_EQ(destination.CurIndex, 3);
    EXPECT_EQ(position2.CurIndex, 3);
    EXPECT_EQ(direction.CurIndex, 1);
    EXPECT_EQ(message.CurIndex, 1);

    editor.layout.CurWindow = &message;
    sheet.ebIndexChange("99");
    EXPECT_THROW(sheet.ebIndexChange("100"), Error);
    sheet.ebIndexChange("");
    EXPECT_EQ(message.CurIndex, 99);
    EXPECT_EQ(position.CurIndex, 3);
}

TEST_F(WinInfoTest, ABitmapGrowsTheWindowToItsPictureWithinTheDisplay) {
    cWindow& w = AddWindow(100, 100, 219, 129);
    w.Text[0] = "Welcome";
    editor.layout.CurWindow = &w;
    sheet.btImageClick(); // cancelled on a text window: its text stays
    EXPECT_EQ(w.Text[0], "Welcome");

    cImage* picture = editor.images.ImageList.AcquireImage("C:\\KVP\\Work\\logo.bmp");
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

TEST_F(WinInfoTest, TheBackgroundObjectKeepsItsPlaceAndAnOpaqueBackground) {
    cWindow& a = AddWindow(10, 10, 100, 40);
    cWindow& b = AddWindow(20, 20, 110, 50);
    cWindow* background = WindowAt(editor.layout, 0);
    editor.layout.CurWindow = background;
    image = "C:\\logo.bmp";
    sheet.btImageClick();
    sheet.btDeleteClick();
    sheet.btPutTopClick();
    EXPECT_EQ(background->BMP[0], "");
    ASSERT_EQ(editor.layout.WindowList.size(), 3u);
    EXPECT_EQ(WindowAt(editor.layout, 0), background);

    colours = {255, kTransparent, kTransparent};
    sheet.btColoursClick();
    EXPECT_EQ(background->FG, 255);
    EXPECT_EQ(background->BG0, 42);
    EXPECT_EQ(background->BG, 42);
    EXPECT_EQ(Messages().size(), 1u);

    sheet.btPrevClick(); // wraps to the last window
    EXPECT_EQ(editor.layout.CurWindow, &b);
    sheet.btNextClick();
    EXPECT_EQ(editor.layout.CurWindow, background);

    editor.layout.CurWindow = &a;
    sheet.btColoursClick(); // any other window takes transparent
    EXPECT_EQ(a.BG0, kTransparent);
    sheet.btPutTopClick();
    EXPECT_EQ(WindowAt(editor.layout, 2), &a);
    sheet.btDeleteClick();
    EXPECT_EQ(editor.layout.WindowList.size(), 2u);
    EXPECT_EQ(editor.layout.CurWindow, nullptr);
    sheet.btNextClick();
    EXPECT_EQ(editor.layout.CurWindow, background);
}

TEST_F(WinInfoTest, FontAndTextGiveTheWindowAFaceItCanShow) {
    cWindow& w = AddWindow(100, 100, 219, 129);
    editor.layout.CurWindow = &w;
    editor.ViewMode = vmDynamic;
    sheet.btTextClick();
    EXPECT_EQ(editor.ViewMode, vmDesign);
    EXPECT_EQ(w.FontName, "Arial");
    EXPECT_EQ(w.FontSize, 20);

    font = FontChoice{"Liberation Serif", static_cast<std::uint8_t>(fsBold | fsItalic)};
    sheet.btFontClick();
    EXPECT_EQ(w.FontName, "Liberation Serif");
    EXPECT_EQ(w.FontStyle, fsBold);
    EXPECT_EQ(Messages(), std::vector<std::string>{"Italics are not currently supported."});
    font.reset(); // cancelled
    sheet.btFontClick();
    EXPECT_EQ(w.FontName, "Liberation Serif");
}

} // namespace
} // namespace pw
