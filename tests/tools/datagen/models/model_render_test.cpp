// The models drawn by the engine where and as the demo's parts draw them (position, rotation, camera,
// own field of view, wireframe): each shows at a size that suits its part and stays on the screen.
// With DATAGEN_RENDER_DIR set, every picture is also saved there as a PNG, for looking at them.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "core/Image.h"
#include "meshes/XMeshObject.h"
#include "model_test_support.h"

namespace {

// One presented frame, read back in one go.
struct Picture {
    int width = 0, height = 0;
    std::vector<DWORD> pixels;

    bool Lit(int x, int y) const
    {
        const DWORD p = pixels[static_cast<size_t>(y) * width + x];
        return ((p >> 16) & 0xFF) > 8 || ((p >> 8) & 0xFF) > 8 || (p & 0xFF) > 8;
    }
    double Coverage() const
    {
        size_t lit = 0;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                lit += Lit(x, y);
        return double(lit) / (double(width) * height);
    }
    bool TouchesEdge() const
    {
        for (int x = 0; x < width; ++x)
            if (Lit(x, 0) || Lit(x, height - 1))
                return true;
        for (int y = 0; y < height; ++y)
            if (Lit(0, y) || Lit(width - 1, y))
                return true;
        return false;
    }
    // The height of the band of rows that hold lit pixels, as a share of the screen's height.
    double LitHeight() const
    {
        int top = height, bottom = -1;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                if (Lit(x, y)) {
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                }
        return bottom < top ? 0 : double(bottom - top + 1) / height;
    }
};

Picture CaptureFrontBuffer()
{
    IDirect3DDevice8* device = Device();
    IDirect3DSurface8* backBuffer = nullptr;
    D3DSURFACE_DESC desc{};
    device->GetBackBuffer(0, D3DBACKBUFFER_TYPE_MONO, &backBuffer);
    backBuffer->GetDesc(&desc);
    backBuffer->Release();
    IDirect3DSurface8* surface = nullptr;
    device->CreateImageSurface(desc.Width, desc.Height, D3DFMT_A8R8G8B8, &surface);
    device->GetFrontBuffer(surface);
    D3DLOCKED_RECT locked{};
    surface->LockRect(&locked, nullptr, D3DLOCK_READONLY);
    Picture picture;
    picture.width = static_cast<int>(desc.Width);
    picture.height = static_cast<int>(desc.Height);
    for (int y = 0; y < picture.height; ++y) {
        const DWORD* row = reinterpret_cast<const DWORD*>(static_cast<const BYTE*>(locked.pBits) + y * locked.Pitch);
        picture.pixels.insert(picture.pixels.end(), row, row + picture.width);
    }
    surface->UnlockRect();
    surface->Release();
    return picture;
}

void SaveWhenAsked(const Picture& picture, const std::string& name)
{
    const char* folder = std::getenv("DATAGEN_RENDER_DIR");
    if (!folder)
        return;
    datagen::Image image(picture.width, picture.height);
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x) {
            const DWORD p = picture.pixels[static_cast<size_t>(y) * picture.width + x];
            image.At(x, y) = {uint8_t(p >> 16), uint8_t(p >> 8), uint8_t(p), 255};
        }
    const std::vector<uint8_t> png = datagen::EncodePng(image);
    std::ofstream(std::string(folder) + "/" + name + ".png", std::ios::binary)
        .write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
}

struct Placement {
    D3DXVECTOR3 camera{0, 0, -7}, look{0, 0, 1};
    D3DXVECTOR3 position, rotation;
    float fieldOfView = 0;  // 0: the screen's own
    float size = 0;         // 0: as built
    bool wireframe = false;
};

// Draws the model alone on black, without fog, and reads the picture back.
template <class TMesh = CLWMeshObject>
Picture Draw(const std::string& file, const Placement& place)
{
    Picture picture;
    RunScreen({}, [&] {
        CScreen& screen = CScreen::Instance();
        screen.EnableFog(false);
        screen.SetAmbientLight(1);
        screen.SetBackgroundColor(0xFF000000);
        screen.SetCamera(place.camera.x, place.camera.y, place.camera.z, place.look.x, place.look.y, place.look.z);
        TMesh mesh;
        mesh.SetFilename(model_test::Generated().EngineName(file).c_str());
        mesh.SetWireframe(place.wireframe);
        mesh.Init();
        if (place.size > 0)
            mesh.SetSize(place.size);
        if (place.fieldOfView != 0)
            mesh.SetFieldOfView(place.fieldOfView);
        mesh.SetPosition(place.position.x, place.position.y, place.position.z);
        mesh.SetRotation(place.rotation.x, place.rotation.y, place.rotation.z);
        screen.BeginScene();
        mesh.Render();
        screen.EndScene();
        picture = CaptureFrontBuffer();
        mesh.CleanUp();
    });
    SaveWhenAsked(picture, file.substr(0, file.find('.')) + "_" + std::to_string(int(place.position.z * 10)));
    return picture;
}

TEST(ModelRender, TheCubeSitsBehindTheTitleAndFillsTheMiddleAtTheEndOfItsFlight)
{
    Placement title;
    title.position = {0, 0, 15};
    title.rotation = {0.6f, 0.7f, 0};
    const Picture far = Draw("uvcube.lwo", title);
    EXPECT_GT(far.Coverage(), 0.01);
    EXPECT_LT(far.Coverage(), 0.1);
    Placement arrived;
    arrived.position = {0, 0, -0.1f};
    const Picture near = Draw("uvcube.lwo", arrived);
    EXPECT_GT(near.Coverage(), 0.1);
    EXPECT_FALSE(near.TouchesEdge());
}

TEST(ModelRender, EveryMorphStageStaysWhollyOnScreenAtTheNearEndOfItsPath)
{
    for (const char* file : {"uvcube_1-2.lwo", "uvcube_2-3.lwo", "uvcube_3-4.lwo", "uvcube_4-5.lwo", "uvcube_5-6.lwo",
                             "uvcube_6-1.lwo"}) {
        SCOPED_TRACE(file);
        Placement near;
        near.position = {0, 0, -0.1f};
        near.rotation = {0.7f, 0.5f, 0.3f};
        const Picture picture = Draw(file, near);
        EXPECT_GT(picture.Coverage(), 0.12);
        EXPECT_FALSE(picture.TouchesEdge());
    }
}

TEST(ModelRender, TheEmblemTrailIsLargeAtThirtyUnitsButStaysInside)
{
    Placement trail;
    trail.camera = {0, 0, -30};
    trail.position = {-8, 2, 4};
    trail.rotation = {0.4f, 0.3f, 0.25f};
    const Picture picture = Draw("ravelle.lwo", trail);
    EXPECT_GT(picture.Coverage(), 0.01);
    EXPECT_FALSE(picture.TouchesEdge());
}

TEST(ModelRender, AWheelIsSmallEnoughForTwentyInARow)
{
    Placement wheel;
    wheel.camera = {0, 0, -5};
    wheel.position = {5, 5, 25};
    wheel.rotation = {0, 0.3f, 1.5f};
    const Picture picture = Draw("roue.lwo", wheel);
    EXPECT_GT(picture.Coverage(), 0.003);
    EXPECT_LT(picture.Coverage(), 0.03);
}

TEST(ModelRender, TheStarFillsTheScreenThroughItsNarrowLens)
{
    Placement star;
    star.camera = {0, 0, -5};
    star.position = {0.5f, 0.8f, 20};
    star.rotation = {1, 2, 3};
    star.fieldOfView = 0.1309f;
    EXPECT_GT(Draw("rtoile.lwo", star).Coverage(), 0.3);
}

TEST(ModelRender, TheWireHandIsFramedByItsLens)
{
    Placement hand;
    hand.camera = {0, 0, -5};
    hand.look = {0, -0.200713f, 1};
    hand.position = {0.16f, -1.2f, 0.6f};
    hand.rotation = {4.18879f, -0.453786f, -0.200713f};
    hand.fieldOfView = 0.1543f;
    hand.size = 1;
    hand.wireframe = true;
    const Picture picture = Draw("hand.lwo", hand);
    EXPECT_GT(picture.Coverage(), 0.02);
    EXPECT_GT(picture.LitHeight(), 0.4);
}

TEST(ModelRender, TheSausageFitsTheNarrowedLensOfItsPart)
{
    Placement sausage;
    sausage.camera = {0, 0, 5};
    sausage.look = {0, 0, -1};
    sausage.position = {0.3f, 0.2f, -5};
    sausage.rotation = {0.5f, 0.3f, 0.2f};
    sausage.fieldOfView = 0.523599f;
    const Picture picture = Draw<CXMeshObject>("sausage.x", sausage);
    EXPECT_GT(picture.Coverage(), 0.08);
    EXPECT_FALSE(picture.TouchesEdge());
}

}  // namespace
