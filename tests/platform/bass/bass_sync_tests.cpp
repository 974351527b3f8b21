// Syncs: the module's sync effect, its end and positions, on the virtual clock and on a real output.
#include <SDL.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <thread>

#include "bass_test_support.h"
#include "platform_music.h"

using namespace basstest;

namespace {

const double kTick = 2.5 / 125;  // the test song's tick

std::vector<DWORD> ExpectedValues()
{
    std::vector<DWORD> values;
    for (const xmtest::ExpectedSync& sync : xmtest::SyncTestSongSyncs())
        values.push_back(static_cast<DWORD>(sync.value));
    return values;
}

}  // namespace

TEST_F(VirtualClockTest, SyncEffectValuesArriveInOrderAtTheirRows)
{
    const HMUSIC music = LoadSyncSong();
    SyncRecorder recorder;
    ASSERT_NE(BASS_ChannelSetSync(music, BASS_SYNC_MUSICFX, 1, SyncRecorder::Record, &recorder), 0u);
    ASSERT_TRUE(BASS_MusicPlay(music));
    const double start = ClockSeconds();
    Advance(4.0);

    const auto expected = xmtest::SyncTestSongSyncs();
    ASSERT_EQ(recorder.Data(), ExpectedValues());
    const xmtest::Song song = xmtest::SyncTestSong();
    for (size_t i = 0; i < expected.size(); ++i) {
        const double rowTime = xmtest::RowTime(song, expected[i].songRow);
        const double heard = recorder.calls[i].seconds - start;
        EXPECT_GE(heard, rowTime - 1e-6) << "sync " << i;
        EXPECT_LE(heard, rowTime + kTick) << "sync " << i;
        EXPECT_EQ(recorder.calls[i].channel, music);
    }
}

namespace {

// Eight orders of a 64-row pattern, 0.12 s a row (61.44 s): W01 on row 0, W02 on row 32.
xmtest::Song MinuteSong()
{
    xmtest::Song song;
    xmtest::Pattern pattern(64, 2);
    pattern.At(0, 0) = {xmtest::kNoteC4, 1, 0x50, 0, 0};
    pattern.At(0, 1) = {0, 0, 0, xmtest::kEffectSync, 1};
    pattern.At(32, 1) = {0, 0, 0, xmtest::kEffectSync, 2};
    song.patterns = {pattern};
    song.orders = std::vector<uint8_t>(8, 0);
    return song;
}

}  // namespace

// The decode is paced by the clock's reading since the start, not by summed steps: a minute of frames
// of 1/60 s leaves the last sync as close to its row as the first.
TEST_F(VirtualClockTest, SyncsStayOnTheirRowsForAMinuteOfFrameSteps)
{
    const xmtest::Song song = MinuteSong();
    const HMUSIC music = BASS_MusicLoad(FALSE, WriteSong(song, "minute.xm").c_str(), 0, 0, 0, 0);
    ASSERT_NE(music, 0u);
    SyncRecorder recorder;
    BASS_ChannelSetSync(music, BASS_SYNC_MUSICFX, 1, SyncRecorder::Record, &recorder);
    ASSERT_TRUE(BASS_MusicPlay(music));
    const double start = ClockSeconds();
    const double frame = 1.0 / 60;
    Advance(61.0, frame);
    ASSERT_EQ(recorder.calls.size(), 16u);
    for (size_t i = 0; i < recorder.calls.size(); ++i) {
        const double late = recorder.calls[i].seconds - start - xmtest::RowTime(song, 32 * static_cast<int>(i));
        // Within a frame step, give or take a few samples of rounding.
        EXPECT_GE(late, -1e-4) << "sync " << i;
        EXPECT_LE(late, frame + 1e-4) << "sync " << i;
        EXPECT_EQ(recorder.calls[i].data, i % 2 ? 2u : 1u);
    }
}

TEST_F(VirtualClockTest, SyncWithParamZeroPassesOrderAndRow)
{
    const HMUSIC music = LoadSyncSong();
    SyncRecorder recorder;
    ASSERT_NE(BASS_ChannelSetSync(music, BASS_SYNC_MUSICFX, 0, SyncRecorder::Record, &recorder), 0u);
    ASSERT_TRUE(BASS_ChannelPlay(music, FALSE));
    Advance(4.0);
    std::vector<DWORD> expected;
    for (const xmtest::ExpectedSync& sync : xmtest::SyncTestSongSyncs())
        expected.push_back(static_cast<DWORD>(MAKELONG(sync.order, sync.row)));
    EXPECT_EQ(recorder.Data(), expected);
}

TEST_F(VirtualClockTest, NothingFiresBeforeTheFirstSyncRow)
{
    const HMUSIC music = LoadSyncSong();
    SyncRecorder recorder;
    BASS_ChannelSetSync(music, BASS_SYNC_MUSICFX, 1, SyncRecorder::Record, &recorder);
    BASS_MusicPlay(music);
    Advance(xmtest::RowTime(xmtest::SyncTestSong(), 2) - kTick);
    EXPECT_TRUE(recorder.calls.empty());
    Advance(2 * kTick);
    EXPECT_EQ(recorder.Data(), std::vector<DWORD>{5});
}

TEST_F(VirtualClockTest, ModulePlaysOnceThenEndFiresAndTheChannelStops)
{
    const HMUSIC music = LoadSyncSong();
    SyncRecorder effects, ends;
    BASS_ChannelSetSync(music, BASS_SYNC_MUSICFX, 1, SyncRecorder::Record, &effects);
    BASS_ChannelSetSync(music, BASS_SYNC_END, 0, SyncRecorder::Record, &ends);
    BASS_MusicPlay(music);
    const double start = ClockSeconds();
    Advance(3.5);
    EXPECT_EQ(BASS_ChannelIsActive(music), static_cast<DWORD>(BASS_ACTIVE_PLAYING));
    Advance(5.0);
    ASSERT_EQ(ends.calls.size(), 1u);
    EXPECT_NEAR(ends.calls[0].seconds - start, xmtest::RowTime(xmtest::SyncTestSong(), 32), kTick);
    EXPECT_EQ(effects.Data(), ExpectedValues());  // the song did not start again
    EXPECT_EQ(BASS_ChannelIsActive(music), static_cast<DWORD>(BASS_ACTIVE_STOPPED));
    EXPECT_EQ(BASS_ChannelGetLevel(music), static_cast<DWORD>(-1));
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_NOPLAY);
}

TEST_F(VirtualClockTest, LoopFlagRepeatsTheModuleWithoutEnding)
{
    const HMUSIC music = LoadSyncSong(BASS_MUSIC_LOOP);
    SyncRecorder effects, ends;
    BASS_ChannelSetSync(music, BASS_SYNC_MUSICFX, 1, SyncRecorder::Record, &effects);
    BASS_ChannelSetSync(music, BASS_SYNC_END, 0, SyncRecorder::Record, &ends);
    BASS_MusicPlay(music);
    Advance(7.7);
    std::vector<DWORD> twice = ExpectedValues();
    const std::vector<DWORD> once = ExpectedValues();
    twice.insert(twice.end(), once.begin(), once.end());
    EXPECT_EQ(effects.Data(), twice);
    EXPECT_TRUE(ends.calls.empty());
    EXPECT_EQ(BASS_ChannelIsActive(music), static_cast<DWORD>(BASS_ACTIVE_PLAYING));
}

TEST_F(VirtualClockTest, OneTimeAndRemovedSyncsStopFiring)
{
    const HMUSIC music = LoadSyncSong();
    SyncRecorder once, removed;
    BASS_ChannelSetSync(music, BASS_SYNC_MUSICFX | BASS_SYNC_ONETIME, 1, SyncRecorder::Record, &once);
    const HSYNC sync = BASS_ChannelSetSync(music, BASS_SYNC_MUSICFX, 1, SyncRecorder::Record, &removed);
    BASS_MusicPlay(music);
    Advance(0.9);  // rows 2, 4 and 6
    EXPECT_TRUE(BASS_ChannelRemoveSync(music, sync));
    Advance(3.5);
    EXPECT_EQ(once.Data(), std::vector<DWORD>{5});
    EXPECT_EQ(removed.Data(), (std::vector<DWORD>{5, 5, 3}));
}

TEST_F(VirtualClockTest, StopHaltsTheMusicAndPlayResumesWhereItStopped)
{
    const HMUSIC music = LoadSyncSong();
    SyncRecorder recorder;
    BASS_ChannelSetSync(music, BASS_SYNC_MUSICFX, 1, SyncRecorder::Record, &recorder);
    BASS_MusicPlay(music);
    Advance(0.3);  // past row 2 (0.24 s)
    ASSERT_EQ(recorder.calls.size(), 1u);
    EXPECT_TRUE(BASS_Stop());
    EXPECT_EQ(BASS_ChannelIsActive(music), static_cast<DWORD>(BASS_ACTIVE_STOPPED));
    EXPECT_FALSE(BASS_MusicPlay(music));  // the output is stopped
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_START);
    Advance(2.0);
    EXPECT_EQ(recorder.calls.size(), 1u);
    EXPECT_TRUE(BASS_Start());
    EXPECT_TRUE(BASS_MusicPlay(music));
    // Row 4 is at 0.48 s of the song, 0.18 s after the point where it stopped.
    Advance(0.15);
    EXPECT_EQ(recorder.calls.size(), 1u);
    Advance(0.06);
    EXPECT_EQ(recorder.Data(), (std::vector<DWORD>{5, 5}));
}

TEST_F(VirtualClockTest, PauseKeepsModulesPlayingForStart)
{
    const HMUSIC music = LoadSyncSong();
    BASS_MusicPlay(music);
    Advance(0.1);
    EXPECT_TRUE(BASS_Pause());
    EXPECT_EQ(BASS_ChannelIsActive(music), static_cast<DWORD>(BASS_ACTIVE_PAUSED));
    const QWORD paused = BASS_ChannelGetPosition(music, BASS_POS_BYTE);
    Advance(1.0);
    EXPECT_EQ(BASS_ChannelGetPosition(music, BASS_POS_BYTE), paused);
    EXPECT_TRUE(BASS_Start());
    EXPECT_EQ(BASS_ChannelIsActive(music), static_cast<DWORD>(BASS_ACTIVE_PLAYING));
    Advance(0.1);
    EXPECT_GT(BASS_ChannelGetPosition(music, BASS_POS_BYTE), paused);
}

TEST_F(VirtualClockTest, PlayAfterTheEndStartsFromTheBeginning)
{
    const HMUSIC music = LoadSyncSong();
    SyncRecorder recorder;
    BASS_ChannelSetSync(music, BASS_SYNC_MUSICFX, 1, SyncRecorder::Record, &recorder);
    BASS_MusicPlay(music);
    Advance(4.0);
    ASSERT_EQ(recorder.calls.size(), ExpectedValues().size());
    recorder.calls.clear();
    EXPECT_TRUE(BASS_MusicPlay(music));
    Advance(4.0);
    EXPECT_EQ(recorder.Data(), ExpectedValues());
}

namespace {

// Eight rows of 10 ms each (speed 1 at 250 BPM): W values at rows 1 and 5.
xmtest::Song FastSong()
{
    xmtest::Song song;
    song.speed = 1;
    song.bpm = 250;
    xmtest::Pattern pattern(8, 2);
    pattern.At(0, 0) = {xmtest::kNoteC4, 1, 0x50, 0, 0};
    pattern.At(1, 1) = {0, 0, 0, xmtest::kEffectSync, 0x21};
    pattern.At(5, 1) = {0, 0, 0, xmtest::kEffectSync, 0x42};
    song.patterns = {pattern};
    song.orders = {0};
    return song;
}

// SDL's audio driver set by name for the life of the object.
class AudioDriverSetting {
public:
    explicit AudioDriverSetting(const char* driver)
    {
        const char* previous = getenv("SDL_AUDIODRIVER");
        had_ = previous != nullptr;
        saved_ = previous ? previous : "";
        setenv("SDL_AUDIODRIVER", driver, 1);
    }
    ~AudioDriverSetting()
    {
        if (had_)
            setenv("SDL_AUDIODRIVER", saved_.c_str(), 1);
        else
            unsetenv("SDL_AUDIODRIVER");
    }

private:
    bool had_ = false;
    std::string saved_;
};

// Plays the fast song on the system clock through an audio driver and waits for its end. Without a
// sound card the output is silent and the music follows the clock.
void PlayFastSongInRealTime(SyncRecorder& effects, SyncRecorder& ends, const char* driver)
{
    platform::UseSystemClock();
    AudioDriverSetting setting(driver);
    ASSERT_TRUE(BASS_Init(-1, 44100, 0, nullptr, nullptr)) << BASS_ErrorGetCode();
    EXPECT_TRUE(platform::MusicFollowsClock());
    const std::string path = WriteSong(FastSong(), "fast.xm");
    const HMUSIC music = BASS_MusicLoad(FALSE, path.c_str(), 0, 0, 0, 0);
    ASSERT_NE(music, 0u);
    BASS_ChannelSetSync(music, BASS_SYNC_MUSICFX, 1, SyncRecorder::Record, &effects);
    BASS_ChannelSetSync(music, BASS_SYNC_END, 0, SyncRecorder::Record, &ends);
    ASSERT_TRUE(BASS_MusicPlay(music));
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (BASS_ChannelIsActive(music) == BASS_ACTIVE_PLAYING && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    // The end sync is called when the last buffer is heard, one buffer after it was mixed.
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    BASS_Free();  // also waits for the audio thread, so the recorders are no longer written
}

}  // namespace

TEST(BassRealTime, SyncsFireOnTheOutputWithoutASoundCard)
{
    SyncRecorder effects, ends;
    PlayFastSongInRealTime(effects, ends, "dummy");
    EXPECT_EQ(effects.Data(), (std::vector<DWORD>{0x21, 0x42}));
    EXPECT_EQ(ends.calls.size(), 1u);
}

TEST(BassRealTime, MissingAudioDriverFallsBackToASilentOutput)
{
    SyncRecorder effects, ends;
    PlayFastSongInRealTime(effects, ends, "no_such_driver");
    EXPECT_EQ(effects.Data(), (std::vector<DWORD>{0x21, 0x42}));
    EXPECT_EQ(ends.calls.size(), 1u);
}

// A sync callback may free the library, though it runs on the thread that the library ends in BASS_Free.
TEST(BassRealTime, ASyncThatFreesTheLibraryEndsItsOutput)
{
    platform::UseSystemClock();
    AudioDriverSetting setting("dummy");
    ASSERT_TRUE(BASS_Init(-1, 44100, 0, nullptr, nullptr)) << BASS_ErrorGetCode();
    const HMUSIC music = BASS_MusicLoad(FALSE, WriteSong(FastSong(), "free.xm").c_str(), 0, 0, 0, 0);
    ASSERT_NE(music, 0u);
    std::atomic<bool> freed{false};
    BASS_ChannelSetSync(music, BASS_SYNC_MUSICFX, 1,
                        [](HSYNC, DWORD, DWORD, void* user) {
                            if (BASS_Free())
                                static_cast<std::atomic<bool>*>(user)->store(true);
                        },
                        &freed);
    ASSERT_TRUE(BASS_MusicPlay(music));
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!freed && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    EXPECT_TRUE(freed);
    EXPECT_FALSE(platform::MusicFollowsClock());
    EXPECT_FALSE(BASS_Free());
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_INIT);
    // A fresh library starts a fresh output.
    ASSERT_TRUE(BASS_Init(-1, 44100, 0, nullptr, nullptr));
    EXPECT_TRUE(platform::MusicFollowsClock());
    EXPECT_TRUE(BASS_Free());
}
