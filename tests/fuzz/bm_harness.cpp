// A display bitmap that reads writes back to the same bytes, and its runs stay inside the
// picture.

#include "harnesses.h"

#include "images/bm_file.h"
#include "images/run_walk.h"
#include "platform/errors.h"

namespace pw::fuzz {

void FuzzBm(std::string_view bytes) {
    cImage image;
    try {
        image = ParseBitmapFile(bytes, "fuzz.bm");
        CheckRunData(image, "fuzz.bm");
    } catch (const FormatError&) {
        return;
    }
    Require(BitmapFileBytes(image) == bytes, "a display bitmap writes back to the same bytes");
    bool inside = true;
    WalkRuns(image, [&](int row, int x1, int x2, int) {
        inside =
            inside && row >= 0 && row < image.Height && x1 >= 0 && x1 <= x2 && x2 < image.Width;
    });
    Require(inside, "the runs of a sound display bitmap stay inside the picture");
}

} // namespace pw::fuzz
