#include "generate/deploy_fs.h"

#include "platform/files.h"
#include "platform/folders.h"

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
        try {
            return std::async(std::launch::async, [folder] { FlushFolderToDisk(folder); });
        } catch (const std::system_error&) {
            // No thread to spare: the caller waits here instead.
            std::promise<void> done;
            FlushFolderToDisk(folder);
            done.set_value();
            return done.get_future();
        }
    }
    void Rename(const std::string& from, const std::string& to) override { RenamePath(from, to); }
    void RemoveFile(const std::string& path) override { EraseFile(path); }
    void RemoveTree(const std::string& path) override { RemoveFolderTree(path); }
    void RemoveEmptyFolder(const std::string& path) override { pw::RemoveEmptyFolder(path); }
    std::string ReadFile(const std::string& path, std::size_t maxBytes) override {
        return ReadFileBytes(path, maxBytes);
    }
};

} // namespace

DeployFs& DiskFs() {
    static Disk disk;
    return disk;
}

} // namespace pw
