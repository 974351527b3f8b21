// Initialisation, loading and handles: the error codes the engine shows to the user.
#include <cstdio>

#include "bass_test_support.h"

using namespace basstest;

TEST(BassLifecycle, CallsBeforeInitFailWithInitError)
{
    const std::string path = WriteSong(xmtest::SyncTestSong(), "before_init.xm");
    EXPECT_EQ(BASS_MusicLoad(FALSE, path.c_str(), 0, 0, 0, 0), 0u);
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_INIT);
    EXPECT_FALSE(BASS_Start());
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_INIT);
    EXPECT_FALSE(BASS_Free());
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_INIT);
}

TEST(BassLifecycle, FreeThenInitAgainGivesAFreshLibrary)
{
    platform::UseVirtualClock(0);
    const std::string path = WriteSong(xmtest::SyncTestSong(), "again.xm");
    ASSERT_TRUE(BASS_Init(-1, 44100, 0, nullptr, nullptr));
    const HMUSIC first = BASS_MusicLoad(FALSE, path.c_str(), 0, 0, 0, 0);
    ASSERT_NE(first, 0u);
    EXPECT_TRUE(BASS_Free());
    ASSERT_TRUE(BASS_Init(-1, 44100, 0, nullptr, nullptr));
    // Everything loaded before BASS_Free is gone.
    EXPECT_FALSE(BASS_ChannelPlay(first, FALSE));
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_HANDLE);
    EXPECT_NE(BASS_MusicLoad(FALSE, path.c_str(), 0, 0, 0, 0), 0u);
    EXPECT_TRUE(BASS_Free());
    platform::UseSystemClock();
}

TEST(BassLifecycle, UnusableArgumentsOfInitAreRefused)
{
    EXPECT_FALSE(BASS_Init(-2, 44100, 0, nullptr, nullptr));
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_DEVICE);
    EXPECT_FALSE(BASS_Init(-1, 100, 0, nullptr, nullptr));
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_FORMAT);
    EXPECT_FALSE(BASS_Free());  // neither left the library initialised
}

TEST_F(VirtualClockTest, SecondInitFailsWithAlready)
{
    EXPECT_FALSE(BASS_Init(-1, 44100, 0, nullptr, nullptr));
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_ALREADY);
}

TEST_F(VirtualClockTest, MissingFileFailsWithFileOpen)
{
    EXPECT_EQ(BASS_MusicLoad(FALSE, TempPath("no_such.xm").c_str(), 0, 0, 0, 0), 0u);
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_FILEOPEN);
    EXPECT_EQ(BASS_MusicLoad(FALSE, "Data\\no_such_tune.XM", 0, 0, 0, 0), 0u);
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_FILEOPEN);
}

TEST_F(VirtualClockTest, UnreadableFilesFailWithFormat)
{
    const std::string garbage = TempPath("garbage.xm");
    FILE* file = fopen(garbage.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    for (int i = 0; i < 4000; ++i)
        fputc((i * 7919 + 13) % 251, file);
    fclose(file);
    EXPECT_EQ(BASS_MusicLoad(FALSE, garbage.c_str(), 0, 0, 0, 0), 0u);
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_FORMAT);

    // A module cut off inside its header.
    std::vector<uint8_t> cut = xmtest::WriteXm(xmtest::SyncTestSong());
    cut.resize(60);
    EXPECT_EQ(BASS_MusicLoad(TRUE, cut.data(), 0, static_cast<DWORD>(cut.size()), 0, 0), 0u);
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_FORMAT);

    const std::string empty = TempPath("empty.xm");
    ASSERT_TRUE(xmtest::SaveFile(empty, {}));
    EXPECT_EQ(BASS_MusicLoad(FALSE, empty.c_str(), 0, 0, 0, 0), 0u);
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_FORMAT);
}

TEST_F(VirtualClockTest, LoadsByWindowsNameAndFromMemoryAtAnOffset)
{
    const std::string path = WriteSong(xmtest::SyncTestSong(), "windows.xm");
    std::string windowsName = path.substr(0, path.rfind('/')) + "\\WINDOWS.XM";
    EXPECT_NE(BASS_MusicLoad(FALSE, windowsName.c_str(), 0, 0, 0, 0), 0u) << BASS_ErrorGetCode();

    std::vector<uint8_t> bytes(7, 0xAB);
    const std::vector<uint8_t> module = xmtest::WriteXm(xmtest::SyncTestSong());
    bytes.insert(bytes.end(), module.begin(), module.end());
    EXPECT_NE(BASS_MusicLoad(TRUE, bytes.data(), 7, static_cast<DWORD>(module.size()), 0, 0), 0u);
    EXPECT_EQ(BASS_MusicLoad(TRUE, bytes.data(), 7, 0, 0, 0), 0u);  // memory needs a length
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_ILLPARAM);
}

TEST_F(VirtualClockTest, BadHandlesFailWithHandleError)
{
    SyncRecorder recorder;
    EXPECT_FALSE(BASS_MusicPlay(0));
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_HANDLE);
    EXPECT_EQ(BASS_ChannelGetLevel(0), static_cast<DWORD>(-1));
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_HANDLE);
    EXPECT_EQ(BASS_ChannelGetPosition(0, BASS_POS_MUSIC_ORDER), static_cast<QWORD>(-1));
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_HANDLE);
    EXPECT_EQ(BASS_ChannelSetSync(0, BASS_SYNC_MUSICFX, 1, SyncRecorder::Record, &recorder), 0u);
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_HANDLE);

    const HMUSIC music = LoadSyncSong();
    EXPECT_TRUE(BASS_MusicFree(music));
    EXPECT_FALSE(BASS_MusicFree(music));
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_HANDLE);
    EXPECT_FALSE(BASS_ChannelPlay(music, TRUE));
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_HANDLE);
}

TEST_F(VirtualClockTest, SyncsOfUnknownTypeOrWithoutCallbackAreRefused)
{
    const HMUSIC music = LoadSyncSong();
    SyncRecorder recorder;
    EXPECT_EQ(BASS_ChannelSetSync(music, BASS_SYNC_MUSICINST, 0, SyncRecorder::Record, &recorder), 0u);
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_ILLTYPE);
    EXPECT_EQ(BASS_ChannelSetSync(music, BASS_SYNC_MUSICFX, 1, nullptr, &recorder), 0u);
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_ILLPARAM);
    const HSYNC sync = BASS_ChannelSetSync(music, BASS_SYNC_END, 0, SyncRecorder::Record, &recorder);
    ASSERT_NE(sync, 0u);
    EXPECT_TRUE(BASS_ChannelRemoveSync(music, sync));
    EXPECT_FALSE(BASS_ChannelRemoveSync(music, sync));
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_HANDLE);
}
