#include "generate/display_backup.h"

#include "generate/target_folder.h"
#include "platform/files.h"
#include "platform/folders.h"
#include "platform/local_time.h"

namespace pw {

namespace {

void RemoveBackup() {
    DeleteFilesIn(kBackupFolder);
    RemoveEmptyFolder(kBackupFolder);
}

} // namespace

void BackupDisplayFolder(Host& host, const CalendarNames& names) {
    if (FolderExists(kBackupFolder) && FolderExists(kDisplayFolder)) {
        const std::string config = std::string(kBackupFolder) + kDisplayConfigName;
        if (!FileExists(config)) {
            RemoveBackup();
        } else {
            const auto written = LastWriteTime(config);
            const std::string date =
                written ? names.dateTime(LocalTimeOf(*written)) : "unknown";
            if (host.Ask("Replace backups dated " + date + " ?", Buttons::YesNoCancel) ==
                Answer::Yes)
                RemoveBackup();
        }
    }
    if (FolderExists(kDisplayFolder) && !FolderExists(kBackupFolder) &&
        VisibleSubFolders(kDisplayFolder) == 0)
        MoveFolder(kDisplayFolder, kBackupFolder);
}

} // namespace pw
