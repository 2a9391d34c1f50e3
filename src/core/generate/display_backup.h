#pragma once
// The previous contents of the display folder, kept in the backup folder beside it.

#include "platform/calendar_names.h"
#include "platform/host.h"

namespace pw {

constexpr const char* kBackupFolder = "C:\\KVP\\DisplayBU\\";

// Before the display folder itself is generated again. An old backup holding no
// "Display.dcf" is removed; one that holds it is removed when the user answers Yes to
// "Replace backups dated ... ?". Then, when there is no backup folder (any more), the display
// folder becomes it, unless it holds sub-folders (the targets of other jobs): those are never
// moved. Throws IoError when the old backup cannot be removed (it holds hidden, read-only or
// other undeletable files, or folders) or the display folder cannot be moved, before the
// display folder's files are touched.
void BackupDisplayFolder(Host& host, const CalendarNames& names);

} // namespace pw
