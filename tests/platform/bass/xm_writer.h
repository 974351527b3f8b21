// Writes small FastTracker 2 modules byte by byte, so tests know every row, effect and timing.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace xmtest {

// XM effect numbers as stored in a pattern cell.
constexpr uint8_t kEffectExtended = 0x0E;  // Exy; E8x carries a sync value x
constexpr uint8_t kEffectSpeed = 0x0F;     // Fxx
constexpr uint8_t kEffectSync = 32;        // 'W', the sync effect: Wxx passes xx

// Note 49 is C-4; 97 is key off.
constexpr uint8_t kNoteC4 = 49;
constexpr uint8_t kNoteOff = 97;

struct Cell {
    uint8_t note = 0;
    uint8_t instrument = 0;
    uint8_t volume = 0;  // volume column byte; 0 = empty, 0x10..0x50 = set volume 0..64
    uint8_t effect = 0;
    uint8_t param = 0;
};

struct Pattern {
    Pattern(int rowCount, int channelCount);
    Cell& At(int row, int channel);
    const Cell& At(int row, int channel) const;

    int rows;
    int channels;
    std::vector<Cell> cells;
};

struct Song {
    std::string name = "test";
    int channels = 2;
    int speed = 6;   // ticks per row
    int bpm = 125;   // tick length = 2.5 / bpm seconds
    int restart = 0;
    std::vector<uint8_t> orders;
    std::vector<Pattern> patterns;
    bool withInstrument = true;  // one instrument with a short looped square wave
    int8_t sampleAmplitude = 64; // peak of the square wave, 1..127
};

// The whole file.
std::vector<uint8_t> WriteXm(const Song& song);
bool SaveFile(const std::string& path, const std::vector<uint8_t>& bytes);

// Seconds from the start of the song to the start of row, for a song without speed changes.
double RowTime(const Song& song, int rowsFromStart);

// A sync value the test song signals, and the row (counted from the start of the song) that holds it.
struct ExpectedSync {
    int songRow;
    int order;
    int row;
    int value;
};

// Two orders of one 16-row pattern each, speed 6 at 125 BPM (0.12 s a row), a note on the first row
// and sync effects at known rows: W and E8x, a repeated value and a value 0.
Song SyncTestSong();
std::vector<ExpectedSync> SyncTestSongSyncs();

}  // namespace xmtest
