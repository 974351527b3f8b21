// The main module's band: which channel and instrument plays what, the styles each layer can take,
// and one passage of the song described by those styles.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "music/Harmony.h"
#include "music/Score.h"

namespace datagen {

namespace band {
// Channels.
constexpr int kKickChannel = 0, kSnareChannel = 1, kHatChannel = 2, kPercChannel = 3, kBassChannel = 4;
constexpr int kPadChannel = 5;  // and the two after it
constexpr int kLeadChannel = 8, kEchoChannel = 9, kArpChannel = 10, kSyncChannel = 11, kFxChannel = 12;
constexpr int kArpEchoChannel = 13;
constexpr int kChannels = 14;
// Instruments, numbered from 1 as the patterns name them.
enum Instrument {
    kKick = 1, kSnare, kClosedHat, kOpenHat, kCrash, kBass, kPadLeft, kPadCentre, kPadRight, kLead,
    kLeadEcho, kPluck, kChip, kRiser, kPluckEcho,
};
}  // namespace band

enum class Groove { None, Hats, Half, Pulse, Four, Drive, Break, HalfTime };
enum class BassLine { None, Held, Eighths, Drive, Syncopated };
enum class Arp { None, Quarters, Eighths, Sixteenths, Chip };

// Sixteen rows of a melody, one token a row: a pitch ("E5"), a pitch to slide to ("G5/"), "." to hold
// or rest, "-" to release.
using MelodyBar = std::string;

// A passage of the song: its length, harmony, the style of every layer, and the sync values it sends.
struct Passage {
    int rows = 64;
    std::vector<std::string> chords;
    int rowsPerChord = 16;
    Groove groove = Groove::None;
    BassLine bass = BassLine::None;
    Arp arp = Arp::None;
    std::vector<MelodyBar> melody;  // bars repeat over the passage; empty = no lead
    int padVolume = 0;
    int leadVolume = 46;
    int arpVolume = 26;
    bool crash = false;     // cymbal on the first row
    bool fill = false;      // drum fill in the last bar
    bool riser = false;     // a noise sweep rising through the last bar into the next passage
    bool release = false;   // the band lets go after its first bar: the song's last chord
    std::vector<std::pair<int, int>> syncs;  // (row in the passage, value)
    int beatEvery = 0;      // sends the beat value every so many rows where no other value is
};

// Writes the passage from `start` on (the score must already have the rows).
void WritePassage(Score& score, int start, const Passage& passage);

// The layers, one file each.
void WriteDrums(Score& score, int start, const Passage& passage);
void WriteBass(Score& score, int start, const Passage& passage, const Progression& harmony);
void WritePads(Score& score, int start, const Passage& passage, const Progression& harmony);
void WriteArp(Score& score, int start, const Passage& passage, const Progression& harmony);
void WriteLead(Score& score, int start, const Passage& passage);
void WriteSyncs(Score& score, int start, const Passage& passage);

// The sync value that marks "nothing new": every other value is followed by it on the next row.
constexpr int kRestSync = 16;
constexpr int kBeatSync = 17;

}  // namespace datagen
