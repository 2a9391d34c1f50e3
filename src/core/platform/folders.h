#pragma once
// Folders as deploying display files needs them: cleaning a folder of its files, counting its
// sub-folders, removing and moving folders. Paths are drive paths (see paths.h).

#include <string>

namespace pw {

// A folder exists at the path.
bool FolderExists(const std::string& path);

// Deletes the folder's files. Hidden and system files stay, and so do read-only ones, which
// Windows refuses to delete and which are kept likewise elsewhere; a file that cannot be
// deleted stays without a word. Sub-folders are left as they are. On systems without those
// attributes a name starting with "." is hidden.
void DeleteFilesIn(const std::string& folder);

// How many sub-folders the folder holds, hidden and system ones not counted.
int VisibleSubFolders(const std::string& folder);

// Removes an empty folder. Throws IoError when it cannot (it is not empty, or is in use).
void RemoveEmptyFolder(const std::string& path);

// Moves (renames) a folder. Throws IoError on failure; the folder is then where it was.
void MoveFolder(const std::string& from, const std::string& to);

} // namespace pw
