#include "cli/cli_files.h"

#include "platform/errors.h"
#include "platform/files.h"
#include "platform/folders.h"

namespace pw {

namespace {

void RefuseFolder(const std::string& path) {
    if (FolderExists(path)) throw IoError("\"" + path + "\" is a folder, not a file.");
}

} // namespace

void RequireInputFile(const std::string& path) {
    RefuseFolder(path);
    if (!FileExists(path)) throw IoError("The file \"" + path + "\" does not exist.");
}

void RequireOutputFile(const std::string& path) {
    RefuseFolder(path);
}

} // namespace pw
