#pragma once
// Saving and loading layout files.

#include "shell/editor.h"

#include <cstdint>
#include <optional>
#include <string>

namespace pw {

// The configuration Generate files writes when a job names no sub-folder and no net IDs.
constexpr const char* kDefaultDisplayConfig = "C:\\KVP\\Display\\Display.dcf";

// The main window's caption before a layout file is named.
constexpr const char* kMainCaption = "Tarnwheel Panelwright  v5.08";
// The caption for a layout file: "PW " and the file, or the program's own without one.
std::string MainCaption(const std::string& layoutFileName);
// Names the layout's file, which the main window's caption shows.
void SetLayoutFileName(Document& doc, const std::string& path);

// The layout path with its extension replaced by ".~dc".
std::string BackupPath(const std::string& path);

// Throws IoError naming the folder when the path or its backup path is a folder: saving would
// otherwise move the folder aside as the backup, or replace the file with no backup kept.
void CheckLayoutTarget(const std::string& path);

// Writes the job record and every window to path. The previous file becomes the ".~dc"
// backup (the older backup is dropped), but only once the new file is complete: a failed
// save leaves the file and its backup as they were. Changes neither LayoutFileName nor the
// caption; a save to the layout's own file leaves nothing unsaved. A folder in the way
// (CheckLayoutTarget) refuses the save before anything is written.
void SaveLayout(Document& doc, const std::string& path);

enum class LoadOutcome {
    NoFile,   // nothing was there to load
    Whole,    // the file was read to its end
    CutShort, // the file ends inside a group or a text; the user was warned
};

// Replaces the job by the file's contents, warning first when the default display
// configuration is newer; nothing happens when no file is there. A file that cannot be read
// leaves the previous layout in place and throws.
LoadOutcome LoadLayout(Editor& editor, const std::string& path);

// Replaces the job by the layout in the file at path, names the layout layoutFileName and
// redraws; the undo history starts again from it. The reading part of a load, which a
// recovered copy shares. A file that cannot be
// read leaves the previous layout in place and throws. A file that ends inside a group or a
// text is read as far as it goes and the user is warned; the result tells.
LoadOutcome OpenLayout(Editor& editor, const std::string& path, const std::string& layoutFileName);

// The warning for a layout file that ends inside a group or a text.
std::string CutShortWarning(const std::string& path);

// The file's last-write time in local time, packed as a FAT date and time: bits 25..31
// year - 1980, 21..24 month, 16..20 day, 11..15 hours, 5..10 minutes, 0..4 seconds / 2.
std::optional<std::int32_t> FileStamp(const std::string& path);

// Whether file a exists and file b does not, or a's stamp is not below b's.
bool IsNotOlder(const std::string& a, const std::string& b);

} // namespace pw
