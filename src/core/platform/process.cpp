#include "platform/process.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <csignal>
#include <unistd.h>
#endif

namespace pw {

#ifdef _WIN32

int CurrentProcessId() {
    return static_cast<int>(GetCurrentProcessId());
}

bool ProcessRunning(int id) {
    if (id <= 0) return false;
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, static_cast<DWORD>(id));
    if (!process) return GetLastError() == ERROR_ACCESS_DENIED;
    const bool running = WaitForSingleObject(process, 0) == WAIT_TIMEOUT;
    CloseHandle(process);
    return running;
}

#else

int CurrentProcessId() {
    return static_cast<int>(getpid());
}

bool ProcessRunning(int id) {
    if (id <= 0) return false;
    // Signal 0 only asks whether the process could be signalled; one of another user exists
    // all the same.
    return kill(static_cast<pid_t>(id), 0) == 0 || errno == EPERM;
}

#endif

} // namespace pw
