#include "platform/paths.h"

#include "platform/win1252.h"

#include <cctype>
#include <cstdlib>

namespace pw {

namespace {

std::filesystem::path HomeDir() {
#ifdef _WIN32
    const char* home = std::getenv("USERPROFILE");
#else
    const char* home = std::getenv("HOME");
#endif
    return home && *home ? std::filesystem::path(home) : std::filesystem::temp_directory_path();
}

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

} // namespace

std::filesystem::path DriveRoot(char letter) {
    const char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(letter)));
    const std::string var =
        std::string("PANELWRIGHT_DRIVE_") +
        static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
    if (const char* root = std::getenv(var.c_str()); root && *root)
        return std::filesystem::path(root);
    return HomeDir() / ".local" / "share" / "panelwright" / (std::string("drive_") + lower);
}

std::string StateFolder() {
#ifdef _WIN32
    const char* local = std::getenv("LOCALAPPDATA");
    const std::filesystem::path base = local && *local ? std::filesystem::path(local) : HomeDir();
    return (base / "Panelwright").string();
#else
    // A relative XDG_STATE_HOME is invalid and ignored, as the base directory rules say.
    const char* state = std::getenv("XDG_STATE_HOME");
    const std::filesystem::path base =
        state && *state == '/' ? std::filesystem::path(state) : HomeDir() / ".local" / "state";
    const std::string native = (base / "panelwright").string();
    const std::string path = Utf8ToWin1252(native);
    // A home whose name Windows-1252 cannot spell would be a folder nobody can write; the
    // copies then live on the editor's drive C, which is reached without that name.
    return Win1252ToUtf8(path) == native ? path : "C:\\Panelwright\\Recovery";
#endif
}

std::filesystem::path MapPath(const std::string& layoutPath) {
#ifdef _WIN32
    return std::filesystem::path(layoutPath);
#else
    // Names are Windows-1252 bytes; this file system names files in UTF-8.
    const std::string path = Win1252ToUtf8(layoutPath);
    std::filesystem::path base;
    std::size_t rest = 0;
    if (path.size() >= 2 && std::isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':') {
        base = DriveRoot(path[0]);
        rest = 2;
    } else if (!path.empty() && path[0] == '\\') {
        base = DriveRoot('C');
    } else {
        std::string native = path;
        for (char& c : native)
            if (c == '\\') c = '/';
        return std::filesystem::path(native);
    }
    std::filesystem::path out = base;
    std::string part;
    for (std::size_t i = rest; i <= path.size(); ++i) {
        if (i == path.size() || IsSeparator(path[i])) {
            if (!part.empty() && part != ".") out /= part;
            part.clear();
        } else {
            part += path[i];
        }
    }
    return out;
#endif
}

std::string DrivePath(const std::filesystem::path& native) {
#ifdef _WIN32
    return native.string();
#else
    const std::filesystem::path path = native.lexically_normal();
    for (char letter = 'C'; letter <= 'Z'; ++letter) {
        const std::filesystem::path root = DriveRoot(letter).lexically_normal();
        const std::filesystem::path rest = path.lexically_relative(root);
        if (rest.empty() || *rest.begin() == "..") continue;
        std::string drive = std::string(1, letter) + ":";
        if (rest == ".") return drive + "\\";
        for (const auto& part : rest)
            if (part != ".") drive += "\\" + part.string();
        return Utf8ToWin1252(drive);
    }
    return Utf8ToWin1252(path.string());
#endif
}

std::size_t NameStart(const std::string& path) {
    const std::size_t p = path.find_last_of("\\:/");
    return p == std::string::npos ? 0 : p + 1;
}

std::string FileNamePart(const std::string& path) { return path.substr(NameStart(path)); }

std::size_t ExtensionPos(const std::string& path) {
    const std::size_t dot = path.rfind('.');
    if (dot == std::string::npos || dot < NameStart(path)) return std::string::npos;
    return dot;
}

std::string ChangeExtension(const std::string& path, const std::string& ext) {
    const std::size_t dot = ExtensionPos(path);
    return (dot == std::string::npos ? path : path.substr(0, dot)) + ext;
}

} // namespace pw
