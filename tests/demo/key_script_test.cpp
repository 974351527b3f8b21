// Scripted keys: the script's lines and their errors, and how the keys reach the demo's keyboard word
// on its clock, every press held for at least one frame.
#include <gtest/gtest.h>

#include <dinput.h>

#include "DemoKeys.h"
#include "KeyScript.h"
#include "demo_run.h"

namespace {

TEST(KeyScript, ReadsTimesActionsAndKeyNamesInTimeOrder)
{
    CKeyScript script;
    std::string error;
    ASSERT_TRUE(script.Parse("# open and fire\n"
                             "\n"
                             "2.5 up lshift\r\n"
                             "  1 down LSHIFT\n"
                             "1 down RControl\n"
                             "3 close\n"
                             "0 down F12\n",
                             error))
        << error;
    const std::vector<SKeyEvent>& events = script.Events();
    ASSERT_EQ(events.size(), 5u);
    EXPECT_TRUE(events[4].close);
    EXPECT_DOUBLE_EQ(events[4].seconds, 3.0);
    EXPECT_FALSE(events[3].close);
    EXPECT_EQ(events[0].key, DIK_F12);
    EXPECT_EQ(events[1].key, DIK_LSHIFT);
    EXPECT_EQ(events[2].key, DIK_RCONTROL);  // equal times keep the file's order
    EXPECT_EQ(events[3].key, DIK_LSHIFT);
    EXPECT_FALSE(events[3].down);
    EXPECT_DOUBLE_EQ(events[3].seconds, 2.5);
    for (const char* name : {"ESCAPE", "7", "0", "UP", "DOWN", "SPACE", "F1", "RETURN", "TAB", "NUMPADENTER"})
        EXPECT_NE(KeyCodeByName(name), 0) << name;
    EXPECT_EQ(KeyCodeByName("DIK_SPACE"), 0);
    EXPECT_EQ(KeyCodeByName(""), 0);
}

TEST(KeyScript, AMalformedLineIsNamedByItsNumberAndNothingIsKept)
{
    const char* const kExpected = "line 1: expected \"SECONDS down KEY\", \"SECONDS up KEY\" or \"SECONDS close\"";
    const struct {
        const char* text;
        const char* error;
    } cases[] = {
        {"1 down SPACE\n2 press SPACE\n", "line 2: 'press' is not down, up or close"},
        {"# comment\nsoon down SPACE\n", "line 2: 'soon' is not a time in seconds (a number from 0 up)"},
        {"-1 down SPACE\n", "line 1: '-1' is not a time in seconds (a number from 0 up)"},
        {"nan down SPACE\n", "line 1: 'nan' is not a time in seconds (a number from 0 up)"},
        {"1 down SPACEBAR\n", "line 1: 'SPACEBAR' is not a key name"},
        {"1 down\n", kExpected},
        {"\n\n1 down SPACE now\n", "line 3: expected \"SECONDS down KEY\", \"SECONDS up KEY\" or \"SECONDS close\""},
        {"1 close ESCAPE\n", kExpected},
        {"1 close now\n", kExpected},
        {"1 CLOSE\n", kExpected},
        {"x close\n", "line 1: 'x' is not a time in seconds (a number from 0 up)"},
    };
    for (const auto& c : cases) {
        CKeyScript script;
        std::string error;
        ASSERT_TRUE(script.Parse("0 down F1\n", error));
        EXPECT_FALSE(script.Parse(c.text, error)) << c.text;
        EXPECT_EQ(error, c.error) << c.text;
        EXPECT_EQ(script.Events().size(), 1u) << c.text;
    }
    CKeyScript script;
    std::string error;
    EXPECT_FALSE(script.Load("/nonexistent/keys.txt", error));
    EXPECT_EQ(error, "cannot read the input script /nonexistent/keys.txt");
}

TEST(KeyScript, KeysReachTheDemoOnItsClockAndAPressShorterThanAFrameIsStillSeen)
{
    CKeyScript script;
    std::string error;
    // At 20 frames a second: Space for a hundredth of a second, then the hidden part's combination.
    ASSERT_TRUE(script.Parse("0.5 down SPACE\n0.51 up SPACE\n"
                             "1 down LSHIFT\n1 down RCONTROL\n1 down 7\n1 down 8\n1 down 9\n1 down UP\n1 down DOWN\n"
                             "1.05 up LSHIFT\n1.05 up RCONTROL\n1.05 up 7\n1.05 up 8\n1.05 up 9\n1.05 up UP\n"
                             "1.05 up DOWN\n",
                             error))
        << error;
    const std::string music = WriteSyncModule("key_script", 64, {});
    CDemoRecorder recorder;
    recorder.maxFrames = 30;
    SDemoRunSettings settings;
    settings.fps = 20;
    settings.keyScript = &script;
    RunDemo(music, recorder, settings);
    ASSERT_EQ(recorder.frames.size(), 30u);
    std::vector<uint32_t> keys;
    for (const SFrameRecord& f : recorder.frames)
        keys.push_back(f.state.keyState);
    // Frame k's clock reads k / 20 seconds.
    EXPECT_EQ(keys[9], 0u);
    EXPECT_EQ(keys[10], demo_keys::kSpace);
    EXPECT_EQ(keys[11], 0u);
    EXPECT_EQ(keys[20], demo_keys::kHiddenPartCombination);
    EXPECT_EQ(recorder.frames[20].state.currentPart, 0);
    EXPECT_EQ(recorder.frames[21].state.currentPart, 99);
    EXPECT_EQ(keys[21], 0u);
}

// The close box and Escape from a script: due at the loading picture they act while the rest loads
// (the close box ends the demo before its first frame, Escape after it); due at 0.5 s at 20 frames a
// second, the close box ends it before frame 10, which is not drawn, and Escape after frame 10.
TEST(KeyScript, TheCloseBoxOrEscapeEndsTheDemoAtTheFrameTheyAreDueIn)
{
    const std::string music = WriteSyncModule("key_script_close", 64, {});
    const struct {
        const char* script;
        size_t frames;
    } cases[] = {
        {"0 close\n", 0},
        {"0 down ESCAPE\n", 1},
        {"0.5 close\n", 10},
        {"0.5 down ESCAPE\n", 11},
    };
    for (const auto& c : cases) {
        CKeyScript script;
        std::string error;
        ASSERT_TRUE(script.Parse(c.script, error)) << error;
        CDemoRecorder recorder;
        recorder.maxFrames = 100;
        SDemoRunSettings settings;
        settings.fps = 20;
        settings.keyScript = &script;
        const std::vector<SMessageBox> boxes = RunDemo(music, recorder, settings);
        EXPECT_EQ(recorder.frames.size(), c.frames) << c.script;
        EXPECT_TRUE(recorder.ended) << c.script;
        EXPECT_LE(recorder.registeredAtEnd, 2) << c.script;
        EXPECT_TRUE(boxes.empty()) << c.script;
    }
}

}  // namespace
