// The display run as a user meets it: the window, Escape and the close box, a listener that returns.
#include <SDL.h>
#include <gtest/gtest.h>

#include "platform_hooks.h"
#include "screen_run.h"

namespace {

// Counts how the listener's frame loop ended: unwound at BeginScene, or returned.
struct LoopEnd {
    bool unwound = false;
    bool returnedFromBeginScene = false;
    int frames = 0;
};

struct UnwindWitness {
    explicit UnwindWitness(LoopEnd& end) : end(end) {}
    ~UnwindWitness() { end.unwound = true; }
    LoopEnd& end;
};

// A frame loop that asks for the window to close after a few frames and then never stops itself.
void LoopUntilClosed(LoopEnd& end, const std::function<void(HWND)>& close)
{
    UnwindWitness witness(end);
    CScreen& screen = CScreen::Instance();
    for (;;) {
        const bool closing = end.frames > 3;
        screen.BeginScene(true);
        if (closing && end.frames > 200)
            end.returnedFromBeginScene = true;  // the quit flag must have stopped us long before
        screen.EndScene(true);
        if (++end.frames == 3)
            close(screen.GetHWnd());
        SDL_Delay(1);
    }
}

TEST(DisplayRun, WindowedWindowHasTheClientSizeOfTheResolution)
{
    RECT client{}, outer{};
    bool windowed = false;
    RunScreen({false, RES_800x600, false, "Sizes"}, [&] {
        HWND window = CScreen::Instance().GetHWnd();
        GetClientRect(window, &client);
        GetWindowRect(window, &outer);
        IDirect3DSurface8* backBuffer = nullptr;
        D3DSURFACE_DESC desc{};
        IDirect3DDevice8* device = CScreen::Instance().GetD3DDevice();
        if (device && SUCCEEDED(device->GetBackBuffer(0, D3DBACKBUFFER_TYPE_MONO, &backBuffer))) {
            backBuffer->GetDesc(&desc);
            backBuffer->Release();
        }
        windowed = desc.Width == 800 && desc.Height == 600;
    });
    EXPECT_EQ(client.right - client.left, 800);
    EXPECT_EQ(client.bottom - client.top, 600);
    EXPECT_EQ(outer.right - outer.left, 808);
    EXPECT_EQ(outer.bottom - outer.top, 635);
    EXPECT_TRUE(windowed);
}

TEST(DisplayRun, EscapeEndsTheRenderThreadAtItsNextBeginScene)
{
    LoopEnd end;
    std::string title;
    RunScreen({false, RES_640x480, false, "Escape"}, [&] {
        title = WindowTitle(CScreen::Instance().GetHWnd());
        LoopUntilClosed(end, [](HWND window) { PressKey(window, SDL_SCANCODE_ESCAPE, SDLK_ESCAPE); });
    });
    EXPECT_EQ(title, "Escape");
    EXPECT_TRUE(end.unwound);
    EXPECT_FALSE(end.returnedFromBeginScene);
    EXPECT_GE(end.frames, 3);
    EXPECT_EQ(CScreen::Instance().GetD3DDevice(), nullptr);
}

TEST(DisplayRun, CloseBoxEndsTheRunAsEscapeDoes)
{
    LoopEnd end;
    RunScreen({false, RES_640x480, false, "Close box"},
              [&] { LoopUntilClosed(end, [](HWND window) { platform::PressCloseBox(window); }); });
    EXPECT_TRUE(end.unwound);
    EXPECT_FALSE(end.returnedFromBeginScene);
}

TEST(DisplayRun, AListenerThatReturnsClosesTheWindow)
{
    HWND window = nullptr;
    int frames = 0;
    RunScreen({false, RES_640x480, false, "Returns"}, [&] {
        window = CScreen::Instance().GetHWnd();
        for (; frames < 5; ++frames) {
            CScreen::Instance().BeginScene(true);
            CScreen::Instance().EndScene(true);
        }
    });
    EXPECT_EQ(frames, 5);
    EXPECT_FALSE(IsWindow(window));
}

TEST(DisplayRun, OtherKeysDoNotClose)
{
    int frames = 0;
    RunScreen({false, RES_640x480, false, "Keys"}, [&] {
        HWND window = CScreen::Instance().GetHWnd();
        PressKey(window, SDL_SCANCODE_SPACE, SDLK_SPACE);
        PressKey(window, SDL_SCANCODE_A, SDLK_a);
        for (; frames < 30; ++frames) {
            CScreen::Instance().BeginScene(true);
            CScreen::Instance().EndScene(true);
            SDL_Delay(2);
        }
    });
    EXPECT_EQ(frames, 30);
}

}  // namespace
