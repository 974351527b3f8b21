// What the motion sources reach outside themselves, for the harness that links them without the
// engine: the path is never made to follow an object nor to read the screen's clock, and a file
// error code has no one to read it.
#include <cstdlib>

#include "motion/MoveClock.h"
#include "objects/BaseObject.h"

CMoveClock::~CMoveClock() = default;

CMoveClock& CMoveClock::Screen() { std::abort(); }

D3DXVECTOR3 CBaseObject::GetPosition() { std::abort(); }

void SetLastError(DWORD) {}
