#pragma once
// What a deployment would change in a target folder, told before it changes anything.

#include "generate/display_file.h"

#include <cstdint>
#include <string>
#include <vector>

namespace pw {

struct FileChange {
    enum Kind { Added, Changed, Removed };
    Kind kind = Added;
    std::string name;
    std::uintmax_t oldSize = 0; // Changed and Removed
    std::uintmax_t newSize = 0; // Added and Changed
};

struct FileChanges {
    std::vector<FileChange> changes; // added, then changed, then removed; by name in each
    int unchanged = 0;
};

// Compares the set with what the target folder (ending with a backslash) holds: files of the
// set that are not there are added, those there with other bytes changed; the files there
// that the set lacks and a deployment deletes (not hidden, system or read-only) are removed.
FileChanges ChangesIn(const std::string& target, const DisplayFileSet& files);

// One line per file under "Added:", "Changed:" and "Removed:", sizes in bytes, then how many
// stay as they are: the detail text of the question before Generate files.
std::string ChangesText(const std::string& target, const FileChanges& changes);

} // namespace pw
