#include "music/Harmony.h"

#include <algorithm>
#include <stdexcept>

#include "music/Score.h"

namespace datagen {

Chord ParseChord(const std::string& name)
{
    size_t at = 1;
    if (name.size() > 1 && (name[1] == '#' || name[1] == 'b'))
        at = 2;
    Chord chord;
    chord.root = (NoteNumber(name.substr(0, at) + "4") - 1) % 12;
    const std::string quality = name.substr(at);
    if (quality.empty())
        chord.intervals = {0, 4, 7};
    else if (quality == "m")
        chord.intervals = {0, 3, 7};
    else if (quality == "m7")
        chord.intervals = {0, 3, 7, 10};
    else if (quality == "7")
        chord.intervals = {0, 4, 7, 10};
    else if (quality == "maj7")
        chord.intervals = {0, 4, 7, 11};
    else if (quality == "sus4")
        chord.intervals = {0, 5, 7};
    else
        throw std::invalid_argument("not a chord name: " + name);
    return chord;
}

int NoteInRegister(int pitchClass, int lowest)
{
    int note = lowest;
    while ((note - 1) % 12 != ((pitchClass % 12) + 12) % 12)
        ++note;
    return note;
}

std::vector<int> PadVoicing(const Chord& chord, int lowest)
{
    const size_t first = chord.intervals.size() > 3 ? 1 : 0;
    std::vector<int> notes;
    for (size_t i = first; i < first + 3; ++i)
        notes.push_back(NoteInRegister(chord.root + chord.intervals[i], lowest));
    std::sort(notes.begin(), notes.end());
    return notes;
}

std::vector<int> ArpeggioNotes(const Chord& chord, int lowest, int count)
{
    std::vector<int> tones;
    for (int octave = 0; static_cast<int>(tones.size()) < count; ++octave) {
        std::vector<int> inOctave;
        for (int interval : chord.intervals)
            inOctave.push_back(NoteInRegister(chord.root + interval, lowest) + 12 * octave);
        std::sort(inOctave.begin(), inOctave.end());
        tones.insert(tones.end(), inOctave.begin(), inOctave.end());
    }
    tones.resize(static_cast<size_t>(count));
    return tones;
}

Progression::Progression(const std::vector<std::string>& names, int rows) : rowsPerChord(rows)
{
    if (names.empty() || rows <= 0)
        throw std::invalid_argument("a progression needs chords and a length");
    for (const std::string& name : names)
        chords.push_back(ParseChord(name));
}

const Chord& Progression::At(int row) const
{
    return chords[static_cast<size_t>(row / rowsPerChord) % chords.size()];
}

}  // namespace datagen
