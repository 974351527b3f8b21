// The models of the Data folder as the engine's LightWave reader sees them: each loads without a
// message box, carries the surfaces and pictures it was built with, faces outwards, and the hero cube
// is split along its seams into flat-shaded faces that each show one tile of the skin.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

#include "model_test_support.h"
#include "models/CubeSkin.h"
#include "models/LwoWriter.h"

namespace {

using model_test::Corner;
using model_test::Generated;
using model_test::LoadedModels;

D3DXVECTOR3 Cross(D3DXVECTOR3 a, D3DXVECTOR3 b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

float Dot(D3DXVECTOR3 a, D3DXVECTOR3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

// Six times the volume enclosed by the triangles, positive when they face outwards.
double SignedVolume(const lwo_test::SLoaded& mesh)
{
    double volume = 0;
    for (int t = 0; t < mesh.faces; ++t)
        volume += Dot(Corner(mesh, t, 0), Cross(Corner(mesh, t, 1), Corner(mesh, t, 2)));
    return volume;
}

TEST(ModelFiles, EveryModelLoadsCompletelyWithoutAMessageBox)
{
    for (const datagen::LightWaveModel& model : datagen::LightWaveModels()) {
        SCOPED_TRACE(model.file);
        const lwo_test::SLoaded& loaded = LoadedModels().at(model.file);
        EXPECT_TRUE(loaded.boxes.empty()) << (loaded.boxes.empty() ? "" : loaded.boxes[0].text);
        ASSERT_TRUE(loaded.hasBuffer);
        const datagen::Mesh mesh = model.build();
        int triangles = 0;
        for (const datagen::Polygon& polygon : mesh.Polygons())
            triangles += static_cast<int>(polygon.corners.size()) - 2;
        EXPECT_EQ(loaded.faces, triangles);
        EXPECT_LT(loaded.vertexCount, 65536);
        // Normals were computed (the load ran to its end): every used vertex has a unit normal.
        for (WORD index : loaded.indices) {
            const S3DVERTEX& v = loaded.vertices[index];
            ASSERT_NEAR(std::sqrt(v.nx * v.nx + v.ny * v.ny + v.nz * v.nz), 1.0, 1e-3);
        }
    }
}

TEST(ModelFiles, EachSurfaceKeepsItsColourAndItsOwnPicture)
{
    for (const datagen::LightWaveModel& model : datagen::LightWaveModels()) {
        SCOPED_TRACE(model.file);
        const lwo_test::SLoaded& loaded = LoadedModels().at(model.file);
        const datagen::Mesh mesh = model.build();
        ASSERT_EQ(loaded.materials.size(), mesh.Surfaces().size());
        for (size_t k = 0; k < mesh.Surfaces().size(); ++k) {
            const datagen::SurfaceStyle& style = mesh.Surfaces()[k];
            EXPECT_NEAR(loaded.materials[k].Ambient.r, style.r, 1e-6);
            EXPECT_NEAR(loaded.materials[k].Diffuse.g, style.g, 1e-6);
            const std::string expected = style.texture.empty() ? "" : Generated().EngineDirectory() + style.texture;
            const std::string texture = k < loaded.textures.size() ? std::string(loaded.textures[k]) : "";
            EXPECT_EQ(texture, expected);
        }
    }
}

TEST(ModelFiles, EveryPictureAModelNamesIsInTheFolderWithPowerOfTwoSides)
{
    const std::string directory = Generated().EngineDirectory();
    for (const datagen::LightWaveModel& model : datagen::LightWaveModels()) {
        for (const CString& texture : LoadedModels().at(model.file).textures) {
            const std::string path(texture);
            if (path.empty())
                continue;
            SCOPED_TRACE(model.file + std::string(" names ") + path);
            ASSERT_EQ(path.compare(0, directory.size(), directory), 0);
            const std::string name = path.substr(directory.size());
            const auto& pictures = Generated().Folder().Pictures();
            ASSERT_TRUE(pictures.count(name));
            EXPECT_TRUE(std::filesystem::exists(Generated().Folder().DataPath() / name));
            const int w = pictures.at(name).Width(), h = pictures.at(name).Height();
            EXPECT_TRUE(w > 0 && (w & (w - 1)) == 0 && h > 0 && (h & (h - 1)) == 0);
        }
    }
}

TEST(ModelFiles, SolidModelsFaceOutwardsSoCullingShowsTheirOutside)
{
    for (const datagen::LightWaveModel& model : datagen::LightWaveModels()) {
        if (std::string(model.file) == "uvcube_6-1.lwo")
            continue;  // two-sided panels, checked below
        SCOPED_TRACE(model.file);
        EXPECT_GT(SignedVolume(LoadedModels().at(model.file)), 0.0);
    }
    // The cube stages built around their centre without a twist: every triangle looks away from it.
    for (const char* file : {"uvcube.lwo", "uvcube_1-2.lwo", "uvcube_2-3.lwo", "uvcube_4-5.lwo", "uvcube_5-6.lwo"}) {
        SCOPED_TRACE(file);
        const lwo_test::SLoaded& mesh = LoadedModels().at(file);
        for (int t = 0; t < mesh.faces; ++t) {
            const D3DXVECTOR3 a = Corner(mesh, t, 0), b = Corner(mesh, t, 1), c = Corner(mesh, t, 2);
            const D3DXVECTOR3 centre{(a.x + b.x + c.x) / 3, (a.y + b.y + c.y) / 3, (a.z + b.z + c.z) / 3};
            ASSERT_GT(Dot(Cross(b - a, c - a), centre), 0.0f) << "triangle " << t;
        }
    }
}

TEST(ModelFiles, TheOpenedBoxShowsEveryPanelFromBothSides)
{
    const lwo_test::SLoaded& mesh = LoadedModels().at("uvcube_6-1.lwo");
    ASSERT_EQ(mesh.faces, 24);  // six panels, two sides, two triangles each
    EXPECT_NEAR(SignedVolume(mesh), 0.0, 1e-3);
    std::multiset<std::tuple<int, int, int>> normals;
    for (int t = 0; t < mesh.faces; ++t) {
        const D3DXVECTOR3 a = Corner(mesh, t, 0);
        D3DXVECTOR3 n = Cross(Corner(mesh, t, 1) - a, Corner(mesh, t, 2) - a);
        D3DXVec3Normalize(&n, &n);
        normals.insert({int(std::lround(n.x * 100)), int(std::lround(n.y * 100)), int(std::lround(n.z * 100))});
    }
    for (const auto& n : normals) {
        const auto opposite = std::make_tuple(-std::get<0>(n), -std::get<1>(n), -std::get<2>(n));
        EXPECT_EQ(normals.count(n), normals.count(opposite));
    }
}

TEST(ModelFiles, TheCubeIsSplitIntoSixFlatFacesEachShowingOneWholeTile)
{
    const lwo_test::SLoaded& cube = LoadedModels().at("uvcube.lwo");
    ASSERT_EQ(cube.faces, 12);
    std::set<std::tuple<int, int, int>> directions;
    for (int t = 0; t < cube.faces; t += 2) {
        // Both triangles of a side use four vertices of their own, all with the side's normal.
        std::set<WORD> corners(cube.indices.begin() + 3 * t, cube.indices.begin() + 3 * t + 6);
        ASSERT_EQ(corners.size(), 4u);
        float uMin = 1, uMax = 0, vMin = 1, vMax = 0;
        const S3DVERTEX& first = cube.vertices[*corners.begin()];
        for (WORD index : corners) {
            const S3DVERTEX& v = cube.vertices[index];
            EXPECT_NEAR(v.nx * first.nx + v.ny * first.ny + v.nz * first.nz, 1.0f, 1e-4f);
            uMin = std::min(uMin, v.tu), uMax = std::max(uMax, v.tu), vMin = std::min(vMin, v.tv), vMax = std::max(vMax, v.tv);
        }
        directions.insert({int(std::lround(first.nx)), int(std::lround(first.ny)), int(std::lround(first.nz))});
        // One 256-texel tile of the 1024 x 512 skin.
        EXPECT_NEAR(uMax - uMin, 253.0f / 1024, 1e-4f);
        EXPECT_NEAR(vMax - vMin, 253.0f / 512, 1e-4f);
    }
    EXPECT_EQ(directions.size(), 6u);
    std::set<int> used(cube.indices.begin(), cube.indices.end());
    EXPECT_EQ(used.size(), 24u);
}

TEST(ModelFiles, TheCubeFrontWearsTheGroupsNameUpright)
{
    const lwo_test::SLoaded& cube = LoadedModels().at("uvcube.lwo");
    const datagen::UvRect talvik = datagen::CubeTileRect(datagen::CubeTile::Talvik);
    bool found = false;
    for (WORD index : cube.indices) {
        const S3DVERTEX& v = cube.vertices[index];
        if (v.nz > -0.99f)
            continue;
        found = true;
        // Top left of the front, seen from the camera at -z, is the tile's top left.
        const float u = v.x < 0 ? talvik.u0 : talvik.u1, t = v.y > 0 ? talvik.v0 : talvik.v1;
        EXPECT_NEAR(v.tu, u, 1e-5f);
        EXPECT_NEAR(v.tv, t, 1e-5f);
    }
    EXPECT_TRUE(found);
}

TEST(ModelFiles, TheRoundedStageIsSmoothAcrossItsGrid)
{
    // Neighbouring quads differ by less than the reader's crease angle, so inside a face the grid's
    // points stay shared: far fewer vertices than triangle corners.
    const lwo_test::SLoaded& rounded = LoadedModels().at("uvcube_4-5.lwo");
    std::set<int> used(rounded.indices.begin(), rounded.indices.end());
    EXPECT_LT(used.size(), rounded.indices.size() / 4);
}

TEST(ModelFiles, GeneratingTwiceGivesTheSameBytes)
{
    datagen::DataFolder first{""}, second{""};
    datagen::WriteModels(first);
    datagen::WriteModels(second);
    EXPECT_EQ(first.Files(), second.Files());
    EXPECT_EQ(first.Files().size(), datagen::LightWaveModels().size() + 1 + 5);  // models, sausage.x, pictures
}

}  // namespace
