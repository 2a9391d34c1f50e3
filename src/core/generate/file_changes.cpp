#include "generate/file_changes.h"

#include "platform/errors.h"
#include "platform/files.h"
#include "platform/folders.h"

#include <algorithm>
#include <map>
#include <set>

namespace pw {

FileChanges ChangesIn(const std::string& target, const DisplayFileSet& files) {
    std::map<std::string, FolderEntry> there;
    for (FolderEntry& entry : ListFolder(target))
        if (!entry.folder) there.emplace(entry.name, std::move(entry));
    FileChanges out;
    std::set<std::string> names;
    for (const DisplayFile& file : files) {
        names.insert(file.name);
        const auto found = there.find(file.name);
        if (found == there.end()) {
            out.changes.push_back({FileChange::Added, file.name, 0, file.bytes.size()});
            continue;
        }
        bool same = found->second.size == file.bytes.size();
        if (same) {
            try {
                same = ReadFileBytes(target + file.name, file.bytes.size()) == file.bytes;
            } catch (const Error&) {
                same = false;
            }
        }
        if (same)
            ++out.unchanged;
        else
            out.changes.push_back(
                {FileChange::Changed, file.name, found->second.size, file.bytes.size()});
    }
    for (const auto& [name, entry] : there)
        if (entry.Deletable() && !names.contains(name))
            out.changes.push_back({FileChange::Removed, name, entry.size, 0});
    std::stable_sort(out.changes.begin(), out.changes.end(),
                     [](const FileChange& a, const FileChange& b) {
                         return a.kind != b.kind ? a.kind < b.kind : a.name < b.name;
                     });
    return out;
}

namespace {

std::string Bytes(std::uintmax_t n) {
    return std::to_string(n) + (n == 1 ? " byte" : " bytes");
}

} // namespace

std::string ChangesText(const std::string& target, const FileChanges& changes) {
    std::string text = "In " + target + ":\n";
    const char* headings[] = {"Added:", "Changed:", "Removed:"};
    int shown = -1;
    for (const FileChange& c : changes.changes) {
        if (c.kind != shown) {
            shown = c.kind;
            text += std::string(headings[c.kind]) + "\n";
        }
        text += "  " + c.name + "  ";
        if (c.kind == FileChange::Added) text += Bytes(c.newSize);
        if (c.kind == FileChange::Changed) text += Bytes(c.oldSize) + " -> " + Bytes(c.newSize);
        if (c.kind == FileChange::Removed) text += Bytes(c.oldSize);
        text += "\n";
    }
    if (changes.changes.empty()) text += "Nothing changes.\n";
    if (changes.unchanged > 0)
        text += std::to_string(changes.unchanged) +
                (changes.unchanged == 1 ? " file stays as it is.\n" : " files stay as they are.\n");
    return text;
}

} // namespace pw
