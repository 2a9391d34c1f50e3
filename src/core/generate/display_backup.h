#pragma once
// The previous contents of the display folder, kept in the backup folder beside it.

#include "generate/deployment.h"
#include "platform/calendar_names.h"
#include "platform/host.h"

namespace pw {

constexpr const char* kBackupFolder = "C:\\KVP\\DisplayBU\\";

// Decides, before the display folder itself is generated again, what becomes of the backup.
// An old backup holding no "Display.dcf" goes; one that holds it goes when the user answers
// Yes to "Replace backups dated ... ?". Then, when there is no backup folder (any more), the
// display folder becomes it, unless it holds sub-folders (the targets of other jobs): those
// are never moved. Changes nothing itself. Throws IoError naming what is in the way when the
// old backup is to go but holds what cannot be deleted (hidden, read-only or system files, or
// folders), so that the deployment stops before anything is touched.
BackupPlan PlanBackup(Host& host, const CalendarNames& names);

} // namespace pw
