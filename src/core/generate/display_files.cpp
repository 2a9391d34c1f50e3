#include "generate/display_files.h"

#include "config/dcf_file.h"
#include "generate/generate_fonts.h"
#include "generate/target_folder.h"
#include "images/bm_file.h"
#include "platform/errors.h"
#include "platform/files.h"

#include <map>

namespace pw {

namespace {

// No display program comes near this; a larger file is not one.
constexpr std::size_t kMaxProgramBytes = 256u << 20;

} // namespace

PreparedDisplay PrepareDisplayFiles(TextEngine& engine, const Layout& layout,
                                    const ImageStore& images, ProgressSteps& steps) {
    PreparedDisplay out{layout, {}, {}, {}, {}};
    if (!FileExists(kDisplayProgram)) {
        out.programProblem =
            std::string("The display executable file - ") + kDisplayProgram + " - is missing.";
    } else {
        try {
            out.files.push_back(
                {kDisplayProgramName, ReadFileBytes(kDisplayProgram, kMaxProgramBytes)});
        } catch (const Error& error) {
            out.programProblem = error.what();
        }
    }

    std::map<std::string, std::size_t> bitmapAt;
    for (const auto& image : images.Images()) {
        const std::string name = BitmapFileName(image->FileName);
        std::string bytes = BitmapFileBytes(*image);
        if (const auto found = bitmapAt.find(name); found != bitmapAt.end()) {
            out.files[found->second].bytes = std::move(bytes);
            continue;
        }
        bitmapAt[name] = out.files.size();
        out.files.push_back({name, std::move(bytes)});
    }

    FontFilesMade fonts = GenerateFonts(engine, out.layout, out.fonts, steps);
    for (DisplayFile& file : fonts.files) out.files.push_back(std::move(file));
    out.unshown = std::move(fonts.unshown);

    out.files.push_back({kDisplayConfigName, WriteLayoutText(out.layout)});
    return out;
}

} // namespace pw
