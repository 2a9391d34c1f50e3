#include "check/display_fonts.h"
#include "check/layout_check.h"
#include "cli/cli.h"
#include "cli/cli_arguments.h"
#include "cli/cli_editor.h"
#include "cli/problem_output.h"
#include "generate/font_uses.h"
#include "platform/win1252.h"
#include "windows/window_list.h"

namespace pw {

int RunCheck(CliContext& context, const std::vector<std::string>& arguments) {
    const CommandArguments args(arguments, {{"--json", nullptr}}, 1);
    const std::vector<std::string>& files = args.Files();
    const bool json = args.Has("--json");
    const std::string file = Win1252ToUtf8(files[0]);
    CliEditor cli(context);
    // The warning for a file that may have been cut short is printed as the load shows it.
    const bool whole = cli.Load(files[0]) == LoadOutcome::Whole;
    Editor& editor = cli.editor();
    DisplayFonts fonts;
    const std::vector<Problem> problems =
        CheckLayout(editor.doc.layout, editor.doc.images.ImageList, editor.textEngine, fonts);

    // What the check said before problems were listed; beside a JSON array it is a message.
    std::ostream& notes = json ? context.err : context.out;
    const cWindow& background = *WindowAt(editor.doc.layout, 0);
    notes << file << ": " << editor.doc.layout.WindowList.size() << " windows, display "
          << background.X1 + 1 << " x " << background.Y1 + 1 << ", "
          << editor.doc.images.ImageList.Images().size() << " images\n";
    FontFileRecords names;
    for (const FontUse& use : FontUses(editor.doc.layout, names))
        if (const std::string unshown = UnshownCharacters(editor.doc.layout, use); !unshown.empty())
            notes << Win1252ToUtf8(unshown) << '\n';

    if (json)
        context.out << ProblemsJson(problems);
    else
        for (const Problem& problem : problems) context.out << ProblemLine(file, problem) << '\n';
    return whole && CountErrors(problems) == 0 ? kExitOk : kExitError;
}

} // namespace pw
