// The demo itself: builds every object, shows the loading picture, starts the music and runs the frame
// loop, in which the music's sync value chooses the part drawn, until Escape; then stops the music and
// releases everything.
#pragma once

#include <memory>

#include "DemoObjects.h"
#include "DemoObserver.h"
#include "DemoState.h"
#include "KeyScript.h"
#include "screen/Keyboard.h"
#include "screen/Mouse.h"

// How a run differs from the plain one.
struct SDemoConfig {
    CString musicFile = "Data\\thezenth.XM";
    IDemoObserver* observer = nullptr;
    // Keys pressed and released at chosen moments, before each frame reads the keyboard.
    CKeyScript* keyScript = nullptr;
    // Seeking: the music starts this far into the module, scene time is the music's time, and this
    // part (0: none) is set up as if its number had just been heard. Scratch values stay those of a
    // fresh start.
    float startSeconds = 0;
    int startPart = 0;
};

class CDemoDriver {
public:
    CDemoDriver(CKeyboard& keyboard, CMouse& mouse, const SDemoConfig& config);
    ~CDemoDriver();

    // The whole demo. Returns after the end steps; when the window closes, BeginScene unwinds it,
    // and the end steps run on the way out all the same.
    void Run();

    const SDriverState& State() const { return m_state; }
    const SScratch& Scratch() const { return m_scratch; }

private:
    void SetUp();
    void SetScreenState();
    void DrawLoadingFrame();
    void StartMusic();
    // One pass of the loop; false when it is left.
    bool Frame();
    void ReadClock();
    void PollSync();
    void Dispatch();
    void DrawFlash();
    void End();

    CKeyboard& m_Keyboard;
    CMouse& m_Mouse;
    SDemoConfig m_config;
    std::unique_ptr<SDemoObjects> m_objects;
    std::unique_ptr<SDemoTables> m_tables;
    SDriverState m_state;
    SScratch m_scratch;
    bool m_ended;
};
