#pragma once
// Generate files: the files a display unit runs from, put into the job's target folder inside
// the display folder. The display program, one .bm file per image, one .fnt file per font and
// the layout as "Display.dcf"; the user's layout file is saved too, as it now names the font
// files.

#include "generate/deploy_fs.h"
#include "generate/display_files.h"
#include "platform/hasher.h"
#include "platform/progress.h"
#include "shell/editor.h"

#include <optional>
#include <string>

namespace pw {

struct GenerateReport {
    std::string target;   // the folder the files went to; empty when it could not be made
    int filesWritten = 0; // different file names written there
    // Everything the display needs was written; otherwise the user has been told what not.
    bool complete = true;
};

// What a generation did, for the status bar: "11 files written to C:\KVP\Display\".
std::string GenerateSummary(const GenerateReport& report);

// Makes every display file in memory, then deploys them all or none (deployment.h): when the
// job names no sub-folder and no net IDs the backup rules of the display folder apply once
// the new set is staged. Only a deployment that succeeded gives the text windows their font
// files' names and saves the layout to its own file. A target the job would put outside the
// display folder cannot be made: nothing is created or deleted for it, and the layout is
// saved as it is. A missing or unreadable display program is reported and the rest is still
// deployed; characters no font file can hold are reported once per font at the end. Throws
// FormatError when a font cannot be made, IoError when the files cannot be put in place,
// saying which file and why; the display and backup folders are then as they were. Every
// deployment is recorded (deployment_record.h) with the digests hasher makes.
GenerateReport GenerateFiles(Editor& editor, Progress& progress, Hasher& hasher,
                             DeployFs& fs = DiskFs());

// What GenerateFiles would add, change and remove in the job's target folder, as ChangesText
// tells it; nothing is written. Throws IoError for a target outside the display folder.
std::string PlannedChanges(Editor& editor, Progress& progress);

// Generate files works from a layout saved under a name, which it saves again with the font
// files' names: without one the menu command does nothing, and the menu shows it unavailable.
bool CanGenerateFiles(const Document& doc);

// The File menu's Generate files: nothing without a layout file name; otherwise makes the
// files, asks whether to reconfigure the displays (the details tell what changes), and
// deploys them on Yes. Nothing when nothing was generated.
std::optional<GenerateReport> Generatefiles1Click(Editor& editor, Progress& progress,
                                                  Hasher& hasher);

} // namespace pw
