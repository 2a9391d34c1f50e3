#pragma once
// The fuzz harnesses: each takes the bytes of one file, in memory, reads them as the program
// does and checks what must hold for every input. A refused file is a correct outcome; a
// broken property ends in PropertyFailed, a fault in a crash the sanitizers report.
//
// The same code runs under libFuzzer (fuzz_entry.cpp, built by `make fuzz`) and, compiled
// with the ordinary compiler, replays every corpus file in the test suite (replay_test.cpp).

#include <string_view>

namespace pw::fuzz {

// A layout file, as Load reads it.
void FuzzLayout(std::string_view bytes);
// A Windows bitmap, as the image store reads a .bmp.
void FuzzBitmap(std::string_view bytes);
// A display font file, as inspect reads it.
void FuzzFont(std::string_view bytes);
// A display bitmap file, as inspect reads it.
void FuzzBm(std::string_view bytes);
// Clipboard text, as Paste reads a window from it.
void FuzzPaste(std::string_view bytes);

// Keeps every file name the readers look up inside an empty scratch folder: home (so every
// drive), and the current folder. Called once before the first input.
void KeepFilesAside();

// Reports a property that does not hold: the fuzzer stops with it, a replayed corpus file
// fails its test.
[[noreturn]] void PropertyFailed(const char* what);

inline void Require(bool holds, const char* what) {
    if (!holds) PropertyFailed(what);
}

} // namespace pw::fuzz
