#include "cli/cli_editor.h"
#include "cli/cli.h"
#include "windows/window_list.h"

namespace pw {

int RunCheck(CliContext& context, const std::vector<std::string>& arguments) {
    if (arguments.size() != 1) {
        context.err << "Usage: panelwright-cli check LAYOUT.dcf\n";
        return kExitUsage;
    }
    CliEditor cli(context);
    cli.Load(arguments[0]);
    const Editor& editor = cli.editor();
    const cWindow& background = *WindowAt(editor, 0);
    context.out << arguments[0] << ": " << editor.WindowList.size() << " windows, display "
                << background.X1 + 1 << " x " << background.Y1 + 1 << ", "
                << editor.ImageList.Images().size() << " images\n";
    return kExitOk;
}

} // namespace pw
