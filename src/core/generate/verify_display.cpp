#include "generate/verify_display.h"

#include "generate/deployment.h"
#include "generate/display_backup.h"
#include "generate/display_file_check.h"
#include "generate/target_folder.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/folders.h"

#include <ctime>
#include <map>
#include <set>

namespace pw {

namespace {

constexpr std::size_t kMaxDisplayFileBytes = 256u << 20;

} // namespace

VerifyResult VerifyAgainst(const std::string& folder, const DeploymentRecord& record,
                           Hasher& hasher) {
    VerifyResult result{folder, record, {}, {}, {}, {}};
    std::map<std::string, FolderEntry> there;
    for (FolderEntry& entry : ListFolder(folder))
        if (!entry.folder && !entry.hidden) there.emplace(entry.name, std::move(entry));
    std::set<std::string> recorded;
    for (const RecordedFile& file : record.files) {
        recorded.insert(file.name);
        const auto found = there.find(file.name);
        if (found == there.end()) {
            result.missing.push_back(file.name);
            continue;
        }
        std::string bytes;
        try {
            bytes = ReadFileBytes(folder + file.name, kMaxDisplayFileBytes);
        } catch (const Error& error) {
            result.changed.push_back(file.name + ": " + error.what());
            continue;
        }
        if (bytes.size() != file.size) {
            result.changed.push_back(file.name + ": " + std::to_string(bytes.size()) +
                                     " bytes, recorded " + std::to_string(file.size));
            continue;
        }
        if (hasher.Sha256Hex(bytes) != file.sha256) {
            result.changed.push_back(file.name + ": other bytes than recorded");
            continue;
        }
        try {
            DecodeDisplayFile(file.name, bytes);
        } catch (const Error& error) {
            result.unreadable.push_back(file.name + ": " + error.what());
        }
    }
    for (const auto& [name, entry] : there)
        if (!recorded.contains(name)) result.extra.push_back(name);
    return result;
}

VerifyResult VerifyDisplayFolder(const std::string& folder, Hasher& hasher, DeployFs& fs) {
    FinishInterrupted(folder, fs);
    const std::vector<DeploymentRecord> records = RecordsFor(folder);
    if (records.empty())
        throw IoError("No deployment to " + folder + " is recorded in " + RecordsFolder() + ".");
    return VerifyAgainst(folder, records.front(), hasher);
}

std::string VerifyText(const VerifyResult& r) {
    std::string text;
    if (r.Agrees()) {
        text = "The " + std::to_string(r.record.files.size()) + " files in " + r.folder +
               " are those deployed on " + r.record.time + ".\n";
        return text;
    }
    text = r.folder + " differs from the deployment of " + r.record.time + ":\n";
    const auto list = [&](const char* heading, const std::vector<std::string>& names) {
        if (names.empty()) return;
        text += std::string(heading) + "\n";
        for (const std::string& name : names) text += "  " + name + "\n";
    };
    list("Missing:", r.missing);
    list("Changed:", r.changed);
    list("Extra:", r.extra);
    list("Unreadable:", r.unreadable);
    return text;
}

DeploymentRecord BackupRecord(Hasher& hasher) {
    if (!FolderExists(kBackupFolder))
        throw IoError(std::string("There is no backup folder ") + kBackupFolder + ".");
    for (const DeploymentRecord& record : RecordsFor(kDisplayFolder)) {
        const VerifyResult r = VerifyAgainst(kBackupFolder, record, hasher);
        if (r.missing.empty() && r.changed.empty() && r.unreadable.empty()) return record;
    }
    throw IoError(std::string("No recorded deployment matches the files in ") + kBackupFolder +
                  ", so they cannot be vouched for.");
}

void RestoreBackup(const DeploymentRecord& record, Hasher& hasher, Progress& progress,
                   DeployFs& fs) {
    DisplayFileSet files;
    for (const RecordedFile& file : record.files) {
        std::string bytes = ReadFileBytes(kBackupFolder + file.name, kMaxDisplayFileBytes);
        if (bytes.size() != file.size || hasher.Sha256Hex(bytes) != file.sha256)
            throw IoError("The file " + std::string(kBackupFolder) + file.name +
                          " changed since the deployment of " + record.time + ".");
        files.push_back({file.name, std::move(bytes)});
    }
    DeployTarget target;
    target.folder = kDisplayFolder;
    DeploymentRecord restored = NewRecord(record.layoutFile, kDisplayFolder, std::time(nullptr));
    RecordFiles(restored, files, hasher);
    target.recordPath = restored.path;
    target.recordText = [&] { return RecordText(restored); };
    DeployFiles(files, target, fs, progress);
}

void VerifyDisplayFiles1Click(const cInputSpec& job, Host& host, Hasher& hasher) {
    const std::string folder = TargetStaysInside(job) ? TargetFolder(job) : kDisplayFolder;
    host.ShowMessage(VerifyText(VerifyDisplayFolder(folder, hasher)));
}

bool RestorePrevious1Click(Host& host, Hasher& hasher, Progress& progress) {
    const DeploymentRecord record = BackupRecord(hasher);
    if (host.Ask("Restore the display files deployed on " + record.time + " from " + kBackupFolder +
                     " into " + kDisplayFolder + " ?",
                 Buttons::YesNo) != Answer::Yes)
        return false;
    RestoreBackup(record, hasher, progress);
    return true;
}

} // namespace pw
