// The platform clock: the system's monotonic clock, or a virtual one that moves only when told.
#include <atomic>
#include <chrono>
#include <mutex>
#include <utility>
#include <vector>

#include "platform_clock.h"
#include "windows.h"

namespace platform {

namespace {
struct ClockState {
    std::mutex mutex;
    bool isVirtual = false;
    double frameStep = 0.0;
    int64_t virtualTicks = 0;
    std::vector<std::pair<int, std::function<void()>>> listeners;
    int nextListener = 1;
};

ClockState& State()
{
    static ClockState state;
    return state;
}

int64_t SystemTicks()
{
    using namespace std::chrono;
    static const auto origin = steady_clock::now();
    return duration_cast<nanoseconds>(steady_clock::now() - origin).count() + kClockFrequency;
}

int64_t SecondsToTicks(double seconds) { return static_cast<int64_t>(seconds * kClockFrequency + 0.5); }

// Calls the listeners without the lock, so that they may read the clock.
void NotifyListeners()
{
    std::vector<std::pair<int, std::function<void()>>> listeners;
    {
        auto& state = State();
        std::lock_guard<std::mutex> lock(state.mutex);
        listeners = state.listeners;
    }
    for (auto& listener : listeners)
        listener.second();
}
}  // namespace

void UseVirtualClock(double frameStepSeconds)
{
    auto& state = State();
    std::lock_guard<std::mutex> lock(state.mutex);
    if (!state.isVirtual)
        state.virtualTicks = SystemTicks();  // continue from now, so the time never runs backwards
    state.isVirtual = true;
    state.frameStep = frameStepSeconds;
}

void SetVirtualClockSeconds(int64_t seconds)
{
    auto& state = State();
    {
        std::lock_guard<std::mutex> lock(state.mutex);
        if (!state.isVirtual)
            return;
        state.virtualTicks = seconds * kClockFrequency;
    }
    NotifyListeners();
}

void UseSystemClock()
{
    auto& state = State();
    std::lock_guard<std::mutex> lock(state.mutex);
    state.isVirtual = false;
}

bool IsVirtualClock()
{
    auto& state = State();
    std::lock_guard<std::mutex> lock(state.mutex);
    return state.isVirtual;
}

double VirtualFrameStep()
{
    auto& state = State();
    std::lock_guard<std::mutex> lock(state.mutex);
    return state.frameStep;
}

void AdvanceVirtualClock(double seconds)
{
    auto& state = State();
    {
        std::lock_guard<std::mutex> lock(state.mutex);
        if (!state.isVirtual || seconds <= 0)
            return;
        state.virtualTicks += SecondsToTicks(seconds);
    }
    NotifyListeners();
}

void OnFramePresented()
{
    auto& state = State();
    {
        std::lock_guard<std::mutex> lock(state.mutex);
        if (!state.isVirtual)
            return;
        state.virtualTicks += SecondsToTicks(state.frameStep);
    }
    NotifyListeners();
}

int64_t ClockTicks()
{
    auto& state = State();
    std::lock_guard<std::mutex> lock(state.mutex);
    return state.isVirtual ? state.virtualTicks : SystemTicks();
}

int AddClockListener(std::function<void()> listener)
{
    auto& state = State();
    std::lock_guard<std::mutex> lock(state.mutex);
    const int id = state.nextListener++;
    state.listeners.emplace_back(id, std::move(listener));
    return id;
}

void RemoveClockListener(int id)
{
    auto& state = State();
    std::lock_guard<std::mutex> lock(state.mutex);
    for (auto it = state.listeners.begin(); it != state.listeners.end(); ++it) {
        if (it->first == id) {
            state.listeners.erase(it);
            return;
        }
    }
}

}  // namespace platform

BOOL QueryPerformanceCounter(LARGE_INTEGER* count)
{
    if (!count)
        return FALSE;
    count->QuadPart = platform::ClockTicks();
    return TRUE;
}

BOOL QueryPerformanceFrequency(LARGE_INTEGER* frequency)
{
    if (!frequency)
        return FALSE;
    frequency->QuadPart = platform::kClockFrequency;
    return TRUE;
}

DWORD timeGetTime()
{
    return static_cast<DWORD>(platform::ClockTicks() / (platform::kClockFrequency / 1000));
}

DWORD GetTickCount() { return timeGetTime(); }
