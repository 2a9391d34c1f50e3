#include "generate/display_backup.h"

#include "generate/target_folder.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/folders.h"
#include "platform/local_time.h"

namespace pw {

namespace {

void CheckRemovable(const std::string& folder) {
    for (const FolderEntry& entry : ListFolder(folder)) {
        if (entry.Deletable()) continue;
        const char* why = entry.folder   ? "a folder"
                          : entry.hidden ? "a hidden or system file"
                                         : "a read-only file";
        throw IoError("Cannot remove the folder \"" + folder + "\": it holds " + entry.name + ", " +
                      why + ".");
    }
}

} // namespace

BackupPlan PlanBackup(Host& host, const CalendarNames& names) {
    BackupPlan plan;
    const bool displayThere = FolderExists(kDisplayFolder);
    const bool backupThere = FolderExists(kBackupFolder);
    if (backupThere && displayThere) {
        const std::string config = std::string(kBackupFolder) + kDisplayConfigName;
        if (!FileExists(config)) {
            plan.dropOldBackup = true;
        } else {
            const auto written = LastWriteTime(config);
            const std::string date = written ? names.dateTime(LocalTimeOf(*written)) : "unknown";
            plan.dropOldBackup = host.Ask("Replace backups dated " + date + " ?",
                                          Buttons::YesNoCancel) == Answer::Yes;
        }
        if (plan.dropOldBackup) CheckRemovable(kBackupFolder);
    }
    plan.moveDisplay = displayThere && (!backupThere || plan.dropOldBackup) &&
                       VisibleSubFolders(kDisplayFolder) == 0;
    return plan;
}

} // namespace pw
