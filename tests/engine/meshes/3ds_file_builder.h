// Builds 3DS files byte by byte for the loader tests: little-endian chunks whose length is worked
// out from their contents unless a test gives a wrong one on purpose.
#pragma once

#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <string>
#include <vector>

using Bytes = std::vector<uint8_t>;

class Chunk {
public:
    explicit Chunk(uint16_t id) : m_Id(id) {}

    Chunk& Word(uint16_t value)
    {
        m_Data.push_back(static_cast<uint8_t>(value));
        m_Data.push_back(static_cast<uint8_t>(value >> 8));
        return *this;
    }
    Chunk& Dword(uint32_t value)
    {
        Word(static_cast<uint16_t>(value));
        return Word(static_cast<uint16_t>(value >> 16));
    }
    Chunk& Float(float value)
    {
        uint32_t bits;
        std::memcpy(&bits, &value, 4);
        return Dword(bits);
    }
    Chunk& Raw(std::initializer_list<uint8_t> bytes)
    {
        m_Data.insert(m_Data.end(), bytes);
        return *this;
    }
    Chunk& Zeros(size_t count)
    {
        m_Data.insert(m_Data.end(), count, 0);
        return *this;
    }
    // With its terminating zero byte.
    Chunk& String(const std::string& text)
    {
        m_Data.insert(m_Data.end(), text.begin(), text.end());
        m_Data.push_back(0);
        return *this;
    }
    Chunk& Add(const Chunk& child)
    {
        const Bytes bytes = child.Build();
        m_Data.insert(m_Data.end(), bytes.begin(), bytes.end());
        return *this;
    }
    // A length field that does not match the contents.
    Chunk& Length(uint32_t length)
    {
        m_Length = length;
        m_bLength = true;
        return *this;
    }

    Bytes Build() const
    {
        Chunk header(m_Id);
        header.Word(m_Id);
        header.Dword(m_bLength ? m_Length : static_cast<uint32_t>(m_Data.size() + 6));
        Bytes bytes(header.m_Data);
        bytes.insert(bytes.end(), m_Data.begin(), m_Data.end());
        return bytes;
    }

private:
    uint16_t m_Id;
    Bytes m_Data;
    uint32_t m_Length = 0;
    bool m_bLength = false;
};

struct SFileVertex {
    float x, y, z;
};

struct SFileFace {
    uint16_t a, b, c;
};

inline Chunk VertexList(std::initializer_list<SFileVertex> vertices)
{
    Chunk chunk(0x4110);
    chunk.Word(static_cast<uint16_t>(vertices.size()));
    for (const SFileVertex& v : vertices)
        chunk.Float(v.x).Float(v.y).Float(v.z);
    return chunk;
}

// The face list, with a material group naming material when it is not empty.
inline Chunk FaceList(std::initializer_list<SFileFace> faces, const std::string& material = "")
{
    Chunk chunk(0x4120);
    chunk.Word(static_cast<uint16_t>(faces.size()));
    for (const SFileFace& f : faces)
        chunk.Word(f.a).Word(f.b).Word(f.c).Word(7);
    if (!material.empty()) {
        Chunk group(0x4130);
        group.String(material).Word(static_cast<uint16_t>(faces.size()));
        for (size_t i = 0; i < faces.size(); ++i)
            group.Word(static_cast<uint16_t>(i));
        chunk.Add(group);
    }
    return chunk;
}

inline Chunk TexCoordList(std::initializer_list<std::pair<float, float>> coords)
{
    Chunk chunk(0x4140);
    chunk.Word(static_cast<uint16_t>(coords.size()));
    for (const auto& uv : coords)
        chunk.Float(uv.first).Float(uv.second);
    return chunk;
}

// A named object holding one triangle mesh made of the given chunks.
inline Chunk Object(const std::string& name, std::initializer_list<Chunk> mesh)
{
    Chunk triangles(0x4100);
    for (const Chunk& chunk : mesh)
        triangles.Add(chunk);
    return Chunk(0x4000).String(name).Add(triangles);
}

// A material with a name, a 24-bit diffuse colour and, when texture is not empty, a texture map.
inline Chunk Material(const std::string& name, uint8_t r, uint8_t g, uint8_t b, const std::string& texture = "")
{
    Chunk material(0xAFFF);
    material.Add(Chunk(0xA000).String(name));
    material.Add(Chunk(0xA020).Add(Chunk(0x0011).Raw({r, g, b})));
    if (!texture.empty())
        material.Add(Chunk(0xA200).Add(Chunk(0xA351).Word(0)).Add(Chunk(0xA300).String(texture)));
    return material;
}

// A whole file: the version chunk, then an editor (with its mesh version) holding the given chunks.
inline Bytes File3DS(std::initializer_list<Chunk> editorContents, uint32_t version = 3)
{
    Chunk editor(0x3D3D);
    editor.Add(Chunk(0x3D3E).Dword(3));
    for (const Chunk& chunk : editorContents)
        editor.Add(chunk);
    return Chunk(0x4D4D).Add(Chunk(0x0002).Dword(version)).Add(editor).Build();
}

// The two-object, two-material file of the loader tests. "Red" is textured and used by the second
// object; "Blue" is used by the first. Vertex 0 of the first object lies at (1, 2, 3) in the file.
inline Bytes TwoObjectFile()
{
    return File3DS({
        Material("Red", 255, 0, 128, "skin.bmp"),
        Material("Blue", 128, 64, 255),
        Object("Box", {VertexList({{1, 2, 3}, {2, 0, 0}, {0, 2, 0}, {0, 0, 0}}),
                       TexCoordList({{0.25f, 0.75f}, {1, 0}, {0, 1}, {0.5f, 0.5f}}),
                       FaceList({{0, 1, 2}, {1, 3, 2}}, "Blue")}),
        Object("Tri", {VertexList({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}}), FaceList({{0, 1, 2}}, "Red")}),
        Chunk(0xB000).Add(Chunk(0xB00A).Raw({1, 2, 3, 4, 5})),
    });
}
