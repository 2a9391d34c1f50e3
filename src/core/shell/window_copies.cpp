#include "shell/window_copies.h"

#include "config/window_group.h"
#include "config/window_text.h"
#include "shell/keyboard_editing.h"
#include "shell/redraw.h"
#include "shell/window_commands.h"
#include "windows/window_images.h"
#include "windows/window_list.h"

#include <algorithm>

namespace pw {

namespace {

constexpr int kCopyOffset = 10;

// One side of a copy's place: kCopyOffset further on, and inside 0..last. A copy that would
// start beyond the display (one from a larger display) is moved back to end on its edge.
void OffsetSide(std::int32_t& low, std::int32_t& high, std::int32_t last) {
    long long a = static_cast<long long>(low) + kCopyOffset;
    long long b = static_cast<long long>(high) + kCopyOffset;
    if (a > last) {
        a -= b - last;
        b = last;
    }
    low = static_cast<std::int32_t>(std::clamp<long long>(a, 0, last));
    high = static_cast<std::int32_t>(std::clamp<long long>(b, low, last));
}

// Appends the copy as a new window of its own and makes it current.
void AddCopy(Editor& editor, const cWindow& copy) {
    Layout& layout = editor.doc.layout;
    cWindow& w = NewWindow(layout);
    const std::uint32_t number = w.Number;
    w = copy;
    w.Number = number;
    w.Tag = w.Type == wtBackground ? 0 : number;
    w.DragMode = dmIdle;
    w.LastStepTick = 0;
    w.Lines = {}; // a copy stands on no line of the layout file
    const cWindow& display = *Background(layout);
    OffsetSide(w.X0, w.X1, display.X1);
    OffsetSide(w.Y0, w.Y1, display.Y1);
    RenumberWindows(layout);
    SelectWindow(editor.doc, editor.view, &w);
    RedrawAll(editor.view, editor.doc);
}

} // namespace

void DuplicateWindow(Editor& editor) {
    const cWindow* current = editor.doc.layout.CurWindow;
    if (!current) return;
    const cWindow copy(*current);
    for (int i = 0; i < kIndexCount; ++i)
        if (copy.ImageHeld[i]) editor.doc.images.ImageList.AcquireImage(copy.BMP[i]);
    AddCopy(editor, copy);
}

std::string CopyWindowText(const Layout& layout) {
    std::string text;
    if (cWindow* current = layout.CurWindow) WriteWindowGroup(*current, text);
    return text;
}

std::string CutWindowText(Editor& editor) {
    if (!MovableCurrent(editor.doc.layout)) return {};
    std::string text = CopyWindowText(editor.doc.layout);
    DeleteCurrentWindow(editor.doc, editor.view);
    return text;
}

bool PasteWindowText(Editor& editor, const std::string& text) {
    // Read whole as plain data first, so that text which is no window reads no images; then
    // the images its entries end with.
    std::optional<ParsedWindow> parsed = ParseWindowText(text);
    if (!parsed) {
        editor.host.ShowMessage(kNotAWindow);
        return false;
    }
    cWindow& pasted = parsed->window;
    pasted.SetContext(editor.doc.layout.context);
    try {
        for (const ImageRequest& request : parsed->images)
            LoadWindowImage(editor.doc.images, pasted, request.index, request.dither,
                            request.transparent);
    } catch (...) {
        // A bitmap that cannot be read ends the paste: the images read before it go again.
        for (int i = 0; i < kIndexCount; ++i) {
            cImage* image =
                pasted.ImageHeld[i] ? editor.doc.images.ImageList.FindImage(pasted.BMP[i]) : nullptr;
            editor.doc.images.ImageList.ReleaseImage(image);
        }
        throw;
    }
    AddCopy(editor, pasted);
    return true;
}

} // namespace pw
