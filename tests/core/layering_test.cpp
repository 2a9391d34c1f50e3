// The core's folders stand in layers: each includes only folders before it in this order, so
// that nothing below the shell can reach the editor's state and the renderer, the readers and
// the dialogs' logic stay functions of values.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

namespace {

constexpr std::array<const char*, 9> kLayers = {"platform", "display",  "images",
                                                "windows",  "config",   "generate",
                                                "check",    "dialogs",  "shell"};

int LayerOf(const std::string& folder) {
    const auto* found = std::find(kLayers.begin(), kLayers.end(), folder);
    return found == kLayers.end() ? -1 : static_cast<int>(found - kLayers.begin());
}

TEST(Layering, NoCoreFolderIncludesOneAboveIt) {
    const std::filesystem::path core = std::filesystem::path(PW_SOURCE_DIR) / "src" / "core";
    const std::regex include(R"(^\s*#\s*include\s*"([a-z_]+)/[^"]+")");
    std::vector<std::string> upward;
    int files = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(core)) {
        if (!entry.is_regular_file()) continue;
        const std::string folder = entry.path().parent_path().filename().string();
        const int from = LayerOf(folder);
        // Every folder of the core has its place; a new one must be put in the order.
        ASSERT_TRUE(from >= 0 || entry.path().parent_path() == core) << entry.path();
        if (from < 0) continue;
        ++files;
        std::ifstream in(entry.path());
        std::string line;
        for (int number = 1; std::getline(in, line); ++number) {
            std::smatch m;
            if (!std::regex_search(line, m, include)) continue;
            const int to = LayerOf(m[1]);
            if (to > from)
                upward.push_back(folder + "/" + entry.path().filename().string() + ":" +
                                 std::to_string(number) + " includes " + m[1].str());
        }
    }
    EXPECT_GT(files, 100);
    EXPECT_TRUE(upward.empty()) << ::testing::PrintToString(upward);
}

} // namespace
