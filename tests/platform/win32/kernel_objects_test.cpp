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
