#pragma once
// Putting a set of display files in place so that the folder holds, at every moment and
// after a crash at any moment, either the whole previous set or the whole new one.
//
// The files are written into a staging folder beside the target ("Display.~new"), read back
// and compared byte for byte, decoded again, and flushed to the disk with the folder. Only
// then are the old files touched. Renaming the staging folder to "Display.~swap" is the point of no
// return: before it, a stop of any kind leaves the folders as they were and the staging
// folder is thrown away; from it on, whatever stops the change is finished by the next run
// (FinishInterrupted). The swap renames whole folders where it can: the old backup aside, the
// display folder to the backup, the new set to the display folder. A folder that must stay
// (it holds other jobs' folders, or its files are not backed up) has its files replaced one
// by one by rename, and its old files deleted, as the target's files always were. The old
// backup and the swap's manifest, set aside by rename, are removed last, after the deployment
// has returned where the disk allows.

#include "generate/deploy_fs.h"
#include "generate/display_file.h"
#include "generate/display_file_check.h"
#include "platform/progress.h"

#include <functional>
#include <string>

namespace pw {

// What the backup rules decided for the display folder, before the new set is written.
struct BackupPlan {
    bool dropOldBackup = false; // the backup folder's contents go
    bool moveDisplay = false;   // the display folder becomes the backup folder
};

struct DeployTarget {
    std::string folder; // ends with a backslash
    // Asked before anything is written; may throw to stop the deployment before anything
    // changes.
    std::function<BackupPlan()> planBackup = [] { return BackupPlan{}; };
    // Looks at the staged folder (ending with a backslash), whose files were read back and
    // decoded, before anything changes; throws to stop the deployment.
    std::function<void(const std::string& staged, DecodedDisplayFiles& decoded)> checkStaged =
        [](const std::string&, DecodedDisplayFiles&) {};
    // Where the record of the deployment is kept once the swap is sure to come to its end (by
    // this run or, after a stop, the next); none when empty.
    std::string recordPath;
    // The record's text, asked for once the staged set is checked, so that its digests can be
    // made meanwhile; may throw to stop the deployment before anything changes.
    std::function<std::string()> recordText = [] { return std::string(); };
};

// The folders beside a target: "C:\KVP\Display\" gives "C:\KVP\Display.~new\" and
// "C:\KVP\Display.~swap\".
std::string StagingFolder(const std::string& target);
std::string SwapFolder(const std::string& target);

// Stages, checks and swaps in the files. A failure before the swap throws IoError or
// FormatError saying which file and why, after putting the folders back as they were; a
// failure during the swap throws and the next call finishes it. An earlier deployment to
// the same target that stopped half-way is finished or thrown away first.
void DeployFiles(const DisplayFileSet& files, const DeployTarget& target, DeployFs& fs,
                 Progress& progress);

// What a deployment that stopped half-way left: a staging folder is removed, a swap under
// way is carried to its end. Nothing when there is none. Waits first for the cleanup below.
void FinishInterrupted(const std::string& target, DeployFs& fs);

// A deployment returns once the new set is in place; what it set aside (the old backup, the
// swap's manifest) may still be leaving the disk. This waits until it has gone, as far as it
// could.
void AwaitDeploymentCleanup();

} // namespace pw
