#include "module_reader.h"

#include <libopenmpt/libopenmpt.h>

#include <algorithm>
#include <cmath>

namespace musictest {

namespace {

void KeepMessage(const char* message, void* user)
{
    if (message)
        static_cast<std::vector<std::string>*>(user)->push_back(message);
}

}  // namespace

LoadedModule::LoadedModule(const std::vector<uint8_t>& file)
{
    int error = OPENMPT_ERROR_OK;
    m_module = openmpt_module_create_from_memory2(file.data(), file.size(), KeepMessage, &m_log, nullptr, nullptr,
                                                  &error, nullptr, nullptr);
    if (m_module)
        openmpt_module_ctl_set_text(m_module, "play.at_end", "stop");
}

LoadedModule::~LoadedModule()
{
    if (m_module)
        openmpt_module_destroy(m_module);
}

std::vector<float> LoadedModule::RenderStereo()
{
    std::vector<float> out;
    if (!m_module)
        return out;
    openmpt_module_set_repeat_count(m_module, 0);
    openmpt_module_set_position_order_row(m_module, 0, 0);
    float buffer[2 * 4096];
    for (size_t frames; (frames = openmpt_module_read_interleaved_float_stereo(m_module, kRenderRate, 4096, buffer)) > 0;)
        out.insert(out.end(), buffer, buffer + 2 * frames);
    return out;
}

LoadedModule::Loudness LoadedModule::Measure()
{
    Loudness loudness;
    if (!m_module)
        return loudness;
    openmpt_module_set_repeat_count(m_module, 0);
    openmpt_module_set_position_order_row(m_module, 0, 0);
    constexpr size_t kWindow = kRenderRate / 20;
    const double silentEnergy = std::pow(10.0, -60.0 / 10.0);
    float buffer[2 * kWindow];
    double sumOfSquares = 0, silentRun = 0;
    size_t total = 0;
    for (size_t frames; (frames = openmpt_module_read_interleaved_float_stereo(m_module, kRenderRate, kWindow, buffer)) > 0;) {
        double windowEnergy = 0;
        for (size_t i = 0; i < 2 * frames; ++i) {
            loudness.peak = std::max(loudness.peak, static_cast<double>(std::abs(buffer[i])));
            windowEnergy += static_cast<double>(buffer[i]) * buffer[i];
        }
        sumOfSquares += windowEnergy;
        total += frames;
        if (frames < kWindow)
            break;  // the song's last moments: a fade to its end is not a gap
        silentRun = windowEnergy / (2 * frames) < silentEnergy ? silentRun + frames / double(kRenderRate) : 0;
        loudness.longestSilence = std::max(loudness.longestSilence, silentRun);
    }
    loudness.seconds = static_cast<double>(total) / kRenderRate;
    if (total > 0)
        loudness.averageDb = 10.0 * std::log10(std::max(1e-30, sumOfSquares / (2.0 * total)));
    return loudness;
}

double MeasurePitch(const std::vector<float>& stereo, double fromSeconds, double toSeconds)
{
    const size_t first = static_cast<size_t>(fromSeconds * kRenderRate);
    const size_t count = static_cast<size_t>((toSeconds - fromSeconds) * kRenderRate);
    if (2 * (first + count) > stereo.size() || count < 2048)
        return 0;
    const auto left = [&](size_t i) { return static_cast<double>(stereo[2 * (first + i)]); };
    // Difference function over lags of 20 Hz to 2 kHz; the first clear dip is the period.
    const size_t window = count - kRenderRate / 20;
    std::vector<double> difference(kRenderRate / 20, 0.0);
    for (size_t lag = kRenderRate / 2000; lag < difference.size(); ++lag)
        for (size_t i = 0; i < window; i += 2)
            difference[lag] += std::pow(left(i) - left(i + lag), 2);
    // Normalised by the running mean (as in the YIN method), so the first dip under the threshold is
    // the period and not one of its multiples.
    double runningSum = 0;
    std::vector<double> normalised(difference.size(), 1.0);
    for (size_t lag = kRenderRate / 2000; lag < difference.size(); ++lag) {
        runningSum += difference[lag];
        normalised[lag] = runningSum > 0 ? difference[lag] * (lag - kRenderRate / 2000 + 1) / runningSum : 1.0;
    }
    for (size_t lag = kRenderRate / 2000 + 1; lag + 1 < difference.size(); ++lag) {
        if (normalised[lag] >= 0.15 || normalised[lag] > normalised[lag + 1])
            continue;
        // Parabolic interpolation between neighbouring lags.
        const double a = difference[lag - 1], d = difference[lag], c = difference[lag + 1];
        const double shift = (a - c) / (2 * (a - 2 * d + c));
        return kRenderRate / (lag + (std::isfinite(shift) ? shift : 0));
    }
    return 0;
}

datagen::XmSong SingleNoteSong(const datagen::XmInstrument& instrument, int note, int rows)
{
    datagen::XmSong song;
    song.name = "note";
    song.channels = 1;
    datagen::XmPattern pattern(rows, 1);
    pattern.At(0, 0) = {static_cast<uint8_t>(note), 1, datagen::VolumeColumn(64), 0, 0};
    song.patterns = {pattern};
    song.orders = {0};
    song.instruments = {instrument};
    return song;
}

}  // namespace musictest
