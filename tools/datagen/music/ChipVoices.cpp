// Chip voices for the hidden part's tune: raw pulse and triangle cycles and looped noise.
#include <algorithm>
#include <cmath>

#include "core/Procedural.h"
#include "music/Instruments.h"
#include "music/Synth.h"

namespace datagen {

namespace {

XmInstrument SingleCycle(const char* name, std::vector<int16_t> cycle, uint8_t panning)
{
    XmInstrument instrument;
    instrument.name = name;
    instrument.sample = std::move(cycle);
    instrument.loop = XmLoop::Forward;
    instrument.loopStart = 0;
    instrument.loopLength = static_cast<uint32_t>(instrument.sample.size());
    instrument.panning = panning;
    TuneToRate(instrument, kSampleRate);
    return instrument;
}

}  // namespace

XmInstrument ChipPulse(const char* name, double duty, uint8_t panning)
{
    // Levels chosen so the cycle averages zero whatever its duty: no offset when notes start and stop.
    const int highFrames = static_cast<int>(duty * kFramesPerCycle);
    const double dutyShare = static_cast<double>(highFrames) / kFramesPerCycle;
    const double swing = 24000.0 / std::max(dutyShare, 1.0 - dutyShare);
    const auto high = static_cast<int16_t>(std::lround(swing * (1.0 - dutyShare)));
    const auto low = static_cast<int16_t>(-std::lround(swing * dutyShare));
    std::vector<int16_t> cycle(kFramesPerCycle);
    for (int i = 0; i < kFramesPerCycle; ++i)
        cycle[static_cast<size_t>(i)] = i < highFrames ? high : low;
    XmInstrument instrument = SingleCycle(name, cycle, panning);
    instrument.volumeEnvelope = MakeEnvelope({{0, 64}, {6, 48}, {30, 40}, {34, 0}}, 2);
    return instrument;
}

// Starts at its zero crossing, so a note begins without a step.
XmInstrument ChipTriangle()
{
    std::vector<int16_t> cycle(kFramesPerCycle);
    for (int i = 0; i < kFramesPerCycle; ++i) {
        const double phase = static_cast<double>(i) / kFramesPerCycle;
        const double wave = phase < 0.25 ? 4 * phase : phase < 0.75 ? 2 - 4 * phase : 4 * phase - 4;
        cycle[static_cast<size_t>(i)] = static_cast<int16_t>(std::lround(wave * 28000));
    }
    XmInstrument instrument = SingleCycle("triangle", cycle, 128);
    instrument.volumeEnvelope = MakeEnvelope({{0, 64}, {20, 56}, {23, 0}}, 1);
    return instrument;
}

// Noise held for a few frames at a time, like a console's noise channel; the pitch of the note
// sets how coarse it sounds. Short envelopes make hats and snares from it.
XmInstrument ChipNoise()
{
    std::vector<int16_t> noise(16384);
    Random random(97);
    int16_t held = 0;
    for (size_t i = 0; i < noise.size(); ++i) {
        if (i % 4 == 0)
            held = static_cast<int16_t>((random.Next() & 1) ? 14000 : -14000);
        noise[i] = held;
    }
    XmInstrument instrument = SingleCycle("noise", noise, 140);
    instrument.volumeEnvelope = MakeEnvelope({{0, 64}, {3, 24}, {10, 0}});
    return instrument;
}

}  // namespace datagen
