#include "cli/cli.h"
#include "cli/commands.h"
#include "generate/target_folder.h"
#include "generate/verify_display.h"
#include "platform/win1252.h"
#include "qt/gcrypt_hasher.h"

namespace pw {

namespace {

// The folder named, as a folder path ending with a backslash, or the display folder.
std::string FolderArgument(const std::vector<std::string>& arguments) {
    if (arguments.empty()) return kDisplayFolder;
    std::string folder = arguments.front();
    if (!folder.ends_with('\\') && !folder.ends_with('/')) folder += '\\';
    return folder;
}

} // namespace

int RunVerify(CliContext& context, const std::vector<std::string>& arguments) {
    if (arguments.size() > 1) {
        context.err << "Usage: panelwright-cli verify [FOLDER]\n";
        return kExitUsage;
    }
    GcryptHasher hasher;
    const VerifyResult result = VerifyDisplayFolder(FolderArgument(arguments), hasher);
    context.out << Win1252ToUtf8(VerifyText(result));
    return result.Agrees() ? kExitOk : kExitError;
}

int RunRestore(CliContext& context, const std::vector<std::string>& arguments) {
    if (arguments.size() > 1) {
        context.err << "Usage: panelwright-cli restore [FOLDER]\n";
        return kExitUsage;
    }
    if (FolderArgument(arguments) != kDisplayFolder) {
        context.err << "Only the display folder " << kDisplayFolder
                    << " has a backup folder to restore from.\n";
        return kExitError;
    }
    GcryptHasher hasher;
    const DeploymentRecord record = BackupRecord(hasher);
    RestoreBackup(record, hasher, NoProgress());
    context.out << Win1252ToUtf8("The display files deployed on " + record.time + " are back in " +
                                 kDisplayFolder)
                << '\n';
    return kExitOk;
}

} // namespace pw
