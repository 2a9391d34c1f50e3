#include "platform/folders.h"

#include "platform/errors.h"
#include "platform/paths.h"
#include "platform/win1252.h"

#include <algorithm>

#include <filesystem>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#endif

namespace fs = std::filesystem;

namespace pw {

namespace {

bool Hidden(const fs::directory_entry& entry) {
#ifdef _WIN32
    const DWORD attributes = GetFileAttributesW(entry.path().c_str());
    return attributes != INVALID_FILE_ATTRIBUTES &&
           (attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) != 0;
#else
    return entry.path().filename().native().starts_with('.');
#endif
}

bool ReadOnly(const fs::directory_entry& entry) {
    std::error_code ec;
    const fs::perms perms = entry.status(ec).permissions();
    return !ec && (perms & fs::perms::owner_write) == fs::perms::none;
}

// Calls f for every entry of the folder; a folder that cannot be read has none.
template <class F> void ForEachEntry(const std::string& folder, F&& f) {
    std::error_code ec;
    for (fs::directory_iterator it(MapPath(folder), ec), end; !ec && it != end; it.increment(ec))
        f(*it);
}

} // namespace

bool FolderExists(const std::string& path) {
    std::error_code ec;
    return fs::is_directory(MapPath(path), ec);
}

void DeleteFilesIn(const std::string& folder) {
    ForEachEntry(folder, [](const fs::directory_entry& entry) {
        std::error_code ec;
        if (entry.is_directory(ec) || ec || Hidden(entry) || ReadOnly(entry)) return;
        fs::remove(entry.path(), ec);
    });
}

std::vector<FolderEntry> ListFolder(const std::string& folder) {
    std::vector<FolderEntry> entries;
    ForEachEntry(folder, [&](const fs::directory_entry& entry) {
        std::error_code ec;
        FolderEntry e;
        e.name = Utf8ToWin1252(entry.path().filename().string());
        e.folder = entry.is_directory(ec);
        e.hidden = Hidden(entry);
        e.readOnly = !e.folder && ReadOnly(entry);
        if (!e.folder) e.size = entry.file_size(ec);
        entries.push_back(std::move(e));
    });
    std::sort(entries.begin(), entries.end(),
              [](const FolderEntry& a, const FolderEntry& b) { return a.name < b.name; });
    return entries;
}

void RemoveFolderTree(const std::string& path) {
    std::error_code ec;
    fs::remove_all(MapPath(path), ec);
    if (ec) throw IoError("Cannot remove the folder \"" + path + "\". " + ec.message() + ".");
}

int VisibleSubFolders(const std::string& folder) {
    int count = 0;
    ForEachEntry(folder, [&](const fs::directory_entry& entry) {
        std::error_code ec;
        if (entry.is_directory(ec) && !Hidden(entry)) ++count;
    });
    return count;
}

void RemoveEmptyFolder(const std::string& path) {
    std::error_code ec;
    const fs::path native = MapPath(path);
    if (!fs::is_directory(native, ec) || !fs::remove(native, ec) || ec)
        throw IoError("Cannot remove the folder \"" + path + "\"" +
                      (ec ? ". " + ec.message() + "." : "."));
}

void MoveFolder(const std::string& from, const std::string& to) {
    std::error_code ec;
    fs::rename(MapPath(from), MapPath(to), ec);
    if (ec)
        throw IoError("Cannot move the folder \"" + from + "\" to \"" + to + "\". " + ec.message() +
                      ".");
}

} // namespace pw
