// Events, mutexes, threads and waits over the C++ thread library.
#include "kernel_objects.h"

#include <SDL.h>

#include <atomic>
#include <functional>

namespace platform {

namespace {
thread_local DWORD t_lastError = 0;
std::atomic<DWORD> g_nextThreadId{1};
thread_local DWORD t_threadId = 0;
}  // namespace

DWORD EventObject::Wait(DWORD milliseconds)
{
    std::unique_lock<std::mutex> lock(mutex);
    if (!WaitFor(changed, lock, milliseconds, [this] { return signalled; }))
        return WAIT_TIMEOUT;
    if (!manualReset)
        signalled = false;
    return WAIT_OBJECT_0;
}

void EventObject::Set()
{
    std::lock_guard<std::mutex> lock(mutex);
    signalled = true;
    changed.notify_all();
}

void EventObject::Reset()
{
    std::lock_guard<std::mutex> lock(mutex);
    signalled = false;
}

DWORD MutexObject::Wait(DWORD milliseconds)
{
    std::unique_lock<std::mutex> lock(mutex);
    const auto self = std::this_thread::get_id();
    if (depth > 0 && owner == self) {
        ++depth;
        return WAIT_OBJECT_0;
    }
    if (!WaitFor(released, lock, milliseconds, [this] { return depth == 0; }))
        return WAIT_TIMEOUT;
    owner = self;
    depth = 1;
    return WAIT_OBJECT_0;
}

bool MutexObject::Release()
{
    std::lock_guard<std::mutex> lock(mutex);
    if (depth == 0 || owner != std::this_thread::get_id())
        return false;
    if (--depth == 0) {
        owner = std::thread::id();
        released.notify_one();
    }
    return true;
}

DWORD ThreadObject::Wait(DWORD milliseconds)
{
    {
        std::unique_lock<std::mutex> lock(mutex);
        if (!WaitFor(finished, lock, milliseconds, [this] { return done; }))
            return WAIT_TIMEOUT;
    }
    JoinEnded();
    return WAIT_OBJECT_0;
}

void ThreadObject::JoinEnded()
{
    std::lock_guard<std::mutex> lock(joinMutex);
    if (worker.joinable() && worker.get_id() != std::this_thread::get_id())
        worker.join();
}

}  // namespace platform

using namespace platform;

HANDLE CreateEventA(LPSECURITY_ATTRIBUTES, BOOL manualReset, BOOL initialState, LPCSTR)
{
    return new EventObject(manualReset != FALSE, initialState != FALSE);
}

BOOL SetEvent(HANDLE event)
{
    auto* object = dynamic_cast<EventObject*>(event);
    if (!object) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    object->Set();
    return TRUE;
}

BOOL ResetEvent(HANDLE event)
{
    auto* object = dynamic_cast<EventObject*>(event);
    if (!object) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    object->Reset();
    return TRUE;
}

HANDLE CreateMutexA(LPSECURITY_ATTRIBUTES, BOOL initialOwner, LPCSTR)
{
    auto* object = new MutexObject();
    if (initialOwner)
        object->Wait(INFINITE);
    return object;
}

BOOL ReleaseMutex(HANDLE mutex)
{
    auto* object = dynamic_cast<MutexObject*>(mutex);
    return object && object->Release() ? TRUE : FALSE;
}

DWORD WaitForSingleObject(HANDLE handle, DWORD milliseconds)
{
    if (!handle || handle == INVALID_HANDLE_VALUE) {
        SetLastError(ERROR_INVALID_HANDLE);
        return WAIT_FAILED;
    }
    return handle->Wait(milliseconds);
}

BOOL CloseHandle(HANDLE handle)
{
    if (!handle || handle == INVALID_HANDLE_VALUE) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    // A running thread keeps the object until it ends; CreateThread's routine deletes it then. An
    // ended one is joined first, so that deleting it never races the end of the thread.
    if (auto* thread = dynamic_cast<ThreadObject*>(handle)) {
        {
            std::lock_guard<std::mutex> lock(thread->mutex);
            if (!thread->done) {
                thread->handleClosed = true;
                std::lock_guard<std::mutex> joinLock(thread->joinMutex);
                thread->worker.detach();
                return TRUE;
            }
        }
        thread->JoinEnded();
        if (thread->worker.joinable())
            thread->worker.detach();  // the thread closed its own handle: it ends by itself
    }
    delete handle;
    return TRUE;
}

HANDLE CreateThread(LPSECURITY_ATTRIBUTES, SIZE_T, LPTHREAD_START_ROUTINE start, LPVOID parameter, DWORD,
                    LPDWORD threadId)
{
    auto* object = new ThreadObject();
    const DWORD id = g_nextThreadId++;
    if (threadId)
        *threadId = id;
    object->worker = std::thread([object, start, parameter, id] {
        t_threadId = id;
        const DWORD code = start(parameter);
        // A GL context the thread drew with is let go, so that another thread may take it over.
        if (SDL_WasInit(SDL_INIT_VIDEO))
            SDL_GL_MakeCurrent(nullptr, nullptr);
        // SDL frees its per-thread blocks (current window and context, error text) only for the
        // threads it starts itself; this one gives them back before it ends.
        SDL_TLSCleanup();
        bool closed;
        {
            std::lock_guard<std::mutex> lock(object->mutex);
            closed = object->handleClosed;
            object->exitCode = code;
            object->done = true;
            object->finished.notify_all();
        }
        if (closed)
            delete object;
    });
    return object;
}

BOOL GetExitCodeThread(HANDLE thread, LPDWORD exitCode)
{
    auto* object = dynamic_cast<ThreadObject*>(thread);
    if (!object || !exitCode)
        return FALSE;
    std::lock_guard<std::mutex> lock(object->mutex);
    *exitCode = object->done ? object->exitCode : STILL_ACTIVE;
    return TRUE;
}

DWORD GetCurrentThreadId()
{
    if (t_threadId == 0)
        t_threadId = g_nextThreadId++;
    return t_threadId;
}

void Sleep(DWORD milliseconds)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

DWORD GetLastError() { return t_lastError; }
void SetLastError(DWORD error) { t_lastError = error; }
