#include "windows/window_images.h"

#include "images/load_image.h"

namespace pw {

void LoadWindowImage(ImageBank& images, cWindow& w, int index, bool dither, int transparent) {
    if (index < 0 || index >= kIndexCount) return;
    {
        // The Image dialog shows the reader's information line and progress while the file
        // is read, and goes away again whatever happens.
        ProgressScope shown(*images.progress, "Reading " + w.BMP[index]);
        images.Dither = dither;
        if (!LoadImage(images, w.BMP[index])) return;
    }
    w.ImageHeld.set(static_cast<std::size_t>(index));
    if (cImage* image = images.ImageList.FindImage(w.BMP[index])) image->Transparent = transparent;
}

} // namespace pw
