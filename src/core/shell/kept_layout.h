#pragma once
// A layout as the undo history keeps it between commands. Windows are shared, read-only, with
// the other kept layouts that hold the same window unchanged, so keeping a layout costs about
// what the last command changed. Images are shared with the store.

#include "windows/job_record.h"
#include "images/kept_image.h"
#include "windows/window.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace pw {

struct KeptLayout {
    // Tells kept layouts apart: the one last saved is known by it.
    std::uint64_t id = 0;
    std::vector<std::shared_ptr<const cWindow>> windows;
    int current = -1; // the selected window's place in the list
    std::uint32_t nextNumber = 1;
    std::int32_t backgroundColour = 0;
    cInputSpec job;
    std::vector<KeptImage> images;
};

} // namespace pw
