// What a motion path needs from the screen: the scene clock, whether the clock has just been reset,
// and the field of view a camera path drives. Paths use the screen's by default; tests give a path
// a clock of their own so the path math runs without a display.
#pragma once

class CMoveClock {
public:
    virtual ~CMoveClock();

    // Scene time in seconds.
    virtual float GetTickCount() = 0;
    // True from the screen's ResetTime until the next frame opens.
    virtual bool IsTimeReset() = 0;
    virtual void SetFieldOfView(float radians) = 0;

    // The clock of CScreen::Instance().
    static CMoveClock& Screen();
};
