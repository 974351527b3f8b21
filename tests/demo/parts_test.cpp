// Parts 3, 5 and 7 as a viewer and a demo maker see them: what stays hidden until the music's
// steps arrive, what accumulates from frame to frame, and what the fire writes into its textures.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "FireBuffers.h"
#include "demo_run.h"

namespace {

TEST(BannerPart, HeldValue3KeepsTheTrailsHiddenAndWithout19NoLetterboxAndAFixedCamera)
{
    const std::string music = WriteSyncModule("banner", 64, {{0, 3}, {10, 16}, {40, 19}, {41, 16}});
    CDemoRecorder recorder;
    recorder.maxFrames = 330;
    std::vector<D3DXVECTOR3> cameras;
    recorder.afterFrame = [&](SDemo& demo, int) {
        float x, y, z, dx, dy, dz;
        demo.screen.GetCameraPosition(x, y, z, dx, dy, dz);
        cameras.emplace_back(x, y, z);
    };
    RunDemo(music, recorder);
    ASSERT_EQ(recorder.frames.size(), 330u);
    bool orbited = false;
    for (size_t i = 0; i < recorder.frames.size(); ++i) {
        const SFrameRecord& f = recorder.frames[i];
        if (f.state.currentPart != 3)
            continue;
        if (f.state.syncValue == 3) {
            EXPECT_FLOAT_EQ(f.scratch.fadeA, 1);  // trail alphas strength / k - 1 stay below 0
            EXPECT_FLOAT_EQ(f.scratch.fadeB, 1);
        }
        if (f.state.subState != 4) {
            EXPECT_FLOAT_EQ(f.scratch.banner.letterboxAlpha, 0) << i;
            EXPECT_FLOAT_EQ(cameras[i].z, -30) << i;
            EXPECT_FLOAT_EQ(cameras[i].x, 0) << i;
        } else {
            EXPECT_FLOAT_EQ(f.scratch.banner.letterboxAlpha, 1);
            orbited = orbited || cameras[i].x > 1;
        }
    }
    EXPECT_EQ(recorder.frames.back().state.subState, 4);
    EXPECT_TRUE(orbited);
}

TEST(SausagePart, TheVertexDeformationAccumulatesFromFrameToFrame)
{
    const std::string music = WriteSyncModule("sausage", 32, {{0, 5}, {1, 16}});
    CDemoRecorder recorder;
    recorder.maxFrames = 60;
    std::vector<float> firstVertexX;
    unsigned long vertices = 0;
    recorder.afterFrame = [&](SDemo& demo, int) {
        unsigned long count = 0;
        S3DVERTEX* v = demo.objects.sausageMesh.LockVB(count);
        ASSERT_NE(v, nullptr);
        vertices = count;
        firstVertexX.push_back(v[0].x);
        demo.objects.sausageMesh.UnlockVB(false);
    };
    RunDemo(music, recorder);
    ASSERT_GT(vertices, 0u);
    // Vertex 0 moves by 10 cos(phase) / N in x each frame, with the phase the previous frame left:
    // added to where it was, not set from the model's shape.
    const float step = 10.0f / vertices;
    int drawn = 0;
    for (size_t i = 1; i < firstVertexX.size(); ++i) {
        if (recorder.frames[i].state.currentPart != 5 || recorder.frames[i - 1].state.currentPart != 5)
            continue;
        ++drawn;
        const float expected = step * std::cos(recorder.frames[i - 1].scratch.sausage.vertexPhase);
        EXPECT_NEAR(firstVertexX[i] - firstVertexX[i - 1], expected, step * 0.01f) << i;
    }
    EXPECT_GT(drawn, 50);
}

// The first frames of part 7, with and without its sync 17.
struct SFireRun {
    CDemoRecorder recorder;
    std::vector<SPixel> boxBorder, boxInside;
};

void WatchFireBox(SFireRun& run)
{
    run.recorder.afterFrame = [&run](SDemo& demo, int frame) {
        if (frame != 30)
            return;
        int width = 0, height = 0, pitch = 0;
        SPixel* pixels = demo.objects.fireBox.LockTexture(width, height, pitch, 0);
        ASSERT_NE(pixels, nullptr);
        ASSERT_GE(width, 256);
        ASSERT_GE(height, 256);
        const int stride = pitch / 4;
        for (int k = 0; k < 256; k += 17) {
            run.boxBorder.push_back(pixels[k]);
            run.boxBorder.push_back(pixels[k * stride]);
            run.boxBorder.push_back(pixels[255 + k * stride]);
            run.boxBorder.push_back(pixels[k + 255 * stride]);
            run.boxInside.push_back(pixels[(k % 250 + 3) + 128 * stride]);
        }
        demo.objects.fireBox.UnlockTexture(0);
    };
}

TEST(FirePart, TheBoxTextureIsFireInsideAWhiteFrame)
{
    SFireRun run;
    run.recorder.maxFrames = 31;
    WatchFireBox(run);
    RunDemo(WriteSyncModule("fire_texture", 32, {{0, 7}, {1, 16}}), run.recorder);
    ASSERT_FALSE(run.boxBorder.empty());
    for (const SPixel& p : run.boxBorder)
        EXPECT_TRUE(p.red == 255 && p.green == 255 && p.blue == 255 && p.alpha == 255);
    for (const SPixel& p : run.boxInside) {
        EXPECT_EQ(p.blue, 6);
        EXPECT_EQ(p.green, 24);
        EXPECT_EQ(p.alpha, 255);
    }
}

TEST(FirePart, PlatesComeOneAfterAnotherOnlyThroughTheirTurnaroundsAndWithout17TheBoxStays)
{
    CDemoRecorder recorder;
    recorder.maxFrames = 420;
    RunDemo(WriteSyncModule("fire_plates", 128, {{0, 7}, {1, 16}}), recorder, {30, ""});
    std::vector<int> changes;  // frame at which each new step began
    int step = 0;
    for (size_t i = 0; i < recorder.frames.size(); ++i) {
        const SFrameRecord& f = recorder.frames[i];
        if (f.state.currentPart != 7)
            continue;
        EXPECT_FLOAT_EQ(f.scratch.fire.boxOffset, 0);
        EXPECT_FLOAT_EQ(f.scratch.fire.barsAlpha, 0.5f);
        if (f.state.subState != step) {
            EXPECT_EQ(f.state.subState, step + 1) << "frame " << i;
            step = f.state.subState;
            changes.push_back(static_cast<int>(i));
        }
    }
    // Six turnarounds, each after the plate's alpha climbed to 0.4 by dt / 5 a frame (60 frames at 30).
    ASSERT_EQ(changes.size(), 6u);
    for (size_t k = 1; k < changes.size(); ++k)
        EXPECT_NEAR(changes[k] - changes[k - 1], 60, 2);
}

TEST(FirePart, Sync17SendsTheBoxAwayAndFadesTheBars)
{
    CDemoRecorder recorder;
    recorder.maxFrames = 90;
    RunDemo(WriteSyncModule("fire_leave", 32, {{0, 7}, {1, 16}, {5, 17}, {6, 16}}), recorder);
    const SFrameRecord& last = recorder.frames.back();
    EXPECT_EQ(last.state.subState, 8);
    EXPECT_GT(last.scratch.fire.boxOffset, 0.5f);
    EXPECT_LT(last.scratch.fire.barsAlpha, 0.5f);
}

SDemoTables FireTables()
{
    srand(1);
    SDemoTables tables;
    BuildFireTables(tables);
    return tables;
}

TEST(FireBuffers, SpherePointsLandingOutsideTheBufferAreSkipped)
{
    SDemoTables tables = FireTables();
    SFireValues far;
    far.driftX = 400;  // every row beyond the buffer
    PlotSpherePoints(tables, far);
    for (int value : tables.fireBuffer1)
        ASSERT_EQ(value, 0);
    SFireValues near;
    near.driftX = -200;
    near.driftY = -130;  // rows and columns from about -155 to 0: only a corner lands inside
    PlotSpherePoints(tables, near);
    int inside = 0;
    for (int value : tables.fireBuffer1)
        inside += value != 0;
    EXPECT_GT(inside, 0);
    EXPECT_LT(inside, 60);
    SFireValues centred;
    SDemoTables fresh = FireTables();
    PlotSpherePoints(fresh, centred);
    int plotted = 0;
    for (int value : fresh.fireBuffer1)
        plotted += value != 0;
    EXPECT_GT(plotted, 300);
}

TEST(FireBuffers, TheFilterBurnsUpwardsAndCoolsEveryCell)
{
    SDemoTables tables = FireTables();
    std::vector<int>& b = tables.fireBuffer1;
    auto at = [&b](int r, int c) -> int& { return b[static_cast<size_t>(r) * 256 + c]; };
    at(255, 10) = 200;
    at(100, 0) = 300;  // above 255: cleared
    int visited = 0;
    FilterFire(b, [&visited](int, int, int) { ++visited; });
    EXPECT_EQ(visited, 255 * 256);
    EXPECT_EQ(at(254, 10), 200 / 5);
    EXPECT_EQ(at(255, 10), 199);
    EXPECT_EQ(at(254, 11), 199 / 5);  // the left neighbour counts, already cooled
    EXPECT_EQ(at(99, 0), (2 * 300) >> 2);
    EXPECT_EQ(at(100, 0), 0);
    EXPECT_EQ(FireCell(b, 256, 0), 0);
    EXPECT_EQ(FireCell(b, 0, -1), 0);
}

TEST(FireBuffers, TheFuelFeedsTheLastRowOfBothBuffersAlike)
{
    SDemoTables tables = FireTables();
    AddFireFuel(tables);
    int fed = 0;
    for (int c = 0; c < 256; ++c) {
        const int v = FireCell(tables.fireBuffer1, 255, c);
        EXPECT_EQ(v, FireCell(tables.fireBuffer2, 255, c));
        EXPECT_GE(v, 0);
        EXPECT_LT(v, 255);
        fed += v != 0;
        EXPECT_EQ(FireCell(tables.fireBuffer1, 254, c), 0);
    }
    EXPECT_GT(fed, 80);
    EXPECT_LT(fed, 176);
}

}  // namespace
