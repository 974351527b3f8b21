// Cameras: the remote camera's placement and line, the user camera's movement and KeyCamera's keys.
#include <SDL.h>
#include <gtest/gtest.h>

#include "platform_clock.h"
#include "screen_run.h"

namespace {

void Frame()
{
    CScreen::Instance().BeginScene(true);
    CScreen::Instance().EndScene(true);
}

D3DXVECTOR3 Transformed(const D3DXMATRIX& m, const D3DXVECTOR3& v)
{
    D3DXVECTOR3 out;
    D3DXVec3TransformCoord(&out, &v, &m);
    return out;
}

TEST(Camera, RemoteCameraLooksAlongItsDirectionAndWritesItsLine)
{
    CString line;
    D3DXMATRIX view, deviceView;
    bool remoteActive = false;
    RunScreen({}, [&] {
        CScreen& screen = CScreen::Instance();
        screen.SetCamera(0.0f, 0.0f, -10.0f, 0.0f, 0.0f, 1.0f);
        Frame();
        line = screen.GetCameraInfo();
        view = screen.GetViewMatrix();
        screen.GetD3DDevice()->GetTransform(D3DTS_VIEW, &deviceView);
        remoteActive = dynamic_cast<CRemoteCamera*>(&screen.GetCamera()) != nullptr;
    });
    EXPECT_STREQ(line, "Remote Camera position X:0.00 Y:0.00 Z:-10.00 x:0.00 y:0.00 z:1.00");
    EXPECT_TRUE(remoteActive);
    // The eye goes to the origin, a point ahead to +z, scaled by the view's 1 / 1.25.
    const D3DXVECTOR3 eye = Transformed(view, D3DXVECTOR3(0, 0, -10));
    const D3DXVECTOR3 ahead = Transformed(view, D3DXVECTOR3(0, 0, 0));
    EXPECT_NEAR(D3DXVec3Length(&eye), 0.0f, 1e-4f);
    EXPECT_NEAR(ahead.z, 8.0f, 1e-4f);
    EXPECT_NEAR(ahead.x, 0.0f, 1e-4f);
    EXPECT_TRUE(view == deviceView);
}

TEST(Camera, KeyCameraMovesTheUserCameraByStepTimesSpeed)
{
    float z0 = 0, z1 = 0, z2 = 0;
    bool userActive = false;
    RunScreen({}, [&] {
        CScreen& screen = CScreen::Instance();
        platform::UseVirtualClock(0.0);
        Frame();
        screen.KeyCamera();  // takes the time base
        Frame();             // the user camera's first update
        float x, y, dx, dy, dz;
        screen.GetCameraPosition(x, y, z0, dx, dy, dz);

        platform::AdvanceVirtualClock(0.5);
        Frame();
        // The up arrow, held while KeyCamera reads, as the input snapshot would show it.
        SDL_Event key{};
        key.type = SDL_KEYDOWN;
        key.key.keysym.scancode = SDL_SCANCODE_UP;
        key.key.keysym.sym = SDLK_UP;
        key.key.windowID = 0;
        SDL_PushEvent(&key);
        Sleep(50);  // the UI thread pumps it into the snapshot
        screen.KeyCamera();
        key.type = SDL_KEYUP;
        SDL_PushEvent(&key);
        Frame();
        screen.GetCameraPosition(x, y, z1, dx, dy, dz);
        userActive = dynamic_cast<CUserCamera*>(&screen.GetCamera()) != nullptr;
        Sleep(50);
        platform::AdvanceVirtualClock(0.5);
        Frame();
        screen.KeyCamera();  // nothing held: no movement
        Frame();
        screen.GetCameraPosition(x, y, z2, dx, dy, dz);
        platform::UseSystemClock();
    });
    EXPECT_TRUE(userActive);
    EXPECT_NEAR(z1 - z0, 0.46875f, 1e-4f);
    EXPECT_NEAR(z2 - z1, 0.0f, 1e-6f);
}

TEST(Camera, SetCameraRotationWaitsForTheRemoteCameraToBeActive)
{
    CString lineWhileUser, lineAfter;
    RunScreen({}, [&] {
        CScreen& screen = CScreen::Instance();
        screen.SetCamera(0.0f, 0.0f, -10.0f, 0.0f, 0.0f, 1.0f);
        screen.SetMouseCamera(0, 0, 0, 0, 0, 0);
        screen.SetCameraRotation(1.0f, 2.0f, 3.0f, D3DX_PI / 2, 0.0f, 0.0f);
        Frame();
        lineWhileUser = screen.GetCameraInfo();
        D3DXVECTOR3 position(1.0f, 2.0f, 3.0f), direction(1.0f, 0.0f, 0.0f);
        screen.SetCamera(position, direction);
        Frame();
        lineAfter = screen.GetCameraInfo();
    });
    EXPECT_EQ(CString(lineWhileUser).Left(11), CString("User Camera"));
    EXPECT_STREQ(lineAfter, "Remote Camera position X:1.00 Y:2.00 Z:3.00 x:1.00 y:0.00 z:0.00");
}

TEST(Camera, PerFrameProjectionHasNearPlaneZeroAndTheStoredOneIsTheScreens)
{
    D3DXMATRIX frame, stored;
    RunScreen({false, RES_800x600, false, "Projection"}, [&] {
        CScreen& screen = CScreen::Instance();
        screen.SetCamera(0.0f, 0.0f, -10.0f, 0.0f, 0.0f, 1.0f);
        Frame();
        screen.GetD3DDevice()->GetTransform(D3DTS_PROJECTION, &frame);
        stored = screen.GetProjMatrix();
    });
    EXPECT_FLOAT_EQ(frame._11, frame._22);  // aspect 1
    EXPECT_FLOAT_EQ(frame._33, 1.0f);
    EXPECT_FLOAT_EQ(frame._43, 0.0f);
    EXPECT_NEAR(stored._22 / stored._11, 800.0f / 600.0f, 1e-5f);
    EXPECT_NEAR(stored._33, 1.0002f, 1e-4f);
    EXPECT_NEAR(stored._43, -0.10002f, 1e-5f);
}

}  // namespace
