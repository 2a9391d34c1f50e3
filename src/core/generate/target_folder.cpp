#include "generate/target_folder.h"

#include "platform/name_chars.h"

namespace pw {

namespace {

void AppendPart(std::string& path, const std::string& part) {
    path += part;
    if (!path.empty() && path.back() != '\\') path += '\\';
}

bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}

// Every name between separators is a plain folder name; a leading separator (a root), two
// in a row or a drive are not.
bool PlainFolders(std::string part) {
    if (part.empty()) return true;
    if (IsSeparator(part.back())) part.pop_back();
    std::string name;
    for (const char c : part) {
        if (!IsSeparator(c)) {
            name += c;
            continue;
        }
        if (!IsPlainFolderName(name)) return false;
        name.clear();
    }
    return IsPlainFolderName(name);
}

} // namespace

std::string TargetFolder(const cInputSpec& job) {
    std::string relative;
    AppendPart(relative, job.SubDirectory);
    AppendPart(relative, job.NetIDs);
    return kDisplayFolder + relative;
}

bool TargetStaysInside(const cInputSpec& job) {
    return PlainFolders(job.SubDirectory) && PlainFolders(job.NetIDs);
}

} // namespace pw
