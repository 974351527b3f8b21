// The synthesized instruments: tuned so that C-4 plays middle C, loops that join without a step, and
// one-shot sounds that start and end at silence.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <functional>
#include <string>

#include "module_reader.h"
#include "music/Instruments.h"
#include "music/XmWriter.h"

using namespace datagen;

namespace {

constexpr double kMiddleCHz = 261.6255653;

struct Voice {
    std::string name;
    std::function<XmInstrument()> make;
};

std::vector<Voice> TonalVoices()
{
    return {{"bass", Bass},
            {"pad", [] { return Pad("pad", 128, 1); }},
            {"lead", [] { return Lead("lead", 128, 64); }},
            {"pluck", [] { return Pluck("pluck", 70); }},
            {"pulse", [] { return ChipPulse("pulse", 0.25, 128); }},
            {"square", [] { return ChipPulse("square", 0.5, 128); }},
            {"triangle", ChipTriangle}};
}

std::vector<Voice> AllVoices()
{
    std::vector<Voice> voices = TonalVoices();
    voices.insert(voices.end(), {{"kick", Kick},
                                 {"snare", Snare},
                                 {"closed hat", ClosedHat},
                                 {"open hat", OpenHat},
                                 {"crash", Crash},
                                 {"riser", Riser},
                                 {"noise", ChipNoise}});
    return voices;
}

int LargestStep(const std::vector<int16_t>& sample, size_t from, size_t to)
{
    int largest = 0;
    for (size_t i = from + 1; i < to; ++i)
        largest = std::max(largest, std::abs(sample[i] - sample[i - 1]));
    return largest;
}

}  // namespace

TEST(Instruments, TonalVoicesPlayMiddleCOnTheNoteC4)
{
    for (const Voice& voice : TonalVoices()) {
        musictest::LoadedModule module(WriteXm(musictest::SingleNoteSong(voice.make(), kNoteC4, 8)));
        ASSERT_TRUE(module.Loaded()) << voice.name;
        const std::vector<float> sound = module.RenderStereo();
        // The pluck dies away quickly; the others are measured once their attack is over.
        const bool early = voice.name == "pluck";
        const double pitch = musictest::MeasurePitch(sound, early ? 0.02 : 0.2, early ? 0.3 : 0.7);
        EXPECT_NEAR(pitch, kMiddleCHz, kMiddleCHz * 0.004) << voice.name;  // within 7 cents
    }
}

TEST(Instruments, OctavesAboveAndBelowFollowTheNote)
{
    musictest::LoadedModule low(WriteXm(musictest::SingleNoteSong(Bass(), kNoteC4 - 24, 8)));
    EXPECT_NEAR(musictest::MeasurePitch(low.RenderStereo(), 0.2, 0.7), kMiddleCHz / 4, 0.5);
    musictest::LoadedModule high(WriteXm(musictest::SingleNoteSong(Lead("lead", 128, 64), kNoteC4 + 9, 8)));
    EXPECT_NEAR(musictest::MeasurePitch(high.RenderStereo(), 0.2, 0.7), 440.0, 2.0);
}

TEST(Instruments, LoopsJoinWithoutAStep)
{
    for (const Voice& voice : AllVoices()) {
        const XmInstrument instrument = voice.make();
        if (instrument.loop == XmLoop::None)
            continue;
        const size_t start = instrument.loopStart, end = start + instrument.loopLength;
        ASSERT_LE(end, instrument.sample.size()) << voice.name;
        const int seam = std::abs(instrument.sample[start] - instrument.sample[end - 1]);
        // A square wave's own edges are as large as any seam can be; smooth voices must stay smooth.
        EXPECT_LE(seam, LargestStep(instrument.sample, start, end)) << voice.name;
    }
}

TEST(Instruments, OneShotsStartAndEndAtSilence)
{
    for (const Voice& voice : AllVoices()) {
        const XmInstrument instrument = voice.make();
        ASSERT_FALSE(instrument.sample.empty()) << voice.name;
        if (instrument.loop != XmLoop::None)
            continue;
        EXPECT_LE(std::abs(instrument.sample.front()), 300) << voice.name;
        EXPECT_LE(std::abs(instrument.sample.back()), 300) << voice.name;
        EXPECT_GT(LargestStep(instrument.sample, 0, instrument.sample.size()), 3000) << voice.name << " is silent";
    }
}

TEST(Instruments, SustainingVoicesFadeInAndOutThroughTheirEnvelopes)
{
    for (const Voice& voice : TonalVoices()) {
        const XmInstrument instrument = voice.make();
        if (instrument.loop == XmLoop::None)
            continue;
        const auto& envelope = instrument.volumeEnvelope;
        ASSERT_FALSE(envelope.points.empty()) << voice.name;
        EXPECT_GE(envelope.sustainPoint, 0) << voice.name;
        EXPECT_EQ(envelope.points.back().value, 0) << voice.name << " never releases";
    }
}
