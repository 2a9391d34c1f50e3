#pragma once
// Everything a generation puts into a display folder, made in memory first, so that it can be
// shown, compared and checked before the folder is touched.

#include "generate/display_file.h"
#include "generate/font_file_list.h"
#include "images/image_store.h"
#include "platform/progress.h"
#include "platform/text_engine.h"
#include "windows/layout.h"

#include <string>
#include <vector>

namespace pw {

// The display program, copied into every target folder.
constexpr const char* kDisplayProgram = "C:\\KVP\\Display.axf";
constexpr const char* kDisplayProgramName = "Display.axf";

struct PreparedDisplay {
    // The layout as the display files describe it: its text windows name their font files.
    Layout layout;
    FontFileRecords fonts;
    // The display program, every image of the store as a .bm file (one per name, the later
    // image of a name standing), the font files and "Display.dcf".
    DisplayFileSet files;
    // Why the display program is not among the files; empty when it is.
    std::string programProblem;
    // The characters each font cannot show, where it cannot show some.
    std::vector<std::string> unshown;
};

// Makes the files for the layout, one step of steps per font. Nothing is written. Throws
// FormatError when a font or a name cannot be made into a file.
PreparedDisplay PrepareDisplayFiles(TextEngine& engine, const Layout& layout,
                                    const ImageStore& images, ProgressSteps& steps);

} // namespace pw
