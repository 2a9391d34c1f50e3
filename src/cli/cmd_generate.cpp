#include "cli/cli.h"
#include "cli/cli_editor.h"
#include "generate/generate_files.h"
#include "platform/win1252.h"
#include "qt/qt_hasher.h"

namespace pw {

int RunGenerate(CliContext& context, const std::vector<std::string>& arguments) {
    std::vector<std::string> files;
    bool replaceBackups = false, dryRun = false;
    for (const std::string& argument : arguments) {
        if (argument == "--replace-backups")
            replaceBackups = true;
        else if (argument == "--dry-run")
            dryRun = true;
        else
            files.push_back(argument);
    }
    if (files.size() != 1) {
        context.err
            << "Usage: panelwright-cli generate LAYOUT.dcf [--replace-backups] [--dry-run]\n";
        return kExitUsage;
    }
    CliEditor cli(context);
    // No one is there to look at a layout that may have been cut short before it goes to
    // the displays and over its own file.
    if (cli.Load(files[0]) != LoadOutcome::Whole) {
        context.err << "Nothing generated.\n";
        return kExitError;
    }
    if (dryRun) {
        context.out << Win1252ToUtf8(PlannedChanges(cli.editor(), NoProgress()));
        return kExitOk;
    }
    context.host.answer = replaceBackups ? Answer::Yes : Answer::No;
    QtHasher hasher;
    const GenerateReport report = GenerateFiles(cli.editor(), NoProgress(), hasher);
    context.out << Win1252ToUtf8(GenerateSummary(report)) << '\n';
    return report.complete ? kExitOk : kExitError;
}

} // namespace pw
