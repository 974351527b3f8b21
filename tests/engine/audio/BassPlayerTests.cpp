// The music player on the virtual clock: the sync values the demo polls, and the error boxes.
#include <gtest/gtest.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "../../platform/bass/xm_writer.h"
#include "audio/BassPlayer.h"
#include "platform_clock.h"
#include "platform_hooks.h"

namespace {

struct Box {
    HWND owner;
    std::string text;
    std::string caption;
    UINT type;
};

class TestPlayer : public CBassPlayer {
public:
    HMUSIC Handle() const { return m_hMusic; }
    using CBassPlayer::DisplayError;
};

std::string TempFile(const std::string& leaf)
{
    static const std::string folder = [] {
        char pattern[] = "/tmp/bassplayer_tests_XXXXXX";
        const char* made = mkdtemp(pattern);
        return std::string(made ? made : "/tmp");
    }();
    return folder + "/" + leaf;
}

class BassPlayerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::UseVirtualClock(0);
        platform::SetMessageBoxHandler([this](HWND owner, const std::string& text, const std::string& caption,
                                              UINT type) {
            boxes.push_back({owner, text, caption, type});
            return IDOK;
        });
        songPath = TempFile("tune.xm");
        ASSERT_TRUE(xmtest::SaveFile(songPath, xmtest::WriteXm(xmtest::SyncTestSong())));
    }
    void TearDown() override
    {
        BASS_Free();  // whatever a test left initialised
        platform::SetMessageBoxHandler(nullptr);
        platform::UseSystemClock();
    }
    // Steps the clock frame by frame, polling the player as the demo does; returns each new value seen.
    std::vector<int> PollFrames(CBassPlayer& player, double seconds, std::vector<double>* changedAt = nullptr)
    {
        std::vector<int> seen;
        int last = player.GetEffect();
        for (double t = 0; t < seconds; t += kFrame) {
            platform::AdvanceVirtualClock(kFrame);
            const int value = player.GetEffect();
            if (value != last) {
                seen.push_back(value);
                if (changedAt)
                    changedAt->push_back(t + kFrame);
            }
            last = value;
        }
        return seen;
    }
    void StartSong(TestPlayer& player)
    {
        player.Init(nullptr);
        player.Load(songPath.c_str());
        player.SetLoop(1);
        player.Play();
    }

    static constexpr double kFrame = 1.0 / 60;
    std::vector<Box> boxes;
    std::string songPath;
};

TEST_F(BassPlayerTest, PolledValuesFollowTheSyncEffectsAtTheirRows)
{
    TestPlayer player;
    StartSong(player);
    EXPECT_EQ(player.GetEffect(), 0);  // before the first sync row
    std::vector<double> changedAt;
    const std::vector<int> seen = PollFrames(player, 4.0, &changedAt);
    // The repeated 5 leaves the value unchanged; 0 sets it back to 0.
    EXPECT_EQ(seen, (std::vector<int>{5, 3, 0, 16, 255, 12, 7}));
    const std::vector<int> changingRows = {2, 6, 8, 11, 16, 21, 25};
    ASSERT_EQ(changedAt.size(), changingRows.size());
    const xmtest::Song song = xmtest::SyncTestSong();
    for (size_t i = 0; i < changingRows.size(); ++i)
        EXPECT_NEAR(changedAt[i], xmtest::RowTime(song, changingRows[i]), 2.5 / 125 + kFrame) << i;
    EXPECT_TRUE(boxes.empty());
}

TEST_F(BassPlayerTest, SetLoopDoesNotRepeatAndTheLastValueStays)
{
    TestPlayer player;
    StartSong(player);
    PollFrames(player, 4.5);
    EXPECT_EQ(BASS_ChannelIsActive(player.Handle()), static_cast<DWORD>(BASS_ACTIVE_STOPPED));
    EXPECT_TRUE(PollFrames(player, 4.0).empty());
    EXPECT_EQ(player.GetEffect(), 7);
}

TEST_F(BassPlayerTest, VolumeAndPositionOfThePlayingModule)
{
    TestPlayer player;
    StartSong(player);
    PollFrames(player, 2.0);  // order 1 starts at 1.92 s
    int left = 0, right = 0, order = -1, row = -1;
    player.GetVolume(left, right);
    EXPECT_GT(left, 1000);
    EXPECT_GT(right, 1000);
    EXPECT_LE(left, 32768);
    player.GetPosition(order, row);
    EXPECT_EQ(order, 1);
    EXPECT_EQ(row, 0);
}

TEST_F(BassPlayerTest, MissingFileShowsFileOpenAndTheDemoGoesOnSilently)
{
    TestPlayer player;
    player.Init(nullptr);
    player.Load("Data\\no_such_tune.XM");
    player.SetLoop(1);
    player.Play();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "BASS_ERROR_FILEOPEN");
    EXPECT_EQ(boxes[0].caption, "BASS Error");
    EXPECT_EQ(boxes[0].type, static_cast<UINT>(MB_OK));
    EXPECT_EQ(boxes[0].owner, nullptr);
    EXPECT_EQ(player.Handle(), 0u);
    EXPECT_TRUE(PollFrames(player, 1.0).empty());
    EXPECT_EQ(player.GetEffect(), 0);
    // Nothing is playing: silence, not the library's error value split in two.
    int left = -1, right = -1, order = -1, row = -1;
    player.GetVolume(left, right);
    player.GetPosition(order, row);
    EXPECT_EQ(left, 0);
    EXPECT_EQ(right, 0);
    EXPECT_EQ(order, 0);
    EXPECT_EQ(row, 0);
    EXPECT_EQ(boxes.size(), 1u);  // the later calls fail quietly
}

TEST_F(BassPlayerTest, LibraryErrorsAreShownByName)
{
    TestPlayer player;
    player.Load(songPath.c_str());  // before Init
    player.Init(nullptr);
    player.Init(nullptr);           // twice
    const std::string garbage = TempFile("garbage.xm");
    ASSERT_TRUE(xmtest::SaveFile(garbage, std::vector<uint8_t>(3000, 0x5A)));
    player.Load(garbage.c_str());
    BASS_ChannelPlay(0, FALSE);     // BASS_ERROR_HANDLE has no name of its own
    player.DisplayError();
    std::vector<std::string> texts;
    for (const Box& box : boxes) {
        texts.push_back(box.text);
        EXPECT_EQ(box.caption, "BASS Error");
    }
    EXPECT_EQ(texts, (std::vector<std::string>{"BASS_ERROR_INIT", "BASS_ERROR_ALREADY", "BASS_ERROR_FORMAT", ""}));
}

TEST_F(BassPlayerTest, SwitchingToASecondPlayerAsTheHiddenPartDoes)
{
    TestPlayer music;
    StartSong(music);
    PollFrames(music, 0.8);  // rows 2, 4 and 6 (0.72 s) passed: value 3
    ASSERT_EQ(music.GetEffect(), 3);
    music.Stop();
    music.CleanUp();

    TestPlayer hidden;
    StartSong(hidden);
    EXPECT_EQ(PollFrames(hidden, 0.3), std::vector<int>{5});  // the second tune from its start
    EXPECT_EQ(music.GetEffect(), 3);                          // the first one is silent for good
    EXPECT_TRUE(boxes.empty());
}

}  // namespace
