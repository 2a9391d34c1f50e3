// The libFuzzer entry of one harness, chosen by PW_FUZZ_HARNESS when it is compiled.

#include "harnesses.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace pw::fuzz {

void PropertyFailed(const char* what) {
    std::fprintf(stderr, "Property does not hold: %s\n", what);
    std::abort();
}

} // namespace pw::fuzz

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    pw::fuzz::KeepFilesAside();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    pw::fuzz::PW_FUZZ_HARNESS({reinterpret_cast<const char*>(data), size});
    return 0;
}
