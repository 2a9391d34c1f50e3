#include "cli/cli_editor.h"
#include "cli/cli.h"
#include "shell/layout_file.h"

namespace pw {

int RunSave(CliContext& context, const std::vector<std::string>& arguments) {
    if (arguments.size() != 2) {
        context.err << "Usage: panelwright-cli save IN.dcf OUT.dcf\n";
        return kExitUsage;
    }
    CliEditor cli(context);
    cli.Load(arguments[0]);
    SaveLayout(cli.editor(), arguments[1]);
    return kExitOk;
}

} // namespace pw
