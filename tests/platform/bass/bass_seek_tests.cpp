// Finding a module's sync effects without playing it, and moving a playing module to a position.
#include <cmath>

#include "bass_test_support.h"
#include "platform_music.h"

using namespace basstest;

TEST(MusicScan, ListsEverySyncInPlayOrderAtItsRowStart)
{
    const std::string path = WriteSong(xmtest::SyncTestSong(), "scan.xm");
    std::vector<platform::MusicSyncEvent> events;
    ASSERT_TRUE(platform::ScanMusicSyncs(path.c_str(), events));
    const auto expected = xmtest::SyncTestSongSyncs();
    ASSERT_EQ(events.size(), expected.size());
    const xmtest::Song song = xmtest::SyncTestSong();
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(events[i].value, expected[i].value) << i;
        EXPECT_EQ(events[i].order, expected[i].order) << i;
        EXPECT_EQ(events[i].row, expected[i].row) << i;
        const double rowTime = xmtest::RowTime(song, expected[i].songRow);
        EXPECT_LE(events[i].seconds, rowTime + 1e-9) << i;
        EXPECT_GT(events[i].seconds, rowTime - 0.006) << i;
    }
    EXPECT_FALSE(platform::ScanMusicSyncs(TempPath("missing.xm").c_str(), events));
}

TEST_F(VirtualClockTest, SettingThePositionPlaysOnFromTheNextRowStartWithItsSyncs)
{
    const HMUSIC music = LoadSyncSong();
    SyncRecorder recorder;
    ASSERT_NE(BASS_ChannelSetSync(music, BASS_SYNC_MUSICFX, 1, SyncRecorder::Record, &recorder), 0u);
    ASSERT_TRUE(BASS_MusicPlay(music));
    const xmtest::Song song = xmtest::SyncTestSong();
    // A little before song row 21 (order 1, row 5, value 12): the position goes on to that row.
    const double target = xmtest::RowTime(song, 21) - 0.05;
    ASSERT_TRUE(BASS_ChannelSetPosition(music, static_cast<QWORD>(target * 44100) * 4, BASS_POS_BYTE));
    EXPECT_NEAR(static_cast<double>(BASS_ChannelGetPosition(music)) / 4 / 44100, xmtest::RowTime(song, 21), 1e-3);
    Advance(0.6);
    ASSERT_GE(recorder.calls.size(), 2u);
    EXPECT_EQ(recorder.calls[0].data, 12u);
    EXPECT_EQ(recorder.calls[1].data, 7u);
    EXPECT_FALSE(BASS_ChannelSetPosition(music, 0, BASS_POS_MUSIC_ORDER));
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_NOTAVAIL);
}
