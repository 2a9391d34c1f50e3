#pragma once
// A layout as it was at one moment, to be put back later: by undo, or when a load fails
// half-way. The windows and the job record are held as a value; the images are shared with
// the store, never copied, and their counts are worked out again from the windows' entries
// when the layout is put back.

#include "images/kept_image.h"
#include "shell/editor.h"

#include <vector>

namespace pw {

// Puts a layout in the editor with the images it knew: the store takes them (their counts
// recomputed), the display takes the layout's size, and the views are told that the layout
// was replaced.
void PutLayoutBack(Editor& editor, Layout layout, const std::vector<KeptImage>& images);

class LayoutSnapshot {
public:
    // A copy of the editor's layout, with the images of its store.
    explicit LayoutSnapshot(const Editor& editor);
    // The given layout (typically taken out of the editor) with the store's images.
    LayoutSnapshot(Layout layout, const ImageStore& store);

    // Puts the layout back in the editor (PutLayoutBack). The snapshot can be restored again.
    void RestoreTo(Editor& editor) const& { PutLayoutBack(editor, layout_, images_); }
    // The same, handing the snapshot's windows over instead of copying them.
    void RestoreTo(Editor& editor) && { PutLayoutBack(editor, std::move(layout_), images_); }

    const Layout& layout() const { return layout_; }

private:
    Layout layout_;
    std::vector<KeptImage> images_;
};

// Sets every stored image's count to the number of window entries that hold it, and drops
// the images no entry holds.
void RecountImages(const Layout& layout, ImageStore& store);

} // namespace pw
