#include "cli/cli_editor.h"
#include "cli/cli.h"
#include "cli/cli_arguments.h"
#include "generate/font_uses.h"
#include "generate/generate_fonts.h"
#include "platform/win1252.h"
#include "windows/window_list.h"

namespace pw {

int RunCheck(CliContext& context, const std::vector<std::string>& arguments) {
    const std::string path = CommandArguments(arguments, {}, 1).Files()[0];
    CliEditor cli(context);
    // The warning for a file that may have been cut short is printed as the load shows it.
    const bool whole = cli.Load(path) == LoadOutcome::Whole;
    Editor& editor = cli.editor();
    const cWindow& background = *WindowAt(editor.doc.layout, 0);
    context.out << Win1252ToUtf8(path) << ": " << editor.doc.layout.WindowList.size()
                << " windows, display " << background.X1 + 1 << " x " << background.Y1 + 1 << ", "
                << editor.doc.images.ImageList.Images().size() << " images\n";
    // A font that Generate files would stop on is an error here too.
    CheckLayoutFonts(editor.textEngine, editor.doc.layout);
    FontFileRecords names;
    for (const FontUse& use : FontUses(editor.doc.layout, names))
        if (const std::string unshown = UnshownCharacters(editor.doc.layout, use); !unshown.empty())
            context.out << Win1252ToUtf8(unshown) << '\n';
    return whole ? kExitOk : kExitError;
}

} // namespace pw
