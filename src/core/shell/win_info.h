#pragma once
// What the Window Information dialog does, apart from its widgets. The dialog is the property
// sheet of the current window: it changes the window's numbers in its grid, its index,
// justification and draw type directly, and its font, texts, colours and bitmaps through the
// dialogs it opens; it deletes and raises windows and steps through them. Every handler below
// is one user command.

#include "dialogs/colour_choice.h"
#include "dialogs/info_rows.h"
#include "shell/editor.h"

#include <cstdint>
#include <optional>
#include <string>

namespace pw {

// A font face and its style bits (FontStyleBits), as the font dialog chooses them.
struct FontChoice {
    std::string FontName;
    std::uint8_t FontStyle = 0;
};

// The dialogs the sheet opens, each shown modally until the user closes it.
class WinInfoDialogs {
public:
    virtual ~WinInfoDialogs() = default;
    // The Colour Selection dialog on the codes; returns the codes it was closed with, which
    // are the answer however it was closed.
    virtual WindowColours ChooseColours(const WindowColours& codes) = 0;
    // The Text Edit dialog on the window: returns the window's fields as the user left them,
    // the texts edited and CurIndex where the user left it; the window is not touched.
    virtual WindowFields EditTexts(const cWindow& w) = 0;
    // The Image dialog on the bitmap entry BMP[index] of the window, opened with imageName;
    // returns the name it was closed with. The entry names it by then, and holds a count on
    // its image exactly when the store holds one.
    virtual std::string ChooseImage(const std::string& imageName, const cWindow& w,
                                    int index) = 0;
    // The font dialog preset with the face and style; nothing when the user cancels.
    virtual std::optional<FontChoice> ChooseFont(const FontChoice& preset) = 0;
};

// The grid's value column as the user has typed it.
class InfoCells {
public:
    virtual ~InfoCells() = default;
    // The row's cell, as Windows-1252 bytes.
    virtual std::string CellText(int row) const = 0;
};

// The name "Draw as" shows for a draw type; "" beyond the six.
const char* DrawTypeName(int drawType);
// What the font name label shows: the bitmap of the current index for a window drawn as an
// image, else the font face.
std::string ShownFontName(const cWindow& w);

// Applies a typed value by the row's rule. A value a setter refuses changes nothing, without
// a word; a negative Tag is refused with a message, since no window can hold one.
void ApplyInfoRow(Editor& editor, cWindow& w, int row, std::int32_t v);

// Sets or clears one flag of the window's Format.
void SetFormatBit(Editor& editor, cWindow& w, bool on, std::int32_t flag);

class WinInfo {
public:
    WinInfo(Editor& editor, const InfoCells& cells, WinInfoDialogs& dialogs)
        : editor_(editor), cells_(cells), dialogs_(dialogs) {}

    // The row typed into and not yet applied.
    int PendingRow = kNoRow;

    // The grid. A row's value is applied when the user types into another row, presses Enter
    // or clicks in the grid, never half typed. A cell that holds no whole number is reported
    // and dropped: the row is no longer pending, so that it shows the window's value again and
    // the next value typed is applied.
    void sgInfoSetEditText(int row);
    void sgInfoKeyPress(char key);
    void sgInfoClick() { CommitCell(); }
    void CommitCell();
    // The position rows show the window again: what was typed there is gone.
    void PositionRowsShown() { PendingRow = kNoRow; }
    // Escape in a cell: what was typed is dropped, unapplied.
    void CancelCell() { PendingRow = kNoRow; }

    // The index box now holds text. Position and Destination windows change together, and so
    // do all Direction and all Lift status windows, so that what they show stays in step.
    // Throws as IndexFromText does, changing nothing.
    void ebIndexChange(const std::string& text);
    // Justification: each box acts as it becomes checked; Left, Centre and Right exclude one
    // another, V Centre follows its box.
    void cbLeftClick(bool checked);
    void cbCentreClick(bool checked);
    void cbRightClick(bool checked);
    void cbVCentreClick(bool checked);
    void cbDrawTypeChange(int item);

    void btFontClick();
    void btTextClick();
    void btColoursClick();
    void btImageClick();
    void btDeleteClick();
    void btPutTopClick();
    void btNextClick();
    void btPrevClick();

private:
    cWindow* Current() const { return editor_.doc.layout.CurWindow; }
    void ChangeFormat(bool checked, std::int32_t set, std::int32_t clear);

    Editor& editor_;
    const InfoCells& cells_;
    WinInfoDialogs& dialogs_;
};

} // namespace pw
