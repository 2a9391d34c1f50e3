#pragma once
// Generate files: the files a display unit runs from, put into the job's target folder inside
// the display folder. The display program, one .bm file per image, one .fnt file per font and
// the layout as "Display.dcf"; the user's layout file is saved too, as it now names the font
// files.

#include "platform/progress.h"
#include "shell/editor.h"

#include <optional>
#include <string>

namespace pw {

// The display program, copied into every target folder.
constexpr const char* kDisplayProgram = "C:\\KVP\\Display.axf";

struct GenerateReport {
    std::string target;   // the folder the files went to; empty when it could not be made
    int filesWritten = 0; // different file names written there
    // Everything the display needs was written; otherwise the user has been told what not.
    bool complete = true;
};

// What a generation did, for the status bar: "11 files written to C:\KVP\Display\".
std::string GenerateSummary(const GenerateReport& report);

// In this order: the backup of the display folder (when the job names no sub-folder and no
// net IDs), the target folder made, its files deleted, the display program copied, every
// image written, the font files made, the layout written as "Display.dcf"; then, whether or
// not the target could be made, the layout saved to its own file. A target the job would put
// outside the display folder cannot be made: nothing is created or deleted for it. A font no
// file can be made for stops the command before anything is touched. A missing or uncopyable
// display program is reported and the rest is still generated; characters no font file can
// hold are reported once per font at the end. Throws when a file cannot be written, or the
// backup cannot be made; what was done stays done.
GenerateReport GenerateFiles(Editor& editor, Progress& progress);

// The File menu's Generate files: nothing without a layout file name; otherwise asks whether
// to reconfigure the displays, and generates on Yes. Nothing when nothing was generated.
std::optional<GenerateReport> Generatefiles1Click(Editor& editor, Progress& progress);

} // namespace pw
