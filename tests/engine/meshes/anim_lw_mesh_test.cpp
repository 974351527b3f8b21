// Animated LightWave series: name_0 .. name_n-1 found without gaps, file 0 builds the buffers and
// decides the splits of every file, key frames 1 .. n-1 are blended in a loop, one per time slice.
#include <gtest/gtest.h>

#include <cmath>

#include "lw_mesh_load.h"
#include "meshes/AnimLWMeshObject.h"

namespace {

using namespace lwo_test;

class CInspectedAnim : public CAnimLWMeshObject {
public:
    using CAnimLWMeshObject::BlendAt;
    unsigned int Files() const { return m_nFiles; }
};

// A ridge along z whose slopes fall by drop; scaled by scale, then raised by lift.
std::vector<Point> RoofPoints(float drop, float scale, float lift = 0)
{
    std::vector<Point> points = {{-1, -drop, -1}, {-1, -drop, 1}, {0, 0, -1}, {0, 0, 1}, {1, -drop, -1}, {1, -drop, 1}};
    for (Point& p : points)
        p = {p.x * scale, p.y * scale + lift, p.z * scale};
    return points;
}

std::vector<uint8_t> Roof(const std::vector<Point>& points)
{
    LwoFile file;
    file.Chunk("TAGS", Tags({"A", "B"}))
        .Chunk("PNTS", Points(points))
        .Chunk("POLS", Faces({{0, 1, 3, 2}, {2, 3, 5, 4}}))
        .Chunk("PTAG", PolygonTags({1, 0}));
    return file.Bytes_();
}

TEST(AnimLWMesh, ThreeFilesMorphBetweenKeyFramesOneAndTwoSplitLikeFileZero)
{
    Folder folder;
    // File 0 has a sharp ridge; key frame 1 a gentle one that alone would keep its ridge points shared.
    const std::vector<std::vector<Point>> shapes = {RoofPoints(1, 1), RoofPoints(0.1f, 1, 0.5f), RoofPoints(1, 2)};
    for (int k = 0; k < 3; ++k)
        folder.Write("wave_" + std::to_string(k) + ".lwo", Roof(shapes[k]));
    folder.Write("wave_4.lwo", Roof(shapes[0]));  // after the gap: not part of the series

    struct SFrame {
        float now;
        float speed;
        float resize;
        float from, to, d;  // expected: shapes blended
    };
    const std::vector<SFrame> frames = {
        {0.5f, 1, 1, 1, 2, 0.5f},     // first slice: key frame 1 towards 2
        {1.25f, 1, 1, 2, 1, 0.0f},    // slice over: key frame 2, restarting at 1.25
        {1.75f, 1, 1, 2, 1, 0.5f},
        {3.5f, 1, 1, 1, 2, 0.0f},     // a long frame moves on by one key only
        {3.75f, 4, 1, 1, 2, 1.0f},    // four keys a second: 0.25 s per key
        {3.625f, 4, 2, 1, 2, 0.5f},   // resized by 2
    };
    std::vector<std::vector<S3DVERTEX>> seen;
    std::vector<S3DVERTEX> base;
    unsigned int files = 0;
    CString type;
    RunScreen({}, [&] {
        CInspectedAnim mesh;
        mesh.SetFilename(folder.WindowsName("wave_17.lwo").c_str());
        mesh.Init();
        files = mesh.Files();
        type = mesh.GetObjType();
        base = ReadVertices(mesh);
        float scale = 1;
        for (const SFrame& f : frames) {
            mesh.SetSpeed(f.speed);
            if (f.resize != scale)
                mesh.Resize(f.resize / scale);
            scale = f.resize;
            mesh.BlendAt(f.now);
            seen.push_back(ReadVertices(mesh));
        }
        mesh.Render();
        mesh.CleanUp();
    });
    EXPECT_EQ(files, 3u);
    EXPECT_EQ(type, CString("CAnimLWMeshObject"));
    ASSERT_EQ(base.size(), 8u);  // ridge points split once each, in every file
    // Each buffer vertex goes back to the file point at its file 0 position.
    std::vector<int> origin(base.size(), -1);
    for (size_t i = 0; i < base.size(); ++i) {
        for (int j = 0; j < 6; ++j) {
            if (base[i].x == shapes[0][j].x && base[i].y == shapes[0][j].y && base[i].z == shapes[0][j].z)
                origin[i] = j;
        }
        ASSERT_GE(origin[i], 0);
    }
    for (size_t f = 0; f < frames.size(); ++f) {
        ASSERT_EQ(seen[f].size(), base.size());
        const SFrame& e = frames[f];
        for (size_t i = 0; i < base.size(); ++i) {
            const Point& a = shapes[static_cast<int>(e.from)][origin[i]];
            const Point& b = shapes[static_cast<int>(e.to)][origin[i]];
            EXPECT_NEAR(seen[f][i].x, e.resize * (e.d * b.x + (1 - e.d) * a.x), 1e-5f) << "frame " << f;
            EXPECT_NEAR(seen[f][i].y, e.resize * (e.d * b.y + (1 - e.d) * a.y), 1e-5f) << "frame " << f;
            EXPECT_NEAR(seen[f][i].z, e.resize * (e.d * b.z + (1 - e.d) * a.z), 1e-5f) << "frame " << f;
            // Lighting stays that of file 0.
            EXPECT_EQ(seen[f][i].nx, base[i].nx);
            EXPECT_EQ(seen[f][i].ny, base[i].ny);
        }
    }
}

}  // namespace
