#pragma once
// The file operations a deployment makes, behind one interface, so that a test can make any
// of them fail, or stop the run after any of them as a crash would.

#include <cstddef>
#include <future>
#include <string>
#include <vector>

namespace pw {

class DeployFs {
public:
    virtual ~DeployFs() = default;
    // Each changes the disk; each throws IoError naming the path and the reason.
    virtual void MakeFolder(const std::string& path) = 0;
    virtual void WriteFile(const std::string& path, const std::string& bytes) = 0;
    // Has the files written into the folder put on the disk. The wait for the disk may go on
    // while the caller does other work: the future is ready when the files are on the disk,
    // and throws what stopped them. Nothing may change the folder before it is ready.
    virtual std::future<void> Flush(const std::string& folder) = 0;
    virtual void Rename(const std::string& from, const std::string& to) = 0;
    virtual void RemoveFile(const std::string& path) = 0;
    virtual void RemoveTree(const std::string& path) = 0;
    // Removes trees (or files) nothing needs any more, on the disk after the call returns:
    // the future is ready once they are gone as far as they could be, and what is left stays
    // for the next deployment to remove. Unless the disk does otherwise, it is RemoveTree of
    // each, done at once.
    virtual std::future<void> RemoveTreesLater(std::vector<std::string> paths);
    virtual void RemoveEmptyFolder(const std::string& path) = 0;
    // Reads a file back; throws IoError, or FormatError beyond maxBytes.
    virtual std::string ReadFile(const std::string& path, std::size_t maxBytes) = 0;
};

// The disk itself.
DeployFs& DiskFs();

} // namespace pw
