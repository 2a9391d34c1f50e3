#include "platform/name_chars.h"

#include <algorithm>
#include <cstring>

namespace pw {

bool CanStandInName(char c) {
    const auto u = static_cast<unsigned char>(c);
    return u >= 32 && u != 127 && std::strchr("\\/:*?\"<>|", c) == nullptr;
}

bool IsPlainFileName(const std::string& name) {
    return !name.empty() && name[0] != '.' && std::all_of(name.begin(), name.end(), CanStandInName);
}

bool IsPlainFolderName(const std::string& name) {
    return name.find_first_not_of(". ") != std::string::npos &&
           std::all_of(name.begin(), name.end(), CanStandInName);
}

} // namespace pw
