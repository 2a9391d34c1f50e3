#pragma once
// One file of a display folder, as a generation means it to be.

#include <string>
#include <vector>

namespace pw {

struct DisplayFile {
    std::string name; // a plain name inside the target folder: "Arial24.fnt"
    std::string bytes;
};

// Every file of one generation, in the order they are written; names differ.
using DisplayFileSet = std::vector<DisplayFile>;

} // namespace pw
