// A song being written row by row across all its channels, then cut into patterns and an order list.
#pragma once

#include <string>
#include <vector>

#include "music/XmWriter.h"

namespace datagen {

// "C-4"-style pitch names to note numbers: a letter, an optional # or b, an octave 0..7 ("A4",
// "C#5", "Bb3"). Throws std::invalid_argument for anything else.
int NoteNumber(const std::string& name);

// Splits a bar written one token a row ("x . . . x . . .") into its 16 tokens; throws if it has not 16.
std::vector<std::string> BarTokens(const std::string& bar);

class Score {
public:
    explicit Score(int channels);

    int Channels() const { return m_channels; }
    int Rows() const { return static_cast<int>(m_rows.size()) / m_channels; }
    // Adds empty rows at the end.
    void Extend(int rows);
    XmCell& At(int row, int channel);
    const XmCell& At(int row, int channel) const;

    // A note with its instrument and volume (0..64).
    void Note(int row, int channel, int note, int instrument, int volume);
    void Release(int row, int channel);
    void Effect(int row, int channel, uint8_t effect, uint8_t param);

    // Cuts the rows into 64-row patterns that also end at every boundary (rows from the start); a
    // shorter stretch ends early with a pattern break in breakChannel. Identical patterns are
    // stored once.
    void CutInto(XmSong& song, const std::vector<int>& boundaries, int breakChannel) const;

private:
    int m_channels;
    std::vector<XmCell> m_rows;
};

}  // namespace datagen
