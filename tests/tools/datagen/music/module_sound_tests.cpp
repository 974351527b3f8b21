// Both modules as a listener gets them: they load cleanly, and rendered at 44.1 kHz they never clip,
// never fall silent, sit at a sensible level and last as long as they should.
#include <gtest/gtest.h>
#include <libopenmpt/libopenmpt.h>

#include "core/DataFolder.h"
#include "module_reader.h"
#include "music/Songs.h"

using namespace datagen;

namespace {

const DataFolder& Folder()
{
    static const DataFolder folder = [] {
        DataFolder generated{""};
        WriteMusic(generated);
        return generated;
    }();
    return folder;
}

const std::vector<uint8_t>& File(const std::string& name) { return Folder().Files().at(name); }

void ExpectListenable(const std::string& name, double minimumSeconds, double maximumSeconds)
{
    musictest::LoadedModule module(File(name));
    ASSERT_TRUE(module.Loaded()) << name;
    EXPECT_TRUE(module.Log().empty()) << name << ": " << (module.Log().empty() ? "" : module.Log().front());
    const auto loudness = module.Measure();
    EXPECT_GE(loudness.seconds, minimumSeconds) << name;
    EXPECT_LE(loudness.seconds, maximumSeconds) << name;
    EXPECT_NEAR(loudness.seconds, openmpt_module_get_duration_seconds(module.Get()), 0.05) << name;
    EXPECT_LT(loudness.peak, 1.0) << name << " clips";
    EXPECT_GT(loudness.averageDb, -24.0) << name;
    EXPECT_LT(loudness.averageDb, -10.0) << name;
    EXPECT_LE(loudness.longestSilence, 2.0) << name;
    std::cout << name << ": " << loudness.seconds << " s, peak " << loudness.peak << ", average "
              << loudness.averageDb << " dBFS, longest silence " << loudness.longestSilence << " s\n";
}

}  // namespace

TEST(ModuleSound, TheSoundtrackIsListenableForItsWholeLength) { ExpectListenable("thezenth.XM", 240.0, 360.0); }

TEST(ModuleSound, TheChiptuneIsListenableAndBetweenOneAndTwoMinutes) { ExpectListenable("chipmod.XM", 60.0, 120.0); }

TEST(ModuleSound, BothModulesAreWrittenUnderTheirDemoNames)
{
    EXPECT_EQ(Folder().Files().size(), 2u);
    for (const char* name : {"thezenth.XM", "chipmod.XM"}) {
        ASSERT_EQ(Folder().Files().count(name), 1u) << name;
        const auto& bytes = File(name);
        ASSERT_GT(bytes.size(), 60u);
        EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 17), "Extended Module: ");
    }
}

TEST(ModuleSound, GenerationIsDeterministic)
{
    EXPECT_EQ(WriteXm(ThezenthSong()), File("thezenth.XM"));
    EXPECT_EQ(WriteXm(ChipmodSong()), File("chipmod.XM"));
}

TEST(ModuleSound, TheChiptunePlaysOnceWithoutTurningBack)
{
    musictest::LoadedModule module(File("chipmod.XM"));
    ASSERT_TRUE(module.Loaded());
    openmpt_module* m = module.Get();
    // The song's last order ends the song: nothing jumps back into it.
    EXPECT_EQ(openmpt_module_get_num_subsongs(m), 1);
    const double duration = openmpt_module_get_duration_seconds(m);
    openmpt_module_set_repeat_count(m, 0);
    EXPECT_NEAR(openmpt_module_set_position_seconds(m, duration - 0.5), duration - 0.5, 0.1);
    float buffer[2 * 44100];
    EXPECT_LT(openmpt_module_read_interleaved_float_stereo(m, 44100, 44100, buffer), 44100u);
}
