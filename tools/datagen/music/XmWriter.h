// A FastTracker 2 module (XM) in memory and its file form: header, order list, packed patterns and
// instruments with envelopes and 16-bit delta-coded samples.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace datagen {

// Note numbers as stored in a pattern: 1 is C-0, 49 is C-4, 97 releases the note.
constexpr uint8_t kNoteC4 = 49;
constexpr uint8_t kNoteOff = 97;

// Effect numbers as stored in a pattern cell.
enum XmEffect : uint8_t {
    kArpeggio = 0x00,      // 0xy: base note, +x, +y semitones, one per tick
    kPortaUp = 0x01,       // 1xx
    kPortaDown = 0x02,     // 2xx
    kTonePorta = 0x03,     // 3xx: slide to the cell's note
    kVibrato = 0x04,       // 4xy: speed x, depth y
    kVolumeSlide = 0x0A,   // Axy: up x or down y per tick
    kSetPanning = 0x08,    // 8xx
    kPatternBreak = 0x0D,  // Dxx: next pattern at row xx (decimal digits)
    kSetVolume = 0x0C,     // Cxx
    kSetSpeed = 0x0F,      // Fxx
    kSync = 32,            // Wxx: passes xx to the player's sync callback, no effect on the sound
};

// The volume column: 0x10 + v sets volume v (0..64); empty is 0.
constexpr uint8_t VolumeColumn(int volume) { return static_cast<uint8_t>(0x10 + (volume < 0 ? 0 : volume > 64 ? 64 : volume)); }

struct XmCell {
    uint8_t note = 0;
    uint8_t instrument = 0;
    uint8_t volume = 0;
    uint8_t effect = 0;
    uint8_t param = 0;
    bool HasEffect() const { return effect != 0 || param != 0; }
};

struct XmPattern {
    XmPattern(int rowCount, int channelCount);
    XmCell& At(int row, int channel);
    const XmCell& At(int row, int channel) const;

    int rows;
    int channels;
    std::vector<XmCell> cells;
};

struct XmEnvelopePoint {
    uint16_t tick;
    uint16_t value;  // 0..64
};

struct XmEnvelope {
    std::vector<XmEnvelopePoint> points;  // at most 12; empty = off
    int sustainPoint = -1;                // held until the note is released; -1 = none
};

enum class XmLoop : uint8_t { None = 0, Forward = 1 };

struct XmInstrument {
    std::string name;
    std::vector<int16_t> sample;
    XmLoop loop = XmLoop::None;
    uint32_t loopStart = 0;   // in sample frames
    uint32_t loopLength = 0;  // in sample frames
    uint8_t volume = 64;
    int8_t finetune = 0;      // 1/128 semitone
    int8_t relativeNote = 0;  // semitones added to the played note
    uint8_t panning = 128;    // 0 left .. 255 right
    XmEnvelope volumeEnvelope;
    XmEnvelope panningEnvelope;
    uint16_t fadeout = 0;     // volume lost per tick after release, of 65536
    uint8_t vibratoDepth = 0, vibratoRate = 0, vibratoSweep = 0;
};

struct XmSong {
    std::string name;
    int channels = 8;
    int speed = 6;   // ticks per row
    int bpm = 125;   // a tick lasts 2.5 / bpm seconds
    int restart = 0;
    std::vector<uint8_t> orders;
    std::vector<XmPattern> patterns;
    std::vector<XmInstrument> instruments;

    double RowSeconds() const { return speed * 2.5 / bpm; }
};

// The whole file. Throws std::invalid_argument for a song the format cannot hold (too many orders,
// patterns, channels or instruments, rows out of 1..256, an order naming no pattern, a loop outside
// its sample).
std::vector<uint8_t> WriteXm(const XmSong& song);

}  // namespace datagen
