// The XM writer: what it writes is what libopenmpt reads back, cell by cell and sample by sample,
// and songs the format cannot hold are refused.
#include <gtest/gtest.h>
#include <libopenmpt/libopenmpt.h>

#include <stdexcept>
#include <string>

#include "module_reader.h"
#include "music/XmWriter.h"

using namespace datagen;

namespace {

XmInstrument ShortInstrument(std::vector<int16_t> sample)
{
    XmInstrument instrument;
    instrument.name = "blip";
    instrument.sample = std::move(sample);
    return instrument;
}

XmSong TwoPatternSong()
{
    XmSong song;
    song.name = "writer test";
    song.channels = 3;
    song.speed = 4;
    song.bpm = 140;
    XmPattern first(16, 3), second(32, 3);
    first.At(0, 0) = {kNoteC4, 1, VolumeColumn(40), kVibrato, 0x35};  // every field: stored unpacked
    first.At(2, 1) = {kNoteC4 + 7, 2, 0, 0, 0};
    first.At(3, 2) = {0, 0, 0, kSync, 21};
    second.At(5, 1) = {kNoteOff, 0, 0, 0, 0};
    second.At(6, 0) = {0, 0, 0, kArpeggio, 0x37};
    second.At(7, 2) = {0, 0, VolumeColumn(0), kPatternBreak, 0};
    song.patterns = {first, second};
    song.orders = {0, 1, 0};
    song.instruments = {ShortInstrument({0, 1000, -1000, 0}), ShortInstrument({0, 5, 0})};
    return song;
}

int Command(openmpt_module* module, int pattern, int row, int channel, int command)
{
    return openmpt_module_get_pattern_row_channel_command(module, pattern, row, channel, command);
}

std::string EffectLetter(openmpt_module* module, int pattern, int row, int channel)
{
    const char* text = openmpt_module_format_pattern_row_channel_command(module, pattern, row, channel,
                                                                         OPENMPT_MODULE_COMMAND_EFFECT);
    std::string letter = text ? text : "";
    openmpt_free_string(text);
    return letter;
}

}  // namespace

TEST(XmWriter, LibopenmptReadsTheSongsStructureAndCells)
{
    const XmSong song = TwoPatternSong();
    musictest::LoadedModule module(WriteXm(song));
    ASSERT_TRUE(module.Loaded());
    openmpt_module* m = module.Get();
    EXPECT_EQ(openmpt_module_get_num_channels(m), 3);
    EXPECT_EQ(openmpt_module_get_num_orders(m), 3);
    EXPECT_EQ(openmpt_module_get_num_patterns(m), 2);
    EXPECT_EQ(openmpt_module_get_num_instruments(m), 2);
    EXPECT_EQ(openmpt_module_get_order_pattern(m, 2), 0);
    EXPECT_EQ(openmpt_module_get_pattern_num_rows(m, 1), 32);
    EXPECT_EQ(openmpt_module_get_current_speed(m), 4);
    EXPECT_EQ(openmpt_module_get_current_tempo(m), 140);

    // libopenmpt numbers notes an octave higher than the file (FT2's C-4 is its note 61, "C-5").
    EXPECT_EQ(Command(m, 0, 0, 0, OPENMPT_MODULE_COMMAND_NOTE), kNoteC4 + 12);
    EXPECT_EQ(Command(m, 0, 0, 0, OPENMPT_MODULE_COMMAND_INSTRUMENT), 1);
    EXPECT_EQ(Command(m, 0, 0, 0, OPENMPT_MODULE_COMMAND_VOLUME), 40);
    EXPECT_EQ(EffectLetter(m, 0, 0, 0), "4");
    EXPECT_EQ(Command(m, 0, 0, 0, OPENMPT_MODULE_COMMAND_PARAMETER), 0x35);
    EXPECT_EQ(Command(m, 0, 2, 1, OPENMPT_MODULE_COMMAND_INSTRUMENT), 2);
    EXPECT_EQ(Command(m, 0, 2, 1, OPENMPT_MODULE_COMMAND_NOTE) - Command(m, 0, 0, 0, OPENMPT_MODULE_COMMAND_NOTE), 7);
    EXPECT_EQ(EffectLetter(m, 0, 3, 2), "W");
    EXPECT_EQ(Command(m, 0, 3, 2, OPENMPT_MODULE_COMMAND_PARAMETER), 21);
    EXPECT_EQ(EffectLetter(m, 1, 6, 0), "0");
    EXPECT_EQ(Command(m, 1, 6, 0, OPENMPT_MODULE_COMMAND_PARAMETER), 0x37);
    EXPECT_EQ(EffectLetter(m, 1, 7, 2), "D");
    EXPECT_EQ(Command(m, 0, 1, 1, OPENMPT_MODULE_COMMAND_NOTE), 0);  // empty cells stay empty
}

TEST(XmWriter, PatternBreakShortensThePlayedSong)
{
    // 16 rows, 8 rows of the second pattern (broken after row 7), 16 rows again; libopenmpt rounds
    // each tick to whole frames, hence the millisecond.
    const XmSong song = TwoPatternSong();
    musictest::LoadedModule module(WriteXm(song));
    ASSERT_TRUE(module.Loaded());
    EXPECT_NEAR(openmpt_module_get_duration_seconds(module.Get()), 40 * song.RowSeconds(), 1e-3);
}

TEST(XmWriter, SixteenBitSamplesAreDeltaCodedAtTheEndOfTheFile)
{
    const std::vector<int16_t> extremes = {0, 32767, -32768, -32768, 32767, 1, -1, 0};
    XmSong song = TwoPatternSong();
    song.instruments = {ShortInstrument(extremes)};
    const std::vector<uint8_t> file = WriteXm(song);
    ASSERT_GE(file.size(), 2 * extremes.size());
    int16_t value = 0;
    const size_t first = file.size() - 2 * extremes.size();
    for (size_t i = 0; i < extremes.size(); ++i) {
        const auto delta = static_cast<uint16_t>(file[first + 2 * i] | file[first + 2 * i + 1] << 8);
        value = static_cast<int16_t>(static_cast<uint16_t>(value) + delta);
        EXPECT_EQ(value, extremes[i]) << "frame " << i;
    }
}

TEST(XmWriter, RefusesSongsTheFormatCannotHold)
{
    XmSong noOrders = TwoPatternSong();
    noOrders.orders.clear();
    EXPECT_THROW(WriteXm(noOrders), std::invalid_argument);

    XmSong missingPattern = TwoPatternSong();
    missingPattern.orders.push_back(2);
    EXPECT_THROW(WriteXm(missingPattern), std::invalid_argument);

    XmSong loopOutside = TwoPatternSong();
    loopOutside.instruments[0].loop = XmLoop::Forward;
    loopOutside.instruments[0].loopStart = 2;
    loopOutside.instruments[0].loopLength = 3;  // one frame past the sample
    EXPECT_THROW(WriteXm(loopOutside), std::invalid_argument);

    XmSong wrongChannels = TwoPatternSong();
    wrongChannels.patterns.push_back(XmPattern(16, 2));
    EXPECT_THROW(WriteXm(wrongChannels), std::invalid_argument);

    XmSong tooManyPoints = TwoPatternSong();
    tooManyPoints.instruments[0].volumeEnvelope.points.assign(13, {0, 64});
    EXPECT_THROW(WriteXm(tooManyPoints), std::invalid_argument);

    XmPattern pattern(4, 2);
    EXPECT_THROW(pattern.At(4, 0), std::out_of_range);
    EXPECT_THROW(pattern.At(0, -1), std::out_of_range);
}
