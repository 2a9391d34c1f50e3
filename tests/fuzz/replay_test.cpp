// Every file of the fuzz corpora, run through its harness: an input the fuzzer once found
// stays a test.

#include "harnesses.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

namespace pw::fuzz {

void PropertyFailed(const char* what) {
    throw std::logic_error(what);
}

namespace {

struct Harness {
    const char* corpus; // the folder under tests/fuzz/corpus
    void (*run)(std::string_view);
};

constexpr Harness kHarnesses[] = {
    {"layout", FuzzLayout}, {"bitmap", FuzzBitmap}, {"font", FuzzFont},
    {"bm", FuzzBm},         {"paste", FuzzPaste},
};

std::vector<std::filesystem::path> CorpusFiles(const char* corpus) {
    std::vector<std::filesystem::path> files;
    for (const auto& entry :
         std::filesystem::directory_iterator(std::filesystem::path(PW_FUZZ_CORPUS) / corpus))
        if (entry.is_regular_file()) files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

std::string Bytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Names the test by its corpus, as ctest lists it.
void PrintTo(const Harness& harness, std::ostream* out) { *out << harness.corpus; }

class CorpusReplay : public ::testing::TestWithParam<Harness> {};

TEST_P(CorpusReplay, EveryFileHoldsTheHarnessProperties) {
    const std::vector<std::filesystem::path> files = CorpusFiles(GetParam().corpus);
    ASSERT_FALSE(files.empty()) << "the " << GetParam().corpus << " corpus is empty";
    for (const auto& file : files) {
        const std::string bytes = Bytes(file);
        try {
            GetParam().run(bytes);
        } catch (const std::exception& e) {
            ADD_FAILURE() << file.filename().string() << ": " << e.what();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Fuzz, CorpusReplay, ::testing::ValuesIn(kHarnesses),
                         [](const auto& info) { return std::string(info.param.corpus); });

} // namespace

} // namespace pw::fuzz

int main(int argc, char** argv) {
    // Corpus paths are absolute, so the scratch folder may become the current one.
    pw::fuzz::KeepFilesAside();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
