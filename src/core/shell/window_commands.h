#pragma once
// What changes the editor's window list and tells the views: the selection, the display size,
// the index of every window of a kind, and a whole layout put in place.

#include "images/kept_image.h"
#include "shell/document.h"
#include "windows/layout_snapshot.h"
#include "windows/view.h"

#include <cstdint>
#include <vector>

namespace pw {

// Makes the window current, moving the selection mark and telling the views.
void SelectWindow(Document& doc, View& view, cWindow* window);
// Sets the display size, held as the Background object's position. Only the width is
// compared: the four display sizes all differ in width. Sizes outside 1..kMaxDisplaySide
// are refused, so no layout can make the canvas take unbounded memory.
void SetDisplaySize(Document& doc, View& view, int width, int height);
// SetValue of CurIndex on every window of the kind, in list order.
void SetIndexForType(Document& doc, View& view, std::uint8_t type, std::int32_t index);
// Puts a layout in the editor with the images it knew: the store takes them (their counts
// recomputed), the display takes the layout's size, and the views are told that the layout
// was replaced.
void PutLayoutBack(Document& doc, View& view, Layout layout, const std::vector<KeptImage>& images);
// Edit > Undo and Redo: the layout as it was before the last step, or after the step undone
// last, is put back.
void Undo(Document& doc, View& view);
void Redo(Document& doc, View& view);
// The same for a layout kept aside; the snapshot can be put back again.
inline void PutLayoutBack(Document& doc, View& view, const LayoutSnapshot& kept) {
    PutLayoutBack(doc, view, kept.layout(), kept.images());
}

} // namespace pw
