#include "models/LwoWriter.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <stdexcept>

namespace datagen {

namespace {

// Point and polygon indices are written in their 2-byte form, which LWO2 keeps below 0xFF00.
constexpr size_t kMaxIndex = 0xFF00;
// The top six bits of a polygon's corner count are flags.
constexpr size_t kMaxCorners = 1023;
// Clip indices the reader keeps.
constexpr size_t kMaxClips = 255;

// Big-endian IFF content; chunk and sub-chunk sizes exclude the pad byte that keeps the next id on an
// even offset.
class IffBytes {
public:
    IffBytes& Id(const char* id)
    {
        m_data.insert(m_data.end(), id, id + 4);
        return *this;
    }
    IffBytes& U2(unsigned value)
    {
        m_data.push_back(static_cast<uint8_t>(value >> 8));
        m_data.push_back(static_cast<uint8_t>(value));
        return *this;
    }
    IffBytes& U4(uint32_t value)
    {
        U2(value >> 16);
        return U2(value & 0xFFFF);
    }
    IffBytes& F4(double value)
    {
        const float single = static_cast<float>(value);
        uint32_t bits;
        std::memcpy(&bits, &single, 4);
        return U4(bits);
    }
    // A zero-terminated name padded to an even length.
    IffBytes& S0(const std::string& text)
    {
        m_data.insert(m_data.end(), text.begin(), text.end());
        m_data.push_back(0);
        if (text.size() % 2 == 0)
            m_data.push_back(0);
        return *this;
    }
    IffBytes& Sub(const char* id, const IffBytes& content)
    {
        Id(id).U2(static_cast<unsigned>(content.Size()));
        return Append(content);
    }
    IffBytes& Chunk(const char* id, const IffBytes& content)
    {
        Id(id).U4(static_cast<uint32_t>(content.Size()));
        return Append(content);
    }
    size_t Size() const { return m_data.size(); }
    const std::vector<uint8_t>& Data() const { return m_data; }

private:
    IffBytes& Append(const IffBytes& content)
    {
        m_data.insert(m_data.end(), content.m_data.begin(), content.m_data.end());
        if (content.Size() % 2)
            m_data.push_back(0);
        return *this;
    }
    std::vector<uint8_t> m_data;
};

void CheckLimits(const Mesh& mesh)
{
    if (mesh.Polygons().empty())
        throw std::invalid_argument("an LWO2 model needs at least one polygon");
    if (mesh.Points().size() >= kMaxIndex || mesh.Polygons().size() >= kMaxIndex)
        throw std::invalid_argument("too many points or polygons for 2-byte LWO2 indices");
    if (mesh.Surfaces().size() > kMaxClips)
        throw std::invalid_argument("too many surfaces for one clip each");
    for (const Polygon& polygon : mesh.Polygons()) {
        if (polygon.corners.size() > kMaxCorners)
            throw std::invalid_argument("a polygon has more corners than LWO2 can count");
    }
}

bool AnyTexture(const Mesh& mesh)
{
    return std::any_of(mesh.Surfaces().begin(), mesh.Surfaces().end(),
                       [](const SurfaceStyle& style) { return !style.texture.empty(); });
}

IffBytes Tags(const Mesh& mesh)
{
    IffBytes tags;
    for (const SurfaceStyle& style : mesh.Surfaces())
        tags.S0(style.name);
    return tags;
}

IffBytes Layer()
{
    IffBytes layer;
    layer.U2(0).U2(0).F4(0).F4(0).F4(0).S0("Layer 1");
    return layer;
}

IffBytes Points(const Mesh& mesh)
{
    IffBytes points;
    for (const Vec3& p : mesh.Points())
        points.F4(p.x).F4(p.y).F4(p.z);
    return points;
}

IffBytes BoundingBox(const Mesh& mesh)
{
    Vec3 low{std::numeric_limits<double>::max(), std::numeric_limits<double>::max(),
             std::numeric_limits<double>::max()};
    Vec3 high = low * -1.0;
    for (const Vec3& p : mesh.Points()) {
        low = {std::min(low.x, p.x), std::min(low.y, p.y), std::min(low.z, p.z)};
        high = {std::max(high.x, p.x), std::max(high.y, p.y), std::max(high.z, p.z)};
    }
    IffBytes box;
    box.F4(low.x).F4(low.y).F4(low.z).F4(high.x).F4(high.y).F4(high.z);
    return box;
}

IffBytes Faces(const Mesh& mesh)
{
    IffBytes faces;
    faces.Id("FACE");
    for (const Polygon& polygon : mesh.Polygons()) {
        faces.U2(static_cast<unsigned>(polygon.corners.size()));
        for (const Corner& corner : polygon.corners)
            faces.U2(static_cast<unsigned>(corner.point));
    }
    return faces;
}

IffBytes UvMapHeader()
{
    IffBytes header;
    header.Id("TXUV").U2(2).S0("UVMap");
    return header;
}

bool SameUv(Uv a, Uv b) { return std::fabs(a.u - b.u) < 1e-6 && std::fabs(a.v - b.v) < 1e-6; }

// LightWave's v runs up the picture; the model's coordinates run down it.
IffBytes& PutUv(IffBytes& bytes, Uv uv) { return bytes.F4(uv.u).F4(1.0 - uv.v); }

// Each point's coordinate is the one of the first corner that names it; corners that differ from it
// become per-polygon entries.
void UvMaps(const Mesh& mesh, IffBytes& pointMap, IffBytes& polygonMap)
{
    std::vector<const Uv*> first(mesh.Points().size(), nullptr);
    pointMap = UvMapHeader();
    polygonMap = UvMapHeader();
    for (size_t p = 0; p < mesh.Polygons().size(); ++p) {
        for (const Corner& corner : mesh.Polygons()[p].corners) {
            if (!first[corner.point]) {
                first[corner.point] = &corner.uv;
                PutUv(pointMap.U2(static_cast<unsigned>(corner.point)), corner.uv);
            } else if (!SameUv(*first[corner.point], corner.uv)) {
                PutUv(polygonMap.U2(static_cast<unsigned>(corner.point)).U2(static_cast<unsigned>(p)), corner.uv);
            }
        }
    }
}

IffBytes PolygonTags(const Mesh& mesh)
{
    IffBytes tags;
    tags.Id("SURF");
    for (size_t p = 0; p < mesh.Polygons().size(); ++p)
        tags.U2(static_cast<unsigned>(p)).U2(static_cast<unsigned>(mesh.Polygons()[p].surface));
    return tags;
}

IffBytes StillClip(size_t index, const std::string& picture)
{
    IffBytes name;
    name.S0("Images/" + picture);
    IffBytes clip;
    clip.U4(static_cast<uint32_t>(index)).Sub("STIL", name);
    return clip;
}

// An image-map texture block: colour channel, UV projection, the clip, repeat in both directions.
IffBytes ImageBlock(size_t clip)
{
    IffBytes header;
    header.S0("\x80").Sub("CHAN", IffBytes().Id("COLR")).Sub("ENAB", IffBytes().U2(1));
    IffBytes block;
    block.Sub("IMAP", header)
        .Sub("PROJ", IffBytes().U2(5))
        .Sub("AXIS", IffBytes().U2(2))
        .Sub("IMAG", IffBytes().U2(static_cast<unsigned>(clip)))
        .Sub("WRAP", IffBytes().U2(1).U2(1))
        .Sub("VMAP", IffBytes().S0("UVMap"));
    return block;
}

IffBytes Surface(const SurfaceStyle& style, size_t clip)
{
    IffBytes surface;
    surface.S0(style.name).S0("");
    surface.Sub("COLR", IffBytes().F4(style.r).F4(style.g).F4(style.b).U2(0));
    surface.Sub("DIFF", IffBytes().F4(1.0).U2(0));
    if (style.shiny)
        surface.Sub("SPEC", IffBytes().F4(0.6).U2(0));
    surface.Sub("SMAN", IffBytes().F4(kPi / 8));
    if (!style.texture.empty())
        surface.Sub("BLOK", ImageBlock(clip));
    return surface;
}

}  // namespace

std::vector<uint8_t> EncodeLwo2(const Mesh& mesh)
{
    CheckLimits(mesh);
    const bool textured = AnyTexture(mesh);
    IffBytes body;
    body.Id("LWO2").Chunk("TAGS", Tags(mesh)).Chunk("LAYR", Layer()).Chunk("PNTS", Points(mesh));
    body.Chunk("BBOX", BoundingBox(mesh));
    IffBytes pointMap, polygonMap;
    if (textured) {
        UvMaps(mesh, pointMap, polygonMap);
        body.Chunk("VMAP", pointMap);
    }
    body.Chunk("POLS", Faces(mesh));
    if (textured && polygonMap.Size() > UvMapHeader().Size())
        body.Chunk("VMAD", polygonMap);
    body.Chunk("PTAG", PolygonTags(mesh));
    for (size_t k = 0; k < mesh.Surfaces().size(); ++k) {
        if (!mesh.Surfaces()[k].texture.empty())
            body.Chunk("CLIP", StillClip(k + 1, mesh.Surfaces()[k].texture));
    }
    for (size_t k = 0; k < mesh.Surfaces().size(); ++k)
        body.Chunk("SURF", Surface(mesh.Surfaces()[k], k + 1));
    IffBytes file;
    file.Chunk("FORM", body);
    return file.Data();
}

std::vector<std::string> TextureNames(const Mesh& mesh)
{
    std::vector<std::string> names;
    for (const SurfaceStyle& style : mesh.Surfaces()) {
        if (!style.texture.empty() && std::find(names.begin(), names.end(), style.texture) == names.end())
            names.push_back(style.texture);
    }
    return names;
}

}  // namespace datagen
