#include "cli/commands.h"

namespace pw {

int RunCheck(CliContext& context, const std::vector<std::string>& arguments);
int RunSave(CliContext& context, const std::vector<std::string>& arguments);
int RunRender(CliContext& context, const std::vector<std::string>& arguments);
int RunConvert(CliContext& context, const std::vector<std::string>& arguments);
int RunInspect(CliContext& context, const std::vector<std::string>& arguments);

const std::vector<CliCommand>& Commands() {
    static const std::vector<CliCommand> commands = {
        {"check", "LAYOUT.dcf",
         "reads the layout as Load does and prints every message; exit 1 on an error or when "
         "the file may have been cut short",
         RunCheck},
        {"save", "IN.dcf OUT.dcf", "reads as Load does and writes as Save does (backup included)",
         RunSave},
        {"render", "LAYOUT.dcf OUT.png [--view design|static|dynamic] [--ticks N]",
         "draws the layout as the canvas shows it (after N simulation ticks: Dynamic view)",
         RunRender},
        {"convert", "IN.bmp OUT.bm [--dither]",
         "converts one bitmap into a display bitmap as the image store does", RunConvert},
        {"inspect", "FILE.bm [--png OUT.png]",
         "prints a display bitmap's header and draws its picture as the display shows it",
         RunInspect},
    };
    return commands;
}

} // namespace pw
