#include "shell/win_info.h"

#include "dialogs/index_text.h"
#include "display/colour.h"
#include "display/int_text.h"
#include "images/bm_file.h"
#include "shell/group_commands.h"
#include "shell/keyboard_editing.h"
#include "shell/view_modes.h"
#include "shell/redraw.h"
#include "shell/window_commands.h"
#include "windows/window_list.h"
#include "shell/window_change.h"
#include "shell/window_setters.h"

#include <algorithm>
#include <limits>

namespace pw {

const char* DrawTypeName(int drawType) {
    static const char* const names[kDrawTypeCount] = {
        "Text", "Arrows", "Image", "Rectangle", "Mat surface", "FileName",
    };
    return drawType >= 0 && drawType < kDrawTypeCount ? names[drawType] : "";
}

std::string ShownFontName(const cWindow& w) {
    if (w.DrawType != dtImage) return w.FontName;
    return w.IndexInRange() ? w.BMP[w.CurIndex] : std::string();
}


namespace {

// Sets or clears one flag of the window's Format.
void SetFormatBit(Editor& editor, cWindow& w, bool on, std::int32_t flag) {
    SetValue(editor.doc, editor.view, w, wfFormat, on ? w.Format | flag : w.Format & ~flag);
}


// The far edge a width or height gives, when a window field can hold it; a value beyond
// that is past the display anyway, so the setter would refuse it.
void SetExtent(Editor& editor, cWindow& w, std::int32_t nearEdge, std::int32_t v,
               WindowField farEdge) {
    const long long far = static_cast<long long>(nearEdge) + v - 1;
    if (far < std::numeric_limits<std::int32_t>::min() ||
        far > std::numeric_limits<std::int32_t>::max())
        return;
    SetValue(editor.doc, editor.view, w, farEdge, static_cast<std::int32_t>(far));
}

} // namespace

void ApplyInfoRow(Editor& editor, cWindow& w, int row, std::int32_t v) {
    switch (row) {
    case irFontSize: SetValue(editor.doc, editor.view, w, wfFontSize, v); break;
    case irX0: SetValue(editor.doc, editor.view, w, wfX0, v); break;
    case irX1: SetValue(editor.doc, editor.view, w, wfX1, v); break;
    case irY0: SetValue(editor.doc, editor.view, w, wfY0, v); break;
    case irY1: SetValue(editor.doc, editor.view, w, wfY1, v); break;
    case irWidth: SetExtent(editor, w, w.X0, v, wfX1); break;
    case irHeight: SetExtent(editor, w, w.Y0, v, wfY1); break;
    case irTag: {
        if (v < 0) {
            editor.host.ShowMessage("'" + std::to_string(v) +
                                    "' is not a valid tag: tags are 0 or above");
            break;
        }
        WindowFields values;
        values.Tag = static_cast<std::uint32_t>(v);
        ChangeWindow(editor.doc, editor.view, w.Id, values, wfTag);
        break;
    }
    case irParameter: SetValue(editor.doc, editor.view, w, wfParameter, v); break;
    case irTexture: {
        WindowFields values;
        values.Texture = v;
        ChangeWindow(editor.doc, editor.view, w.Id, values, wfTexture);
        break;
    }
    default: break;
    }
}

void WinInfo::sgInfoSetEditText(int row) {
    if (PendingRow != kNoRow && PendingRow != row) {
        try {
            CommitCell();
        } catch (...) {
            // The row now typed into is pending all the same.
            PendingRow = row;
            throw;
        }
    }
    PendingRow = row;
}

void WinInfo::sgInfoKeyPress(char key) {
    if (key == '\r' && PendingRow != kNoRow) CommitCell();
}

void WinInfo::CommitCell() {
    if (PendingRow == kNoRow) return;
    if (cWindow* w = Current()) {
        const std::string text = cells_.CellText(PendingRow);
        const int row = PendingRow;
        PendingRow = kNoRow;
        // A text that is no number throws here, and is dropped with the pending row.
        if (!text.empty()) ApplyInfoRow(editor_, *w, row, StrToInt(text));
    }
    PendingRow = kNoRow;
}

void WinInfo::ebIndexChange(const std::string& text) {
    cWindow* w = Current();
    if (text.empty() || !w) return;
    const std::int32_t v = IndexFromText(text);
    switch (w->Type) {
    case wtPosition:
    case wtDestination:
        // Floor texts of both kinds name the same floors.
        SetIndexForType(editor_.doc, editor_.view, wtPosition, v);
        SetIndexForType(editor_.doc, editor_.view, wtDestination, v);
        break;
    case wtDirection:
    case wtLiftStatus: SetIndexForType(editor_.doc, editor_.view, w->Type, v); break;
    default: SetValue(editor_.doc, editor_.view, *w, wfCurIndex, v); break;
    }
}

void WinInfo::ChangeFormat(bool checked, std::int32_t set, std::int32_t clear) {
    cWindow* w = Current();
    if (!checked || !w) return;
    SetValue(editor_.doc, editor_.view, *w, wfFormat, (w->Format | set) & ~clear);
}

void WinInfo::cbLeftClick(bool checked) {
    ChangeFormat(checked, 0, fmCentre | fmRight);
}

void WinInfo::cbCentreClick(bool checked) {
    ChangeFormat(checked, fmCentre, fmRight);
}

void WinInfo::cbRightClick(bool checked) {
    ChangeFormat(checked, fmRight, fmCentre);
}

void WinInfo::cbVCentreClick(bool checked) {
    if (cWindow* w = Current()) SetFormatBit(editor_, *w, checked, fmVCentre);
}

void WinInfo::cbDrawTypeChange(int item) {
    if (cWindow* w = Current()) SetValue(editor_.doc, editor_.view, *w, wfDrawType, item);
    ApplyToSelection(editor_, wfDrawType);
}

void WinInfo::btFontClick() {
    cWindow* w = Current();
    if (!w) return;
    const std::optional<FontChoice> chosen = dialogs_.ChooseFont({w->FontName, w->FontStyle});
    if (!chosen) return;
    const bool italic = (chosen->FontStyle & fsItalic) != 0;
    WindowFields values;
    values.FontName = chosen->FontName;
    values.FontStyle = static_cast<std::uint8_t>(chosen->FontStyle & ~fsItalic);
    ChangeWindow(editor_.doc, editor_.view, w->Id, values, wfFontName | wfFontStyle);
    ApplyToSelection(editor_, wfFontName | wfFontStyle);
    // Told once the window shows what was kept.
    if (italic) editor_.host.ShowMessage("Italics are not currently supported.");
}

void WinInfo::btTextClick() {
    cWindow* w = Current();
    if (!w) return;
    // The simulation would overwrite the index being edited.
    LeaveDynamicView(editor_.view);
    const WindowId id = w->Id;
    WindowFields edited = dialogs_.EditTexts(*w);
    // The dialog ran commands of its own: the window is found again.
    w = FindWindow(editor_.doc.layout, id);
    if (!w) return;
    FieldMask mask = wfText | wfCurIndex;
    if (w->FontName.empty()) {
        edited.FontName = "Arial";
        mask |= wfFontName;
        // A bevelled rectangle's font size is the width of its bevel, which a text edit must
        // not turn into 20.
        if (w->DrawType != dtRectangle) {
            edited.FontSize = 20;
            mask |= wfFontSize;
        }
    }
    ChangeWindow(editor_.doc, editor_.view, w->Id, edited, mask);
    // The index box shows where the user left the texts.
    editor_.observers.Notify(&EditorObserver::WindowChanged);
}

void WinInfo::btColoursClick() {
    cWindow* w = Current();
    if (!w) return;
    const WindowColours chosen = dialogs_.ChooseColours({w->FG, w->BG0, w->BG});
    WindowFields values;
    values.FG = chosen.FG;
    values.BG0 = chosen.BG0;
    values.BG = chosen.BG;
    FieldMask mask = kColourFields;
    if (w == Background(editor_.doc.layout) && chosen.BG0 == kTransparent) {
        editor_.host.ShowMessage("The display's background cannot be transparent: its "
                                 "background colours were kept.");
        mask = wfFG;
    }
    ChangeWindow(editor_.doc, editor_.view, w->Id, values, mask);
    ApplyToSelection(editor_, mask);
}

void WinInfo::btImageClick() {
    cWindow* w = MovableCurrent(editor_.doc.layout);
    // An index a damaged file left outside 0..99 has no entry to choose a bitmap for.
    if (!w || !w->IndexInRange()) return;
    const int i = w->CurIndex;
    const Rect was = CoveredArea(editor_.view, editor_.doc.layout, *w);
    editor_.view.LineColour = w->FG;
    editor_.view.FillColour = w->BG0 == kTransparent ? editor_.doc.layout.BackgroundColour : w->BG0;
    const bool wasImage = w->DrawType == dtImage;
    const WindowId id = w->Id;
    const std::string name = dialogs_.ChooseImage(wasImage ? w->BMP[i] : "", *w, i);
    w = FindWindow(editor_.doc.layout, id);
    if (!w) return;
    WindowFields values;
    values.Text = w->Text;
    FieldMask mask = wfText;
    if (!name.empty()) {
        values.DrawType = dtImage;
        values.Text.Set(i, BitmapFileName(name));
        mask |= wfDrawType;
        // A file the reader refused is not in the store: the window keeps its size. Else it
        // grows to show the whole picture, as far as the display allows.
        const cWindow* display = Background(editor_.doc.layout);
        if (const cImage* image = editor_.doc.images.ImageList.FindImage(name)) {
            if (static_cast<long long>(w->X1) - w->X0 < image->Width) {
                values.X1 = static_cast<std::int32_t>(std::min<long long>(
                    static_cast<long long>(w->X0) + image->Width - 1, display->X1));
                if (values.X1 >= w->X0) mask |= wfX1;
            }
            if (static_cast<long long>(w->Y1) - w->Y0 < image->Height) {
                values.Y1 = static_cast<std::int32_t>(std::min<long long>(
                    static_cast<long long>(w->Y0) + image->Height - 1, display->Y1));
                if (values.Y1 >= w->Y0) mask |= wfY1;
            }
        }
    } else if (wasImage) {
        // The entry's text named the bitmap; a window drawn otherwise keeps its text.
        values.Text.Set(i, {});
    }
    // The dialog has given the entry its bitmap already: that is drawn whatever else changes.
    if (ChangeWindow(editor_.doc, editor_.view, w->Id, values, mask) == wfNone)
        RedrawChanged(editor_.doc, editor_.view, *w, was);
    editor_.observers.Notify(&EditorObserver::WindowChanged);
}

void WinInfo::btDeleteClick() {
    DeleteCurrentWindow(editor_.doc, editor_.view);
}

void WinInfo::btPutTopClick() {
    if (cWindow* w = MovableCurrent(editor_.doc.layout)) PutOnTop(editor_.doc.layout, w);
    RedrawAll(editor_.view, editor_.doc);
}

void WinInfo::btNextClick() {
    SelectWindow(editor_.doc, editor_.view, StepWindow(editor_.doc.layout, Current(), +1));
}

void WinInfo::btPrevClick() {
    SelectWindow(editor_.doc, editor_.view, StepWindow(editor_.doc.layout, Current(), -1));
}

} // namespace pw
