// The screen's clock as a motion path sees it.
#include "motion/MoveClock.h"

#include "screen/Screen.h"

CMoveClock::~CMoveClock() = default;

namespace {

class CScreenMoveClock : public CMoveClock {
public:
    float GetTickCount() override { return CScreen::Instance().GetTickCount(); }

    // The screen's clock reads exactly 0 while its reset flag is up (and before the first frame,
    // when restarting a path changes nothing), so a zero reading stands for the flag.
    bool IsTimeReset() override { return CScreen::Instance().GetTickCount() == 0.0f; }

    void SetFieldOfView(float radians) override { CScreen::Instance().SetFieldOfView(radians); }
};

}  // namespace

CMoveClock& CMoveClock::Screen()
{
    static CScreenMoveClock clock;
    return clock;
}
