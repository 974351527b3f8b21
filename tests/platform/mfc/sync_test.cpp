#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "afxwin.h"

TEST(CMutex, IsRecursiveForItsOwnerAndExcludesOthers)
{
    CMutex mutex;
    ASSERT_TRUE(mutex.Lock());
    ASSERT_TRUE(mutex.Lock(0));  // the owner locks again at once
    BOOL otherGot = TRUE;
    std::thread([&] { otherGot = mutex.Lock(20); }).join();
    EXPECT_FALSE(otherGot);
    EXPECT_TRUE(mutex.Unlock());
    std::thread([&] { otherGot = mutex.Lock(20); }).join();
    EXPECT_FALSE(otherGot);  // still held once
    EXPECT_TRUE(mutex.Unlock());
    EXPECT_FALSE(mutex.Unlock());  // not held any more
    std::thread([&] {
        otherGot = mutex.Lock(0);
        mutex.Unlock();
    }).join();
    EXPECT_TRUE(otherGot);
}

TEST(CMutex, OnlyTheOwnerUnlocks)
{
    CMutex mutex;
    mutex.Lock();
    BOOL released = TRUE;
    std::thread([&] { released = mutex.Unlock(); }).join();
    EXPECT_FALSE(released);
    EXPECT_TRUE(mutex.Unlock());
}

TEST(CMutex, WaiterGetsItWhenReleased)
{
    CMutex mutex;
    mutex.Lock();
    std::atomic<bool> got{false};
    std::thread waiter([&] {
        CSingleLock lock(&mutex);
        got = lock.Lock(INFINITE) != FALSE;
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_FALSE(got);
    mutex.Unlock();
    waiter.join();
    EXPECT_TRUE(got);
    EXPECT_TRUE(mutex.Lock(0));  // the waiter's lock let go at the end of its scope
    mutex.Unlock();
}

TEST(CSingleLock, LocksOnceAndUnlocksAtScopeEnd)
{
    CMutex mutex;
    {
        CSingleLock lock(&mutex, TRUE);
        EXPECT_TRUE(lock.IsLocked());
        EXPECT_TRUE(lock.Lock());  // already locked: no second hold
        BOOL otherGot = TRUE;
        std::thread([&] { otherGot = mutex.Lock(10); }).join();
        EXPECT_FALSE(otherGot);
        EXPECT_TRUE(lock.Unlock());
        EXPECT_FALSE(lock.IsLocked());
        lock.Lock();
    }
    BOOL otherGot = FALSE;
    std::thread([&] {
        otherGot = mutex.Lock(0);
        mutex.Unlock();
    }).join();
    EXPECT_TRUE(otherGot);
    CSingleLock none(nullptr, TRUE);
    EXPECT_FALSE(none.IsLocked());
}
