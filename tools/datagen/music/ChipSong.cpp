// "chipmod.XM": a chiptune in E minor for the hidden part, on six channels as a console would play it:
// a pulse lead with its echo, a square broken into chords tick by tick, a triangle bass, a triangle
// kick and a noise channel for hats and snares. About eighty seconds, played once.
#include <tuple>

#include "music/Harmony.h"
#include "music/Instruments.h"
#include "music/Score.h"
#include "music/Songs.h"

namespace datagen {

namespace {

enum Channel { kLeadChannel, kEchoChannel, kChordChannel, kBassChannel, kKickChannel, kNoiseChannel, kChannels };
enum Instrument { kLead = 1, kEcho, kSquare, kTriangle, kNoise };

using Bars = std::vector<std::string>;
const Bars kCall = {
    "E5 . G5 . B5 . . . A5 . G5 . F#5 . E5 .", "E5 . . . C5 . . . G5 . E5 . C5 . E5 .",
    "D5 . . . B4 . D5 . G5 . . . B5 . A5 .", "F#5 . . . A5 . . . D5 . . . - . . .",
    "B5 . . . A5 . G5 . E5 . . . G5 . B5 .", "C6 . . . B5 . A5 . G5 . . . E5 . . .",
    "D5 . G5 . B5 . D6 . B5 . G5 . D5 . B4 .", "A5 . . . F#5 . . . D5 . E5 . F#5 . . .",
};
const Bars kClimb = {
    "G5 . . . E5 . . . C5 . E5 . G5 . C6 .", "A5 . . . F#5 . . . D5 . F#5 . A5 . D6 .",
    "B5 . . . . . F#5 . D5 . F#5 . B5 . . .", "G5 . . . . . E5 . B4 . . . E5 . . .",
};
const std::vector<std::string> kVerse = {"Em", "C", "G", "D"};
const std::vector<std::string> kChorus = {"C", "D", "Bm", "Em"};

struct Section {
    int rows;
    const std::vector<std::string>* chords;
    const Bars* melody;   // null: no lead
    bool bass;
    int drums;            // 0 none, 1 kick and snare, 2 with hats in sixteenths
    bool lastChord;       // one chord struck and let go
};

void WriteMelody(Score& score, int start, const Section& section)
{
    for (int row = 0; row < section.rows && section.melody; ++row) {
        const auto bar = BarTokens((*section.melody)[static_cast<size_t>(row / 16) % section.melody->size()]);
        const std::string& token = bar[static_cast<size_t>(row % 16)];
        if (token == ".")
            continue;
        for (const auto& [channel, delay, instrument, volume] :
             {std::tuple{kLeadChannel, 0, kLead, 44}, std::tuple{kEchoChannel, 2, kEcho, 18}}) {
            if (row + delay >= section.rows)
                continue;
            if (token == "-")
                score.Release(start + row + delay, channel);
            else
                score.Note(start + row + delay, channel, NoteNumber(token), instrument, volume);
        }
        // Long notes get a quick vibrato, the console way.
        if (token != "-" && row + 4 < section.rows && bar[static_cast<size_t>((row + 1) % 16)] == ".")
            score.Effect(start + row + 3, kLeadChannel, kVibrato, 0x64);
    }
}

// One note a beat, broken into its chord every tick: the sound of a chip playing chords.
void WriteChords(Score& score, int start, const Section& section, const Progression& harmony)
{
    for (int row = 0; row < section.rows; ++row) {
        const Chord& chord = harmony.At(row);
        if (section.lastChord && row > 0)
            break;
        if (row % 4 == 0)
            score.Note(start + row, kChordChannel, NoteInRegister(chord.root, NoteNumber("E4")), kSquare,
                       row % 8 == 0 ? 26 : 18);
        score.Effect(start + row, kChordChannel, kArpeggio,
                     static_cast<uint8_t>(chord.intervals[1] << 4 | chord.intervals[2]));
    }
}

void WriteBass(Score& score, int start, const Section& section, const Progression& harmony)
{
    const auto bar = BarTokens("R . R . O . R . R . R . O . F .");
    for (int row = 0; row < section.rows && section.bass; ++row) {
        const std::string& token = bar[static_cast<size_t>(row % 16)];
        if (token == "." || (section.lastChord && row > 0))
            continue;
        const int root = NoteInRegister(harmony.At(row).root, NoteNumber("E2"));
        score.Note(start + row, kBassChannel, token == "O" ? root + 12 : token == "F" ? root + 7 : root, kTriangle, 48);
    }
}

void WriteDrums(Score& score, int start, const Section& section)
{
    for (int row = 0; row < section.rows && section.drums > 0; ++row) {
        const int beat = row % 16;
        if (section.lastChord && row > 0)
            break;
        if (beat == 0 || beat == 8 || beat == 10) {
            score.Note(start + row, kKickChannel, NoteNumber("C4"), kTriangle, 56);
            score.Effect(start + row, kKickChannel, kPortaDown, 0x60);  // the falling blip of a chip kick
        } else if (beat == 2 || beat == 12) {
            score.Release(start + row, kKickChannel);
        }
        if (beat == 4 || beat == 12)
            score.Note(start + row, kNoiseChannel, NoteNumber("D4"), kNoise, 44);
        else if (section.drums == 2 || row % 2 == 0)
            score.Note(start + row, kNoiseChannel, NoteNumber("C7"), kNoise, row % 4 == 2 ? 22 : 12);
        // A roll into the next section.
        if (row >= section.rows - 4 && section.drums == 2)
            score.Note(start + row, kNoiseChannel, NoteNumber("E4"), kNoise, 30 + 6 * (row - section.rows + 4));
    }
}

std::vector<Section> Sections()
{
    return {
        {64, &kVerse, nullptr, false, 0, false},  {64, &kVerse, nullptr, true, 1, false},
        {128, &kVerse, &kCall, true, 1, false},   {128, &kVerse, &kCall, true, 2, false},
        {128, &kChorus, &kClimb, true, 2, false}, {64, &kVerse, nullptr, true, 1, false},
        {128, &kVerse, &kCall, true, 2, false},   {128, &kChorus, &kClimb, true, 2, false},
        {48, &kVerse, &kCall, true, 1, false},    {16, &kVerse, nullptr, true, 1, true},
    };
}

}  // namespace

XmSong ChipmodSong()
{
    const std::vector<Section> sections = Sections();
    int rows = 0;
    for (const Section& section : sections)
        rows += section.rows;
    Score score(kChannels);
    score.Extend(rows);
    std::vector<int> boundaries;
    int start = 0;
    for (const Section& section : sections) {
        const Progression harmony(*section.chords, 16);
        WriteMelody(score, start, section);
        WriteChords(score, start, section, harmony);
        WriteBass(score, start, section, harmony);
        WriteDrums(score, start, section);
        if (section.lastChord)  // let go early enough for the notes to die away before the end
            for (int channel : {kLeadChannel, kEchoChannel, kChordChannel, kBassChannel})
                score.Release(start + 6, channel);
        start += section.rows;
        boundaries.push_back(start);
    }
    XmSong song;
    song.name = "chipmod";
    song.speed = 6;
    song.bpm = 150;
    score.CutInto(song, boundaries, kNoiseChannel);
    song.instruments = {ChipPulse("pulse lead", 0.25, 112), ChipPulse("pulse echo", 0.125, 176),
                        ChipPulse("square", 0.5, 80), ChipTriangle(), ChipNoise()};
    return song;
}

}  // namespace datagen
