// Objects across CleanUp, Init and a device reset: what they rebuild, which textures they release.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <unistd.h>

#include "d3d8_hooks.h"
#include "object_test_support.h"
#include "objects/PlaneObject.h"
#include "png_writer.h"

namespace {

// A 2 x 2 picture: red, green / blue, half-transparent white.
std::string WriteQuadrantPicture()
{
    const std::string path = "/tmp/varnix_objects_" + std::to_string(getpid()) + ".png";
    const std::vector<uint8_t> rgba = {255, 0, 0, 255, 0, 255, 0, 255, 0, 0, 255, 255, 255, 255, 255, 128};
    EXPECT_TRUE(png_writer::WriteRgba(path, 2, 2, rgba));
    return path;
}

bool SameBytes(const std::vector<S3DVERTEX>& a, const std::vector<S3DVERTEX>& b)
{
    return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size() * sizeof(S3DVERTEX)) == 0;
}

void Frame()
{
    CScreen::Instance().BeginScene();
    CScreen::Instance().EndScene();
}

TEST(ObjectLifetime, ForcedDeviceLossRebuildsEveryObjectWithTheSameVertices)
{
    const std::string picture = WriteQuadrantPicture();
    bool planeSame = false, meshSame = false, indicesSame = false, textureBack = false;
    int planeVertices = 0;
    RunScreen({true, RES_640x480, false, "Objects loss"}, [&] {
        CPlaneObject plane;
        plane.SetSubdivision(3, 2);
        plane.SetTextureOffset(0.1f, 0.2f, 0.9f, 0.8f);
        plane.SetTexture(CString(picture.c_str()), 0);
        plane.EnableWriteOnTexture(true);
        plane.Init();
        plane.SetSize(2.0f, 1.5f);
        std::unique_ptr<CTestMesh> mesh(new CTestMesh(
            {Vertex(0, 1, 0), Vertex(0, 1, 1), Vertex(-1, 0, 0), Vertex(1, 0, 0)}, {0, 1, 2, 1, 0, 3}, true));
        mesh->Init();
        const std::vector<S3DVERTEX> planeBefore = ReadVertices(plane), meshBefore = ReadVertices(*mesh);
        const std::vector<WORD> indicesBefore = ReadIndices(*mesh);

        IDirect3DDevice8* device = Device();
        Frame();
        platform::ForceDeviceLoss(device);
        Frame();
        EXPECT_EQ(plane.GetVB(), nullptr);  // released by the recovery
        platform::RestoreDevice(device);
        Frame();
        Frame();
        planeVertices = static_cast<int>(ReadVertices(plane).size());
        planeSame = SameBytes(ReadVertices(plane), planeBefore);
        meshSame = SameBytes(ReadVertices(*mesh), meshBefore);
        indicesSame = ReadIndices(*mesh) == indicesBefore;
        int w = 0, h = 0, pitch = 0;
        textureBack = plane.LockTexture(w, h, pitch, 0) != nullptr;
        if (textureBack)
            plane.UnlockTexture(0);
        plane.CleanUp();
        mesh->CleanUp();
    });
    unlink(picture.c_str());
    EXPECT_EQ(planeVertices, 12);
    EXPECT_TRUE(planeSame);
    EXPECT_TRUE(meshSame);
    EXPECT_TRUE(indicesSame);
    EXPECT_TRUE(textureBack);
}

TEST(ObjectLifetime, WritableTextureIsLockedAsArgbTexels)
{
    const std::string picture = WriteQuadrantPicture();
    SPixel texels[4] = {};
    int width = 0, height = 0;
    RunScreen({}, [&] {
        std::unique_ptr<CTestMesh> mesh(NewStrip(1));
        mesh->SetTexture(CString(picture.c_str()), 0);
        mesh->EnableWriteOnTexture(true);
        mesh->Init();
        int pitch = 0;
        if (SPixel* pixels = mesh->LockTexture(width, height, pitch, 0)) {
            texels[0] = pixels[0];
            texels[1] = pixels[1];
            texels[2] = reinterpret_cast<SPixel*>(reinterpret_cast<BYTE*>(pixels) + pitch)[0];
            texels[3] = reinterpret_cast<SPixel*>(reinterpret_cast<BYTE*>(pixels) + pitch)[1];
            mesh->UnlockTexture(0);
        }
        int unused = 0;
        EXPECT_EQ(mesh->LockTexture(unused, unused, unused, 1), nullptr);  // no such material
        mesh->CleanUp();
    });
    unlink(picture.c_str());
    EXPECT_EQ(width, 2);
    EXPECT_EQ(height, 2);
    EXPECT_EQ(texels[0].red, 255);
    EXPECT_EQ(texels[0].blue, 0);
    EXPECT_EQ(texels[1].green, 255);
    EXPECT_EQ(texels[2].blue, 255);
    EXPECT_EQ(texels[3].alpha, 128);
}

TEST(ObjectLifetime, CleanUpReleasesLoadedTexturesAndNeverBorrowedOnes)
{
    const std::string picture = WriteQuadrantPicture();
    ULONG loadedLeft = 99, borrowedRefs = 0;
    RunScreen({}, [&] {
        IDirect3DDevice8* device = Device();
        std::unique_ptr<CTestMesh> loader(NewStrip(1));
        loader->SetTexture(CString(picture.c_str()), 0);
        loader->Init();
        CScreen::Instance().BeginScene();
        loader->Render();
        IDirect3DBaseTexture8* loaded = nullptr;
        device->GetTexture(0, &loaded);  // one reference of ours
        CScreen::Instance().EndScene();
        loader->CleanUp();
        device->SetTexture(0, nullptr);
        if (loaded)
            loadedLeft = loaded->Release();

        IDirect3DTexture8* lent = nullptr;
        D3DXCreateTexture(device, 4, 4, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, &lent);
        std::unique_ptr<CTestMesh> borrower(NewStrip(1));
        borrower->Init();
        borrower->SetTexture(lent, 0);
        CScreen::Instance().BeginScene();
        borrower->Render();  // the device holds a reference now
        CScreen::Instance().EndScene();
        borrower->CleanUp();
        device->SetTexture(0, nullptr);
        borrowedRefs = lent->AddRef();
        lent->Release();
        lent->Release();
    });
    unlink(picture.c_str());
    EXPECT_EQ(loadedLeft, 0u);
    EXPECT_EQ(borrowedRefs, 2u);
}

TEST(ObjectLifetime, SecondInitRebuildsWithoutLeakingAndACopyOutlivesItsSource)
{
    int liveAfterDoubleInit = -1, liveAtEnd = -1;
    std::vector<S3DVERTEX> copied;
    RunScreen({}, [&] {
        IDirect3DDevice8* device = Device();
        const int baseline = platform::LiveDefaultPoolResources(device);
        std::unique_ptr<CTestMesh> mesh(NewStrip(2));
        mesh->Init();
        mesh->Init();
        liveAfterDoubleInit = platform::LiveDefaultPoolResources(device) - baseline;
        {
            CTestMesh copy(*mesh);
            mesh->CleanUp();
            mesh->CleanUp();  // the second init registered it twice
            copied = ReadVertices(copy);
            copy.CleanUp();
        }
        liveAtEnd = platform::LiveDefaultPoolResources(device) - baseline;
    });
    EXPECT_EQ(liveAfterDoubleInit, 1);  // one index buffer
    EXPECT_EQ(copied.size(), 6u);
    EXPECT_EQ(liveAtEnd, 0);
}

}  // namespace
