#include "cli/cli.h"
#include "cli/cli_editor.h"
#include "cli/clock_time.h"
#include "cli/commands.h"
#include "cli/picture_file.h"
#include "display/int_text.h"
#include "generate/display_drawing.h"
#include "qt/calendar_names.h"

namespace pw {

int RunRenderDisplay(CliContext& context, const std::vector<std::string>& arguments) {
    std::vector<std::string> files;
    DrawingOptions options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& a = arguments[i];
        if ((a == "--index" || a == "--time") && i + 1 == arguments.size()) {
            context.err << "panelwright-cli render-display: " << a << " needs a value\n";
            return kExitUsage;
        }
        if (a == "--index") {
            options.index = StrToInt(arguments[++i]);
            if (*options.index < 0 || *options.index >= kIndexCount) {
                context.err << "panelwright-cli render-display: --index must be 0 to "
                            << kIndexCount - 1 << "\n";
                return kExitUsage;
            }
        } else if (a == "--time") {
            options.clock = ClockTime(arguments[++i]);
            if (!options.clock) {
                context.err << "panelwright-cli render-display: --time wants "
                               "YYYY-MM-DDTHH:MM[:SS], not '"
                            << arguments[i] << "'\n";
                return kExitUsage;
            }
        } else {
            files.push_back(a);
        }
    }
    if (files.size() != 2) {
        context.err << "Usage: panelwright-cli render-display FOLDER OUT.png [--index N] "
                       "[--time YYYY-MM-DDTHH:MM]\n";
        return kExitUsage;
    }
    std::string folder = files[0];
    if (!folder.ends_with('\\') && !folder.ends_with('/')) folder += '\\';
    // Only the folder's own files: its fonts draw the text, no system font.
    EnsureGuiApplication();
    DisplayFolder display = ReadDisplayFolder(folder);
    const RasterCanvas picture =
        DrawDisplay(display.layout, display.images, display.fonts, LocaleCalendarNames(), options);
    SavePicture(picture, files[1]);
    return kExitOk;
}

} // namespace pw
