// Pictures of loaded models: a LightWave cube with a quadrant texture on every side shows it upright
// and unmirrored on the side the camera sees, and a 3DS panel shows its material colour, lit from its
// front, above and right of the centre where its Z-up file places it. Each picture is also written as
// a PNG file into the test's temporary folder.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "3ds_file_builder.h"
#include "lwo_test_support.h"
#include "meshes/3DSMeshObject.h"
#include "objects/Light.h"
#include "../objects/object_test_support.h"
#include "../objects/png_writer.h"

namespace {

// The last presented picture, read once.
struct SPicture {
    int width = 0, height = 0;
    std::vector<DWORD> argb;

    DWORD At(float x, float y) const { return argb[static_cast<int>(y) * width + static_cast<int>(x)] & 0xFFFFFF; }
};

SPicture FrontPicture()
{
    SPicture picture;
    CScreen& screen = CScreen::Instance();
    picture.width = screen.GetXResolution();
    picture.height = screen.GetYResolution();
    picture.argb.resize(static_cast<size_t>(picture.width) * picture.height);
    IDirect3DSurface8* surface = nullptr;
    if (FAILED(Device()->CreateImageSurface(picture.width, picture.height, D3DFMT_A8R8G8B8, &surface)))
        return picture;
    D3DLOCKED_RECT locked{};
    if (SUCCEEDED(Device()->GetFrontBuffer(surface)) && SUCCEEDED(surface->LockRect(&locked, nullptr, D3DLOCK_READONLY))) {
        for (int y = 0; y < picture.height; ++y) {
            const DWORD* row = reinterpret_cast<const DWORD*>(static_cast<const BYTE*>(locked.pBits) + y * locked.Pitch);
            std::copy(row, row + picture.width, picture.argb.begin() + static_cast<size_t>(y) * picture.width);
        }
        surface->UnlockRect();
    }
    surface->Release();
    return picture;
}

// Writes the picture as <temporary folder>/model_picture_<name>.png for a person to look at.
void SavePicture(const SPicture& picture, const std::string& name)
{
    std::vector<uint8_t> rgba;
    rgba.reserve(picture.argb.size() * 4);
    for (DWORD c : picture.argb)
        rgba.insert(rgba.end(), {static_cast<uint8_t>(c >> 16), static_cast<uint8_t>(c >> 8), static_cast<uint8_t>(c), 255});
    const std::string path = ::testing::TempDir() + "model_picture_" + name + ".png";
    EXPECT_TRUE(png_writer::WriteRgba(path, picture.width, picture.height, rgba)) << path;
    ::testing::Test::RecordProperty(name + "_picture", path);
}

// Pixel position of a world point through the screen's view and projection.
D3DXVECTOR2 ToScreen(const D3DXVECTOR3& point)
{
    CScreen& screen = CScreen::Instance();
    const D3DXMATRIX viewProjection = screen.GetViewMatrix() * screen.GetProjMatrix();
    D3DXVECTOR4 clip;
    D3DXVec3Transform(&clip, &point, &viewProjection);
    return {screen.GetXResolution() * 0.5f * (1 + clip.x / clip.w), screen.GetYResolution() * 0.5f * (1 - clip.y / clip.w)};
}

D3DXVECTOR2 Mix(const D3DXVECTOR2& a, const D3DXVECTOR2& b, float t) { return a + (b - a) * t; }

constexpr DWORD kRed = 0xFF0000, kGreen = 0x00FF00, kBlue = 0x0000FF, kYellow = 0xFFFF00;

// 64 x 64 pixels: red top left, green top right, blue bottom left, yellow bottom right. Each of the
// eight ways to flip or turn it shows another order.
std::vector<uint8_t> QuadrantPixels()
{
    std::vector<uint8_t> rgba;
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) {
            const DWORD c = y < 32 ? (x < 32 ? kRed : kGreen) : (x < 32 ? kBlue : kYellow);
            rgba.insert(rgba.end(), {static_cast<uint8_t>(c >> 16), static_cast<uint8_t>(c >> 8), static_cast<uint8_t>(c), 255});
        }
    }
    return rgba;
}

// Per-polygon UVs that show the whole texture upright on each side, seen from outside with +y up
// (+z up on the top and bottom). LightWave's v grows upwards.
lwo_test::Bytes UprightSideUvs()
{
    const std::vector<lwo_test::Point> corners = lwo_test::CubePoints();
    const D3DXVECTOR3 normals[6] = {{0, 0, 1}, {0, 0, -1}, {1, 0, 0}, {-1, 0, 0}, {0, 1, 0}, {0, -1, 0}};
    std::vector<lwo_test::PolyUv> entries;
    const auto sides = lwo_test::CubeSides();
    for (unsigned side = 0; side < sides.size(); ++side) {
        const D3DXVECTOR3 up = normals[side].y != 0 ? D3DXVECTOR3(0, 0, 1) : D3DXVECTOR3(0, 1, 0);
        const D3DXVECTOR3 look = -normals[side];
        D3DXVECTOR3 right;
        D3DXVec3Cross(&right, &up, &look);  // the viewer's right in the engine's left-handed space
        for (unsigned point : sides[side]) {
            const D3DXVECTOR3 p(corners[point].x, corners[point].y, corners[point].z);
            entries.push_back({point, side, (D3DXVec3Dot(&p, &right) + 1) / 2, (D3DXVec3Dot(&p, &up) + 1) / 2});
        }
    }
    return lwo_test::PolygonUvMap(entries);
}

// The cube of +-1 with one white surface whose image block shows clip 1, the quadrant picture.
lwo_test::LwoFile TexturedCube()
{
    lwo_test::Bytes block;
    using lwo_test::Bytes;
    block.Sub("IMAP", Bytes().S0("\x80").Sub("CHAN", Bytes().Id("COLR")))
        .Sub("PROJ", Bytes().U2(5))
        .Sub("IMAG", Bytes().U2(1))
        .Sub("VMAP", Bytes().S0("UVMap"));
    lwo_test::LwoFile file;
    file.Chunk("TAGS", lwo_test::Tags({"Skin"}))
        .Chunk("LAYR", Bytes().U2(0).U2(0).F4(0).F4(0).F4(0).S0("cube"))
        .Chunk("PNTS", lwo_test::Points(lwo_test::CubePoints()))
        .Chunk("POLS", lwo_test::Faces(lwo_test::CubeSides()))
        .Chunk("PTAG", lwo_test::PolygonTags({0, 0, 0, 0, 0, 0}))
        .Chunk("CLIP", lwo_test::StillClip(1, "Images/quadrants.png"))
        .Chunk("SURF", lwo_test::Surface("Skin", 1, 1, 1, Bytes().Sub("BLOK", block)))
        .Chunk("VMAD", UprightSideUvs());
    return file;
}

// Where the quadrant centres of the cube's side facing a camera on -z fall on the screen.
struct SFaceProbes {
    D3DXVECTOR2 topLeft, topRight, bottomLeft, bottomRight, outside;
};

SFaceProbes NearSideProbes(const D3DXVECTOR3& centre)
{
    const D3DXVECTOR2 tl = ToScreen(centre + D3DXVECTOR3(-1, 1, -1)), tr = ToScreen(centre + D3DXVECTOR3(1, 1, -1));
    const D3DXVECTOR2 bl = ToScreen(centre + D3DXVECTOR3(-1, -1, -1)), br = ToScreen(centre + D3DXVECTOR3(1, -1, -1));
    const D3DXVECTOR2 top = Mix(tl, tr, 0.25f), topRight = Mix(tl, tr, 0.75f);
    const D3DXVECTOR2 bottom = Mix(bl, br, 0.25f), bottomRight = Mix(bl, br, 0.75f);
    return {Mix(top, bottom, 0.25f), Mix(topRight, bottomRight, 0.25f), Mix(top, bottom, 0.75f),
            Mix(topRight, bottomRight, 0.75f), Mix(tl, tr, -0.2f)};
}

struct SCubeFrame {
    DWORD topLeft = 0, topRight = 0, bottomLeft = 0, bottomRight = 0, outside = 0;
};

SCubeFrame ReadCubeFrame(const SPicture& picture, const SFaceProbes& at)
{
    return {picture.At(at.topLeft.x, at.topLeft.y), picture.At(at.topRight.x, at.topRight.y),
            picture.At(at.bottomLeft.x, at.bottomLeft.y), picture.At(at.bottomRight.x, at.bottomRight.y),
            picture.At(at.outside.x, at.outside.y)};
}

void ExpectUprightTexture(const SCubeFrame& frame, const char* what)
{
    EXPECT_EQ(frame.topLeft, kRed) << what << std::hex << " " << frame.topLeft;
    EXPECT_EQ(frame.topRight, kGreen) << what << std::hex << " " << frame.topRight;
    EXPECT_EQ(frame.bottomLeft, kBlue) << what << std::hex << " " << frame.bottomLeft;
    EXPECT_EQ(frame.bottomRight, kYellow) << what << std::hex << " " << frame.bottomRight;
    EXPECT_EQ(frame.outside, 0x202040u) << what << std::hex << " " << frame.outside;
}

TEST(ModelPicture, TexturedLightWaveCubeShowsItsPictureUprightOnTheSideFacingTheCamera)
{
    lwo_test::Folder folder;
    ASSERT_TRUE(png_writer::WriteRgba(folder.FilePath("quadrants.png"), 64, 64, QuadrantPixels()));
    const std::string model = folder.Write("uvcube.lwo", TexturedCube().Bytes_());
    lwo_test::BoxRecorder boxes;
    SCubeFrame straight, turned;
    SPicture straightPicture, turnedPicture, angledPicture;
    RunScreen({}, [&] {
        CScreen& screen = CScreen::Instance();
        screen.EnableFog(false);
        screen.SetBackgroundColor(0xFF202040);
        screen.SetCamera(0.0f, 0.0f, -6.0f, 0.0f, 0.0f, 1.0f);
        CLWMeshObject cube;
        cube.SetFilename(model.c_str());
        cube.Init();
        cube.SetLighting(false);  // white vertices times the texture: the picture's own colours
        const SFaceProbes probes = NearSideProbes({0, 0, 0});
        // Straight on, then turned a quarter round: another side, with UVs of its own, faces the camera.
        for (float yaw : {0.0f, D3DX_PI / 2, 0.6f}) {
            cube.SetRotation(yaw, yaw == 0.6f ? 0.45f : 0.0f, 0.0f);
            screen.BeginScene();
            cube.Render();
            screen.EndScene();
            SPicture& picture = yaw == 0 ? straightPicture : yaw == 0.6f ? angledPicture : turnedPicture;
            picture = FrontPicture();
        }
        straight = ReadCubeFrame(straightPicture, probes);
        turned = ReadCubeFrame(turnedPicture, probes);
        cube.CleanUp();
    });
    EXPECT_TRUE(boxes.boxes.empty());
    ExpectUprightTexture(straight, "straight on");
    ExpectUprightTexture(turned, "turned a quarter");
    SavePicture(straightPicture, "lwo_cube_straight");
    SavePicture(turnedPicture, "lwo_cube_turned");
    SavePicture(angledPicture, "lwo_cube_angled");
}

// A square panel standing in the file's x-z plane (Z up), at x 0.25 .. 1.5 and height 0.25 .. 1.5,
// facing the file's +y. Y-up, that is x 0.25 .. 1.5, y 0.25 .. 1.5 at z 0, facing -z.
std::vector<uint8_t> PanelFile()
{
    return File3DS({
        Material("Paint", 0, 200, 255),
        Object("Panel", {VertexList({{0.25f, 0, 0.25f}, {0.25f, 0, 1.5f}, {1.5f, 0, 1.5f}, {1.5f, 0, 0.25f}}),
                         FaceList({{0, 1, 2}, {0, 2, 3}}, "Paint")}),
    });
}

struct SPanelFrame {
    DWORD panel = 0, belowPanel = 0, leftOfPanel = 0, centre = 0;
};

TEST(ModelPicture, ThreeDSPanelShowsItsMaterialColourLitFromTheFrontAboveAndRightOfTheCentre)
{
    char pattern[] = "/tmp/varnix_model_picture_XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    const std::string folder = pattern;
    const std::string path = folder + "/panel.3ds";
    {
        const std::vector<uint8_t> bytes = PanelFile();
        FILE* file = std::fopen(path.c_str(), "wb");
        ASSERT_NE(file, nullptr);
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
    }
    SPanelFrame front, back;
    DWORD unlit = 0;
    SPicture frontPicture;
    RunScreen({}, [&] {
        CScreen& screen = CScreen::Instance();
        screen.EnableFog(false);
        screen.SetAmbientLight(0);
        screen.SetBackgroundColor(0xFF000080);
        screen.SetCamera(0.0f, 0.0f, -4.0f, 0.0f, 0.0f, 1.0f);
        C3DSMeshObject panel;
        panel.SetFilename((folder + "\\panel.3ds").c_str());
        panel.Init();
        CLight light;
        light.SetProperties(D3DLIGHT_DIRECTIONAL, {1, 1, 1, 1}, {0, 0, 0, 0}, {0, 0, 0, 0}, 0, 1, 0, 0, 0, 0, 0);
        const D3DXVECTOR2 middle = ToScreen({0.875f, 0.875f, 0}), below = ToScreen({0.875f, -0.875f, 0});
        const D3DXVECTOR2 left = ToScreen({-0.875f, 0.875f, 0}), centre = ToScreen({0, 0, 0});
        // The light shines from the camera onto the panel, then from behind it.
        for (float z : {1.0f, -1.0f}) {
            light.SetRotation(0, 0, z);
            light.Init();
            screen.BeginScene();
            panel.Render();
            screen.EndScene();
            const SPicture picture = FrontPicture();
            SPanelFrame& frame = z > 0 ? front : back;
            frame = {picture.At(middle.x, middle.y), picture.At(below.x, below.y), picture.At(left.x, left.y),
                     picture.At(centre.x, centre.y)};
            if (z > 0)
                frontPicture = picture;
            light.CleanUp();
        }
        // Unlit, the vertices' own colour: the material's bytes over 256, times 255.
        panel.SetLighting(false);
        screen.BeginScene();
        panel.Render();
        screen.EndScene();
        unlit = FrontPicture().At(middle.x, middle.y);
        panel.CleanUp();
        screen.SetAmbientLight(1);
    });
    std::remove(path.c_str());
    rmdir(folder.c_str());
    SavePicture(frontPicture, "3ds_panel");
    // Material (0, 200, 255) lit head on: no red, strong green, full blue.
    EXPECT_LE((front.panel >> 16) & 0xFF, 0x08u) << std::hex << front.panel;
    EXPECT_GE((front.panel >> 8) & 0xFF, 0xB8u) << std::hex << front.panel;
    EXPECT_GE(front.panel & 0xFF, 0xF0u) << std::hex << front.panel;
    // Its height became y: nothing below the centre, nothing left of it (not mirrored).
    EXPECT_EQ(front.belowPanel, 0x000080u) << std::hex << front.belowPanel;
    EXPECT_EQ(front.leftOfPanel, 0x000080u) << std::hex << front.leftOfPanel;
    EXPECT_EQ(front.centre, 0x000080u) << std::hex << front.centre;
    EXPECT_EQ(unlit, 0x00C7FEu) << std::hex << unlit;
    // Its normals face the camera: lit from behind, the panel is black against the background.
    EXPECT_EQ(back.panel, 0u) << std::hex << back.panel;
    EXPECT_EQ(back.belowPanel, 0x000080u) << std::hex << back.belowPanel;
}

}  // namespace
