// Chords and their notes: names such as "Am", "F", "E", "Fmaj7", "Dm7" and the notes a pad, a bass
// or an arpeggio takes from them.
#pragma once

#include <string>
#include <vector>

namespace datagen {

struct Chord {
    int root = 0;                // pitch class, C = 0
    std::vector<int> intervals;  // semitones above the root, the root (0) first
};

// Throws std::invalid_argument for a name it does not know.
Chord ParseChord(const std::string& name);

// The note of a pitch class at or above `lowest` and below `lowest` + 12.
int NoteInRegister(int pitchClass, int lowest);

// The chord's three upper voices for a pad, from `lowest` up: a triad whole, or for a seventh chord
// its third, fifth and seventh (the bass has the root).
std::vector<int> PadVoicing(const Chord& chord, int lowest);

// The chord tones from `lowest` up across `count` notes, climbing octave by octave.
std::vector<int> ArpeggioNotes(const Chord& chord, int lowest, int count);

// A chord progression in which every chord lasts rowsPerChord rows and the list repeats.
struct Progression {
    Progression(const std::vector<std::string>& names, int rowsPerChord);
    const Chord& At(int row) const;  // row counted from the start of the passage
    std::vector<Chord> chords;
    int rowsPerChord;
};

}  // namespace datagen
