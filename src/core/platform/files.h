#pragma once
// File access for every reader and writer. Paths are drive paths (see paths.h).

#include <cstddef>
#include <ctime>
#include <optional>
#include <string>

namespace pw {

// A regular file (not a folder) exists at the path.
bool FileExists(const std::string& path);

// When the file or folder was last written, or nothing when that cannot be read.
std::optional<std::time_t> LastWriteTime(const std::string& path);

// The whole file in one read. Throws IoError when it cannot be read and FormatError when it
// is larger than maxBytes, before any memory is taken for it.
std::string ReadFileBytes(const std::string& path, std::size_t maxBytes);

// Writes the bytes to a temporary file beside the target and renames it over the target
// only when it is complete, so a failure never leaves a half-written file behind.
// Throws IoError on failure; the target is then as it was.
void WriteFileAtomically(const std::string& path, const std::string& bytes);

// As WriteFileAtomically, and once the new file is complete the old one is kept as backup:
// an older backup is deleted, the file is renamed to the backup path, the new file takes its
// place. Failures to delete or rename the old generations are ignored, as the new file
// matters most; a failure to write the new file throws and changes nothing.
void WriteFileWithBackup(const std::string& path, const std::string& backupPath,
                         const std::string& bytes);

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
