#include "SeekPlan.h"

namespace {
bool IsPartNumber(int value) { return value >= 1 && value <= 15; }
}  // namespace

bool PlanSeek(const std::vector<platform::MusicSyncEvent>& syncs, std::optional<double> seconds,
              std::optional<int> part, SSeekPlan& plan, std::string& error)
{
    plan = SSeekPlan();
    if (part) {
        for (const platform::MusicSyncEvent& sync : syncs) {
            if (sync.value == *part) {
                plan.seconds = sync.seconds;
                plan.part = *part;
                return true;
            }
        }
        error = "the music never starts part " + std::to_string(*part);
        return false;
    }
    plan.seconds = seconds.value_or(0);
    for (const platform::MusicSyncEvent& sync : syncs) {
        if (sync.seconds > plan.seconds)
            break;
        if (IsPartNumber(sync.value))
            plan.part = sync.value;
    }
    return true;
}
