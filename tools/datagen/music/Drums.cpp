// Drum grooves: a bar of kick, snare and hats per style, a small variation every fourth bar and a
// fill into the next passage.
#include "music/Arrangement.h"

namespace datagen {

namespace {

struct DrumBar {
    const char* kick;
    const char* snare;
    const char* hats;
};

const char* const kEmpty = ". . . . . . . . . . . . . . . .";

DrumBar BarOf(Groove groove)
{
    switch (groove) {
    case Groove::None: return {kEmpty, kEmpty, kEmpty};
    case Groove::Hats: return {kEmpty, kEmpty, ". . x . . . x . . . x . . . x g"};
    case Groove::Half: return {"x . . . . . . . x . . . . . . .", kEmpty, "x . x . x . x . x . x . x . x ."};
    case Groove::Pulse: return {"x . . . x . . . x . . . x . . .", kEmpty, ". . o . . . o . . . o . . . o ."};
    case Groove::Four:
        return {"x . . . x . . . x . . . x . . .", ". . . . x . . . . . . . x . . .", "x . o . x . o . x . o . x . o ."};
    case Groove::Drive:
        return {"x . . . x . . . x . . . x . . x", ". . . . x . . g . . g . x . . g", "x g x g o g x g x g x g o g x g"};
    case Groove::Break:
        return {"x . . . . . x . . . x . . . . .", ". . . . x . . . . g . . x . . g", "x g x g x g x g x g x g x g x g"};
    case Groove::HalfTime:
        return {"x . . . . . . . . . x . . . . .", ". . . . . . . . x . . . . . . .", "x . x . x . x . x . x . x . x ."};
    }
    return {kEmpty, kEmpty, kEmpty};
}

// The kick sample played higher: toms falling through the last half bar.
void WriteFill(Score& score, int barStart, bool quiet)
{
    const auto roll = BarTokens(". . . . x . . x . . x . x x x x");
    for (int row = 0; row < 16; ++row)
        if (roll[static_cast<size_t>(row)] == "x")
            score.Note(barStart + row, band::kSnareChannel, kNoteC4, band::kSnare, (quiet ? 14 : 24) + row * 2);
    static const char* const kToms[] = {"D5", "A4", "F4", "D4"};
    for (int i = 0; i < 4 && !quiet; ++i)
        score.Note(barStart + 8 + 2 * i, band::kPercChannel, NoteNumber(kToms[i]), band::kKick, 44);
    if (quiet)
        return;
    score.Note(barStart, band::kKickChannel, kNoteC4, band::kKick, 60);
    score.Note(barStart + 8, band::kKickChannel, kNoteC4, band::kKick, 60);
}

void WriteBar(Score& score, int barStart, const DrumBar& bar, bool variation)
{
    const auto kick = BarTokens(bar.kick), snare = BarTokens(bar.snare), hats = BarTokens(bar.hats);
    for (size_t row = 0; row < 16; ++row) {
        const int at = barStart + static_cast<int>(row);
        if (kick[row] == "x" || (variation && row == 10 && kick[0] == "x" && kick[4] == "x"))
            score.Note(at, band::kKickChannel, kNoteC4, band::kKick, 60);
        if (snare[row] != ".")
            score.Note(at, band::kSnareChannel, kNoteC4, band::kSnare, snare[row] == "x" ? 50 : 16);
        const bool openHat = hats[row] == "o" || (variation && row == 14 && hats[row] != ".");
        if (openHat)
            score.Note(at, band::kHatChannel, kNoteC4, band::kOpenHat, 32);
        else if (hats[row] != ".")
            score.Note(at, band::kHatChannel, kNoteC4, band::kClosedHat, hats[row] == "x" ? 40 : 20);
    }
}

}  // namespace

void WriteDrums(Score& score, int start, const Passage& passage)
{
    const DrumBar bar = BarOf(passage.groove);
    const int bars = passage.rows / 16;
    for (int b = 0; b < bars; ++b) {
        const int barStart = start + 16 * b;
        if (passage.release && b > 0)
            break;
        if (passage.fill && b == bars - 1)
            WriteFill(score, barStart, passage.groove == Groove::None || passage.groove == Groove::Hats);
        else
            WriteBar(score, barStart, bar, b % 4 == 3);
    }
    if (passage.crash)
        score.Note(start, band::kPercChannel, kNoteC4, band::kCrash, 40);
    if (passage.riser)
        score.Note(start + passage.rows - 16, band::kFxChannel, kNoteC4, band::kRiser, 36);
}

}  // namespace datagen
