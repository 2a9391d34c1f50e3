#include "generate/deploy_fs.h"

#include "platform/background.h"
#include "platform/files.h"
#include "platform/folders.h"
#include "platform/paths.h"

#include <filesystem>
#include <system_error>

namespace pw {

namespace {

class Disk final : public DeployFs {
public:
    void MakeFolder(const std::string& path) override { CreateFolders(path); }
    void WriteFile(const std::string& path, const std::string& bytes) override {
        WriteFileStraight(path, bytes);
    }
    std::future<void> Flush(const std::string& folder) override {
        return RunInBackground([folder] { FlushFolderToDisk(folder); });
    }
    void Rename(const std::string& from, const std::string& to) override { RenamePath(from, to); }
    void RemoveFile(const std::string& path) override { EraseFile(path); }
    void RemoveTree(const std::string& path) override { RemoveFolderTree(path); }
    // On a site's disk every file removed may cost a wait of its own, which the user need not
    // sit through. The paths are made the system's here: the removal may outlast the settings
    // the paths were read with.
    std::future<void> RemoveTreesLater(std::vector<std::string> paths) override {
        std::vector<std::filesystem::path> native;
        for (const std::string& path : paths) native.push_back(MapPath(path));
        return RunInBackground([native = std::move(native)] {
            std::error_code ignored;
            for (const auto& path : native) std::filesystem::remove_all(path, ignored);
        });
    }
    void RemoveEmptyFolder(const std::string& path) override { pw::RemoveEmptyFolder(path); }
    std::string ReadFile(const std::string& path, std::size_t maxBytes) override {
        return ReadFileBytes(path, maxBytes);
    }
};

} // namespace

std::future<void> DeployFs::RemoveTreesLater(std::vector<std::string> paths) {
    for (const std::string& path : paths) RemoveTree(path);
    std::promise<void> done;
    done.set_value();
    return done.get_future();
}

DeployFs& DiskFs() {
    static Disk disk;
    return disk;
}

} // namespace pw
