#pragma once
// Where a job's display files go: the display folder, or a folder inside it that the job's
// sub-folder and net IDs name.

#include "windows/job_record.h"

#include <string>

namespace pw {

// The root of every target folder.
constexpr const char* kDisplayFolder = "C:\\KVP\\Display\\";
// The name of the layout among the display files.
constexpr const char* kDisplayConfigName = "Display.dcf";

// The display folder followed by SubDirectory and then NetIDs, each with a backslash after it
// when it is not empty and has none: "C:\KVP\Display\Bank1\3\", or the display folder itself
// when both are empty.
std::string TargetFolder(const cInputSpec& job);

// Whether the target folder lies inside the display folder: every folder name in
// SubDirectory and NetIDs is a plain name (not empty, not "." or "..", no drive, no control
// character), a single backslash or slash at their ends aside.
bool TargetStaysInside(const cInputSpec& job);

} // namespace pw
