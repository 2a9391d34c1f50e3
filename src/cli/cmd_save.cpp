#include "cli/cli.h"
#include "cli/cli_arguments.h"
#include "cli/cli_editor.h"
#include "shell/layout_file.h"

namespace pw {

int RunSave(CliContext& context, const std::vector<std::string>& arguments) {
    const CommandArguments args(arguments, {}, 2);
    // Refused before the layout is read: a folder in the way is no reason to read it.
    CheckLayoutTarget(args.Files()[1]);
    CliEditor cli(context);
    cli.Load(args.Files()[0]);
    SaveLayout(cli.editor().doc, args.Files()[1]);
    return kExitOk;
}

} // namespace pw
