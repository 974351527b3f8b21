#include "afxmt.h"

#include <chrono>

CMutex::CMutex(BOOL initiallyOwn, LPCTSTR, LPSECURITY_ATTRIBUTES)
{
    if (initiallyOwn) {
        m_owner = std::this_thread::get_id();
        m_depth = 1;
    }
}

BOOL CMutex::Lock(DWORD timeout)
{
    const std::thread::id self = std::this_thread::get_id();
    std::unique_lock<std::mutex> guard(m_guard);
    if (m_depth > 0 && m_owner == self) {
        ++m_depth;
        return TRUE;
    }
    auto isFree = [this] { return m_depth == 0; };
    if (timeout == INFINITE)
        m_released.wait(guard, isFree);
    else if (!m_released.wait_for(guard, std::chrono::milliseconds(timeout), isFree))
        return FALSE;
    m_owner = self;
    m_depth = 1;
    return TRUE;
}

BOOL CMutex::Unlock()
{
    std::lock_guard<std::mutex> guard(m_guard);
    if (m_depth == 0 || m_owner != std::this_thread::get_id())
        return FALSE;
    if (--m_depth == 0) {
        m_owner = std::thread::id();
        m_released.notify_one();
    }
    return TRUE;
}

CSingleLock::CSingleLock(CSyncObject* object, BOOL initialLock) : m_object(object)
{
    if (initialLock)
        Lock();
}

CSingleLock::~CSingleLock() { Unlock(); }

BOOL CSingleLock::Lock(DWORD timeout)
{
    if (!m_object)
        return FALSE;
    if (m_locked)
        return TRUE;
    m_locked = m_object->Lock(timeout);
    return m_locked;
}

BOOL CSingleLock::Unlock()
{
    if (m_object && m_locked)
        m_locked = !m_object->Unlock();
    return !m_locked;
}
