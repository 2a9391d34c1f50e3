#include "check/layout_check.h"
#include "cli/cli.h"
#include "cli/cli_editor.h"
#include "generate/generate_files.h"
#include "platform/win1252.h"

namespace pw {

int RunGenerate(CliContext& context, const std::vector<std::string>& arguments) {
    std::vector<std::string> files;
    bool replaceBackups = false, strict = false;
    for (const std::string& argument : arguments) {
        if (argument == "--replace-backups")
            replaceBackups = true;
        else if (argument == "--strict")
            strict = true;
        else
            files.push_back(argument);
    }
    if (files.size() != 1) {
        context.err << "Usage: panelwright-cli generate LAYOUT.dcf [--replace-backups] [--strict]\n";
        return kExitUsage;
    }
    CliEditor cli(context);
    // No one is there to look at a layout that may have been cut short before it goes to
    // the displays and over its own file.
    if (cli.Load(files[0]) != LoadOutcome::Whole) {
        context.err << "Nothing generated.\n";
        return kExitError;
    }
    if (strict) {
        DisplayFonts fonts;
        Editor& editor = cli.editor();
        const std::size_t errors = CountErrors(
            CheckLayout(editor.layout, editor.images.ImageList, editor.textEngine, fonts));
        if (errors > 0) {
            context.err << "The layout has " << errors
                        << " problems that the displays would show (see check). Nothing "
                           "generated.\n";
            return kExitError;
        }
    }
    context.host.answer = replaceBackups ? Answer::Yes : Answer::No;
    const GenerateReport report = GenerateFiles(cli.editor(), NoProgress());
    context.out << Win1252ToUtf8(GenerateSummary(report)) << '\n';
    return report.complete ? kExitOk : kExitError;
}

} // namespace pw
