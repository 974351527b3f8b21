// What the loader makes of a picture: texture sizes, scaling filters, colour keys, mip chains,
// pixel formats, what it reports of the file; and empty textures.
#include "d3dx8tex_fixture.h"

namespace d3dx8_test {
namespace {

using TextureShapeTest = TextureFileTest;

std::vector<DWORD> CountingPixels(UINT count)
{
    std::vector<DWORD> pixels;
    for (DWORD i = 0; i < count; ++i)
        pixels.push_back(0xFF000000 | ((i * 17) << 16) | ((200 - i * 9) << 8) | (i * 5 + 3));
    return pixels;
}

TEST_F(TextureShapeTest, DefaultSizesRoundUpAndNoFilterKeepsPixelsAtTheTopLeft)
{
    const std::vector<DWORD> pixels = CountingPixels(15);
    D3DXIMAGE_INFO info{};
    ASSERT_EQ(LoadEx(EncodeColourPng(3, 5, pixels, true), D3DX_DEFAULT, 0, D3DFMT_A8R8G8B8, D3DX_FILTER_NONE, 0, &info),
              D3D_OK);
    EXPECT_EQ(info.Width, 3u);
    EXPECT_EQ(info.Height, 5u);
    EXPECT_EQ(LevelDesc(0).Width, 4u);
    EXPECT_EQ(LevelDesc(0).Height, 8u);
    const std::vector<DWORD> texels = ReadLevel<DWORD>(texture, 0);
    ASSERT_EQ(texels.size(), 32u);
    for (UINT y = 0; y < 8; ++y)
        for (UINT x = 0; x < 4; ++x)
            EXPECT_EQ(texels[y * 4 + x], x < 3 && y < 5 ? pixels[y * 3 + x] : 0u) << x << "," << y;
}

TEST_F(TextureShapeTest, ScalingFiltersCoverTheWholeTexture)
{
    // A uniform picture stays uniform under the default filter, whatever the scale.
    ASSERT_EQ(Load(EncodeColourPng(3, 5, std::vector<DWORD>(15, 0xFF336699), false)), D3D_OK);
    EXPECT_EQ(ReadLevel<DWORD>(texture, 0), std::vector<DWORD>(32, 0xFF336699));
    // Doubling with the point filter repeats each pixel; the box filter blends across the seam.
    const Bytes twoPixels = EncodeColourPng(2, 1, {0xFF000000, 0xFFFEFEFE}, true);
    ASSERT_EQ(LoadEx(twoPixels, 4, 1, D3DFMT_A8R8G8B8, D3DX_FILTER_POINT), D3D_OK);
    EXPECT_EQ(ReadLevel<DWORD>(texture, 0), (std::vector<DWORD>{0xFF000000, 0xFF000000, 0xFFFEFEFE, 0xFFFEFEFE}));
    ASSERT_EQ(LoadEx(twoPixels, 3, 1, D3DFMT_A8R8G8B8, D3DX_FILTER_BOX), D3D_OK);
    EXPECT_EQ(ReadLevel<DWORD>(texture, 0), (std::vector<DWORD>{0xFF000000, 0xFF7F7F7F, 0xFFFEFEFE}));
}

TEST_F(TextureShapeTest, ColourKeyMatchesWholeArgbValuesOnly)
{
    const Bytes picture = EncodeColourPng(2, 2, {0xFF000000, 0xFFFF0000, 0xFF000000, 0xFFFFFFFF}, false);
    // Opaque black is keyed out; a key gives an opaque file a format with alpha.
    ASSERT_EQ(LoadEx(picture, 0, 0, D3DFMT_UNKNOWN, D3DX_FILTER_NONE, 0xFF000000), D3D_OK);
    EXPECT_EQ(LevelDesc(0).Format, D3DFMT_A8R8G8B8);
    EXPECT_EQ(ReadLevel<DWORD>(texture, 0), (std::vector<DWORD>{0, 0xFFFF0000, 0, 0xFFFFFFFF}));
    // Red without alpha is not the file's opaque red.
    ASSERT_EQ(LoadEx(picture, 0, 0, D3DFMT_A8R8G8B8, D3DX_FILTER_NONE, 0x00FF0000), D3D_OK);
    EXPECT_EQ(ReadLevel<DWORD>(texture, 0)[1], 0xFFFF0000u);
}

TEST_F(TextureShapeTest, MipLevelsAreBoxFilteredDownToOnePixel)
{
    // Channels linear in x and y, so each 2 x 2 average is a whole number.
    std::vector<DWORD> pixels;
    for (DWORD y = 0; y < 4; ++y)
        for (DWORD x = 0; x < 4; ++x) {
            const DWORD red = 40 * x + 4 * y;
            pixels.push_back(((255 - 20 * x) << 24) | (red << 16) | ((255 - red) << 8) | (60 * y));
        }
    ASSERT_EQ(LoadEx(EncodeColourPng(4, 4, pixels, true), 0, 0, D3DFMT_A8R8G8B8, D3DX_DEFAULT), D3D_OK);
    ASSERT_EQ(texture->GetLevelCount(), 3u);
    EXPECT_EQ(LevelDesc(1).Width, 2u);
    EXPECT_EQ(LevelDesc(2).Height, 1u);
    EXPECT_EQ(ReadLevel<DWORD>(texture, 0), pixels);
    std::vector<DWORD> half;
    for (DWORD by = 0; by < 2; ++by)
        for (DWORD bx = 0; bx < 2; ++bx) {
            const DWORD red = 80 * bx + 8 * by + 22;
            half.push_back(((245 - 40 * bx) << 24) | (red << 16) | ((255 - red) << 8) | (120 * by + 30));
        }
    EXPECT_EQ(ReadLevel<DWORD>(texture, 1), half);
    EXPECT_EQ(ReadLevel<DWORD>(texture, 2), (std::vector<DWORD>{(225u << 24) | (66u << 16) | (189u << 8) | 90u}));
}

TEST_F(TextureShapeTest, MipAveragesRoundHalvesUpAndAWideLevelHalvesItsWidthAlone)
{
    // Blue values whose 2 x 2 means end in .75 and .5; the last level halves the width only.
    const DWORD blue[8] = {0, 1, 10, 13, 1, 1, 11, 12};
    std::vector<DWORD> pixels;
    for (DWORD b : blue)
        pixels.push_back(0xFF204000 | b);
    ASSERT_EQ(LoadEx(EncodeColourPng(4, 2, pixels, true), 0, 0, D3DFMT_A8R8G8B8, D3DX_DEFAULT), D3D_OK);
    ASSERT_EQ(texture->GetLevelCount(), 3u);
    EXPECT_EQ(ReadLevel<DWORD>(texture, 1), (std::vector<DWORD>{0xFF204001, 0xFF20400C}));
    EXPECT_EQ(ReadLevel<DWORD>(texture, 2), (std::vector<DWORD>{0xFF204007}));
}

TEST_F(TextureShapeTest, PixelsAreWrittenInTheRequestedFormat)
{
    const Bytes picture = EncodeColourPng(4, 1, {0xFF884411, 0x00FFFFFF, 0xFFFF0000, 0x8000FF00}, true);
    const std::pair<D3DFORMAT, std::vector<WORD>> wide[] = {
        {D3DFMT_A4R4G4B4, {0xF841, 0x0FFF, 0xFF00, 0x80F0}}, {D3DFMT_X4R4G4B4, {0xF841, 0xFFFF, 0xFF00, 0xF0F0}},
        {D3DFMT_R5G6B5, {0x8A22, 0xFFFF, 0xF800, 0x07E0}},   {D3DFMT_A1R5G5B5, {0xC502, 0x7FFF, 0xFC00, 0x83E0}},
        {D3DFMT_A8L8, {0xFF4F, 0x00FF, 0xFF36, 0x80B6}},
    };
    for (const auto& [format, texels] : wide) {
        ASSERT_EQ(LoadEx(picture, 0, 0, format, D3DX_FILTER_NONE), D3D_OK) << format;
        EXPECT_EQ(LevelDesc(0).Format, format);
        EXPECT_EQ(ReadLevel<WORD>(texture, 0), texels) << format;
    }
    const std::pair<D3DFORMAT, std::vector<BYTE>> narrow[] = {{D3DFMT_A8, {0xFF, 0x00, 0xFF, 0x80}},
                                                              {D3DFMT_L8, {0x4F, 0xFF, 0x36, 0xB6}}};
    for (const auto& [format, texels] : narrow) {
        ASSERT_EQ(LoadEx(picture, 0, 0, format, D3DX_FILTER_NONE), D3D_OK) << format;
        EXPECT_EQ(ReadLevel<BYTE>(texture, 0), texels) << format;
    }
}

TEST_F(TextureShapeTest, ImageInfoDescribesTheFile)
{
    const std::string name = Write("odd.png", EncodeColourPng(3, 5, CountingPixels(15), false));
    D3DXIMAGE_INFO info{};
    ASSERT_EQ(D3DXGetImageInfoFromFileA(name.c_str(), &info), D3D_OK);
    EXPECT_EQ(info.Width, 3u);
    EXPECT_EQ(info.Height, 5u);
    EXPECT_EQ(info.Depth, 1u);
    EXPECT_EQ(info.MipLevels, 1u);
    EXPECT_EQ(info.Format, D3DFMT_R8G8B8);
    EXPECT_EQ(info.ResourceType, D3DRTYPE_TEXTURE);
    EXPECT_EQ(info.ImageFileFormat, D3DXIFF_PNG);
}

using EmptyTextureTest = d3d8_test::DeviceTest;

TEST_F(EmptyTextureTest, DefaultsFillInSizeLevelsAndFormat)
{
    IDirect3DTexture8* texture = nullptr;
    ASSERT_EQ(D3DXCreateTexture(device, 256, 256, 0, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, &texture), D3D_OK);
    EXPECT_EQ(texture->GetLevelCount(), 9u);
    texture->Release();
    ASSERT_EQ(D3DXCreateTexture(device, D3DX_DEFAULT, 0, 1, 0, D3DFMT_UNKNOWN, D3DPOOL_MANAGED, &texture), D3D_OK);
    D3DSURFACE_DESC desc{};
    ASSERT_EQ(texture->GetLevelDesc(0, &desc), D3D_OK);
    EXPECT_EQ(desc.Width + desc.Height, 512u);
    EXPECT_EQ(desc.Format, D3DFMT_A8R8G8B8);
    texture->Release();
    ASSERT_EQ(D3DXCreateTexture(device, 64, 32, 1, D3DUSAGE_RENDERTARGET, D3DFMT_A8R8G8B8, D3DPOOL_DEFAULT, &texture),
              D3D_OK);
    ASSERT_EQ(texture->GetLevelDesc(0, &desc), D3D_OK);
    EXPECT_EQ(desc.Usage, DWORD(D3DUSAGE_RENDERTARGET));
    texture->Release();
    EXPECT_EQ(D3DXCreateTexture(nullptr, 8, 8, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, &texture), D3DERR_INVALIDCALL);
    EXPECT_EQ(texture, nullptr);
}

}  // namespace
}  // namespace d3dx8_test
