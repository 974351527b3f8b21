// Surfaces: the material colours of a SURF chunk and the still-image textures its blocks name.
#include "meshes/LWObjectReader.h"

#include "meshes/LWMeshObjectMessages.h"

namespace {

struct SSubChunk {
    unsigned int content;  // first content byte
    unsigned int end;      // one past the content
};

D3DCOLORVALUE Colour(float r, float g, float b) { return {r, g, b, 1.0f}; }

}  // namespace

bool CLWObjectReader::ChunkSurf(unsigned int& position)
{
    SChunk chunk{};
    if (!OpenChunk(position, chunk))
        return false;
    CString name, source;
    if (!ReadString(position, chunk.end, name) || !ReadString(position, chunk.end, source))
        return false;
    int material = -1;
    for (int i = 0; i < static_cast<int>(m_pTags.size()); ++i) {
        if (m_pTags[i].str() == name.str())
            material = i;
    }
    if (!ReadSurfaceColour(position, chunk.end, material))
        return false;
    CloseChunk(position, chunk);
    return true;
}

// COLR first, then DIFF, SPEC and BLOK up to the chunk end; a surface no tag names changes nothing.
bool CLWObjectReader::ReadSurfaceColour(unsigned int& position, unsigned int end, int material)
{
    float r = 0, g = 0, b = 0;
    bool first = true;
    while (position + 6 <= end) {
        const unsigned char* id = &m_pFile[position];
        const SSubChunk sub{position + 6, position + 6 + ChunkToUShort(&m_pFile[position + 4])};
        if (first && !CompareChunk("COLR", id)) {
            DisplayError(lw_messages::kNotColr);
            return false;
        }
        if (sub.end > end) {
            DisplayError(lw_messages::kTruncated);
            return false;
        }
        const bool applies = material >= 0;
        if (first && sub.end - sub.content >= 12) {
            r = ChunkToFloat(&m_pFile[sub.content]);
            g = ChunkToFloat(&m_pFile[sub.content + 4]);
            b = ChunkToFloat(&m_pFile[sub.content + 8]);
            if (applies) {
                m_Target.SetAmbientColor(Colour(r, g, b), material);
                m_Target.SetDiffuseColor(Colour(1, 1, 1), material);
                m_Target.SetSpecularColor(Colour(0, 0, 0), material);
                m_Target.SetEmissiveColor(Colour(0, 0, 0), material);
            }
        } else if (CompareChunk("DIFF", id) && applies) {
            m_Target.SetDiffuseColor(Colour(r, g, b), material);
        } else if (CompareChunk("SPEC", id) && applies) {
            m_Target.SetSpecularColor(Colour(r, g, b), material);
        } else if (CompareChunk("BLOK", id)) {
            ReadSurfaceBlock(sub.content, sub.end);
        }
        first = false;
        position = sub.end + ((sub.end - sub.content) & 1u);
    }
    if (first) {
        DisplayError(lw_messages::kNotColr);
        return false;
    }
    return true;
}

// An IMAG naming a clip that holds a name puts that texture on slot clip - 1. Clip 0 names nothing.
void CLWObjectReader::ReadSurfaceBlock(unsigned int position, unsigned int end)
{
    while (position + 6 <= end) {
        const unsigned char* id = &m_pFile[position];
        const unsigned int content = position + 6;
        const unsigned int subEnd = content + ChunkToUShort(&m_pFile[position + 4]);
        if (subEnd > end)
            return;
        if (CompareChunk("IMAG", id) && subEnd - content >= 2) {
            const int clip = ChunkToUShort(&m_pFile[content]);
            if (clip > 0 && clip < kClipSlots && !m_pClips[clip].IsEmpty())
                m_Target.SetClipTexture(m_pClips[clip], clip - 1);
        }
        position = subEnd + ((subEnd - content) & 1u);
    }
}
