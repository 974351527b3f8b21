// The first module's syncs: the parts in order, the steps inside them, each part long enough for what
// it shows, and the engine's player hearing every value when the timeline says.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <sstream>

#include "audio/BassPlayer.h"
#include "music/Songs.h"
#include "music/Timeline.h"
#include "platform_clock.h"

using namespace datagen;

namespace {

const XmSong& Zenth()
{
    static const XmSong song = ThezenthSong();
    return song;
}

const std::vector<SyncMark>& Marks()
{
    static const std::vector<SyncMark> marks = SyncTimeline(Zenth());
    return marks;
}

double SongSeconds()
{
    int rows = 0;
    for (uint8_t order : Zenth().orders) {
        const XmPattern& pattern = Zenth().patterns[order];
        int played = pattern.rows;
        for (int row = 0; row < pattern.rows && played == pattern.rows; ++row)
            for (int channel = 0; channel < pattern.channels; ++channel)
                if (pattern.At(row, channel).effect == kPatternBreak)
                    played = row + 1;
        rows += played;
    }
    return rows * Zenth().RowSeconds();
}

// The values sent inside each part (besides 16), in order, and when each part starts and ends.
struct PartView {
    double start = 0;
    double end = 0;
    std::vector<SyncMark> steps;
};

std::map<int, PartView> Parts()
{
    std::map<int, PartView> parts;
    int current = 0;
    for (const SyncMark& mark : Marks()) {
        if (mark.value >= 1 && mark.value <= 15) {
            if (current)
                parts[current].end = mark.seconds;
            current = mark.value;
            parts[current].start = mark.seconds;
        } else if (mark.value != 16 && current) {
            parts[current].steps.push_back(mark);
        }
    }
    if (current)
        parts[current].end = SongSeconds();
    return parts;
}

std::vector<int> StepValues(const PartView& part, bool withBeats)
{
    std::vector<int> values;
    for (const SyncMark& mark : part.steps)
        if (withBeats || mark.value != 17)
            values.push_back(mark.value);
    return values;
}

}  // namespace

TEST(ThezenthTimeline, PartNumbersOneToFifteenComeInOrder)
{
    std::vector<int> partNumbers;
    for (const SyncMark& mark : Marks())
        if (mark.value >= 1 && mark.value <= 15)
            partNumbers.push_back(mark.value);
    std::vector<int> expected(15);
    for (int i = 0; i < 15; ++i)
        expected[static_cast<size_t>(i)] = i + 1;
    EXPECT_EQ(partNumbers, expected);
    EXPECT_EQ(Marks().front().value, 1);
    EXPECT_EQ(Marks().front().seconds, 0.0);
}

TEST(ThezenthTimeline, EveryValueIsFollowedByTheRestValueOnTheNextRow)
{
    const double row = Zenth().RowSeconds();
    ASSERT_FALSE(Marks().empty());
    for (size_t i = 0; i < Marks().size(); ++i) {
        const SyncMark& mark = Marks()[i];
        if (mark.value == 16)
            continue;
        ASSERT_LT(i + 1, Marks().size()) << "value " << mark.value << " is the last";
        EXPECT_EQ(Marks()[i + 1].value, 16) << "after " << mark.value << " at " << mark.seconds << " s";
        EXPECT_NEAR(Marks()[i + 1].seconds - mark.seconds, row, 1e-9);
        EXPECT_TRUE(mark.value <= 15 || (mark.value >= 17 && mark.value <= 22)) << mark.value;
    }
    EXPECT_EQ(Marks().back().value, 16);
}

TEST(ThezenthTimeline, StepsInsidePartsComeInTheirOrder)
{
    auto parts = Parts();
    EXPECT_EQ(StepValues(parts[3], true), (std::vector<int>{21, 22, 19, 20}));
    EXPECT_EQ(StepValues(parts[5], false), (std::vector<int>{19, 20, 18}));
    EXPECT_EQ(StepValues(parts[7], true), std::vector<int>{17});
    EXPECT_EQ(StepValues(parts[9], true), (std::vector<int>{18, 19, 20}));
    EXPECT_EQ(StepValues(parts[11], true), (std::vector<int>{19, 20, 21, 22}));
    EXPECT_EQ(StepValues(parts[13], true), std::vector<int>{21});
    for (int quiet : {1, 2, 4, 6, 8, 10, 12, 14})
        EXPECT_TRUE(parts[quiet].steps.empty()) << "part " << quiet;
    // The fire part's single pulse sends the plates away near the part's end.
    ASSERT_EQ(parts[7].steps.size(), 1u);
    EXPECT_GT(parts[7].steps[0].seconds, parts[7].end - 8.0);
}

TEST(ThezenthTimeline, BeatsPulseRegularlyThroughPartsFiveAndFifteen)
{
    auto parts = Parts();
    for (int part : {5, 15}) {
        std::vector<double> beats;
        for (const SyncMark& mark : parts[part].steps)
            if (mark.value == 17)
                beats.push_back(mark.seconds);
        ASSERT_GE(beats.size(), 8u) << "part " << part;
        // The beats start with the part, then keep coming until it ends.
        EXPECT_LT(beats.front() - parts[part].start, 2.0) << "part " << part;
        EXPECT_LT(parts[part].end - beats.back(), 2.0) << "part " << part;
        for (size_t i = 1; i < beats.size(); ++i)
            EXPECT_LE(beats[i] - beats[i - 1], 2.0) << "part " << part << " beat " << i;
    }
    // In part 5 the beats run on before, between and after the steps.
    const auto& steps = parts[5].steps;
    EXPECT_EQ(steps.front().value, 17);
    EXPECT_EQ(steps.back().value, 17);
}

TEST(ThezenthTimeline, PartsLastLongEnoughForWhatTheyShow)
{
    auto parts = Parts();
    EXPECT_GE(parts[2].end - parts[2].start, 12.0);  // the fly-in path arrives after 12 s
    const auto& part3 = parts[3].steps;
    ASSERT_EQ(part3.size(), 4u);
    EXPECT_GE(part3[3].seconds - part3[2].seconds, 17.0);   // the orbit, from 19 to 20
    EXPECT_GE(parts[3].end - part3[3].seconds, 3.0);        // the plasma fades after 20
    EXPECT_GE(parts[11].end - parts[11].start, 30.0);       // the greetings scroll by
    ASSERT_EQ(parts[13].steps.size(), 1u);
    EXPECT_GE(parts[13].steps[0].seconds - parts[13].start, 3.0);  // after the still has faded
    EXPECT_GE(parts[13].end - parts[13].steps[0].seconds, 25.0);   // zoom path, then the hand
    EXPECT_GE(parts[14].end - parts[14].start, 15.0);               // the long morph path
    for (int part = 1; part <= 15; ++part)
        EXPECT_GE(parts[part].end - parts[part].start, 7.0) << "part " << part;
    EXPECT_GE(SongSeconds(), 240.0);
    EXPECT_LE(SongSeconds(), 360.0);
}

TEST(ThezenthTimeline, PrintedTableListsEveryMark)
{
    std::ostringstream printed;
    PrintTimeline(printed);
    const std::string text = printed.str();
    EXPECT_EQ(static_cast<size_t>(std::count(text.begin(), text.end(), '\n')), Marks().size() + 7);  // a title, two lines of notes, the table head
    std::ostringstream lastLine;
    const SyncMark& last = Marks().back();
    lastLine << "| " << last.order << " | " << last.row << " | ";
    EXPECT_NE(text.rfind(lastLine.str()), std::string::npos);
}

// The demo's way: the player on the virtual clock, polled once a frame.
TEST(ThezenthTimeline, ThePlayerSignalsEveryValueWhenTheTimelineSays)
{
    char folder[] = "/tmp/thezenth_test_XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    const std::string path = std::string(folder) + "/thezenth.XM";
    {
        FILE* file = fopen(path.c_str(), "wb");
        ASSERT_NE(file, nullptr);
        const std::vector<uint8_t> bytes = WriteXm(Zenth());
        ASSERT_EQ(fwrite(bytes.data(), 1, bytes.size(), file), bytes.size());
        fclose(file);
    }
    platform::UseVirtualClock(0);
    CBassPlayer player;
    player.Init(nullptr);
    player.Load(path.c_str());
    player.SetLoop(1);
    player.Play();
    constexpr double kFrame = 1.0 / 60;
    std::vector<int> seen;
    std::vector<double> changedAt;
    int last = player.GetEffect();
    EXPECT_EQ(last, 0);
    for (double t = 0; t < SongSeconds() + 2.0; t += kFrame) {
        platform::AdvanceVirtualClock(kFrame);
        const int value = player.GetEffect();
        if (value != last) {
            seen.push_back(value);
            changedAt.push_back(t + kFrame);
        }
        last = value;
    }
    player.Stop();
    player.CleanUp();
    platform::UseSystemClock();
    remove(path.c_str());
    rmdir(folder);

    ASSERT_EQ(seen.size(), Marks().size());
    const double tick = Zenth().RowSeconds() / Zenth().speed;
    for (size_t i = 0; i < seen.size(); ++i) {
        EXPECT_EQ(seen[i], Marks()[i].value) << "sync " << i;
        EXPECT_GE(changedAt[i], Marks()[i].seconds - 1e-6) << "sync " << i;
        EXPECT_LE(changedAt[i], Marks()[i].seconds + kFrame + tick) << "sync " << i;
    }
    EXPECT_EQ(last, 16);
}
