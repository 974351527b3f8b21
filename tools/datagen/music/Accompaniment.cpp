// The harmony layers: the bass line, the three pad voices and the arpeggio voice, all following the
// passage's chords.
#include "music/Arrangement.h"

namespace datagen {

namespace {

constexpr int kArpEchoDelay = 3;

const char* BassBar(BassLine line)
{
    switch (line) {
    case BassLine::None: return ". . . . . . . . . . . . . . . .";
    case BassLine::Held: return "R . . . . . . . . . . . F . . .";
    case BassLine::Eighths: return "R . R . R . O . R . R . F . O .";
    case BassLine::Drive: return "R . R O R . R O R . R O R . F O";
    case BassLine::Syncopated: return "R . . R . . O . R . . R . F . O";
    }
    return "";
}

int BassNote(const Chord& chord, const std::string& token)
{
    const int root = NoteInRegister(chord.root, NoteNumber("A1"));
    return token == "O" ? root + 12 : token == "F" ? root + 7 : root;
}

}  // namespace

void WriteBass(Score& score, int start, const Passage& passage, const Progression& harmony)
{
    const auto tokens = BarTokens(BassBar(passage.bass));
    for (int row = 0; row < passage.rows; ++row) {
        const std::string& token = tokens[static_cast<size_t>(row % 16)];
        if (token == "." || (passage.release && row > 0))
            continue;
        const int volume = row % 4 == 0 ? 48 : 38;
        score.Note(start + row, band::kBassChannel, BassNote(harmony.At(row), token), band::kBass, volume);
    }
    if (passage.release)
        score.Release(start + 4, band::kBassChannel);
}

// A new chord on every change and at the passage's start; silence releases what was held.
void WritePads(Score& score, int start, const Passage& passage, const Progression& harmony)
{
    const int pads[] = {band::kPadLeft, band::kPadCentre, band::kPadRight};
    for (int row = 0; row < passage.rows; row += harmony.rowsPerChord) {
        if (passage.padVolume <= 0) {
            if (row == 0)
                for (int voice = 0; voice < 3; ++voice)
                    score.Release(start, band::kPadChannel + voice);
            continue;
        }
        const auto notes = PadVoicing(harmony.At(row), NoteNumber("G3"));
        for (int voice = 0; voice < 3; ++voice)
            score.Note(start + row, band::kPadChannel + voice, notes[static_cast<size_t>(voice)], pads[voice],
                       passage.padVolume);
    }
    if (passage.release)
        for (int voice = 0; voice < 3; ++voice)
            score.Release(start + 4, band::kPadChannel + voice);
}

void WriteArp(Score& score, int start, const Passage& passage, const Progression& harmony)
{
    static const int kUpDown[] = {0, 1, 2, 3, 4, 3, 2, 1};
    const int step = passage.arp == Arp::Quarters ? 4 : passage.arp == Arp::Eighths ? 2 : 1;
    for (int row = 0; row < passage.rows && passage.arp != Arp::None; ++row) {
        const Chord& chord = harmony.At(row);
        if (passage.arp == Arp::Chip) {
            // One note a beat, broken into its chord every tick by the arpeggio effect.
            const int third = chord.intervals[1], fifth = chord.intervals[2];
            if (row % 4 == 0) {
                const int note = NoteInRegister(chord.root, NoteNumber("A4"));
                score.Note(start + row, band::kArpChannel, note, band::kChip, passage.arpVolume - (row % 8 ? 6 : 0));
            }
            score.Effect(start + row, band::kArpChannel, kArpeggio, static_cast<uint8_t>(third << 4 | fifth));
            continue;
        }
        if (row % step != 0)
            continue;
        const auto tones = ArpeggioNotes(chord, NoteNumber("E4"), 5);
        const int index = passage.arp == Arp::Sixteenths ? kUpDown[row % 8] : (row / step) % 4;
        const int accent = row % 4 == 0 ? 0 : -6;
        const int note = tones[static_cast<size_t>(index)];
        score.Note(start + row, band::kArpChannel, note, band::kPluck, passage.arpVolume + accent);
        // A dotted-eighth echo on the other side, as a delay line would give.
        if (row + kArpEchoDelay < passage.rows)
            score.Note(start + row + kArpEchoDelay, band::kArpEchoChannel, note, band::kPluckEcho,
                       (passage.arpVolume + accent) * 2 / 5);
    }
}

}  // namespace datagen
