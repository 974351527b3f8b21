// Runs a display run of the screen singleton with a listener made of a function, headless.
#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>

#include "screen/Screen.h"

class FunctionListener : public CScreenListener {
public:
    explicit FunctionListener(std::function<void()> body) : m_body(std::move(body)) {}
    void Run() override { m_body(); }

private:
    std::function<void()> m_body;
};

struct ScreenSettings {
    bool fullscreen = false;
    TResolutionEnum resolution = RES_640x480;
    bool viewInfo = false;
    const char* title = "Varnix test";
    int customWidth = 0, customHeight = 0;  // a size outside the table when given
};

// Configures the singleton, runs Display with body as the listener's Run and returns when the
// display run is over.
void RunScreen(const ScreenSettings& settings, std::function<void()> body);

// Pushes the SDL events of a key press and release into the screen window.
void PressKey(HWND window, int scancode, int keycode);
// Releases every key of the keyboard state the input readers poll, then holds exactly these
// (DirectInput scan codes).
void HoldOnlyKeys(std::initializer_list<uint8_t> keys);
// The colour of the last presented picture at a pixel, as A8R8G8B8 (read on the render thread).
DWORD FrontPixel(int x, int y);
// The window's title.
std::string WindowTitle(HWND window);
