// Losing and regaining the foreground: full screen pauses the render thread, windowed never does.
#include <gtest/gtest.h>

#include <atomic>

#include "platform_hooks.h"
#include "screen_run.h"

namespace {

struct Switcher {
    HWND window;
    std::atomic<bool> paused{false};
    std::atomic<bool> resumed{false};
    DWORD pauseMilliseconds = 300;
};

// Plays the user: switches away, waits until the title says the run is paused, switches back.
DWORD WINAPI SwitchAwayAndBack(LPVOID parameter)
{
    auto* switcher = static_cast<Switcher*>(parameter);
    platform::SimulateAppFocus(nullptr);
    for (int i = 0; i < 500 && WindowTitle(switcher->window).find("[paused]") == std::string::npos; ++i)
        Sleep(5);
    switcher->paused = WindowTitle(switcher->window) == "Pause test [paused]";
    Sleep(switcher->pauseMilliseconds);
    platform::SimulateAppFocus(switcher->window);
    switcher->resumed = true;
    return 0;
}

TEST(Pause, FullScreenPausesAtBeginSceneAndTheClockRunsOn)
{
    Switcher switcher;
    bool blockedWhilePaused = false;
    float before = 0, after = 0;
    std::string titleAfter;
    RunScreen({true, RES_640x480, false, "Pause test"}, [&] {
        CScreen& screen = CScreen::Instance();
        screen.BeginScene(true);
        screen.EndScene(true);
        before = screen.GetTickCount();
        switcher.window = screen.GetHWnd();
        HANDLE thread = CreateThread(nullptr, 0, SwitchAwayAndBack, &switcher, 0, nullptr);
        // Frames go on until the pause takes hold in BeginScene; that frame returns after the resume.
        for (int i = 0; i < 2000 && !switcher.resumed; ++i) {
            screen.BeginScene(true);
            screen.EndScene(true);
            Sleep(1);
        }
        blockedWhilePaused = switcher.resumed;
        screen.BeginScene(true);
        after = screen.GetTickCount();
        screen.EndScene(true);
        Sleep(50);  // the UI thread writes the plain title back
        titleAfter = WindowTitle(screen.GetHWnd());
        WaitForSingleObject(thread, INFINITE);
        CloseHandle(thread);
    });
    EXPECT_TRUE(switcher.paused);
    EXPECT_TRUE(blockedWhilePaused);
    EXPECT_GE(after - before, 0.25f);
    EXPECT_EQ(titleAfter, "Pause test");
}

TEST(Pause, WindowedNeverPauses)
{
    std::string title;
    int frames = 0;
    RunScreen({false, RES_640x480, false, "Windowed"}, [&] {
        CScreen& screen = CScreen::Instance();
        platform::SimulateAppFocus(nullptr);
        for (; frames < 40; ++frames) {
            screen.BeginScene(true);
            screen.EndScene(true);
            Sleep(2);
        }
        title = WindowTitle(screen.GetHWnd());
        platform::SimulateAppFocus(screen.GetHWnd());
    });
    EXPECT_EQ(frames, 40);
    EXPECT_EQ(title, "Windowed");
}

}  // namespace
