#pragma once
// Processes of this machine, as far as a run needs to know about others of its kind.

namespace pw {

int CurrentProcessId();

// Whether a process of that id is running now. An id that is not a process's (0 or less)
// is not running.
bool ProcessRunning(int id);

} // namespace pw
