#include "shell/window_copies.h"

#include "config/dcf_file.h"
#include "config/window_group.h"
#include "config/window_text.h"
#include "shell/group_commands.h"
#include "shell/redraw.h"
#include "shell/selection_commands.h"
#include "shell/window_commands.h"
#include "windows/window_images.h"
#include "windows/window_list.h"

#include <algorithm>
#include <climits>

namespace pw {

namespace {

constexpr int kCopyOffset = 10;

// How far copies of windows spanning low..high on one axis go: kCopyOffset further on, or,
// where they would start beyond the display (copies from a larger display), back so that
// they end on its edge.
long long CopyShift(long long low, long long high, std::int32_t last) {
    return low + kCopyOffset > last ? last - high : kCopyOffset;
}

// One side of a copy's place moved by d and held inside 0..last.
void Shift(std::int32_t& low, std::int32_t& high, long long d, std::int32_t last) {
    low = static_cast<std::int32_t>(std::clamp<long long>(low + d, 0, last));
    high = static_cast<std::int32_t>(std::clamp<long long>(high + d, low, last));
}

// Appends copies of the windows in their order, as windows of their own, moved together;
// they become the selection, the copy of current the current window (else the last).
void AddCopies(Editor& editor, const std::vector<const cWindow*>& originals,
               const cWindow* current) {
    Layout& layout = editor.doc.layout;
    long long left = LLONG_MAX, top = LLONG_MAX, right = LLONG_MIN, bottom = LLONG_MIN;
    for (const cWindow* w : originals) {
        left = std::min<long long>(left, w->X0);
        top = std::min<long long>(top, w->Y0);
        right = std::max<long long>(right, w->X1);
        bottom = std::max<long long>(bottom, w->Y1);
    }
    const cWindow& display = *Background(layout);
    const long long dx = CopyShift(left, right, display.X1);
    const long long dy = CopyShift(top, bottom, display.Y1);
    std::set<WindowId> ids;
    cWindow* made = nullptr;
    for (const cWindow* original : originals) {
        cWindow& w = NewWindow(layout);
        const std::uint32_t number = w.Number;
        w = *original;
        w.Number = number;
        w.Tag = w.Type == wtBackground ? 0 : number;
        w.DragMode = dmIdle;
        w.LastStepTick = 0;
        w.Lines = {}; // a copy stands on no line of the layout file
        Shift(w.X0, w.X1, dx, display.X1);
        Shift(w.Y0, w.Y1, dy, display.Y1);
        ids.insert(w.Id);
        if (original == current) made = &w;
    }
    RenumberWindows(layout);
    if (made) SelectWindow(editor.doc, editor.view, made);
    SelectIds(editor, ids);
    RedrawAll(editor.view, editor.doc);
}

std::string GroupTexts(const std::vector<cWindow*>& windows) {
    std::string text;
    for (cWindow* w : windows) WriteWindowGroup(*w, text);
    return text;
}

} // namespace

void DuplicateSelection(Editor& editor) {
    const Layout& layout = editor.doc.layout;
    const std::vector<cWindow*> selected = SelectedWindows(layout, editor.selection);
    if (selected.empty()) return;
    for (const cWindow* w : selected)
        for (int i = 0; i < kIndexCount; ++i)
            if (w->ImageHeld[i]) editor.doc.images.ImageList.AcquireImage(w->BMP[i]);
    AddCopies(editor, {selected.begin(), selected.end()}, layout.CurWindow);
}

std::string CopyWindowText(const Layout& layout, const Selection& selection) {
    return GroupTexts(SelectedWindows(layout, selection));
}

std::string CutWindowText(Editor& editor) {
    const Layout& layout = editor.doc.layout;
    std::vector<cWindow*> windows = MovableSelection(layout, editor.selection);
    // Delete takes the current window alone, locked or not, when no other is movable.
    if (windows.empty())
        if (cWindow* current = MovableCurrent(layout)) windows = {current};
    if (windows.empty()) return {};
    std::string text = GroupTexts(windows);
    DeleteSelection(editor);
    return text;
}

bool PasteWindowText(Editor& editor, const std::string& text) {
    // Read whole as plain data first, so that text which is no window reads no images; then
    // the images its entries end with.
    std::optional<std::vector<ParsedWindow>> parsed = ParseWindowText(text);
    if (!parsed) {
        editor.host.ShowMessage(kNotAWindow);
        return false;
    }
    const std::size_t windows = editor.doc.layout.WindowList.size();
    if (windows + parsed->size() > kMaxLayoutWindows) {
        editor.host.ShowMessage("The layout would hold more than " +
                                std::to_string(kMaxLayoutWindows) +
                                " windows, more than a layout file may; nothing was pasted.");
        return false;
    }
    ImageStore& store = editor.doc.images.ImageList;
    std::vector<const cWindow*> pasted;
    try {
        for (ParsedWindow& p : *parsed) {
            p.window.SetContext(editor.doc.layout.context);
            for (const ImageRequest& request : p.images)
                LoadWindowImage(editor.doc.images, p.window, request.index, request.dither,
                                request.transparent);
            pasted.push_back(&p.window);
        }
    } catch (...) {
        // A bitmap that cannot be read ends the paste: the images read before it go again.
        for (const ParsedWindow& p : *parsed)
            for (int i = 0; i < kIndexCount; ++i)
                if (p.window.ImageHeld[i]) {
                    cImage* image = store.FindImage(p.window.BMP[i]);
                    store.ReleaseImage(image);
                }
        throw;
    }
    AddCopies(editor, pasted, nullptr);
    return true;
}

} // namespace pw
