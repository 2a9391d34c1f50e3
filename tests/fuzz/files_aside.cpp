#include "harnesses.h"

#include <cstdlib>
#include <filesystem>
#include <string>

#include <unistd.h>

namespace pw::fuzz {

namespace {

std::string& Scratch() {
    static std::string folder;
    return folder;
}

void RemoveScratch() {
    std::error_code ignored;
    std::filesystem::remove_all(Scratch(), ignored);
}

} // namespace

void KeepFilesAside() {
    // Layouts name bitmaps on drives, which map below home, or relative to the current folder.
    std::string& folder = Scratch();
    folder = (std::filesystem::temp_directory_path() / "pw-fuzz-XXXXXX").string();
    if (!mkdtemp(folder.data())) PropertyFailed("a scratch folder can be made");
    std::atexit(RemoveScratch);
    setenv("HOME", folder.c_str(), 1);
    for (char drive = 'A'; drive <= 'Z'; ++drive)
        unsetenv((std::string("PANELWRIGHT_DRIVE_") + drive).c_str());
    std::filesystem::current_path(folder);
}

} // namespace pw::fuzz
