#include "music/Synth.h"

#include <algorithm>
#include <cmath>

#include "core/Procedural.h"

namespace datagen {

namespace {
constexpr double kTwoPi = 6.283185307179586;
constexpr double kAmigaC4Rate = 8363.0;  // the rate of C-4 with relative note and finetune 0
}  // namespace

void TuneToRate(XmInstrument& instrument, double rate)
{
    const double semitones = 12.0 * std::log2(rate / kAmigaC4Rate);
    int whole = static_cast<int>(std::floor(semitones));
    int fine = static_cast<int>(std::lround((semitones - whole) * 128.0));
    if (fine >= 64) {  // finetune is -128..127 in 1/128 semitone; keep it small
        ++whole;
        fine -= 128;
    }
    instrument.relativeNote = static_cast<int8_t>(whole);
    instrument.finetune = static_cast<int8_t>(fine);
}

Signal Additive(const Partials& partials)
{
    Signal out(static_cast<size_t>(partials.frames), 0.0);
    const double nyquistFraction = 0.45;
    const int highest = static_cast<int>(nyquistFraction * partials.cycleFrames * partials.highestRate / kSampleRate);
    for (int h = 1; h <= std::max(1, highest); ++h) {
        // A rotating phasor instead of a sine per frame; double precision keeps it on its circle.
        const double step = kTwoPi * h / partials.cycleFrames;
        const double offset = kTwoPi * partials.phase(h);
        const double stepCos = std::cos(step), stepSin = std::sin(step);
        double re = std::cos(offset), im = std::sin(offset);
        const double steadyLevel = partials.steady ? partials.amplitude(h, 0.0) : 0.0;
        for (int i = 0; i < partials.frames; ++i) {
            const double level = partials.steady ? steadyLevel : partials.amplitude(h, i / partials.designRate);
            out[static_cast<size_t>(i)] += level * im;
            const double nextRe = re * stepCos - im * stepSin;
            im = re * stepSin + im * stepCos;
            re = nextRe;
        }
    }
    return out;
}

Signal Noise(int frames, uint32_t seed)
{
    Random random(seed);
    Signal out(static_cast<size_t>(frames));
    for (double& value : out)
        value = random.Unit() * 2.0 - 1.0;
    return out;
}

Signal LowPass(const Signal& input, double cutoff)
{
    const double k = 1.0 - std::exp(-kTwoPi * cutoff / kSampleRate);
    Signal out(input.size());
    double state = 0;
    for (size_t i = 0; i < input.size(); ++i)
        out[i] = state += k * (input[i] - state);
    return out;
}

Signal HighPass(const Signal& input, double cutoff)
{
    Signal out = LowPass(input, cutoff);
    for (size_t i = 0; i < input.size(); ++i)
        out[i] = input[i] - out[i];
    return out;
}

void Add(Signal& into, const Signal& other, double gain)
{
    if (into.size() < other.size())
        into.resize(other.size(), 0.0);
    for (size_t i = 0; i < other.size(); ++i)
        into[i] += gain * other[i];
}

void Shape(Signal& signal, const std::function<double(double seconds)>& envelope)
{
    for (size_t i = 0; i < signal.size(); ++i)
        signal[i] *= envelope(i / kSampleRate);
}

std::vector<int16_t> ToSample(const Signal& signal, double peak, int fadeInFrames, int fadeOutFrames)
{
    double largest = 1e-12;
    for (double value : signal)
        largest = std::max(largest, std::abs(value));
    const double scale = peak * 32767.0 / largest;
    const int count = static_cast<int>(signal.size());
    std::vector<int16_t> sample(signal.size());
    for (int i = 0; i < count; ++i) {
        double gain = scale;
        if (i < fadeInFrames)
            gain *= static_cast<double>(i) / fadeInFrames;
        if (count - 1 - i < fadeOutFrames)
            gain *= static_cast<double>(count - 1 - i) / fadeOutFrames;
        const double value = std::clamp(signal[static_cast<size_t>(i)] * gain, -32767.0, 32767.0);
        sample[static_cast<size_t>(i)] = static_cast<int16_t>(std::lround(value));
    }
    return sample;
}

}  // namespace datagen
