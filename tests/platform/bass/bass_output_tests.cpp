// What is played: levels, positions, WAV renders and captures.
#include <algorithm>
#include <cstdlib>

#include "bass_test_support.h"
#include "platform_music.h"

using namespace basstest;

namespace {

int Peak(const std::vector<int16_t>& samples)
{
    int peak = 0;
    for (int16_t s : samples)
        peak = std::max(peak, std::abs(static_cast<int>(s)));
    return peak;
}

bool Clipped(const std::vector<int16_t>& samples)
{
    return std::any_of(samples.begin(), samples.end(), [](int16_t s) { return s >= 32767 || s <= -32768; });
}

}  // namespace

TEST_F(VirtualClockTest, LevelsShowThePlayingNoteOnBothSides)
{
    const HMUSIC music = LoadSyncSong();
    EXPECT_EQ(BASS_ChannelGetLevel(music), static_cast<DWORD>(-1));
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_NOPLAY);
    BASS_MusicPlay(music);
    Advance(0.5);
    const DWORD level = BASS_ChannelGetLevel(music);
    ASSERT_NE(level, static_cast<DWORD>(-1));
    const int left = LOWORD(level), right = HIWORD(level);
    EXPECT_GT(left, 1000);
    EXPECT_LE(left, 32768);
    EXPECT_NEAR(left, right, left / 10);  // the note is panned to the centre
}

TEST_F(VirtualClockTest, PositionFollowsTheRenderedOrderAndRow)
{
    const HMUSIC music = LoadSyncSong();
    EXPECT_EQ(BASS_ChannelGetPosition(music, BASS_POS_MUSIC_ORDER), 0u);
    BASS_MusicPlay(music);
    Advance(2.0);  // order 1 starts at 1.92 s
    EXPECT_EQ(BASS_ChannelGetPosition(music, BASS_POS_MUSIC_ORDER), static_cast<QWORD>(MAKELONG(1, 0)));
    const double bytes = static_cast<double>(BASS_ChannelGetPosition(music, BASS_POS_BYTE));
    EXPECT_NEAR(bytes, 2.0 * 44100 * 4, 8.0);
    EXPECT_EQ(BASS_ChannelGetPosition(music, 99), static_cast<QWORD>(-1));
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_NOTAVAIL);
}

TEST(BassRender, RenderedWavIsNeitherSilentNorClipped)
{
    const std::string module = WriteSong(xmtest::SyncTestSong(), "render.xm");
    const std::string wavPath = TempPath("render.wav");
    ASSERT_TRUE(platform::RenderMusicToWav(module.c_str(), wavPath.c_str(), 2.0));
    Wav wav;
    ASSERT_TRUE(ReadWav(wavPath, wav));
    EXPECT_EQ(wav.channels, 2);
    EXPECT_EQ(wav.rate, 44100);
    EXPECT_EQ(wav.bits, 16);
    EXPECT_EQ(wav.samples.size(), 2u * 44100 * 2);
    EXPECT_GT(Peak(wav.samples), 2000);
    EXPECT_FALSE(Clipped(wav.samples));
}

TEST(BassRender, RenderEndsWithTheModule)
{
    const std::string module = WriteSong(xmtest::SyncTestSong(), "whole.xm");
    const std::string wavPath = TempPath("whole.wav");
    ASSERT_TRUE(platform::RenderMusicToWav(module.c_str(), wavPath.c_str(), 10.0));
    Wav wav;
    ASSERT_TRUE(ReadWav(wavPath, wav));
    const double seconds = wav.samples.size() / 2.0 / 44100;
    EXPECT_NEAR(seconds, xmtest::RowTime(xmtest::SyncTestSong(), 32), 0.001);
    EXPECT_FALSE(platform::RenderMusicToWav(TempPath("missing.xm").c_str(), wavPath.c_str(), 1.0));
}

TEST_F(VirtualClockTest, CaptureRecordsWhatThePlayerMixes)
{
    const std::string wavPath = TempPath("capture.wav");
    ASSERT_TRUE(platform::StartMusicCapture(wavPath.c_str()));
    const HMUSIC music = LoadSyncSong();
    BASS_MusicPlay(music);
    Advance(1.0, 1.0 / 60);
    ASSERT_TRUE(platform::StopMusicCapture());
    Wav wav;
    ASSERT_TRUE(ReadWav(wavPath, wav));
    EXPECT_NEAR(wav.samples.size() / 2.0, 44100.0, 2.0);
    EXPECT_GT(Peak(wav.samples), 2000);
    EXPECT_FALSE(Clipped(wav.samples));
    EXPECT_FALSE(platform::StopMusicCapture());  // nothing left to stop
}

// A capture the program never stops (an interrupt ends it at once) is on disk, whole, up to the last
// block the player mixed.
TEST_F(VirtualClockTest, ACaptureNeverStoppedHoldsWhatWasMixedSoFar)
{
    const std::string wavPath = TempPath("interrupted.wav");
    ASSERT_TRUE(platform::StartMusicCapture(wavPath.c_str()));
    const HMUSIC music = LoadSyncSong();
    BASS_MusicPlay(music);
    Advance(1.0, 1.0 / 60);
    Wav wav;
    ASSERT_TRUE(ReadWav(wavPath, wav));
    EXPECT_NEAR(wav.samples.size() / 2.0, 44100.0, 800.0);  // up to the block being mixed
    EXPECT_GT(Peak(wav.samples), 2000);
    ASSERT_TRUE(platform::StopMusicCapture());
}
