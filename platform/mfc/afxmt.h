// MFC's synchronisation objects: CMutex (recursive, owned by the thread that locked it, as a Win32
// mutex is) and CSingleLock, which locks one object and unlocks it when it goes out of scope.
#pragma once

#include <condition_variable>
#include <mutex>
#include <thread>

#include "afxobj.h"
#include "windows.h"

class CSyncObject : public CObject {
public:
    // timeout in milliseconds, INFINITE to wait without limit. TRUE when the object was acquired.
    virtual BOOL Lock(DWORD timeout = INFINITE) = 0;
    virtual BOOL Unlock() = 0;
};

class CMutex : public CSyncObject {
public:
    // Only the unnamed mutex exists here; a name and security attributes are accepted and ignored.
    explicit CMutex(BOOL initiallyOwn = FALSE, LPCTSTR name = nullptr, LPSECURITY_ATTRIBUTES attributes = nullptr);
    ~CMutex() override = default;

    BOOL Lock(DWORD timeout = INFINITE) override;
    // FALSE when the calling thread does not own the mutex.
    BOOL Unlock() override;

private:
    std::mutex m_guard;
    std::condition_variable m_released;
    std::thread::id m_owner;
    unsigned m_depth = 0;
};

class CSingleLock {
public:
    explicit CSingleLock(CSyncObject* object, BOOL initialLock = FALSE);
    ~CSingleLock();
    CSingleLock(const CSingleLock&) = delete;
    CSingleLock& operator=(const CSingleLock&) = delete;

    BOOL Lock(DWORD timeout = INFINITE);
    BOOL Unlock();
    BOOL IsLocked() const { return m_locked; }

private:
    CSyncObject* m_object;
    BOOL m_locked = FALSE;
};
