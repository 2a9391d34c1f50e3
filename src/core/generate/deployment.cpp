#include "generate/deployment.h"

#include "generate/display_backup.h"
#include "generate/display_file_check.h"
#include "generate/target_folder.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/folders.h"
#include "platform/paths.h"

#include <algorithm>
#include <set>
#include <utility>

namespace pw {

namespace {

// Kept in the swap folder while files leave it one by one: which files make the new set and
// how the swap goes on. Its name cannot be a display file's, as those end in .fnt, .bm, .dcf
// or .axf.
constexpr const char* kManifest = "~deploy.lst";
// The deployment's record waits under this name beside the others until the swap is sure to
// come to its end; only names ending in .txt count as records.
std::string PendingRecord(const std::string& path) {
    return path + ".pending";
}
constexpr const char* kWholeFolder = "folder";
constexpr const char* kFileByFile = "files";
constexpr const char* kMoveDisplay = "move";
constexpr const char* kLeaveDisplay = "stay";
constexpr const char* kDropBackup = "drop";
constexpr const char* kKeepBackup = "keep";

std::string Beside(const std::string& folder, const std::string& suffix) {
    std::string base = folder;
    if (!base.empty() && base.back() == '\\') base.pop_back();
    return base + suffix + "\\";
}

std::string OldBackupFolder() {
    return Beside(kBackupFolder, ".~old");
}

struct Manifest {
    bool wholeFolder = false;
    bool moveDisplay = false;
    bool dropOldBackup = false;
    std::string recordPath;
    std::vector<std::string> names;
};

std::string ManifestText(const Manifest& m) {
    std::string text = std::string(m.wholeFolder ? kWholeFolder : kFileByFile) + "\r\n" +
                       (m.moveDisplay ? kMoveDisplay : kLeaveDisplay) + "\r\n" +
                       (m.dropOldBackup ? kDropBackup : kKeepBackup) + "\r\n" + m.recordPath +
                       "\r\n";
    for (const std::string& name : m.names) text += name + "\r\n";
    return text;
}

Manifest ParseManifest(const std::string& text) {
    Manifest m;
    std::size_t pos = 0;
    for (int line = 0; pos < text.size(); ++line) {
        std::size_t end = text.find("\r\n", pos);
        if (end == std::string::npos) end = text.size();
        const std::string value = text.substr(pos, end - pos);
        pos = end + 2;
        if (line == 0)
            m.wholeFolder = value == kWholeFolder;
        else if (line == 1)
            m.moveDisplay = value == kMoveDisplay;
        else if (line == 2)
            m.dropOldBackup = value == kDropBackup;
        else if (line == 3)
            m.recordPath = value;
        else if (!value.empty())
            m.names.push_back(value);
    }
    return m;
}

// Only a swap of the display folder sets the old backup aside.
bool OldBackupAside(const std::string& target) {
    return target == kDisplayFolder && FolderExists(OldBackupFolder());
}
void DropOldBackup(const std::string& target, DeployFs& fs) {
    if (OldBackupAside(target)) fs.RemoveTree(OldBackupFolder());
}

// What the last deployment set aside (the old backup, the swap's manifest), on its way off
// the disk once the new set is in place. Deployments are made one at a time, each waiting
// first for what the last one left.
std::future<void>& LaterRemovals() {
    static std::future<void> removals;
    return removals;
}

// What a swap leaves once the new set is in place: its manifest, or the emptied swap folder
// holding it. Removing a file the disk has just taken waits for the disk, where renaming it
// does not, so it is set aside under this name and removed after the deployment has returned.
std::string SetAside(const std::string& target) {
    std::string base = Beside(target, ".~done");
    base.pop_back();
    return base;
}

void DropSetAside(const std::string& target, DeployFs& fs) {
    const std::string aside = SetAside(target);
    if (FileExists(aside) || FolderExists(aside)) fs.RemoveTree(aside);
}

// Carries a committed swap to its end. Every step looks at what is already done, so that a
// run stopped anywhere in here is finished by running this again.
void FinishSwap(const std::string& target, DeployFs& fs) {
    const std::string swap = SwapFolder(target);
    const std::string manifestPath = swap + kManifest;
    if (!FileExists(manifestPath)) {
        // Only the last rename of a whole-folder swap was left to do, or nothing at all.
        if (!FolderExists(target))
            fs.Rename(swap, target);
        else
            fs.RemoveTree(swap);
    } else {
        const Manifest m = ParseManifest(fs.ReadFile(manifestPath, 1 << 20));
        if (!m.recordPath.empty() && FileExists(PendingRecord(m.recordPath)))
            fs.Rename(PendingRecord(m.recordPath), m.recordPath);
        if (m.dropOldBackup && FolderExists(kBackupFolder) && !FolderExists(OldBackupFolder()))
            fs.Rename(kBackupFolder, OldBackupFolder());
        if (m.wholeFolder) {
            if (m.moveDisplay && FolderExists(target)) fs.Rename(target, kBackupFolder);
            fs.Rename(manifestPath, SetAside(target));
            fs.Rename(swap, target);
        } else {
            for (const std::string& name : m.names)
                if (FileExists(swap + name)) fs.Rename(swap + name, target + name);
            const std::set<std::string> keep(m.names.begin(), m.names.end());
            for (const FolderEntry& entry : ListFolder(target))
                if (entry.Deletable() && !keep.contains(entry.name))
                    fs.RemoveFile(target + entry.name);
            fs.Rename(swap, SetAside(target));
        }
    }
}

// The folders that must be made for the staging folder, outermost first.
std::vector<std::string> MissingFolders(const std::string& folder) {
    std::vector<std::string> missing;
    std::string path = folder;
    while (!path.empty() && !FolderExists(path)) {
        missing.push_back(path);
        if (path.back() == '\\' || path.back() == '/') path.pop_back();
        const std::size_t cut = path.find_last_of("\\/");
        if (cut == std::string::npos) break;
        path.resize(cut + 1);
    }
    std::reverse(missing.begin(), missing.end());
    return missing;
}

// Writes the set and its manifest into the staging folder.
void Write(const DisplayFileSet& files, const std::string& staging, const Manifest& manifest,
           DeployFs& fs, ProgressSteps& steps) {
    for (const DisplayFile& file : files) {
        steps.Next("Writing " + file.name);
        fs.WriteFile(staging + file.name, file.bytes);
    }
    fs.WriteFile(staging + kManifest, ManifestText(manifest));
}

// Reads every staged file back, decoding what it read. The read-back sees the same bytes
// while the disk is still being written as after (DeployFiles).
DecodedDisplayFiles ReadBack(const DisplayFileSet& files, const std::string& staging, DeployFs& fs,
                             ProgressSteps& steps) {
    DecodedDisplayFiles decoded;
    for (const DisplayFile& file : files) {
        steps.Next("Reading back " + file.name);
        std::string back;
        try {
            back = fs.ReadFile(staging + file.name, file.bytes.size());
        } catch (const FormatError&) {
            back.clear(); // longer than written: told below as a mismatch
        }
        if (back != file.bytes)
            throw IoError("The file " + file.name + " did not read back as it was written.");
        DecodeDisplayFile(file.name, back, decoded);
    }
    return decoded;
}

// Best effort: the deployment already failed, and what stays behind is removed next time.
void RollBack(const std::string& staging, const std::vector<std::string>& made,
              const std::string& pendingRecord, DeployFs& fs) {
    try {
        if (!pendingRecord.empty() && FileExists(pendingRecord)) fs.RemoveFile(pendingRecord);
        if (FolderExists(staging)) fs.RemoveTree(staging);
        for (auto it = made.rbegin(); it != made.rend(); ++it)
            if (*it != staging && FolderExists(*it)) fs.RemoveEmptyFolder(*it);
    } catch (...) {
    }
}

} // namespace

std::string StagingFolder(const std::string& target) {
    return Beside(target, ".~new");
}
std::string SwapFolder(const std::string& target) {
    return Beside(target, ".~swap");
}

void AwaitDeploymentCleanup() {
    if (LaterRemovals().valid()) LaterRemovals().get();
}

void FinishInterrupted(const std::string& target, DeployFs& fs) {
    AwaitDeploymentCleanup();
    // Gone first, so that a swap carried to its end here can set its manifest aside anew.
    DropSetAside(target, fs);
    if (FolderExists(StagingFolder(target))) fs.RemoveTree(StagingFolder(target));
    if (FolderExists(SwapFolder(target))) {
        FinishSwap(target, fs);
        DropSetAside(target, fs);
    }
    DropOldBackup(target, fs);
}

void DeployFiles(const DisplayFileSet& files, const DeployTarget& target, DeployFs& fs,
                 Progress& progress) {
    const std::string& folder = target.folder;
    FinishInterrupted(folder, fs);
    const std::string staging = StagingFolder(folder);
    ProgressSteps steps(progress, 2 * static_cast<long>(files.size()) + 2);
    std::vector<std::string> made;
    std::string pending; // the record's path while it waits, once written
    std::future<void> flushed;
    const auto undo = [&] {
        // The staged files are not touched while the disk is still taking them.
        if (flushed.valid()) flushed.wait();
        RollBack(staging, made, pending, fs);
    };
    try {
        // Everything the swap needs to know is settled first, so that the whole staged
        // folder can be on its way to the disk while it is read back and checked.
        const BackupPlan plan = target.planBackup();
        Manifest manifest;
        manifest.wholeFolder = !FolderExists(folder) || plan.moveDisplay;
        manifest.moveDisplay = plan.moveDisplay;
        manifest.recordPath = target.recordPath;
        manifest.dropOldBackup = plan.dropOldBackup;
        for (const DisplayFile& file : files) manifest.names.push_back(file.name);
        made = MissingFolders(staging);
        for (const std::string& path : made) fs.MakeFolder(path);
        Write(files, staging, manifest, fs, steps);
        // One wait for the disk for the whole set and its manifest, made while the set is
        // read back and checked, and ended before the rename that makes the set count.
        flushed = fs.Flush(staging);
        DecodedDisplayFiles decoded = ReadBack(files, staging, fs, steps);
        steps.Next("Checking the staged files");
        target.checkStaged(staging, decoded);
        if (!target.recordPath.empty()) {
            const std::string text = target.recordText();
            const std::string records = target.recordPath.substr(0, NameStart(target.recordPath));
            if (!FolderExists(records)) fs.MakeFolder(records);
            pending = PendingRecord(target.recordPath);
            fs.WriteFile(pending, text);
        }
        std::exchange(flushed, {}).get();
        steps.Next("Putting the new files in place");
        // The point of no return: from here on the next run finishes what this one begins.
        fs.Rename(staging, SwapFolder(folder));
    } catch (const Error& error) {
        undo();
        throw IoError("Nothing in " + folder + " was changed. " + error.what());
    } catch (...) {
        undo();
        throw;
    }
    try {
        FinishSwap(folder, fs);
        std::vector<std::string> setAside{SetAside(folder)};
        if (OldBackupAside(folder)) setAside.push_back(OldBackupFolder());
        LaterRemovals() = fs.RemoveTreesLater(std::move(setAside));
    } catch (const Error& error) {
        throw IoError("The new display files for " + folder +
                      " are complete but not yet all in place: " + error.what() +
                      " The next Generate files or Verify puts them in place.");
    }
}

} // namespace pw
