// Windows, the message pump and accelerators, driven by SDL events as a user would make them.
#include <SDL.h>
#include <gtest/gtest.h>

#include <vector>

#include "platform_hooks.h"
#include "win32_internal.h"
#include "windows.h"

namespace {

struct Seen {
    UINT message;
    WPARAM wParam;
};
std::vector<Seen> g_seen;

LRESULT CALLBACK RecordingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    g_seen.push_back({msg, wParam});
    if (msg == WM_DESTROY)
        PostQuitMessage(7);
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_seen.clear();
        WNDCLASSA wc{};
        wc.lpfnWndProc = RecordingProc;
        wc.lpszClassName = "WindowTest";
        RegisterClassA(&wc);
    }
    void TearDown() override
    {
        if (IsWindow(hwnd))
            DestroyWindow(hwnd);
        DrainMessages();
        UnregisterClassA("WindowTest", nullptr);
    }
    HWND MakeWindow(int width, int height, DWORD style = WS_OVERLAPPEDWINDOW)
    {
        hwnd = CreateWindowA("WindowTest", "test", style, 0, 0, width, height, GetDesktopWindow(), nullptr,
                             GetModuleHandleA(nullptr), nullptr);
        return hwnd;
    }
    // Retrieves and dispatches until the queue is empty; returns WM_QUIT's code or -1.
    int DrainMessages()
    {
        MSG msg;
        int quit = -1;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                quit = static_cast<int>(msg.wParam);
                continue;
            }
            DispatchMessageA(&msg);
        }
        return quit;
    }
    bool Saw(UINT message) const
    {
        for (const Seen& seen : g_seen)
            if (seen.message == message)
                return true;
        return false;
    }
    void PushKey(SDL_Scancode scancode, SDL_Keycode key, bool down)
    {
        SDL_Event event{};
        event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
        event.key.windowID = SDL_GetWindowID(platform::SdlWindowOf(hwnd));
        event.key.state = down ? SDL_PRESSED : SDL_RELEASED;
        event.key.keysym.scancode = scancode;
        event.key.keysym.sym = key;
        SDL_PushEvent(&event);
    }
    HWND hwnd = nullptr;
};

TEST_F(WindowTest, OuterSizeLosesTheNotionalFrameOnlyWithACaption)
{
    ASSERT_NE(MakeWindow(808, 635), nullptr);
    RECT client;
    ASSERT_TRUE(GetClientRect(hwnd, &client));
    EXPECT_EQ(client.right, 800);
    EXPECT_EQ(client.bottom, 600);
    int width = 0, height = 0;
    SDL_GetWindowSize(platform::SdlWindowOf(hwnd), &width, &height);
    EXPECT_EQ(width, 800);
    EXPECT_EQ(height, 600);
    DestroyWindow(hwnd);

    ASSERT_NE(MakeWindow(300, 200, WS_POPUP), nullptr);
    ASSERT_TRUE(GetClientRect(hwnd, &client));
    EXPECT_EQ(client.right, 300);
    EXPECT_EQ(client.bottom, 200);
}

TEST_F(WindowTest, CloseBoxDestroysTheWindowAndQuitComesLast)
{
    ASSERT_NE(MakeWindow(200, 100), nullptr);
    EXPECT_TRUE(Saw(WM_CREATE));
    SDL_Event close{};
    close.type = SDL_WINDOWEVENT;
    close.window.event = SDL_WINDOWEVENT_CLOSE;
    close.window.windowID = SDL_GetWindowID(platform::SdlWindowOf(hwnd));
    SDL_PushEvent(&close);
    PostMessageA(hwnd, WM_USER, 1, 0);
    EXPECT_EQ(DrainMessages(), 7);
    EXPECT_TRUE(Saw(WM_CLOSE));
    EXPECT_TRUE(Saw(WM_DESTROY));
    EXPECT_TRUE(Saw(WM_USER));
    EXPECT_FALSE(IsWindow(hwnd));
    // A destroyed handle fails cleanly everywhere.
    EXPECT_FALSE(PostMessageA(hwnd, WM_USER, 0, 0));
    EXPECT_FALSE(SetWindowTextA(hwnd, "gone"));
    RECT rect;
    EXPECT_FALSE(GetClientRect(hwnd, &rect));
}

// SDL's quit event (the last window's close box, or the session ending the program) closes the
// program's windows as their close boxes would, once each.
TEST_F(WindowTest, QuitEventClosesTheWindowOnceEvenAfterItsCloseBox)
{
    ASSERT_NE(MakeWindow(200, 100), nullptr);
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
    EXPECT_EQ(DrainMessages(), 7);
    EXPECT_TRUE(Saw(WM_CLOSE));
    EXPECT_FALSE(IsWindow(hwnd));

    g_seen.clear();
    ASSERT_NE(MakeWindow(200, 100), nullptr);
    SDL_Event close{};
    close.type = SDL_WINDOWEVENT;
    close.window.event = SDL_WINDOWEVENT_CLOSE;
    close.window.windowID = SDL_GetWindowID(platform::SdlWindowOf(hwnd));
    SDL_PushEvent(&close);
    SDL_PushEvent(&quit);
    EXPECT_EQ(DrainMessages(), 7);
    int closes = 0;
    for (const Seen& seen : g_seen)
        closes += seen.message == WM_CLOSE;
    EXPECT_EQ(closes, 1);
}

TEST_F(WindowTest, EscapeThroughTheAcceleratorTableBecomesACommand)
{
    ASSERT_NE(MakeWindow(200, 100), nullptr);
    ACCEL escape = {FVIRTKEY, VK_ESCAPE, 32771};
    HACCEL table = CreateAcceleratorTableA(&escape, 1);
    PushKey(SDL_SCANCODE_ESCAPE, SDLK_ESCAPE, true);
    PushKey(SDL_SCANCODE_A, SDLK_a, true);
    MSG msg;
    int translated = 0, plainKeys = 0;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (TranslateAcceleratorA(hwnd, table, &msg))
            ++translated;
        else if (msg.message == WM_KEYDOWN && msg.wParam == 'A')
            ++plainKeys;
    }
    EXPECT_EQ(translated, 1);
    EXPECT_EQ(plainKeys, 1);
    bool command = false;
    for (const Seen& seen : g_seen)
        command |= seen.message == WM_COMMAND && LOWORD(seen.wParam) == 32771;
    EXPECT_TRUE(command);
    DestroyAcceleratorTable(table);
}

TEST_F(WindowTest, KeysAndMouseReachTheInputSnapshot)
{
    ASSERT_NE(MakeWindow(200, 100), nullptr);
    PushKey(SDL_SCANCODE_LEFT, SDLK_LEFT, true);
    PushKey(SDL_SCANCODE_TAB, SDLK_TAB, true);
    SDL_Event motion{};
    motion.type = SDL_MOUSEMOTION;
    motion.motion.windowID = SDL_GetWindowID(platform::SdlWindowOf(hwnd));
    motion.motion.xrel = 3;
    motion.motion.yrel = -2;
    SDL_PushEvent(&motion);
    DrainMessages();
    const platform::InputSnapshot before = platform::ReadInput();
    SDL_PushEvent(&motion);
    DrainMessages();
    platform::InputSnapshot input = platform::ReadInput();
    EXPECT_EQ(input.keys[203], 0x80);  // left arrow
    EXPECT_EQ(input.keys[15], 0x80);   // tab
    EXPECT_EQ(input.keys[200], 0x00);  // up arrow not held
    EXPECT_EQ(input.mouseX - before.mouseX, 3);
    EXPECT_EQ(input.mouseY - before.mouseY, -2);
    PushKey(SDL_SCANCODE_LEFT, SDLK_LEFT, false);
    DrainMessages();
    EXPECT_EQ(platform::ReadInput().keys[203], 0x00);
    PushKey(SDL_SCANCODE_TAB, SDLK_TAB, false);
    DrainMessages();
}

TEST_F(WindowTest, ActivationChangesOfTheProgramAreAnnounced)
{
    ASSERT_NE(MakeWindow(200, 100), nullptr);
    ShowWindow(hwnd, SW_SHOW);
    DrainMessages();
    EXPECT_EQ(GetForegroundWindow(), hwnd);
    g_seen.clear();
    platform::SimulateAppFocus(nullptr);
    DrainMessages();
    platform::SimulateAppFocus(hwnd);
    DrainMessages();
    std::vector<WPARAM> activations;
    for (const Seen& seen : g_seen)
        if (seen.message == WM_ACTIVATEAPP)
            activations.push_back(seen.wParam);
    ASSERT_EQ(activations.size(), 2u);
    EXPECT_EQ(activations[0], 0u);
    EXPECT_EQ(activations[1], 1u);
    EXPECT_EQ(platform::ReadInput().keys[203], 0x00);
}

DWORD WINAPI SendFromOtherThread(LPVOID parameter)
{
    HWND target = static_cast<HWND>(parameter);
    return static_cast<DWORD>(SendMessageA(target, WM_USER + 5, 42, 0));
}

LRESULT CALLBACK AnsweringProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    return msg == WM_USER + 5 ? static_cast<LRESULT>(wParam + 1) : DefWindowProcA(hwnd, msg, wParam, lParam);
}

TEST_F(WindowTest, MessagesSentFromAnotherThreadAreHandledByThePump)
{
    ASSERT_NE(MakeWindow(200, 100), nullptr);
    SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(AnsweringProc));
    HANDLE thread = CreateThread(nullptr, 0, SendFromOtherThread, hwnd, 0, nullptr);
    while (WaitForSingleObject(thread, 5) == WAIT_TIMEOUT)
        DrainMessages();
    DWORD code = 0;
    ASSERT_TRUE(GetExitCodeThread(thread, &code));
    EXPECT_EQ(code, 43u);
    CloseHandle(thread);
}

}  // namespace
