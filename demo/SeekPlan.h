// Where a live run that seeks starts: the music position and the part current there, found from the
// module's own sync effects.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform_music.h"

struct SSeekPlan {
    double seconds = 0;
    int part = 0;  // the part current at that position; 0 before the first
};

// For a part number: the first time the module signals it. For a time: the last part signalled at or
// before it. False (with a reason) when the module never signals the part.
bool PlanSeek(const std::vector<platform::MusicSyncEvent>& syncs, std::optional<double> seconds,
              std::optional<int> part, SSeekPlan& plan, std::string& error);
