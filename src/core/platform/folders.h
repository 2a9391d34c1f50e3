#pragma once
// Folders as deploying display files needs them: cleaning a folder of its files, counting its
// sub-folders, removing and moving folders. Paths are drive paths (see paths.h).

#include <cstdint>
#include <string>
#include <vector>

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

struct FolderEntry {
    std::string name; // as the editor names files: Windows-1252
    bool folder = false;
    bool hidden = false;   // hidden or system, as DeleteFilesIn tells them
    bool readOnly = false; // a file Windows refuses to delete
    std::uintmax_t size = 0;
    // What DeleteFilesIn deletes.
    bool Deletable() const { return !folder && !hidden && !readOnly; }
};

// The folder's entries in name order; none when it cannot be read.
std::vector<FolderEntry> ListFolder(const std::string& folder);

// Removes a folder with everything in it. Throws IoError when something stays.
void RemoveFolderTree(const std::string& path);

// Removes an empty folder. Throws IoError when it cannot (it is not empty, or is in use).
void RemoveEmptyFolder(const std::string& path);

// Moves (renames) a folder. Throws IoError on failure; the folder is then where it was.
void MoveFolder(const std::string& from, const std::string& to);

} // namespace pw
