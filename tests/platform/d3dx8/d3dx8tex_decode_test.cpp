// Pictures decoded from PNG and JPEG files reach the texture unchanged (PNG) or nearly so (JPEG),
// top row first, as A8R8G8B8 values in memory (B, G, R, A bytes).
#include <cstdlib>

#include "d3dx8tex_fixture.h"

namespace d3dx8_test {
namespace {

using PngDecodeTest = TextureFileTest;
using JpegDecodeTest = TextureFileTest;

TEST_F(PngDecodeTest, ColourPicturesKeepEveryPixelInBgraOrder)
{
    const std::vector<DWORD> rgba = {0x80FF0000, 0xFF00FF00, 0x400000FF, 0x00123456};
    ASSERT_EQ(Load(EncodeColourPng(2, 2, rgba, true)), D3D_OK);
    EXPECT_EQ(LevelDesc(0).Format, D3DFMT_A8R8G8B8);
    EXPECT_EQ(ReadLevel<DWORD>(texture, 0), rgba);
    EXPECT_EQ(ReadLevel<BYTE>(texture, 0)[0], 0x00);  // blue first
    EXPECT_EQ(ReadLevel<BYTE>(texture, 0)[2], 0xFF);

    const std::vector<DWORD> rgb = {0xFF102030, 0xFF405060, 0xFF708090, 0xFFA0B0C0};
    ASSERT_EQ(Load(EncodeColourPng(2, 2, rgb, false)), D3D_OK);
    EXPECT_EQ(LevelDesc(0).Format, D3DFMT_X8R8G8B8);
    EXPECT_EQ(ReadLevel<DWORD>(texture, 0), rgb);
}

TEST_F(PngDecodeTest, GreyOfEightAndSixteenBitsSpreadsToEveryChannel)
{
    ASSERT_EQ(Load(EncodePng(PngPicture(2, 1, PNG_COLOR_TYPE_GRAY, 8, {0x00, 0x7F}))), D3D_OK);
    EXPECT_EQ(ReadLevel<DWORD>(texture, 0), (std::vector<DWORD>{0xFF000000, 0xFF7F7F7F}));

    // Grey and alpha of 16 bits each, high byte first: 0x1234 opaque, 0xABCD transparent.
    PngPicture deep(2, 1, PNG_COLOR_TYPE_GRAY_ALPHA, 16, {0x12, 0x34, 0xFF, 0xFF, 0xAB, 0xCD, 0x00, 0x00});
    D3DXIMAGE_INFO info{};
    ASSERT_EQ(LoadEx(EncodePng(deep), 0, 0, D3DFMT_UNKNOWN, D3DX_DEFAULT, 0, &info), D3D_OK);
    EXPECT_EQ(info.Format, D3DFMT_A8L8);
    EXPECT_EQ(LevelDesc(0).Format, D3DFMT_A8R8G8B8);
    EXPECT_EQ(ReadLevel<DWORD>(texture, 0), (std::vector<DWORD>{0xFF121212, 0x00ABABAB}));
}

TEST_F(PngDecodeTest, PaletteOfTwoBitsTakesItsAlphaFromTheTransparencyChunk)
{
    // Indices 0, 1, 2, 1 packed two bits each; entry 0 fully and entry 1 half transparent, entry 2
    // without a tRNS entry and so opaque.
    PngPicture picture(4, 1, PNG_COLOR_TYPE_PALETTE, 2, {0x19});
    picture.palette = {0xFF, 0, 0, 0, 0xFF, 0, 0, 0, 0xFF};
    picture.transparency = {0x00, 0x80};
    D3DXIMAGE_INFO info{};
    ASSERT_EQ(LoadEx(EncodePng(picture), 0, 0, D3DFMT_UNKNOWN, D3DX_DEFAULT, 0, &info), D3D_OK);
    EXPECT_EQ(info.Format, D3DFMT_P8);
    EXPECT_EQ(LevelDesc(0).Format, D3DFMT_A8R8G8B8);
    EXPECT_EQ(ReadLevel<DWORD>(texture, 0), (std::vector<DWORD>{0x00FF0000, 0x8000FF00, 0xFF0000FF, 0x8000FF00}));
}

TEST_F(PngDecodeTest, InterlacedPictureComesOutInRowOrder)
{
    std::vector<DWORD> pixels;
    for (DWORD i = 0; i < 15; ++i)
        pixels.push_back(0xFF000000 | (i * 0x110000) | (i << 8) | (0xFF - i * 16));
    PngPicture picture(5, 3, PNG_COLOR_TYPE_RGB_ALPHA);
    for (DWORD value : pixels)
        picture.samples.insert(picture.samples.end(), {BYTE(value >> 16), BYTE(value >> 8), BYTE(value), 0xFF});
    picture.interlaced = true;
    ASSERT_EQ(LoadEx(EncodePng(picture), 5, 3, D3DFMT_A8R8G8B8, D3DX_FILTER_NONE), D3D_OK);
    EXPECT_EQ(ReadLevel<DWORD>(texture, 0), pixels);
}

// Within a few steps of what was encoded: JPEG is lossy even at its best quality.
void ExpectNear(DWORD actual, DWORD expected, int tolerance)
{
    EXPECT_EQ(actual >> 24, expected >> 24);
    for (int shift = 0; shift < 24; shift += 8)
        EXPECT_LE(std::abs(int((actual >> shift) & 0xFF) - int((expected >> shift) & 0xFF)), tolerance)
            << std::hex << actual << " against " << expected;
}

TEST_F(JpegDecodeTest, ColourAndGreyPicturesKeepTheirValues)
{
    const DWORD quadrants[4] = {0xFFC81E1E, 0xFF1EC81E, 0xFF1E1EC8, 0xFF808080};
    Bytes colour, grey;
    for (UINT y = 0; y < 16; ++y)
        for (UINT x = 0; x < 16; ++x) {
            const DWORD c = quadrants[(y / 8) * 2 + x / 8];
            colour.insert(colour.end(), {BYTE(c >> 16), BYTE(c >> 8), BYTE(c)});
            grey.push_back(BYTE(x * 16));
        }
    D3DXIMAGE_INFO info{};
    ASSERT_EQ(LoadEx(EncodeJpeg(16, 16, 3, colour), 0, 0, D3DFMT_UNKNOWN, D3DX_DEFAULT, 0, &info), D3D_OK);
    EXPECT_EQ(info.ImageFileFormat, D3DXIFF_JPG);
    EXPECT_EQ(info.Format, D3DFMT_R8G8B8);
    EXPECT_EQ(LevelDesc(0).Format, D3DFMT_X8R8G8B8);
    std::vector<DWORD> texels = ReadLevel<DWORD>(texture, 0);
    ASSERT_EQ(texels.size(), 256u);
    for (int q = 0; q < 4; ++q)
        ExpectNear(texels[(4 + 8 * (q / 2)) * 16 + 4 + 8 * (q % 2)], quadrants[q], 6);

    ASSERT_EQ(LoadEx(EncodeJpeg(16, 16, 1, grey), 0, 0, D3DFMT_UNKNOWN, D3DX_DEFAULT, 0, &info), D3D_OK);
    EXPECT_EQ(info.Format, D3DFMT_L8);
    texels = ReadLevel<DWORD>(texture, 0);
    ASSERT_EQ(texels.size(), 256u);
    for (UINT x = 0; x < 16; ++x)
        ExpectNear(texels[5 * 16 + x], 0xFF000000 | (x * 16 * 0x010101), 4);
}

}  // namespace
}  // namespace d3dx8_test
