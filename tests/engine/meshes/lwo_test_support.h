// Helpers of the LightWave tests: a writer of LWO2 bytes (big-endian, chunks padded to even sizes),
// the two-surface cube most tests use, a folder of their own and the loaded object's state.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <sys/stat.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "meshes/LWMeshObject.h"
#include "platform_hooks.h"

namespace lwo_test {

// Content bytes of a chunk or sub-chunk.
struct Bytes {
    std::vector<uint8_t> data;

    Bytes& Id(const char* id)
    {
        data.insert(data.end(), id, id + 4);
        return *this;
    }
    Bytes& U2(unsigned value)
    {
        data.push_back(static_cast<uint8_t>(value >> 8));
        data.push_back(static_cast<uint8_t>(value));
        return *this;
    }
    Bytes& U4(uint32_t value)
    {
        U2(value >> 16);
        return U2(value & 0xFFFF);
    }
    Bytes& F4(float value)
    {
        uint32_t bits;
        std::memcpy(&bits, &value, 4);
        return U4(bits);
    }
    Bytes& S0(const std::string& text)
    {
        data.insert(data.end(), text.begin(), text.end());
        data.push_back(0);
        if (data.size() % 2)  // the name's own length with terminator is odd
            data.push_back(0);
        return *this;
    }
    Bytes& Raw(const Bytes& other)
    {
        data.insert(data.end(), other.data.begin(), other.data.end());
        return *this;
    }
    // A sub-chunk: id, U2 length, content, pad byte for an odd length.
    Bytes& Sub(const char* id, const Bytes& content)
    {
        Id(id).U2(static_cast<unsigned>(content.data.size())).Raw(content);
        if (content.data.size() % 2)
            data.push_back(0);
        return *this;
    }
};

// The chunks of one LWO2 file.
class LwoFile {
public:
    LwoFile& Chunk(const char* id, const Bytes& content)
    {
        m_Body.Id(id).U4(static_cast<uint32_t>(content.data.size())).Raw(content);
        if (content.data.size() % 2)
            m_Body.data.push_back(0);
        return *this;
    }
    // A chunk whose size field claims size bytes, whatever follows.
    LwoFile& ChunkClaiming(const char* id, uint32_t size, const Bytes& content)
    {
        m_Body.Id(id).U4(size).Raw(content);
        return *this;
    }
    std::vector<uint8_t> Bytes_(const char* type = "LWO2") const
    {
        Bytes file;
        file.Id("FORM").U4(static_cast<uint32_t>(m_Body.data.size() + 4)).Id(type).Raw(m_Body);
        return file.data;
    }

private:
    Bytes m_Body;
};

struct Point {
    float x, y, z;
};

inline Bytes Points(const std::vector<Point>& points)
{
    Bytes b;
    for (const Point& p : points)
        b.F4(p.x).F4(p.y).F4(p.z);
    return b;
}

inline Bytes Faces(const std::vector<std::vector<unsigned>>& polygons, const char* type = "FACE")
{
    Bytes b;
    b.Id(type);
    for (const auto& polygon : polygons) {
        b.U2(static_cast<unsigned>(polygon.size()));
        for (unsigned index : polygon)
            b.U2(index);
    }
    return b;
}

inline Bytes Tags(const std::vector<std::string>& names)
{
    Bytes b;
    for (const std::string& name : names)
        b.S0(name);
    return b;
}

inline Bytes PolygonTags(const std::vector<unsigned>& tags, const char* type = "SURF")
{
    Bytes b;
    b.Id(type);
    for (unsigned j = 0; j < tags.size(); ++j)
        b.U2(j).U2(tags[j]);
    return b;
}

inline Bytes Surface(const std::string& name, float r, float g, float b, const Bytes& more = {})
{
    Bytes s;
    s.S0(name).S0("");
    s.Sub("COLR", Bytes().F4(r).F4(g).F4(b).U2(0));
    return s.Raw(more);
}

struct Uv {
    unsigned point;
    float u, v;
};

inline Bytes UvMap(const std::vector<Uv>& entries, const char* type = "TXUV")
{
    Bytes b;
    b.Id(type).U2(2).S0("UVMap");
    for (const Uv& e : entries)
        b.U2(e.point).F4(e.u).F4(e.v);
    return b;
}

struct PolyUv {
    unsigned point, polygon;
    float u, v;
};

inline Bytes PolygonUvMap(const std::vector<PolyUv>& entries, const char* type = "TXUV")
{
    Bytes b;
    b.Id(type).U2(2).S0("UVMap");
    for (const PolyUv& e : entries)
        b.U2(e.point).U2(e.polygon).F4(e.u).F4(e.v);
    return b;
}

inline Bytes StillClip(uint32_t index, const std::string& name)
{
    Bytes still;
    still.S0(name);
    Bytes b;
    b.U4(index).Id("STIL").U2(static_cast<unsigned>(still.data.size())).Raw(still);
    return b;
}

// Corners by bits (x bit 0, y bit 1, z bit 2), at +-scale.
inline std::vector<Point> CubePoints(float scale = 1.0f)
{
    std::vector<Point> points;
    for (int i = 0; i < 8; ++i)
        points.push_back({(i & 1 ? 1.f : -1.f) * scale, (i & 2 ? 1.f : -1.f) * scale, (i & 4 ? 1.f : -1.f) * scale});
    return points;
}

// Sides +z, -z, +x, -x, +y, -y.
inline std::vector<std::vector<unsigned>> CubeSides()
{
    return {{4, 5, 7, 6}, {0, 2, 3, 1}, {1, 3, 7, 5}, {0, 4, 6, 2}, {2, 6, 7, 3}, {0, 1, 5, 4}};
}

// Sides 0 and 2 (+z, +x) carry surface 1 "Red", the others surface 0 "Green"; every point has a UV.
// With otherPolygonTags, colour and part tags come before the surface tags and smoothing groups after,
// each naming tags that would give other materials.
inline LwoFile TwoSurfaceCube(float scale = 1.0f, const Bytes& extraSurface = {}, bool otherPolygonTags = false)
{
    std::vector<Uv> uvs;
    for (unsigned i = 0; i < 8; ++i)
        uvs.push_back({i, 0.1f * i, 0.25f});
    LwoFile file;
    file.Chunk("TAGS", Tags({"Green", "Red"}))
        .Chunk("LAYR", Bytes().U2(0).U2(0).F4(0).F4(0).F4(0).S0("cube"))
        .Chunk("PNTS", Points(CubePoints(scale)))
        .Chunk("VMAP", UvMap(uvs))
        .Chunk("POLS", Faces(CubeSides()));
    if (otherPolygonTags)
        file.Chunk("PTAG", PolygonTags({7, 7, 7, 7, 7, 7}, "COLR")).Chunk("PTAG", PolygonTags({0, 1, 1, 1, 0, 1}, "PART"));
    file.Chunk("PTAG", PolygonTags({1, 0, 1, 0, 0, 0}));
    if (otherPolygonTags)
        file.Chunk("PTAG", PolygonTags({3, 2, 1, 0, 0, 0}, "SMGP"));
    file.Chunk("SURF", Surface("Green", 0, 1, 0, Bytes().Sub("DIFF", Bytes().F4(1).U2(0))))
        .Chunk("SURF", Surface("Red", 1, 0, 0, Bytes().Sub("SPEC", Bytes().F4(0.5f).U2(0)).Raw(extraSurface)));
    return file;
}

// A folder of this process's own under the test temporary directory.
class Folder {
public:
    Folder()
    {
        std::string pattern = ::testing::TempDir() + "lwo_XXXXXX";
        std::vector<char> name(pattern.begin(), pattern.end());
        name.push_back(0);
        m_Path = mkdtemp(name.data());
    }
    ~Folder()
    {
        for (const std::string& file : m_Files)
            std::remove(file.c_str());
        rmdir(m_Path.c_str());
    }
    // Writes the bytes and returns the file's name in the engine's form (backslash before the leaf).
    std::string Write(const std::string& leaf, const std::vector<uint8_t>& bytes)
    {
        const std::string path = m_Path + "/" + leaf;
        FILE* file = std::fopen(path.c_str(), "wb");
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
        m_Files.push_back(path);
        return WindowsName(leaf);
    }
    // The path of a file that the caller writes itself (a texture, say); removed with the folder.
    std::string FilePath(const std::string& leaf)
    {
        m_Files.push_back(m_Path + "/" + leaf);
        return m_Files.back();
    }
    std::string WindowsName(const std::string& leaf) const { return m_Path + "\\" + leaf; }
    std::string Directory() const { return m_Path + "\\"; }

private:
    std::string m_Path;
    std::vector<std::string> m_Files;
};

struct Box {
    std::string text, caption;
    UINT type;
};

// Records every message box while alive, answering each with OK.
class BoxRecorder {
public:
    BoxRecorder()
    {
        platform::SetMessageBoxHandler([this](HWND, const std::string& text, const std::string& caption, UINT type) {
            boxes.push_back({text, caption, type});
            return IDOK;
        });
    }
    ~BoxRecorder() { platform::SetMessageBoxHandler({}); }
    std::vector<Box> boxes;
};

}  // namespace lwo_test
