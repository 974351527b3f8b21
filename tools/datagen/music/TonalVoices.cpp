// The tonal voices of the main module: a plucky bass, detuned string pads, a chorused lead and a
// bright arpeggio pluck. Loops hold whole cycles of every partial, so they join without a seam.
#include <algorithm>
#include <cmath>

#include "core/Procedural.h"
#include "music/Instruments.h"
#include "music/Synth.h"

namespace datagen {

namespace {

// A second of sound: 256 cycles of middle C, long enough for slow detuning to beat inside the loop.
constexpr int kLongLoop = 256 * kFramesPerCycle;

XmInstrument Looped(const char* name, const Signal& signal, int loopStart, uint8_t panning)
{
    XmInstrument instrument;
    instrument.name = name;
    instrument.sample = ToSample(signal, 0.9, 0, 0);
    instrument.loop = XmLoop::Forward;
    instrument.loopStart = static_cast<uint32_t>(loopStart);
    instrument.loopLength = static_cast<uint32_t>(signal.size()) - instrument.loopStart;
    instrument.panning = panning;
    TuneToRate(instrument, kSampleRate);
    return instrument;
}

// Detuned voices of one waveform, each completing a whole number of cycles in the long loop.
Signal Ensemble(std::initializer_list<int> cyclesPerLoop, double highestRate,
                const std::function<double(int harmonic)>& spectrum, uint32_t seed)
{
    Signal mix(static_cast<size_t>(kLongLoop), 0.0);
    Random random(seed);
    for (int cycles : cyclesPerLoop) {
        const uint32_t voiceSeed = random.Next();
        Partials voice;
        voice.frames = kLongLoop;
        voice.cycleFrames = static_cast<double>(kLongLoop) / cycles;
        voice.highestRate = highestRate;
        voice.amplitude = [&spectrum](int h, double) { return spectrum(h); };
        voice.steady = true;
        voice.phase = [voiceSeed](int h) { return ((voiceSeed * 2654435761u + h * 40503u) % 1000) / 1000.0; };
        Add(mix, Additive(voice));
    }
    return mix;
}

}  // namespace

XmEnvelope MakeEnvelope(std::initializer_list<XmEnvelopePoint> points, int sustainPoint)
{
    XmEnvelope envelope;
    envelope.points = points;
    envelope.sustainPoint = sustainPoint;
    return envelope;
}

// A saw with a strong fundamental whose brightness closes over the first quarter second, as a
// filter envelope would; it is timed for the bass register (two octaves below middle C).
XmInstrument Bass()
{
    Partials bass;
    const int attackCycles = 24;
    bass.frames = (attackCycles + 4) * kFramesPerCycle;
    bass.designRate = kSampleRate / 4;
    bass.highestRate = kSampleRate / 2;
    bass.amplitude = [](int h, double seconds) {
        const double closing = 0.12 + 0.33 * Smoothstep(0.0, 0.3, seconds);
        return (h == 1 ? 1.6 : 1.0) / h * std::exp(-(h - 1) * closing);
    };
    XmInstrument instrument = Looped("bass", Additive(bass), attackCycles * kFramesPerCycle, 128);
    instrument.volumeEnvelope = MakeEnvelope({{0, 64}, {12, 44}, {40, 36}, {44, 0}}, 2);
    return instrument;
}

XmInstrument Pad(const char* name, uint8_t panning, uint32_t seed)
{
    const auto soft = [](int h) { return 1.0 / h * std::exp(-h / 6.0); };
    XmInstrument instrument = Looped(name, Ensemble({255, 256, 257}, kSampleRate * 1.5, soft, seed), 0, panning);
    instrument.volumeEnvelope = MakeEnvelope({{0, 0}, {30, 64}, {34, 64}, {90, 0}}, 2);
    instrument.vibratoDepth = 2;
    instrument.vibratoRate = 6;
    return instrument;
}

// Odd harmonics of a square with some even ones for body, two voices a few cents apart.
XmInstrument Lead(const char* name, uint8_t panning, uint8_t volume)
{
    const auto hollow = [](int h) { return (h % 2 ? 1.0 : 0.3) / h * std::exp(-h / 18.0); };
    XmInstrument instrument = Looped(name, Ensemble({256, 257}, kSampleRate * 4, hollow, 7), 0, panning);
    instrument.volume = volume;
    instrument.volumeEnvelope = MakeEnvelope({{0, 0}, {2, 64}, {20, 50}, {28, 0}}, 2);
    instrument.vibratoSweep = 40;
    instrument.vibratoDepth = 3;
    instrument.vibratoRate = 10;
    return instrument;
}

// Partials that die away faster the higher they are, like a plucked string.
XmInstrument Pluck(const char* name, uint8_t panning)
{
    Partials pluck;
    pluck.frames = 160 * kFramesPerCycle;
    pluck.designRate = kSampleRate * 2;  // timed for the octave above middle C
    pluck.highestRate = kSampleRate * 4;
    pluck.amplitude = [](int h, double seconds) {
        return (h % 2 ? 1.0 : 0.6) / h * std::exp(-seconds * (3.0 + 1.6 * h));
    };
    XmInstrument instrument;
    instrument.name = name;
    instrument.sample = ToSample(Additive(pluck), 0.9, 0, 2 * kFramesPerCycle);
    instrument.panning = panning;
    TuneToRate(instrument, kSampleRate);
    return instrument;
}

}  // namespace datagen
