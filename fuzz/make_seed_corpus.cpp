// Writes the seed corpus of every harness: make_seed_corpus FOLDER DATA fills FOLDER/3ds, FOLDER/xfile,
// FOLDER/move, FOLDER/lwo, FOLDER/lwo_series, FOLDER/particle, FOLDER/glyph, FOLDER/height_map and
// FOLDER/launch_options with small well-formed inputs (and a few near misses) for the fuzzers to start
// from, and FOLDER/texture_image and FOLDER/music with the demo's own small pictures and module from the
// generated Data folder DATA, whole and cut.
#include <sys/stat.h>

#include <cstdio>
#include <string>
#include <vector>

#include "3ds_file_builder.h"
#include "lwo_test_support.h"
#include "particle_file_sample.h"

namespace {

bool WriteFile(const std::string& path, const std::string& bytes)
{
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

std::string Text(const Bytes& bytes) { return std::string(bytes.begin(), bytes.end()); }

std::vector<std::string> ThreeDSSeeds()
{
    const Chunk mesh = VertexList({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {1, 1, 1}});
    Bytes cut = TwoObjectFile();
    cut.resize(cut.size() / 2);
    return {
        Text(TwoObjectFile()),
        Text(File3DS({Material("M", 10, 20, 30, "t.bmp"),
                      Object("Quad", {mesh, TexCoordList({{0, 0}, {1, 0}, {0, 1}, {1, 1}}),
                                      FaceList({{0, 1, 2}, {2, 1, 3}}, "M")})},
                     4)),
        Text(File3DS({Material("Only", 1, 2, 3)})),
        Text(cut),
    };
}

std::vector<std::string> XFileSeeds()
{
    return {
        "xof 0302txt 0032\n"
        "Mesh Tri { 3; 0;0;0;, 1;0;0;, 0;1;0;; 1; 3;0,1,2;;\n"
        " MeshNormals { 1; 0;0;1;; 1; 3;0,0,0;; }\n"
        " MeshTextureCoords { 3; 0;0;, 1;0;, 0;1;; }\n"
        " MeshMaterialList { 1; 1; 0;; Material { 1;0;0;1;; 8; 1;1;1;; 0;0;0;; TextureFilename { \"a.bmp\"; } } }\n"
        "}\n",
        "xof 0302txt 0032\n"
        "Material Red { 1;0;0;1;; 0; 0;0;0;; 0;0;0;; }\n"
        "Frame Root { FrameTransformMatrix { 1,0,0,0, 0,1,0,0, 0,0,1,0, 2,3,4,1;; }\n"
        " Frame Child { Mesh Quad { 4; 0;0;0;, 1;0;0;, 1;1;0;, 0;1;0;; 1; 4;0,1,2,3;;\n"
        "  MeshMaterialList { 1; 1; 0;; { Red } } } } }\n",
        "xof 0302txt 0032\nHeader { 1; 0; 1; }\nMesh { 0;; 0;; }\n",
    };
}

std::vector<std::string> MoveSeeds()
{
    return {
        "0\n0\n0\n",
        "2\n1\n0\n"
        "0.000000\n0.000000\n0.000000\n0.000000\n0.000000\n1.000000\n0.000000\n1.000000\n0.000000\n1.000000\n0.785398\n"
        "10.000000\n0.000000\n0.000000\n0.000000\n0.000000\n1.000000\n0.000000\n1.000000\n0.000000\n2.000000\n0.785398\n",
        "4\n2\n1\n"
        "0 0 0 0 0 1 0 1 0 1 0.7\n5 0 5 0 0 1 0 1 0 1 0.7\n5 5 0 1 0 0 0 1 0 3 0.5\n0 5 5 0 1 0 1 0 0 1 0.9\n",
        "3\n3\n1\n1 1 1 1 1 1 0 1 0 1 1\n1 1 1 1 1 1 0 1 0 1 1\n2 2 2 1 1 1 0 1 0 1 1\n",
    };
}

std::string Text(const std::vector<uint8_t>& bytes, size_t cut) { return std::string(bytes.begin(), bytes.begin() + cut); }

// A ridge along z whose slopes fall by drop, two surfaces; the key frames of the series seeds.
lwo_test::LwoFile Roof(float drop, bool withUvs)
{
    using namespace lwo_test;
    LwoFile file;
    file.Chunk("TAGS", Tags({"A", "B"}))
        .Chunk("PNTS", Points({{-1, -drop, -1}, {-1, -drop, 1}, {0, 0, -1}, {0, 0, 1}, {1, -drop, -1}, {1, -drop, 1}}))
        .Chunk("POLS", Faces({{0, 1, 3, 2}, {2, 3, 5, 4}}))
        .Chunk("PTAG", PolygonTags({1, 0}));
    if (withUvs)
        file.Chunk("VMAP", UvMap({{0, 0, 0}, {3, 1, 1}})).Chunk("VMAD", PolygonUvMap({{2, 1, 0.5f, 0.5f}}));
    return file;
}

std::vector<std::string> LwoSeeds()
{
    using namespace lwo_test;
    LwoFile textured = TwoSurfaceCube();
    textured.Chunk("VMAD", PolygonUvMap({{4, 0, 0.9f, 0.2f}, {1, 5, 0.1f, 0.1f}}))
        .Chunk("CLIP", StillClip(1, "Images/wood.png"))
        .Chunk("CLIP", StillClip(2, "C:\\maps\\stone.png"))
        .Chunk("SURF", Surface("Green", 0, 1, 0, lwo_test::Bytes().Sub("BLOK", lwo_test::Bytes().Sub("IMAG", lwo_test::Bytes().U2(1)))));
    LwoFile mixed;
    mixed.Chunk("TEXT", lwo_test::Bytes{{'a', 'b', 'c'}})
        .Chunk("PNTS", Points({{0, 0, 0}, {2, 0, 0}, {3, 2, 0}, {1, 3, 0}, {-1, 2, 0}, {6, 6, 6}, {5, 5, 5}}))
        .Chunk("POLS", Faces({{5}, {0, 1, 2, 3, 4}, {5, 6}}))
        .Chunk("PTAG", PolygonTags({0, 1, 0}));
    const std::vector<uint8_t> cube = TwoSurfaceCube().Bytes_();
    return {
        Text(cube),
        Text(textured.Bytes_()),
        Text(mixed.Bytes_()),
        Text(Roof(1, true).Bytes_()),
        Text(cube, cube.size() / 2),
    };
}

// Two or three files back to back: matching key frames, then ones with fewer points, other polygons
// or other splits than file 0.
std::vector<std::string> LwoSeriesSeeds()
{
    using namespace lwo_test;
    LwoFile fewer;
    fewer.Chunk("PNTS", Points({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}})).Chunk("POLS", Faces({{0, 1, 2}}));
    LwoFile gentle = Roof(0.1f, false);
    return {
        Text(Roof(1, false).Bytes_()) + Text(Roof(0.1f, false).Bytes_()) + Text(Roof(2, false).Bytes_()),
        Text(Roof(1, true).Bytes_()) + Text(fewer.Bytes_()) + Text(TwoSurfaceCube().Bytes_()),
        Text(gentle.Bytes_()) + Text(Roof(1, true).Bytes_()),
    };
}

std::vector<std::string> ParticleSeeds()
{
    const std::string body = particle_sample::kGoodBody;
    std::string windows;
    for (char c : "[ParticleSystem 1.00]\n" + body) {
        if (c == '\n')
            windows += '\r';
        windows += c;
    }
    return {
        "[ParticleSystem 1.00]\n" + body,
        windows,
        "[ParticleSystem 1.00]\nPosition = ( 1 , 2 , 3 )\nSrcBlend=d3dblend_zero\nDestBlend=D3DBLEND_INVDESTCOLOR\n"
        "Unknown=1\nTexture=\n",
        "[ParticleSystem 1.00]\nSize=(1, 2)\nSize=(3, 4)\n",
    };
}

std::vector<std::string> GlyphSeeds()
{
    return {
        "A 0,0 16,16\nB 16,0 32,16\n  C\t32 , 0 48 , 16 trailing\n",
        "a 0,0 256,256\r\n\n, 1,2 3,4\n0 -1,0 4,4\nx 10,10\n",
        "Z 0,0 2147483647,1\nY 250,250 256,256\n",
    };
}

std::vector<std::string> HeightMapSeeds()
{
    std::string whole(10000, '\0');
    for (size_t k = 0; k < whole.size(); ++k)
        whole[k] = static_cast<char>((k % 100 + k / 100) % 256);
    return {whole, whole.substr(0, 5000), whole + "extra", std::string(10000, '\xFF')};
}

std::vector<std::string> LaunchOptionSeeds()
{
    using namespace std::string_literals;
    return {
        "--windowed\0--no-dialog\0--resolution\0001024x768\0--infos"s,
        "--capture\0frames\0--resolution\0960x720\0--fps\00030\0--from\0001.5\0--to\0003"s,
        "--bench\0--bench-json\0bench.json\0--from\00010"s,
        "--fullscreen\0--part\0007\0--data\0/tmp"s,
        "--start\00042.25\0--fps\0000\0-h"s,
        "--resolution\0640x481\0--part\00016"s,
    };
}

bool ReadFile(const std::string& path, std::string& bytes)
{
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return false;
    bytes.clear();
    char buffer[65536];
    size_t got;
    while ((got = std::fread(buffer, 1, sizeof(buffer), file)) > 0)
        bytes.append(buffer, got);
    const bool whole = !std::ferror(file);
    std::fclose(file);
    return whole;
}

// Files of the Data folder, each whole; those named in cut also cut to their first half.
bool DataSeeds(const std::string& data, const std::vector<std::string>& names, const std::vector<std::string>& cut,
               std::vector<std::string>& seeds)
{
    for (const std::string& name : names) {
        std::string bytes;
        if (!ReadFile(data + "/" + name, bytes)) {
            std::fprintf(stderr, "cannot read %s/%s\n", data.c_str(), name.c_str());
            return false;
        }
        seeds.push_back(bytes);
        for (const std::string& c : cut)
            if (c == name)
                seeds.push_back(bytes.substr(0, bytes.size() / 2));
    }
    return true;
}

bool WriteSeeds(const std::string& folder, const char* name, const std::vector<std::string>& seeds)
{
    const std::string dir = folder + "/" + name;
    mkdir(dir.c_str(), 0755);
    for (size_t i = 0; i < seeds.size(); ++i) {
        if (!WriteFile(dir + "/seed_" + std::to_string(i), seeds[i]))
            return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s FOLDER DATA\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    const std::string data = argv[2];
    std::vector<std::string> pictures, music;
    if (!DataSeeds(data, {"roue_chrome.png", "part.png", "16-9.png", "rtoile_glow.png", "particle-1.jpg"},
                   {"part.png", "particle-1.jpg"}, pictures) ||
        !DataSeeds(data, {"chipmod.XM"}, {"chipmod.XM"}, music))
        return 1;
    mkdir(folder.c_str(), 0755);
    if (!WriteSeeds(folder, "3ds", ThreeDSSeeds()) || !WriteSeeds(folder, "xfile", XFileSeeds()) ||
        !WriteSeeds(folder, "move", MoveSeeds()) || !WriteSeeds(folder, "lwo", LwoSeeds()) ||
        !WriteSeeds(folder, "lwo_series", LwoSeriesSeeds()) || !WriteSeeds(folder, "particle", ParticleSeeds()) ||
        !WriteSeeds(folder, "glyph", GlyphSeeds()) || !WriteSeeds(folder, "height_map", HeightMapSeeds()) ||
        !WriteSeeds(folder, "launch_options", LaunchOptionSeeds()) ||
        !WriteSeeds(folder, "texture_image", pictures) || !WriteSeeds(folder, "music", music)) {
        std::fprintf(stderr, "cannot write the corpus under %s\n", folder.c_str());
        return 1;
    }
    return 0;
}
