// The platform clock behind QueryPerformanceCounter and timeGetTime.
// By default it is the system's monotonic clock. Switched to virtual, it stands still and moves only
// when told: by a fixed step at every presented frame (deterministic captures) or by hand (tests).
#pragma once

#include <cstdint>
#include <functional>

namespace platform {

// Ticks per second of the performance counter.
constexpr int64_t kClockFrequency = 1000000000;

// Switches to the virtual clock. frameStepSeconds is added at every OnFramePresented; 0 means the
// clock only moves through AdvanceVirtualClock.
void UseVirtualClock(double frameStepSeconds);
// Sets the virtual clock to a whole number of seconds, so that times read from it carry no bits of
// the system clock; meant for the start of a program, before anything has read the clock. Ignored
// on the system clock.
void SetVirtualClockSeconds(int64_t seconds);
// Back to the system clock.
void UseSystemClock();
bool IsVirtualClock();
double VirtualFrameStep();
// Moves the virtual clock forward; ignored on the system clock.
void AdvanceVirtualClock(double seconds);
// Called by the device at every present; steps the virtual clock by its frame step.
void OnFramePresented();
// Current reading in ticks of kClockFrequency.
int64_t ClockTicks();

// Listeners of the virtual clock, called after each move (a frame step or AdvanceVirtualClock) on
// the thread that moved it, outside the clock's lock: the music is decoded in step this way.
// Returns an id for RemoveClockListener.
int AddClockListener(std::function<void()> listener);
void RemoveClockListener(int id);

}  // namespace platform
