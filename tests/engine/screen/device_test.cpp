// The device as the screen makes it, the frame's fixed states, and the recovery of a lost device.
#include <gtest/gtest.h>

#include <algorithm>

#include "d3d8_hooks.h"
#include "objects/Objects.h"
#include "platform_clock.h"
#include "screen_run.h"

namespace {

class CountingObject : public CObjects {
public:
    void Init() override
    {
        PreInit();
        ++inits;
        CObjects::Init();
    }
    void CleanUp() override
    {
        ++cleanUps;
        CObjects::CleanUp();
    }
    int inits = 0;
    int cleanUps = 0;
};

void Frame(bool clear = true)
{
    CScreen::Instance().BeginScene(clear);
    CScreen::Instance().EndScene(true);
}

DWORD RenderState(D3DRENDERSTATETYPE state)
{
    DWORD value = 0xDEADBEEF;
    CScreen::Instance().GetD3DDevice()->GetRenderState(state, &value);
    return value;
}

TEST(ScreenDevice, FrameOpeningSetsTheFixedStatesAndTheAmbientPacking)
{
    DWORD defaultAmbient = 0, whiteAmbient = 0, noAmbient = 0, fogTable = 0, zEnable = 0, lighting = 0;
    DWORD fogStart = 0;
    RunScreen({}, [&] {
        CScreen& screen = CScreen::Instance();
        Frame();
        defaultAmbient = RenderState(D3DRS_AMBIENT);
        fogTable = RenderState(D3DRS_FOGTABLEMODE);
        zEnable = RenderState(D3DRS_ZENABLE);
        lighting = RenderState(D3DRS_LIGHTING);
        fogStart = RenderState(D3DRS_FOGSTART);
        screen.SetAmbientColor({1.0f, 1.0f, 1.0f, 1.0f});
        Frame();
        whiteAmbient = RenderState(D3DRS_AMBIENT);
        screen.SetAmbientLight(0);
        Frame();
        noAmbient = RenderState(D3DRS_AMBIENT);
        screen.SetAmbientLight(1);
        screen.SetAmbientColor({0.5f, 0.5f, 0.5f, 1.0f});
    });
    EXPECT_EQ(defaultAmbient, 0xFF7F7F7Fu);
    EXPECT_EQ(whiteAmbient, 0xFFFFFFFFu);
    EXPECT_EQ(noAmbient, 0u);
    EXPECT_EQ(fogTable, static_cast<DWORD>(D3DFOG_LINEAR));
    EXPECT_EQ(zEnable, static_cast<DWORD>(TRUE));
    EXPECT_EQ(lighting, static_cast<DWORD>(TRUE));
    float start = 0;
    memcpy(&start, &fogStart, sizeof(start));
    EXPECT_EQ(start, 10.0f);
}

TEST(ScreenDevice, BeginSceneClearsWithTheStoredAlphaAndClearForcesItOpaque)
{
    DWORD cleared = 0, forced = 0;
    RunScreen({}, [&] {
        CScreen& screen = CScreen::Instance();
        screen.SetBackgroundColor(0x00336699);
        Frame();
        cleared = FrontPixel(10, 10);
        screen.BeginScene(false);
        screen.Clear();
        screen.EndScene(true);
        forced = FrontPixel(10, 10);
        screen.SetBackgroundColor(0xFF000000);
    });
    EXPECT_EQ(cleared, 0x00336699u);
    EXPECT_EQ(forced, 0xFF336699u);
}

TEST(ScreenDevice, ResetTimeAnswersZeroUntilTheNextFrameAndSetTimeShowsThen)
{
    float afterReset = -1, nextFrame = -1, afterSetTime = -1;
    RunScreen({}, [&] {
        CScreen& screen = CScreen::Instance();
        platform::UseVirtualClock(0.0);
        Frame();
        screen.ResetTime();
        afterReset = screen.GetTickCount();
        platform::AdvanceVirtualClock(0.5);
        Frame();
        nextFrame = screen.GetTickCount();
        screen.SetTime(12.5f);
        Frame();
        afterSetTime = screen.GetTickCount();
        platform::UseSystemClock();
    });
    EXPECT_EQ(afterReset, 0.0f);
    EXPECT_NEAR(nextFrame, 0.5f, 1e-3f);
    EXPECT_NEAR(afterSetTime, 12.5f, 1e-3f);
}

TEST(ScreenDevice, LostDeviceReleasesEachObjectOnceAndRebuildsItAfterTheReset)
{
    CountingObject first, second;
    bool registeredAgain = false;
    RunScreen({true, RES_640x480, false, "Loss"}, [&] {
        first.Init();
        second.Init();
        IDirect3DDevice8* device = CScreen::Instance().GetD3DDevice();
        Frame();
        platform::ForceDeviceLoss(device);
        Frame();  // present fails: both objects released, the reset is not possible yet
        Frame();  // still lost: nothing is released twice
        EXPECT_EQ(first.cleanUps, 1);
        EXPECT_EQ(first.inits, 1);
        platform::RestoreDevice(device);
        Frame();  // the reset succeeds: both are made again
        Frame();
        registeredAgain = true;
        first.CleanUp();
        second.CleanUp();
    });
    EXPECT_TRUE(registeredAgain);
    EXPECT_EQ(first.cleanUps, 2);   // once by the recovery, once by the test
    EXPECT_EQ(first.inits, 2);
    EXPECT_EQ(second.cleanUps, 2);
    EXPECT_EQ(second.inits, 2);
}

TEST(ScreenDevice, AnObjectInitialisedAgainWhileTheDeviceIsLostIsRestoredOnce)
{
    CountingObject object, other;
    int registeredAfter = -1, restored = -1, registeredTwice = -1, registeredAtLoss = -1;
    RunScreen({true, RES_640x480, false, "Loss"}, [&] {
        CScreen& screen = CScreen::Instance();
        object.Init();
        other.Init();
        screen.RenderOnTexture(true);
        IDirect3DDevice8* device = screen.GetD3DDevice();
        const int restoredBefore = screen.GetRestoredObjectCount();
        const int registeredBefore = screen.GetRegisteredObjectCount();
        registeredAtLoss = registeredBefore;
        Frame();
        platform::ForceDeviceLoss(device);
        Frame();  // everything released, the reset not possible yet
        // The application makes the object and the texture pass again while the device is lost.
        object.Init();
        screen.RenderOnTexture(true);
        Frame();  // released again; still lost
        platform::RestoreDevice(device);
        Frame();  // the reset: each made again once
        Frame();
        registeredAfter = screen.GetRegisteredObjectCount() - registeredBefore;
        restored = screen.GetRestoredObjectCount() - restoredBefore;
        std::vector<CObjects*> registered = screen.GetRegisteredObjects();
        registeredTwice = static_cast<int>(std::count(registered.begin(), registered.end(), &object));
        screen.RenderOnTexture(false);
        object.CleanUp();
        other.CleanUp();
    });
    EXPECT_EQ(registeredAfter, 0);
    EXPECT_EQ(registeredTwice, 1);
    EXPECT_EQ(registeredAtLoss, 4);  // the two objects, the screen's font and the texture plane
    EXPECT_EQ(restored, 4);
    EXPECT_EQ(object.inits, 3);  // the test's two and the recovery's one
    EXPECT_EQ(other.inits, 2);
}

TEST(ScreenDevice, WindowedDeviceIsNeverRestored)
{
    CountingObject object;
    RunScreen({}, [&] {
        object.Init();
        IDirect3DDevice8* device = CScreen::Instance().GetD3DDevice();
        platform::ForceDeviceLoss(device);
        Frame();
        Frame();
        platform::RestoreDevice(device);
        object.CleanUp();
    });
    EXPECT_EQ(object.cleanUps, 1);
    EXPECT_EQ(object.inits, 1);
}

}  // namespace
