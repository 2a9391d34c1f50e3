#pragma once
// Whether a display folder holds what its last deployment put there, and putting the previous
// set back from the backup folder.

#include "windows/job_record.h"
#include "generate/deploy_fs.h"
#include "generate/deployment_record.h"
#include "platform/hasher.h"
#include "platform/host.h"
#include "platform/progress.h"

#include <string>
#include <vector>

namespace pw {

struct VerifyResult {
    std::string folder;
    DeploymentRecord record;
    std::vector<std::string> missing;    // recorded, not there
    std::vector<std::string> changed;    // there with another size or digest: "name: why"
    std::vector<std::string> extra;      // there, not recorded (hidden files and folders aside)
    std::vector<std::string> unreadable; // recorded and unchanged, yet not decoded: "name: why"
    bool Agrees() const {
        return missing.empty() && changed.empty() && extra.empty() && unreadable.empty();
    }
};

// Compares the folder (ending with a backslash) with the record, file by file, and decodes
// every recorded file again.
VerifyResult VerifyAgainst(const std::string& folder, const DeploymentRecord& record,
                           Hasher& hasher);

// Finishes a deployment to the folder that stopped half-way, then compares the folder with
// its newest record. Throws IoError when no deployment to it is recorded.
VerifyResult VerifyDisplayFolder(const std::string& folder, Hasher& hasher,
                                 DeployFs& fs = DiskFs());

// What Verify tells: agreement, or the missing, changed, extra and unreadable files.
std::string VerifyText(const VerifyResult& result);

// The set in the backup folder that a record vouches for: the newest record of the display
// folder whose files all stand unchanged in the backup folder. Throws IoError when there is
// no backup folder or no record fits it.
DeploymentRecord BackupRecord(Hasher& hasher);

// Puts the files of the record back into the display folder from the backup folder, by the
// deployment's all-or-nothing swap; the backup folder stays as it is. The restored set is
// recorded as a deployment of its own. Throws as DeployFiles does, or IoError when a file
// changed since it was vouched for.
void RestoreBackup(const DeploymentRecord& record, Hasher& hasher, Progress& progress,
                   DeployFs& fs = DiskFs());

// File > Verify Display Files: the job's target folder (the display folder for a job whose
// folder would lie outside it), told in a message.
void VerifyDisplayFiles1Click(const cInputSpec& job, Host& host, Hasher& hasher);

// File > Restore Previous Display Files: says which dated set comes back and asks first.
// Returns whether it was restored.
bool RestorePrevious1Click(Host& host, Hasher& hasher, Progress& progress);

} // namespace pw
