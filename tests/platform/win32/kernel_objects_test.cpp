// Events, mutexes, threads and the platform clock.
#include <gtest/gtest.h>

#include <atomic>

#include "platform_clock.h"
#include "windows.h"

namespace {

TEST(Events, ManualResetStaysSignalledAutoResetWakesOnce)
{
    HANDLE manual = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    EXPECT_EQ(WaitForSingleObject(manual, 0), static_cast<DWORD>(WAIT_TIMEOUT));
    SetEvent(manual);
    EXPECT_EQ(WaitForSingleObject(manual, 0), static_cast<DWORD>(WAIT_OBJECT_0));
    EXPECT_EQ(WaitForSingleObject(manual, 0), static_cast<DWORD>(WAIT_OBJECT_0));
    ResetEvent(manual);
    EXPECT_EQ(WaitForSingleObject(manual, 10), static_cast<DWORD>(WAIT_TIMEOUT));
    CloseHandle(manual);

    HANDLE automatic = CreateEventA(nullptr, FALSE, TRUE, nullptr);
    EXPECT_EQ(WaitForSingleObject(automatic, 0), static_cast<DWORD>(WAIT_OBJECT_0));
    EXPECT_EQ(WaitForSingleObject(automatic, 0), static_cast<DWORD>(WAIT_TIMEOUT));
    CloseHandle(automatic);
    EXPECT_EQ(WaitForSingleObject(nullptr, 0), static_cast<DWORD>(WAIT_FAILED));
}

struct Shared {
    HANDLE mutex;
    std::atomic<bool> acquired{false};
};

DWORD WINAPI TryMutex(LPVOID parameter)
{
    auto* shared = static_cast<Shared*>(parameter);
    const bool got = WaitForSingleObject(shared->mutex, 0) == WAIT_OBJECT_0;
    shared->acquired = got;
    if (got)
        ReleaseMutex(shared->mutex);
    return got ? 1 : 0;
}

TEST(Mutexes, OwnerMayTakeItAgainOthersWait)
{
    Shared shared;
    shared.mutex = CreateMutexA(nullptr, FALSE, nullptr);
    ASSERT_EQ(WaitForSingleObject(shared.mutex, 0), static_cast<DWORD>(WAIT_OBJECT_0));
    ASSERT_EQ(WaitForSingleObject(shared.mutex, 0), static_cast<DWORD>(WAIT_OBJECT_0));
    HANDLE thread = CreateThread(nullptr, 0, TryMutex, &shared, 0, nullptr);
    WaitForSingleObject(thread, INFINITE);
    EXPECT_FALSE(shared.acquired);
    CloseHandle(thread);
    // Released as often as taken, it is free for others.
    EXPECT_TRUE(ReleaseMutex(shared.mutex));
    EXPECT_TRUE(ReleaseMutex(shared.mutex));
    EXPECT_FALSE(ReleaseMutex(shared.mutex));
    thread = CreateThread(nullptr, 0, TryMutex, &shared, 0, nullptr);
    WaitForSingleObject(thread, INFINITE);
    DWORD code = 0;
    GetExitCodeThread(thread, &code);
    EXPECT_EQ(code, 1u);
    CloseHandle(thread);
    CloseHandle(shared.mutex);
}

// What a thread leaves running after its routine returns: its thread-local destructors (a GL driver
// frees its per-thread state there). A wait on the thread returns only after they have run, so that
// a program may release what they touch, or exit, as soon as the wait returns.
std::atomic<bool> g_threadExitCodeFinished{false};

struct SlowThreadExit {
    ~SlowThreadExit()
    {
        Sleep(50);
        g_threadExitCodeFinished = true;
    }
};

DWORD WINAPI RunWithSlowThreadExit(LPVOID)
{
    thread_local SlowThreadExit slow;
    (void)&slow;
    return 7;
}

TEST(Threads, AWaitReturnsOnlyAfterTheThreadHasEndedForGood)
{
    for (DWORD timeout : {static_cast<DWORD>(INFINITE), static_cast<DWORD>(5000)}) {
        g_threadExitCodeFinished = false;
        HANDLE thread = CreateThread(nullptr, 0, RunWithSlowThreadExit, nullptr, 0, nullptr);
        ASSERT_EQ(WaitForSingleObject(thread, timeout), static_cast<DWORD>(WAIT_OBJECT_0));
        EXPECT_TRUE(g_threadExitCodeFinished);
        DWORD code = 0;
        EXPECT_TRUE(GetExitCodeThread(thread, &code));
        EXPECT_EQ(code, 7u);
        // A second wait on the ended thread returns at once.
        EXPECT_EQ(WaitForSingleObject(thread, 0), static_cast<DWORD>(WAIT_OBJECT_0));
        EXPECT_TRUE(CloseHandle(thread));
    }
    // A handle closed while the thread runs lets it end by itself.
    g_threadExitCodeFinished = false;
    HANDLE running = CreateThread(nullptr, 0, RunWithSlowThreadExit, nullptr, 0, nullptr);
    EXPECT_TRUE(CloseHandle(running));
    for (int i = 0; i < 500 && !g_threadExitCodeFinished; ++i)
        Sleep(10);
    EXPECT_TRUE(g_threadExitCodeFinished);
}

TEST(Clock, VirtualClockMovesOnlyWhenTold)
{
    platform::UseVirtualClock(0.02);
    LARGE_INTEGER frequency, first, second;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&first);
    Sleep(5);
    QueryPerformanceCounter(&second);
    EXPECT_EQ(first.QuadPart, second.QuadPart);
    const DWORD before = timeGetTime();
    platform::OnFramePresented();
    platform::AdvanceVirtualClock(1.0);
    QueryPerformanceCounter(&second);
    EXPECT_NEAR(static_cast<double>(second.QuadPart - first.QuadPart) / frequency.QuadPart, 1.02, 1e-9);
    EXPECT_EQ(timeGetTime() - before, 1020u);
    platform::UseSystemClock();
    QueryPerformanceCounter(&first);
    Sleep(2);
    QueryPerformanceCounter(&second);
    EXPECT_GT(second.QuadPart, first.QuadPart);
}

}  // namespace
