// The keyboard and mouse words as the render thread reads them while a person presses keys.
#include <SDL.h>
#include <gtest/gtest.h>

#include "platform_hooks.h"
#include "screen_run.h"
#include "win32_internal.h"

namespace {

void Push(HWND window, SDL_Scancode scancode, bool down)
{
    SDL_Event event{};
    event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    event.key.windowID = SDL_GetWindowID(platform::SdlWindowOf(window));
    event.key.keysym.scancode = scancode;
    SDL_PushEvent(&event);
    Sleep(40);  // the UI thread pumps it into the input state
}

void PushMouse(HWND window, int dx, int buttonDown)
{
    SDL_Event event{};
    if (buttonDown >= 0) {
        event.type = buttonDown ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
        event.button.windowID = SDL_GetWindowID(platform::SdlWindowOf(window));
        event.button.button = SDL_BUTTON_LEFT;
    } else {
        event.type = SDL_MOUSEMOTION;
        event.motion.windowID = SDL_GetWindowID(platform::SdlWindowOf(window));
        event.motion.xrel = dx;
    }
    SDL_PushEvent(&event);
    Sleep(40);
}

TEST(Input, KeyWordsAddUpTheHeldKeys)
{
    uint32_t none = 1, leftUp = 0, tab = 0, second = 0, inactive = 1, back = 0;
    RunScreen({}, [&] {
        CScreen& screen = CScreen::Instance();
        HWND window = screen.GetHWnd();
        none = screen.KeyboardReadData();
        Push(window, SDL_SCANCODE_LEFT, true);
        Push(window, SDL_SCANCODE_UP, true);
        leftUp = screen.KeyboardReadData();
        Push(window, SDL_SCANCODE_LEFT, false);
        Push(window, SDL_SCANCODE_UP, false);
        Push(window, SDL_SCANCODE_TAB, true);
        tab = screen.KeyboardReadData();
        Push(window, SDL_SCANCODE_TAB, false);
        Push(window, SDL_SCANCODE_T, true);
        second = screen.KeyboardReadData2();
        // With the window inactive the foreground device reads nothing; once active, it comes back.
        platform::SimulateAppFocus(nullptr);
        Sleep(40);
        inactive = screen.KeyboardReadData2();
        platform::SimulateAppFocus(window);
        Sleep(40);
        screen.KeyboardReadData2();  // the failed read above re-acquires on the next one
        Push(window, SDL_SCANCODE_T, true);
        back = screen.KeyboardReadData2();
        Push(window, SDL_SCANCODE_T, false);
    });
    EXPECT_EQ(none, 0u);
    EXPECT_EQ(leftUp, 0x05u);
    EXPECT_EQ(tab, 0x80000000u);
    EXPECT_EQ(second, 0x08u);
    EXPECT_EQ(inactive, 0u);
    EXPECT_EQ(back, 0x08u);
}

TEST(Input, MouseGivesTheMovementOfEachPollAndItsButtons)
{
    long x1 = -1, x2 = -1, x3 = -1, y = -1, z = -1;
    uint8_t buttons = 0;
    RunScreen({}, [&] {
        CScreen& screen = CScreen::Instance();
        HWND window = screen.GetHWnd();
        CMouse mouse;
        mouse.Init();
        mouse.ReadData(x1, y, z);
        PushMouse(window, 3, -1);
        mouse.ReadData(x2, y, z);
        mouse.ReadData(x3, y, z);
        PushMouse(window, 0, 1);
        buttons = mouse.ReadData(x3, y, z);
        PushMouse(window, 0, 0);
        mouse.CleanUp();
    });
    EXPECT_EQ(x1, 0);
    EXPECT_EQ(x2, 3);
    EXPECT_EQ(x3, 0);
    EXPECT_EQ(buttons, 1u);
}

}  // namespace
