// The drum kit: a pitch-swept sine kick, a tone-and-noise snare, metallic hats and a crash.
#include <cmath>

#include "music/Instruments.h"
#include "music/Synth.h"

namespace datagen {

namespace {

constexpr double kTwoPi = 6.283185307179586;

int Frames(double seconds) { return static_cast<int>(seconds * kSampleRate); }

XmInstrument OneShot(const char* name, const Signal& signal, double peak, uint8_t panning)
{
    XmInstrument instrument;
    instrument.name = name;
    instrument.sample = ToSample(signal, peak, 8, Frames(0.01));
    instrument.panning = panning;
    TuneToRate(instrument, kSampleRate);
    return instrument;
}

// Six square waves at inharmonic ratios: the ringing metal of an analogue hi-hat.
Signal Metal(int frames)
{
    static const double kFrequencies[] = {205.3, 304.4, 369.6, 522.7, 540.0, 800.0};
    Signal out(static_cast<size_t>(frames), 0.0);
    for (double frequency : kFrequencies)
        for (int i = 0; i < frames; ++i)
            out[static_cast<size_t>(i)] += std::sin(kTwoPi * 2.0 * frequency * i / kSampleRate) > 0 ? 1.0 : -1.0;
    return out;
}

Signal Cymbal(double seconds, double decay, uint32_t seed)
{
    const int frames = Frames(seconds);
    Signal body = HighPass(Metal(frames), 6000);
    Add(body, HighPass(Noise(frames, seed), 7000), 2.5);
    Shape(body, [decay](double t) { return std::exp(-t * decay) * std::min(1.0, t / 0.001); });
    return body;
}

}  // namespace

XmInstrument Kick()
{
    const int frames = Frames(0.45);
    Signal body(static_cast<size_t>(frames));
    double phase = 0;
    for (int i = 0; i < frames; ++i) {
        const double t = i / kSampleRate;
        phase += kTwoPi * (46.0 + 120.0 * std::exp(-t * 28.0)) / kSampleRate;
        const double level = std::exp(-t * 5.5) * std::min(1.0, t / 0.002);
        body[static_cast<size_t>(i)] = std::tanh(1.8 * std::sin(phase) * level);
    }
    Signal click = LowPass(Noise(Frames(0.006), 11), 3000);
    Shape(click, [](double t) { return 1.0 - t / 0.006; });
    Add(body, click, 0.35);
    return OneShot("kick", body, 0.95, 128);
}

XmInstrument Snare()
{
    const int frames = Frames(0.32);
    Signal body(static_cast<size_t>(frames));
    for (int i = 0; i < frames; ++i) {
        const double t = i / kSampleRate;
        const double tone = std::sin(kTwoPi * 182.0 * t) + 0.5 * std::sin(kTwoPi * 331.0 * t);
        body[static_cast<size_t>(i)] = tone * std::exp(-t * 22.0);
    }
    Signal rattle = LowPass(HighPass(Noise(frames, 23), 1200), 9000);
    Shape(rattle, [](double t) { return std::exp(-t * 11.0); });
    Add(body, rattle, 1.1);
    Shape(body, [](double t) { return std::min(1.0, t / 0.0015); });
    return OneShot("snare", body, 0.9, 120);
}

XmInstrument ClosedHat() { return OneShot("closed hat", Cymbal(0.09, 48.0, 31), 0.75, 150); }

XmInstrument OpenHat() { return OneShot("open hat", Cymbal(0.5, 7.5, 37), 0.7, 150); }

XmInstrument Crash()
{
    Signal wash = Cymbal(2.2, 1.9, 41);
    Add(wash, [] {
        Signal low = LowPass(HighPass(Noise(Frames(2.2), 43), 2500), 6000);
        Shape(low, [](double t) { return std::exp(-t * 2.6); });
        return low;
    }(), 0.8);
    return OneShot("crash", wash, 0.8, 100);
}

// A band of noise whose lower edge climbs from 200 Hz to 8 kHz while it swells: the sweep into a drop.
XmInstrument Riser()
{
    const int frames = Frames(1.9);
    const Signal noise = Noise(frames, 53);
    Signal sweep(noise.size());
    double low = 0, smooth = 0;
    for (int i = 0; i < frames; ++i) {
        const double progress = static_cast<double>(i) / frames;
        const double cutoff = 200.0 * std::pow(40.0, progress);
        low += (1.0 - std::exp(-kTwoPi * cutoff / kSampleRate)) * (noise[static_cast<size_t>(i)] - low);
        const double band = noise[static_cast<size_t>(i)] - low;
        smooth += 0.5 * (band - smooth);  // takes the fizz off the top
        sweep[static_cast<size_t>(i)] = smooth * progress * progress;
    }
    return OneShot("riser", sweep, 0.7, 128);
}

}  // namespace datagen
