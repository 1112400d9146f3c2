#pragma once

// Stops a running program without ending it, as a machine that hangs does:
// its connections stay open, and nothing it was sent is answered.
#include <QProcess>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
// windows.h first: the snapshot's header needs its types.
#include <tlhelp32.h>
#else
#include <sys/types.h>

#include <csignal>
#endif

namespace corvane::testing_support {

// Windows stops threads, not processes: each thread of the program is held.
inline bool StopProgram(const QProcess& process) {
#ifdef _WIN32
    const DWORD id = static_cast<DWORD>(process.processId());
    HANDLE threads = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    if (threads == INVALID_HANDLE_VALUE) return false;
    int held = 0;
    THREADENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Thread32First(threads, &entry); more; more = Thread32Next(threads, &entry)) {
        if (entry.th32OwnerProcessID != id) continue;
        HANDLE thread = OpenThread(THREAD_SUSPEND_RESUME, FALSE, entry.th32ThreadID);
        if (thread == nullptr) continue;
        if (SuspendThread(thread) != static_cast<DWORD>(-1)) ++held;
        CloseHandle(thread);
    }
    CloseHandle(threads);
    return held > 0;
#else
    return ::kill(static_cast<pid_t>(process.processId()), SIGSTOP) == 0;
#endif
}

}  // namespace corvane::testing_support
