// Draws a dialog's controls with Dear ImGui into the dialog's window, in a GL 3.3 core context of its
// own made on the dialog's thread. Not for use outside the MFC layer.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "dialog_controls.h"
#include "windows.h"

union SDL_Event;

struct DialogFrameState {
    const DialogControlSet* controls = nullptr;
    platform::DialogBaseUnits units;
    int focus = -1;
    int defaultButton = -1;  // the button that Enter would click
    int pressed = -1;        // a button drawn pushed in
};

class DialogRenderer {
public:
    // Null when the window has no SDL window or no GL context can be made for it.
    static std::unique_ptr<DialogRenderer> Create(HWND hwnd);
    ~DialogRenderer();

    void HandleEvent(const SDL_Event& event);
    // Draws one frame into the back buffer.
    void Draw(const DialogFrameState& state);
    void Present();
    // The back buffer as RGBA rows, top row first.
    bool ReadBack(std::vector<uint8_t>& rgba, int& width, int& height);

private:
    struct Impl;
    explicit DialogRenderer(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> m_impl;
};

// Text of a control as shown: "&&" is one '&', a single '&' marks the mnemonic and is dropped.
std::string DisplayText(const std::string& text);
