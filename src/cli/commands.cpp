#include "cli/commands.h"

namespace pw {

int RunCheck(CliContext& context, const std::vector<std::string>& arguments);
int RunSave(CliContext& context, const std::vector<std::string>& arguments);
int RunRender(CliContext& context, const std::vector<std::string>& arguments);
int RunConvert(CliContext& context, const std::vector<std::string>& arguments);
int RunInspect(CliContext& context, const std::vector<std::string>& arguments);
int RunGenerate(CliContext& context, const std::vector<std::string>& arguments);
int RunRenderDisplay(CliContext& context, const std::vector<std::string>& arguments);
int RunVerify(CliContext& context, const std::vector<std::string>& arguments);
int RunRestore(CliContext& context, const std::vector<std::string>& arguments);

const std::vector<CliCommand>& Commands() {
    static const std::vector<CliCommand> commands = {
        {"check", "LAYOUT.dcf [--json]",
         "reads the layout as Load does, prints every message and the characters its fonts "
         "cannot show, then every problem the displays would show or that is probably not "
         "meant, one a line as FILE:LINE: error: window N, text I: ... (or as a JSON array); "
         "exit 1 on an error or when the file may have been cut short",
         RunCheck},
        {"save", "IN.dcf OUT.dcf", "reads as Load does and writes as Save does (backup included)",
         RunSave},
        {"render",
         "LAYOUT.dcf OUT.png [--view design|static|dynamic] [--ticks N] [--time YYYY-MM-DDTHH:MM]",
         "draws the layout as the canvas shows it (after N simulation ticks: Dynamic view; "
         "clocks at the time given, else now)",
         RunRender},
        {"render-display", "FOLDER OUT.png [--index N] [--time YYYY-MM-DDTHH:MM]",
         "draws what a display shows from nothing but the files of a display folder: its "
         "Display.dcf, its .fnt files for the text and its .bm files for the images (every "
         "window but the background objects at index N; clocks at the time given, else their "
         "sample)",
         RunRenderDisplay},
        {"convert", "IN OUT.bm [--dither]",
         "converts one picture into a display bitmap as the image store does: an uncompressed "
         "1-bit or 24-bit bitmap as it is, any other picture Qt reads (BMP of any kind, PNG, "
         "JPEG, GIF) from its decoded pixels, without writing a copy",
         RunConvert},
        {"generate", "LAYOUT.dcf [--replace-backups] [--strict] [--dry-run]",
         "runs Generate files as the editor does after Yes: the display files into the job's "
         "folder under C:\\KVP\\Display\\, all of them or, when one cannot be written, none; "
         "the question about replacing the dated backups is answered No without the option; "
         "with --strict nothing is generated when the layout has errors (see check); --dry-run "
         "lists the files that would be added, changed and removed and writes nothing; exit 1 "
         "when something could not be written or nothing was",
         RunGenerate},
        {"verify", "[FOLDER]",
         "compares a display folder (by default C:\\KVP\\Display\\) with the record of its "
         "last deployment and decodes every file again; lists missing, changed and extra files; "
         "exit 1 unless all agree",
         RunVerify},
        {"restore", "[FOLDER]",
         "puts the previous set of display files back from C:\\KVP\\DisplayBU\\, once its "
         "record vouches for it, all of them or none",
         RunRestore},
        {"inspect", "FILE.bm|FILE.fnt [--png OUT.png]",
         "prints a display file's header; draws a bitmap as the display shows it, a font as a "
         "sheet of its glyphs",
         RunInspect},
    };
    return commands;
}

} // namespace pw
