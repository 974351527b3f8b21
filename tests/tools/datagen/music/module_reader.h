// The generated modules as libopenmpt reads and renders them, for the music tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "music/XmWriter.h"

struct openmpt_module;

namespace musictest {

// A module loaded with libopenmpt, with every message its loader logged.
class LoadedModule {
public:
    explicit LoadedModule(const std::vector<uint8_t>& file);
    ~LoadedModule();
    LoadedModule(const LoadedModule&) = delete;
    LoadedModule& operator=(const LoadedModule&) = delete;

    bool Loaded() const { return m_module != nullptr; }
    openmpt_module* Get() const { return m_module; }
    const std::vector<std::string>& Log() const { return m_log; }

    // Renders from the start to the song's end (played once) as interleaved 44.1 kHz stereo floats.
    std::vector<float> RenderStereo();

    // What a listener would measure, rendered the same way but not kept.
    struct Loudness {
        double seconds = 0;
        double peak = 0;            // largest sample magnitude; 1 is full scale
        double averageDb = -1000;   // RMS level over the whole song, dBFS
        double longestSilence = 0;  // seconds, in 50 ms windows below -60 dBFS, before the song's end
    };
    Loudness Measure();

private:
    openmpt_module* m_module = nullptr;
    std::vector<std::string> m_log;
};

constexpr int kRenderRate = 44100;

// The pitch in Hz of the steady middle of a rendered note (left channel), by autocorrelation.
double MeasurePitch(const std::vector<float>& stereo, double fromSeconds, double toSeconds);

// A one-channel song that plays `note` of `instrument` for `rows` rows at speed 6, 125 BPM.
datagen::XmSong SingleNoteSong(const datagen::XmInstrument& instrument, int note, int rows);

}  // namespace musictest
