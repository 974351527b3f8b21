// Kernel objects behind HANDLE: events, mutexes, threads and file searches.
#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "windows.h"

struct PlatformHandle {
    virtual ~PlatformHandle() = default;
    // Waits until the object is signalled or the time is up: WAIT_OBJECT_0 or WAIT_TIMEOUT.
    virtual DWORD Wait(DWORD milliseconds) = 0;
};

namespace platform {

// Waits on cv until ready() holds, for at most milliseconds (INFINITE waits for ever).
template <typename Ready>
bool WaitFor(std::condition_variable& cv, std::unique_lock<std::mutex>& lock, DWORD milliseconds,
             Ready ready)
{
    if (milliseconds == INFINITE) {
        cv.wait(lock, ready);
        return true;
    }
    return cv.wait_for(lock, std::chrono::milliseconds(milliseconds), ready);
}

struct EventObject : PlatformHandle {
    EventObject(bool manual, bool initial) : manualReset(manual), signalled(initial) {}
    DWORD Wait(DWORD milliseconds) override;
    void Set();
    void Reset();

    std::mutex mutex;
    std::condition_variable changed;
    bool manualReset;
    bool signalled;
};

// A mutex that its owner may take again (as Win32's does), released as often as taken.
struct MutexObject : PlatformHandle {
    DWORD Wait(DWORD milliseconds) override;
    bool Release();

    std::mutex mutex;
    std::condition_variable released;
    std::thread::id owner;
    int depth = 0;
};

// A thread is signalled once it has ended for good: a wait that sees it done also joins it, so nothing
// of the thread (its thread-exit code, the GL driver's included) still runs when the wait returns.
struct ThreadObject : PlatformHandle {
    DWORD Wait(DWORD milliseconds) override;
    // Joins the ended thread, unless the caller is that thread; safe from several waiters at once.
    void JoinEnded();

    std::mutex mutex;
    std::condition_variable finished;
    bool done = false;
    bool handleClosed = false;  // closed while running: detached, and the thread deletes the object
    DWORD exitCode = STILL_ACTIVE;
    std::mutex joinMutex;
    std::thread worker;
};

struct FindObject : PlatformHandle {
    DWORD Wait(DWORD) override { return WAIT_FAILED; }

    std::vector<std::string> names;  // matching names, in directory order sorted by name
    std::string directory;           // where they are, for sizes and attributes
    size_t next = 0;
};

}  // namespace platform
