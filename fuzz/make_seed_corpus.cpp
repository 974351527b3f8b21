// Writes the seed corpus of every harness: make_seed_corpus FOLDER fills FOLDER/3ds, FOLDER/xfile and
// FOLDER/move with small well-formed inputs (and a few near misses) for the fuzzers to start from.
#include <sys/stat.h>

#include <cstdio>
#include <string>
#include <vector>

#include "3ds_file_builder.h"

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
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    mkdir(folder.c_str(), 0755);
    if (!WriteSeeds(folder, "3ds", ThreeDSSeeds()) || !WriteSeeds(folder, "xfile", XFileSeeds()) ||
        !WriteSeeds(folder, "move", MoveSeeds())) {
        std::fprintf(stderr, "cannot write the corpus under %s\n", folder.c_str());
        return 1;
    }
    return 0;
}
