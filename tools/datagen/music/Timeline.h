// The sync timeline of the demo's first module.
#pragma once

#include <ostream>
#include <vector>

#include "music/XmWriter.h"

namespace datagen {

// A sync value on a row, and when the row is heard.
struct SyncMark {
    int order;
    int row;
    double seconds;
    int value;
};

// Every sync effect of a song in playing order, for a song that keeps its speed and tempo and plays
// its orders straight through (pattern breaks included).
std::vector<SyncMark> SyncTimeline(const XmSong& song);

// One line per sync effect of the first module: order, row, time in seconds and value.
void PrintTimeline(std::ostream& out);

}  // namespace datagen
