#include "check/layout_check.h"
#include "cli/cli.h"
#include "cli/cli_arguments.h"
#include "cli/cli_editor.h"
#include "platform/win1252.h"
#include "qt/gcrypt_hasher.h"
#include "shell/generate_files.h"

namespace pw {

int RunGenerate(CliContext& context, const std::vector<std::string>& arguments) {
    const CommandArguments args(
        arguments, {{"--replace-backups", nullptr}, {"--strict", nullptr}, {"--dry-run", nullptr}}, 1);
    CliEditor cli(context);
    // No one is there to look at a layout that may have been cut short before it goes to
    // the displays and over its own file.
    if (cli.Load(args.Files()[0]) != LoadOutcome::Whole) {
        context.err << "Nothing generated.\n";
        return kExitError;
    }
    if (args.Has("--strict")) {
        DisplayFonts fonts;
        Editor& editor = cli.editor();
        const std::size_t errors = CountErrors(
            CheckLayout(editor.doc.layout, editor.doc.images.ImageList, editor.textEngine, fonts));
        if (errors > 0) {
            context.err << "The layout has " << errors
                        << " problems that the displays would show (see check). Nothing "
                           "generated.\n";
            return kExitError;
        }
    }
    if (args.Has("--dry-run")) {
        context.out << Win1252ToUtf8(PlannedChanges(cli.editor(), NoProgress()));
        return kExitOk;
    }
    context.host.answer = args.Has("--replace-backups") ? Answer::Yes : Answer::No;
    GcryptHasher hasher;
    const GenerateReport report = GenerateFiles(cli.editor(), NoProgress(), hasher);
    context.out << Win1252ToUtf8(GenerateSummary(report)) << '\n';
    return report.complete ? kExitOk : kExitError;
}

} // namespace pw
