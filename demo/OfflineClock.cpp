#include "OfflineClock.h"

#include <cstdio>

#include "platform_clock.h"
#include "platform_hooks.h"
#include "platform_music.h"

namespace {
// A whole start value, so that scene times carry no bits of the system clock.
constexpr int64_t kOfflineClockStart = 16;
}  // namespace

void UseOfflineClock(double stepsPerSecond)
{
    platform::UseVirtualClock(1.0 / stepsPerSecond);
    platform::SetVirtualClockSeconds(kOfflineClockStart);
    // Nobody watches an offline run: a loader's message goes to standard error and the run goes on.
    platform::SetMessageBoxHandler([](HWND, const std::string& text, const std::string& caption, UINT) {
        fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
        return IDOK;
    });
}

double DefaultSpanEnd()
{
    const double length = platform::MusicLengthSeconds("Data\\thezenth.XM");
    return (length > 0 ? length : 0) + 5;
}

std::string PartLabel(int part)
{
    if (part == 0)
        return "none";
    return "part " + std::to_string(part);
}
