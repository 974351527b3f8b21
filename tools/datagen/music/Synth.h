// Sound building blocks for the synthesized instruments: tuning, band-limited additive tones,
// noise, filters and the conversion of a signal into a clean 16-bit sample.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "music/XmWriter.h"

namespace datagen {

using Signal = std::vector<double>;

// Tonal samples hold middle C (C-4, 261.63 Hz) as exactly 128 frames per cycle, so loops of whole
// cycles are seamless; this is the frame rate that makes it so.
constexpr int kFramesPerCycle = 128;
constexpr double kMiddleC = 261.6255653;
constexpr double kSampleRate = kFramesPerCycle * kMiddleC;

// Sets relative note and finetune so that the note C-4 plays the sample at `rate` frames a second.
void TuneToRate(XmInstrument& instrument, double rate);

// A sum of harmonics of a tone that repeats every `cycleFrames` frames. amplitude(h, seconds)
// gives harmonic h's level at a moment, with seconds measured at `designRate`; harmonics are cut
// below the Nyquist limit of `highestRate` (the fastest the sample will be played), so the tone
// stays free of aliasing. Each harmonic starts at sine phase 0 plus phase(h) turns.
struct Partials {
    int frames = 0;
    double cycleFrames = kFramesPerCycle;
    double designRate = kSampleRate;
    double highestRate = 2 * kSampleRate;
    std::function<double(int harmonic, double seconds)> amplitude;
    std::function<double(int harmonic)> phase = [](int) { return 0.0; };
    bool steady = false;  // amplitude does not change with time: read once per harmonic
};
Signal Additive(const Partials& partials);

// White noise in -1..1 from a fixed seed.
Signal Noise(int frames, uint32_t seed);
// One-pole filters; cutoff in Hz at kSampleRate.
Signal LowPass(const Signal& input, double cutoff);
Signal HighPass(const Signal& input, double cutoff);

void Add(Signal& into, const Signal& other, double gain = 1.0);
// Multiplies each frame by envelope(seconds).
void Shape(Signal& signal, const std::function<double(double seconds)>& envelope);

// Scales to the given peak (fraction of full scale), fades the first and last `fadeFrames` frames to
// zero when asked, and rounds to 16 bits.
std::vector<int16_t> ToSample(const Signal& signal, double peak, int fadeInFrames, int fadeOutFrames);

}  // namespace datagen
