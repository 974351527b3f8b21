// Files the loader cannot use fail cleanly: an error, a null texture, nothing read beyond the data.
// Windows-style names find their files.
#include "d3dx8tex_fixture.h"

namespace d3dx8_test {
namespace {

using TextureFailureTest = TextureFileTest;

IDirect3DTexture8* const kUntouched = reinterpret_cast<IDirect3DTexture8*>(std::uintptr_t(0x10));

Bytes SmallPng()
{
    return EncodeColourPng(3, 2, {0xFF112233, 0x80445566, 0x00778899, 0xFFAABBCC, 0xFF000000, 0xFFFFFFFF}, true);
}

// Loads exactly the first size bytes, copied so that reading past them is reading past an allocation.
HRESULT LoadPrefix(IDirect3DDevice8* device, const Bytes& file, size_t size, IDirect3DTexture8** texture)
{
    const Bytes prefix(file.begin(), file.begin() + size);
    return D3DXCreateTextureFromFileInMemory(device, prefix.data(), static_cast<UINT>(size), texture);
}

TEST_F(TextureFailureTest, MissingEmptyAndForeignFilesAreInvalidData)
{
    EXPECT_EQ(D3DXERR_INVALIDDATA, HRESULT(0x88760B59));
    const std::string names[] = {folder + "/Data/absent.png", Write("empty.png", {}),
                                 Write("notes.png", Bytes{'n', 'o', 't', ' ', 'a', ' ', 'p', 'n', 'g'}), folder};
    for (const std::string& name : names) {
        IDirect3DTexture8* loaded = kUntouched;
        EXPECT_EQ(D3DXCreateTextureFromFileA(device, name.c_str(), &loaded), D3DXERR_INVALIDDATA) << name;
        EXPECT_EQ(loaded, nullptr) << name;
        D3DXIMAGE_INFO info{};
        EXPECT_EQ(D3DXGetImageInfoFromFileA(name.c_str(), &info), D3DXERR_INVALIDDATA) << name;
    }
}

TEST_F(TextureFailureTest, TruncatedOrDamagedFilesFailAtEveryLength)
{
    Bytes samples;
    for (int i = 0; i < 16 * 16 * 3; ++i)
        samples.push_back(BYTE(i * 7));
    for (const Bytes& file : {SmallPng(), EncodeJpeg(16, 16, 3, samples)}) {
        IDirect3DTexture8* loaded = nullptr;
        ASSERT_EQ(LoadPrefix(device, file, file.size(), &loaded), D3D_OK);
        loaded->Release();
        for (size_t size = 1; size < file.size(); ++size) {
            loaded = kUntouched;
            EXPECT_EQ(LoadPrefix(device, file, size, &loaded), D3DXERR_INVALIDDATA) << size << " of " << file.size();
            EXPECT_EQ(loaded, nullptr);
        }
    }
    // Inside the compressed pixels, so their chunk's checksum no longer matches.
    Bytes damaged = SmallPng();
    damaged[damaged.size() - 20] ^= 0x5A;
    EXPECT_EQ(LoadEx(damaged, 0, 0, D3DFMT_UNKNOWN, D3DX_DEFAULT), D3DXERR_INVALIDDATA);
    EXPECT_EQ(texture, nullptr);
}

TEST_F(TextureFailureTest, BadArgumentsAreInvalidCalls)
{
    IDirect3DTexture8* loaded = kUntouched;
    EXPECT_EQ(D3DXCreateTextureFromFileA(nullptr, "x.png", &loaded), D3DERR_INVALIDCALL);
    EXPECT_EQ(loaded, nullptr);
    EXPECT_EQ(D3DXCreateTextureFromFileA(device, nullptr, &loaded), D3DERR_INVALIDCALL);
    EXPECT_EQ(D3DXCreateTextureFromFileA(device, "x.png", nullptr), D3DERR_INVALIDCALL);
    EXPECT_EQ(D3DXCreateTextureFromFileInMemory(device, nullptr, 10, &loaded), D3DERR_INVALIDCALL);
    EXPECT_EQ(D3DXGetImageInfoFromFileA("x.png", nullptr), D3DERR_INVALIDCALL);
    // 9 names no filter.
    EXPECT_EQ(LoadEx(SmallPng(), 0, 0, D3DFMT_A8R8G8B8, 9), D3DERR_INVALIDCALL);
    EXPECT_EQ(texture, nullptr);
}

TEST_F(TextureFailureTest, WindowsStyleNameFindsTheFileIgnoringCase)
{
    Write("Data/pic.png", SmallPng());
    const std::string windowsName = folder + "\\DATA\\Pic.PNG";
    ASSERT_EQ(D3DXCreateTextureFromFileA(device, windowsName.c_str(), &texture), D3D_OK);
    EXPECT_EQ(ReadLevel<DWORD>(texture, 0)[0], 0xFF112233u);
    D3DXIMAGE_INFO info{};
    ASSERT_EQ(D3DXGetImageInfoFromFileA(windowsName.c_str(), &info), D3D_OK);
    EXPECT_EQ(info.Width, 3u);
}

}  // namespace
}  // namespace d3dx8_test
