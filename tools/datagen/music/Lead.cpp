// The lead melody and its echo: the same line three rows later, softer and on the other side.
#include "music/Arrangement.h"

namespace datagen {

namespace {

constexpr int kEchoDelay = 3;
constexpr uint8_t kSlideSpeed = 0x28;
constexpr uint8_t kVibratoAfterHold = 0x35;  // speed 3, depth 5
constexpr int kRowsBeforeVibrato = 4;

struct LeadVoice {
    int channel;
    int instrument;
    int volume;
    int delay;
};

void WriteLine(Score& score, int start, const Passage& passage, const LeadVoice& voice)
{
    int heldSince = -1;
    for (int row = 0; row < passage.rows; ++row) {
        const auto bar = BarTokens(passage.melody[static_cast<size_t>(row / 16) % passage.melody.size()]);
        const std::string& token = bar[static_cast<size_t>(row % 16)];
        const int at = start + row + voice.delay;
        if (at >= start + passage.rows)
            break;
        if (token == "-") {
            score.Release(at, voice.channel);
            heldSince = -1;
        } else if (token == ".") {
            if (heldSince >= 0 && row - heldSince >= kRowsBeforeVibrato)
                score.Effect(at, voice.channel, kVibrato, kVibratoAfterHold);
        } else {
            const bool slide = token.back() == '/';
            const int note = NoteNumber(slide ? token.substr(0, token.size() - 1) : token);
            score.Note(at, voice.channel, note, voice.instrument, voice.volume);
            if (slide)
                score.Effect(at, voice.channel, kTonePorta, kSlideSpeed);
            heldSince = row;
        }
    }
}

}  // namespace

void WriteLead(Score& score, int start, const Passage& passage)
{
    if (passage.melody.empty()) {
        score.Release(start, band::kLeadChannel);
        score.Release(start, band::kEchoChannel);
        return;
    }
    WriteLine(score, start, passage, {band::kLeadChannel, band::kLead, passage.leadVolume, 0});
    WriteLine(score, start, passage, {band::kEchoChannel, band::kLeadEcho, passage.leadVolume * 2 / 5, kEchoDelay});
}

}  // namespace datagen
