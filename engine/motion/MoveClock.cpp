// The screen's clock as a motion path sees it.
#include "motion/MoveClock.h"

#include "screen/Screen.h"

CMoveClock::~CMoveClock() = default;

namespace {

class CScreenMoveClock : public CMoveClock {
public:
    float GetTickCount() override { return CScreen::Instance().GetTickCount(); }

    bool IsTimeReset() override { return CScreen::Instance().IsTimeReset(); }

    void SetFieldOfView(float radians) override { CScreen::Instance().SetFieldOfView(radians); }
};

}  // namespace

CMoveClock& CMoveClock::Screen()
{
    static CScreenMoveClock clock;
    return clock;
}
