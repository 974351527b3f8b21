// What a CBaseObject draw leaves on the device: states, material, transforms, and its draw calls.
#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>

#include "d3d8_hooks.h"
#include "object_test_support.h"

namespace {

void ExpectColor(const D3DCOLORVALUE& c, float r, float g, float b, float a)
{
    EXPECT_FLOAT_EQ(c.r, r);
    EXPECT_FLOAT_EQ(c.g, g);
    EXPECT_FLOAT_EQ(c.b, b);
    EXPECT_FLOAT_EQ(c.a, a);
}

TEST(BaseObjectRender, DefaultObjectDrawsGreyLitSolidCulledAndBlended)
{
    const std::vector<std::pair<D3DRENDERSTATETYPE, DWORD>> expected = {
        {D3DRS_FILLMODE, D3DFILL_SOLID},       {D3DRS_SHADEMODE, D3DSHADE_GOURAUD},
        {D3DRS_LIGHTING, TRUE},                {D3DRS_CULLMODE, D3DCULL_CCW},
        {D3DRS_ALPHABLENDENABLE, TRUE},        {D3DRS_SRCBLEND, D3DBLEND_SRCALPHA},
        {D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA}, {D3DRS_ALPHATESTENABLE, TRUE},
        {D3DRS_ALPHAREF, 8},                   {D3DRS_ALPHAFUNC, D3DCMP_GREATEREQUAL},
        {D3DRS_SPECULARENABLE, FALSE}};
    std::vector<DWORD> states;
    D3DMATERIAL8 material{};
    DWORD colorOp = 0, alphaArg1 = 0, shader = 0;
    RunScreen({}, [&] {
        std::unique_ptr<CTestMesh> mesh(NewStrip(2));
        mesh->Init();
        CScreen::Instance().BeginScene();
        // Other values first, so that only the draw can have set what is read back.
        for (const auto& [state, value] : expected)
            Device()->SetRenderState(state, value + 1);
        mesh->Render();
        for (const auto& entry : expected)
            states.push_back(RenderState(entry.first));
        Device()->GetMaterial(&material);
        colorOp = StageState(D3DTSS_COLOROP);
        alphaArg1 = StageState(D3DTSS_ALPHAARG1);
        Device()->GetVertexShader(&shader);
        CScreen::Instance().EndScene();
        mesh->CleanUp();
    });
    ASSERT_EQ(states.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(states[i], expected[i].second) << "render state " << expected[i].first;
    for (const D3DCOLORVALUE* c : {&material.Diffuse, &material.Ambient, &material.Specular, &material.Emissive})
        ExpectColor(*c, 0.5f, 0.5f, 0.5f, 1.0f);
    EXPECT_FLOAT_EQ(material.Power, 0.5f);
    EXPECT_EQ(colorOp, static_cast<DWORD>(D3DTOP_MODULATE));
    EXPECT_EQ(alphaArg1, static_cast<DWORD>(D3DTA_TEXTURE));
    EXPECT_EQ(shader, 0x152u);
}

TEST(BaseObjectRender, SwitchesReachTheDeviceAndDotWinsOverWireframe)
{
    DWORD dotAndWire = 0, wireOnly = 0, cull = 0, shade = 0, lighting = 0, specular = 0;
    RunScreen({}, [&] {
        std::unique_ptr<CTestMesh> mesh(NewStrip(1));
        mesh->Init();
        CScreen::Instance().BeginScene();
        mesh->SetDot(true);
        mesh->SetWireframe(true);
        mesh->Render();
        dotAndWire = RenderState(D3DRS_FILLMODE);
        mesh->SetDot(false);
        mesh->EnableCulling(false);
        mesh->SetFlatShading(true);
        mesh->SetLighting(false);
        mesh->EnableSpecular(true);
        mesh->Render();
        wireOnly = RenderState(D3DRS_FILLMODE);
        cull = RenderState(D3DRS_CULLMODE);
        shade = RenderState(D3DRS_SHADEMODE);
        lighting = RenderState(D3DRS_LIGHTING);
        specular = RenderState(D3DRS_SPECULARENABLE);
        CScreen::Instance().EndScene();
        mesh->CleanUp();
    });
    EXPECT_EQ(dotAndWire, static_cast<DWORD>(D3DFILL_POINT));
    EXPECT_EQ(wireOnly, static_cast<DWORD>(D3DFILL_WIREFRAME));
    EXPECT_EQ(cull, static_cast<DWORD>(D3DCULL_NONE));
    EXPECT_EQ(shade, static_cast<DWORD>(D3DSHADE_FLAT));
    EXPECT_EQ(lighting, static_cast<DWORD>(FALSE));
    EXPECT_EQ(specular, static_cast<DWORD>(TRUE));
}

TEST(BaseObjectRender, EachRangeIsOneDrawWithItsOwnMaterial)
{
    int twoRanges = 0, badRanges = 0, fast = 0;
    D3DMATERIAL8 last{};
    RunScreen({}, [&] {
        std::unique_ptr<CTestMesh> mesh(NewStrip(10));
        mesh->SetNumberMaterials(2);
        mesh->SetMaterialIndex(0, 4);
        mesh->SetColor({1, 0, 0, 1}, 0);
        mesh->SetColor({0, 1, 0, 1}, 1);
        mesh->Init();
        IDirect3DDevice8* device = Device();
        CScreen::Instance().BeginScene();
        int before = platform::DrawCallCount(device);
        mesh->Render();
        twoRanges = platform::DrawCallCount(device) - before;
        device->GetMaterial(&last);

        // An end past the face count is held to it, and a range ending before its start is empty.
        mesh->SetMaterialIndex(0, 40);
        before = platform::DrawCallCount(device);
        mesh->Render();
        badRanges = platform::DrawCallCount(device) - before;

        before = platform::DrawCallCount(device);
        mesh->FastRender();
        fast = platform::DrawCallCount(device) - before;
        CScreen::Instance().EndScene();
        mesh->CleanUp();
    });
    EXPECT_EQ(twoRanges, 2);
    ExpectColor(last.Diffuse, 0, 1, 0, 1);
    EXPECT_EQ(badRanges, 1);
    EXPECT_EQ(fast, 1);
}

TEST(BaseObjectRender, ProjectionModesSetTheirMatricesAndRestoreTheView)
{
    bool screenProj = false, screenView = false, unitProj = false, unitView = false;
    bool perspectiveProj = false, perspectiveView = false, pixelMatrix = false;
    RunScreen({}, [&] {
        CScreen& screen = CScreen::Instance();
        std::unique_ptr<CTestMesh> mesh(NewStrip(1));
        mesh->Init();
        screen.SetCamera(0, 0, -10, 0, 0, 1);
        screen.BeginScene();
        const D3DXMATRIX cameraView = screen.GetViewMatrix();
        D3DXMATRIX pixel, unit;
        D3DXMatrixOrthoLH(&pixel, 640, 480, 0, 100);
        D3DXMatrixOrthoLH(&unit, 1, 1, 0, 100);

        mesh->SetProjectionMode(CBaseObject::PM_SCREEN);
        mesh->Render();
        screenProj = SameMatrix(Transform(D3DTS_PROJECTION), pixel);
        screenView = SameMatrix(Transform(D3DTS_VIEW), cameraView);
        pixelMatrix = !SameMatrix(pixel, unit);

        mesh->SetProjectionMode(CBaseObject::PM_UNIT);
        mesh->Render();
        unitProj = SameMatrix(Transform(D3DTS_PROJECTION), unit);
        unitView = SameMatrix(Transform(D3DTS_VIEW), cameraView);

        Device()->SetTransform(D3DTS_VIEW, &unit);
        mesh->SetProjectionMode(CBaseObject::PM_PERSPECTIVE);
        mesh->Render();
        perspectiveProj = SameMatrix(Transform(D3DTS_PROJECTION), screen.GetProjMatrix());
        perspectiveView = SameMatrix(Transform(D3DTS_VIEW), cameraView);
        screen.EndScene();
        mesh->CleanUp();
    });
    EXPECT_TRUE(pixelMatrix);
    EXPECT_TRUE(screenProj);
    EXPECT_TRUE(screenView);
    EXPECT_TRUE(unitProj);
    EXPECT_TRUE(unitView);
    EXPECT_TRUE(perspectiveProj);
    EXPECT_TRUE(perspectiveView);
}

TEST(BaseObjectRender, OwnFieldOfViewIsReplacedAtInitButStaysTheObjectsOwn)
{
    bool quarterPi = false, narrow = false, notScreens = false;
    RunScreen({}, [&] {
        std::unique_ptr<CTestMesh> mesh(NewStrip(1));
        mesh->SetFieldOfView(1.2f);
        mesh->Init();
        D3DXMATRIX expected;
        D3DXMatrixPerspectiveFovLH(&expected, D3DX_PI / 4, 1.0f, 0.1f, 1000.0f);
        CScreen::Instance().BeginScene();
        mesh->Render();
        quarterPi = SameMatrix(Transform(D3DTS_PROJECTION), expected);
        notScreens = !SameMatrix(Transform(D3DTS_PROJECTION), CScreen::Instance().GetProjMatrix());
        mesh->SetFieldOfView(0.5f);
        mesh->Render();
        D3DXMatrixPerspectiveFovLH(&expected, 0.5f, 1.0f, 0.1f, 1000.0f);
        narrow = SameMatrix(Transform(D3DTS_PROJECTION), expected);
        CScreen::Instance().EndScene();
        mesh->CleanUp();
    });
    EXPECT_TRUE(quarterPi);
    EXPECT_TRUE(notScreens);
    EXPECT_TRUE(narrow);
}

TEST(BaseObjectRender, WorldMatrixAppliesPivotRotationFrameThenPosition)
{
    D3DXVECTOR3 placed, framed;
    D3DXVECTOR3 reported;
    RunScreen({}, [&] {
        std::unique_ptr<CTestMesh> mesh(NewStrip(1));
        mesh->Init();
        CScreen::Instance().BeginScene();
        mesh->SetPivot(1, 0, 0);
        mesh->SetRotation(D3DX_PI / 2, 0, 0);  // yaw a quarter turn: +x goes to -z
        mesh->SetPosition(0, 5, 0);
        mesh->Render();
        const D3DXVECTOR3 origin(0, 0, 0);
        D3DXMATRIX world = Transform(D3DTS_WORLD);
        D3DXVec3TransformCoord(&placed, &origin, &world);
        // An orientation frame looking along +x turns the object's +z onto +x.
        mesh->SetRotation(0, 0, 0);
        mesh->SetPivot(0, 0, 1);
        mesh->SetDirection(D3DXVECTOR3(0, 0, 0), D3DXVECTOR3(1, 0, 0));
        mesh->FastRender();
        world = Transform(D3DTS_WORLD);
        D3DXVec3TransformCoord(&framed, &origin, &world);
        mesh->SetDirection(D3DXVECTOR3(2, 0, 0), D3DXVECTOR3(1, 0, 0));
        reported = mesh->GetPosition();
        CScreen::Instance().EndScene();
        mesh->CleanUp();
    });
    EXPECT_NEAR(placed.x, 0, 1e-5f);
    EXPECT_NEAR(placed.y, 5, 1e-5f);
    EXPECT_NEAR(placed.z, -1, 1e-5f);
    EXPECT_NEAR(framed.x, 1, 1e-5f);
    EXPECT_NEAR(framed.y, 5, 1e-5f);
    EXPECT_NEAR(framed.z, 0, 1e-5f);
    EXPECT_FLOAT_EQ(reported.x, 2);
    EXPECT_FLOAT_EQ(reported.y, 5);
}

}  // namespace
