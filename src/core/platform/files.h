#pragma once
// File access for every reader and writer. Paths are drive paths (see paths.h).

#include <cstddef>
#include <cstdio>
#include <ctime>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace pw {

// A regular file (not a folder) exists at the path.
bool FileExists(const std::string& path);

// When the file or folder was last written, or nothing when that cannot be read.
std::optional<std::time_t> LastWriteTime(const std::string& path);

// The whole file in one read. Throws IoError when it cannot be read and FormatError when it
// is larger than maxBytes, before any memory is taken for it.
std::string ReadFileBytes(const std::string& path, std::size_t maxBytes);

// A file read piece by piece, so that a large one is never held whole. Opening checks it as
// ReadFileBytes does.
class FileInput {
public:
    FileInput(const std::string& path, std::size_t maxBytes);
    ~FileInput();
    FileInput(const FileInput&) = delete;
    FileInput& operator=(const FileInput&) = delete;

    // The size the file had when it was opened.
    std::size_t Size() const { return size_; }
    // Appends up to count more bytes to bytes; false when none were left. Throws IoError on a
    // read error.
    bool ReadMore(std::string& bytes, std::size_t count);

private:
    std::string path_;
    std::FILE* file_ = nullptr;
    std::size_t size_ = 0;
    std::size_t read_ = 0;
};

// Writes the bytes to a temporary file beside the target and renames it over the target
// only when it is complete, so a failure never leaves a half-written file behind.
// Throws IoError on failure; the target is then as it was.
void WriteFileAtomically(const std::string& path, const std::string& bytes);

// Takes the bytes of a file being written, piece by piece.
using ByteSink = std::function<void(std::string_view)>;

// As WriteFileAtomically, with the bytes made by write, which hands them to the sink piece by
// piece so that a large file is never held whole; and once the new file is complete the old
// one is kept as backup: an older backup is deleted, the file is renamed to the backup path,
// the new file takes its place. Failures to delete or rename the old generations are ignored,
// as the new file matters most; a failure to write the new file, or write throwing, changes
// nothing.
void WriteFileWithBackup(const std::string& path, const std::string& backupPath,
                         const std::function<void(const ByteSink&)>& write);

// Writes the bytes straight to the path (a new file, or one replaced in place), handed to the
// system in full. For files whose folder is itself renamed into place once every file in it
// is complete and flushed (FlushFolderToDisk). Throws IoError naming the file and the
// system's reason.
void WriteFileStraight(const std::string& path, const std::string& bytes);

// Has every file written into the folder on the disk, not merely handed to the system.
// Throws IoError when the system cannot.
void FlushFolderToDisk(const std::string& folder);

// Renames a file or a folder; a file of the new name is replaced. Throws IoError on failure;
// the path is then as it was.
void RenamePath(const std::string& from, const std::string& to);

// Deletes a file. Throws IoError when it exists and cannot be deleted.
void EraseFile(const std::string& path);

// Creates the folder and its parents when missing. Throws IoError on failure.
void CreateFolders(const std::string& path);

} // namespace pw
