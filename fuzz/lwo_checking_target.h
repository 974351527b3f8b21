// The target the LightWave harnesses hand the reader: it keeps the material count and aborts when the
// reader names a material range, a texture slot or a message that cannot be right whatever the input.
#pragma once

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "meshes/LWObjectReader.h"

class CCheckingLWTarget : public CLWModelTarget {
public:
    explicit CCheckingLWTarget(const CLWObjectReader* reader = nullptr) : m_pReader(reader) {}
    void Watch(const CLWObjectReader& reader) { m_pReader = &reader; }

    void SetNumberMaterials(int count) override
    {
        // PTAG gives the largest 16-bit tag plus one.
        Require(count >= 1 && count <= 65536);
        m_nMaterials = count;
    }
    void SetMaterialIndex(int material, int faceEnd) override
    {
        Require(material >= 0 && material < m_nMaterials);
        Require(faceEnd >= 0 && (!m_pReader || faceEnd <= m_pReader->FaceCount()));
    }
    void SetAmbientColor(D3DCOLORVALUE, int material) override { Require(material >= 0); }
    void SetDiffuseColor(D3DCOLORVALUE, int material) override { Require(material >= 0); }
    void SetSpecularColor(D3DCOLORVALUE, int material) override { Require(material >= 0); }
    void SetEmissiveColor(D3DCOLORVALUE, int material) override { Require(material >= 0); }
    void SetClipTexture(CString clipName, int material) override
    {
        Require(!clipName.IsEmpty() && material >= 0 && material < CLWObjectReader::kClipSlots - 1);
    }
    void DisplayError(CString message) override
    {
        Require(!message.IsEmpty());
        ++m_nMessages;
    }

    int Messages() const { return m_nMessages; }

    static void Require(bool condition)
    {
        if (!condition)
            std::abort();
    }

private:
    const CLWObjectReader* m_pReader;
    int m_nMaterials = 0;
    int m_nMessages = 0;
};

// Positions small enough that the face normals cannot overflow.
inline bool ModerateFinite(float value) { return std::isfinite(value) && std::fabs(value) < 1e15f; }

// After a whole load every point's normal is of unit length, or zero when its triangles have no area
// or cancel out; positions that overflow the arithmetic are left out.
inline void CheckNormals(const CLWObjectReader& reader)
{
    const std::vector<CLWObjectReader::SLWVertex>& points = reader.Points();
    for (int i = 0; i < reader.VertexCount(); ++i) {
        if (!ModerateFinite(points[i].x) || !ModerateFinite(points[i].y) || !ModerateFinite(points[i].z))
            return;
    }
    for (int i = 0; i < reader.VertexCount(); ++i) {
        const CLWObjectReader::SLWVertex& p = points[i];
        const float length = std::sqrt(p.nx * p.nx + p.ny * p.ny + p.nz * p.nz);
        CCheckingLWTarget::Require(length < 1e-3f || std::fabs(length - 1.0f) < 1e-3f);
        CCheckingLWTarget::Require(p.partner >= -1 && p.partner < reader.VertexCount());
    }
}

// What every load leaves, whole or stopped: counts within the arrays, and a message exactly when the
// load stopped. A whole file also has every triangle naming an existing point and a box around the
// origin.
inline void CheckModel(const CLWObjectReader& reader, bool whole, int messages)
{
    auto require = CCheckingLWTarget::Require;
    require(whole == (messages == 0));
    require(reader.VertexCount() >= 0 && reader.VertexCount() <= CLWObjectReader::kMaxPoints);
    require(static_cast<size_t>(reader.VertexCount()) <= reader.Points().size());
    require(reader.Indexes().size() == 3 * static_cast<size_t>(reader.FaceCount()));
    if (!whole)
        return;
    for (uint16_t index : reader.Indexes())
        require(index < reader.VertexCount());
    const D3DXVECTOR3 low = reader.BoxMin(), high = reader.BoxMax();
    require(low.x <= 0 && low.y <= 0 && low.z <= 0 && high.x >= 0 && high.y >= 0 && high.z >= 0);
    CheckNormals(reader);
}

// The same model, byte for byte: counts, indexes and every field of the used points.
inline bool SameModel(const CLWObjectReader& a, const CLWObjectReader& b)
{
    return a.VertexCount() == b.VertexCount() && a.FaceCount() == b.FaceCount() && a.Indexes() == b.Indexes() &&
           (a.VertexCount() == 0 ||
            std::memcmp(a.Points().data(), b.Points().data(),
                        sizeof(CLWObjectReader::SLWVertex) * static_cast<size_t>(a.VertexCount())) == 0);
}
