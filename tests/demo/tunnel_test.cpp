// The tunnel of tori and its box system: how rings are born and move, what the ring keys may do to the
// radius, and how the music's steps change the look.
#include <dinput.h>
#include <gtest/gtest.h>

#include <set>

#include "DemoKeys.h"
#include "demo_run.h"

namespace {

std::set<int> MarkedSlots(const SDemoTables& tables)
{
    std::set<int> slots;
    for (int i = 2; i < SDemoTables::kTunnelSlots; ++i)
        if (tables.tunnelFlags[i] == 1)
            slots.insert(i);
    return slots;
}

TEST(TunnelPart, ARingIsBornEveryTenFramesAndMovesOneSlotTwoUnitsAFrame)
{
    const std::string music = WriteSyncModule("tunnel", 32, {{0, 9}, {1, 16}});
    CDemoRecorder recorder;
    recorder.maxFrames = 120;
    std::vector<std::set<int>> marked;
    recorder.afterFrame = [&](SDemo& demo, int) {
        marked.push_back(MarkedSlots(demo.tables));
    };
    RunDemo(music, recorder);
    ASSERT_EQ(marked.size(), 120u);
    // After 120 frames none has reached the far end yet. The first ring was marked before the part
    // began; the ones after it come ten frames apart.
    std::set<int> last = marked.back();
    ASSERT_GE(last.size(), 11u);
    last.erase(last.begin());
    int previous = -1;
    for (int slot : last) {
        if (previous >= 0) {
            EXPECT_EQ(slot - previous, 10) << slot;
        }
        previous = slot;
    }
    for (size_t f = 1; f < marked.size(); ++f) {
        std::set<int> moved;
        for (int slot : marked[f - 1])
            if (slot > 2)
                moved.insert(slot - 1);
        std::set<int> now = marked[f];
        now.erase(SDemoTables::kTunnelSlots - 2);  // the ring born this frame
        moved.erase(SDemoTables::kTunnelSlots - 2);  // the ring marked before the first frame drawn
        EXPECT_EQ(now, moved) << f;
    }
}

TEST(TunnelPart, RingKeysGrowShrinkNeverBelowZeroAndReset)
{
    const std::string music = WriteSyncModule("tunnelkeys", 32, {{0, 9}, {1, 16}});
    CDemoRecorder recorder;
    recorder.maxFrames = 160;
    recorder.beforeFrame = [](int frame) {
        if (frame == 10)
            HoldKeys({DIK_8});
        if (frame == 15)
            HoldKeys({DIK_9});
        if (frame == 135)
            HoldKeys({DIK_8});
        if (frame == 140)
            HoldKeys({DIK_8, DIK_9});  // two keys together are no ring key
        if (frame == 145)
            HoldKeys({DIK_0});
        if (frame == 146)
            HoldKeys({});
    };
    RunDemo(music, recorder);
    ASSERT_EQ(recorder.frames.size(), 160u);
    EXPECT_FLOAT_EQ(recorder.frames[9].scratch.tunnel.radius, 1);
    EXPECT_NEAR(recorder.frames[14].scratch.tunnel.radius, 1.05f, 1e-4f);
    for (const SFrameRecord& f : recorder.frames)
        EXPECT_GE(f.scratch.tunnel.radius, 0);
    EXPECT_FLOAT_EQ(recorder.frames[134].scratch.tunnel.radius, 0);
    EXPECT_NEAR(recorder.frames[139].scratch.tunnel.radius, 0.05f, 1e-4f);
    EXPECT_NEAR(recorder.frames[144].scratch.tunnel.radius, 0.05f, 1e-4f);
    EXPECT_FLOAT_EQ(recorder.frames[145].scratch.tunnel.radius, 0);
    EXPECT_FLOAT_EQ(recorder.frames.back().scratch.tunnel.radius, 0);
}

TEST(TunnelPart, ModeKeysAndSteps18To20ChangeHowTheRingsAreDrawn)
{
    const std::string music =
        WriteSyncModule("tunnelsteps", 64, {{0, 9}, {1, 16}, {10, 18}, {11, 16}, {20, 19}, {21, 16}, {30, 20}, {31, 16}});
    CDemoRecorder recorder;
    recorder.maxFrames = 250;
    struct SLook {
        bool dot, wire, flat;
        std::string label;
    };
    std::vector<SLook> looks;
    recorder.beforeFrame = [](int frame) {
        if (frame == 20)
            HoldKeys({DIK_2});
        if (frame == 22)
            HoldKeys({DIK_3});
        if (frame == 24)
            HoldKeys({});
    };
    recorder.afterFrame = [&](SDemo& demo, int) {
        CTorusObject& t = demo.objects.tunnelTorus;
        looks.push_back({t.GetDot(), t.GetWireframe(), t.GetFlatShading(), demo.tables.messageText});
    };
    RunDemo(music, recorder);
    ASSERT_EQ(looks.size(), 250u);
    EXPECT_TRUE(looks[10].dot);
    EXPECT_TRUE(looks[21].wire);
    EXPECT_EQ(looks[21].label, "wire mode");
    EXPECT_TRUE(looks[23].flat);
    EXPECT_FALSE(looks[23].wire);
    EXPECT_EQ(looks[23].label, "flat mode");
    // Rows last 0.12 s: 18 at 1.2 s, 19 at 2.4 s, 20 at 3.6 s (frames 72, 144, 216 at 60 fps).
    const SFrameRecord& after18 = recorder.frames[100];
    EXPECT_EQ(after18.state.subState, 2);
    EXPECT_FLOAT_EQ(after18.scratch.tunnel.radius, 0);
    EXPECT_TRUE(looks[100].wire);
    EXPECT_FALSE(looks[100].dot);
    const SFrameRecord& after19 = recorder.frames[180];
    EXPECT_EQ(after19.state.subState, 3);
    EXPECT_FLOAT_EQ(after19.scratch.tunnel.radius, 5);
    const SFrameRecord& after20 = recorder.frames[245];
    EXPECT_EQ(after20.state.subState, 4);
    EXPECT_FLOAT_EQ(after20.scratch.tunnel.radius, 0);
    EXPECT_TRUE(looks[245].dot);
    EXPECT_FALSE(looks[245].wire);
    // Each step flashes the screen.
    EXPECT_GT(recorder.frames[74].state.flashAlpha, 0.9f);
}

}  // namespace
