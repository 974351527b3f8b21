#include <stdexcept>

#include "music/Arrangement.h"

namespace datagen {

void WritePassage(Score& score, int start, const Passage& passage)
{
    if (passage.rows % 16 != 0 || start + passage.rows > score.Rows())
        throw std::invalid_argument("a passage needs whole bars inside the score");
    const Progression harmony(passage.chords, passage.rowsPerChord);
    WriteDrums(score, start, passage);
    WriteBass(score, start, passage, harmony);
    WritePads(score, start, passage, harmony);
    WriteArp(score, start, passage, harmony);
    WriteLead(score, start, passage);
    WriteSyncs(score, start, passage);
}

// Each value goes on its row and the rest value on the next, so the player sees every value as a
// change, even the same beat value twice.
void WriteSyncs(Score& score, int start, const Passage& passage)
{
    const auto send = [&](int row, int value) {
        for (int at : {row, row + 1})
            if (score.At(start + at, band::kSyncChannel).HasEffect())
                throw std::logic_error("two sync values meet at row " + std::to_string(start + at));
        score.Effect(start + row, band::kSyncChannel, kSync, static_cast<uint8_t>(value));
        score.Effect(start + row + 1, band::kSyncChannel, kSync, kRestSync);
    };
    for (const auto& [row, value] : passage.syncs)
        send(row, value);
    if (passage.beatEvery <= 0)
        return;
    for (int row = 0; row + 1 < passage.rows; row += passage.beatEvery) {
        const bool free = !score.At(start + row, band::kSyncChannel).HasEffect() &&
                          !score.At(start + row + 1, band::kSyncChannel).HasEffect() &&
                          (row == 0 || !score.At(start + row - 1, band::kSyncChannel).HasEffect());
        if (free)
            send(row, kBeatSync);
    }
}

}  // namespace datagen
