#include "models/XWriter.h"

#include <cstdio>
#include <sstream>
#include <stdexcept>

namespace datagen {

namespace {

constexpr size_t kMaxVertices = 65535;

std::string Number(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.6f", value);
    return text;
}

void CheckMesh(const XMesh& mesh)
{
    if (mesh.positions.empty() || mesh.triangles.empty())
        throw std::invalid_argument("an .x mesh needs vertices and faces");
    if (mesh.positions.size() > kMaxVertices)
        throw std::invalid_argument("too many vertices for 16-bit indices");
    if (mesh.normals.size() != mesh.positions.size())
        throw std::invalid_argument("an .x mesh needs one normal per vertex");
    for (const auto& triangle : mesh.triangles) {
        for (int index : triangle) {
            if (index < 0 || static_cast<size_t>(index) >= mesh.positions.size())
                throw std::invalid_argument("a face names a vertex the mesh does not have");
        }
    }
}

// "count;" then the items separated by ",\n" and closed by ";;" (the text form of an array).
void PutVectors(std::ostringstream& out, const std::vector<Vec3>& vectors)
{
    out << "  " << vectors.size() << ";\n";
    for (size_t i = 0; i < vectors.size(); ++i) {
        const Vec3& v = vectors[i];
        out << "  " << Number(v.x) << ";" << Number(v.y) << ";" << Number(v.z) << ";"
            << (i + 1 < vectors.size() ? ",\n" : ";\n");
    }
}

void PutFaces(std::ostringstream& out, const std::vector<std::array<int, 3>>& triangles)
{
    out << "  " << triangles.size() << ";\n";
    for (size_t i = 0; i < triangles.size(); ++i) {
        const auto& t = triangles[i];
        out << "  3;" << t[0] << "," << t[1] << "," << t[2] << ";" << (i + 1 < triangles.size() ? ",\n" : ";\n");
    }
}

void PutMaterialList(std::ostringstream& out, const XMesh& mesh)
{
    const XMaterial& m = mesh.material;
    out << "  MeshMaterialList {\n   1;\n   " << mesh.triangles.size() << ";\n";
    for (size_t i = 0; i < mesh.triangles.size(); ++i)
        out << "   0" << (i + 1 < mesh.triangles.size() ? ",\n" : ";\n");
    out << "   Material {\n"
        << "    " << Number(m.r) << ";" << Number(m.g) << ";" << Number(m.b) << ";" << Number(m.a) << ";;\n"
        << "    " << Number(m.power) << ";\n"
        << "    " << Number(m.specular.x) << ";" << Number(m.specular.y) << ";" << Number(m.specular.z) << ";;\n"
        << "    " << Number(m.emissive.x) << ";" << Number(m.emissive.y) << ";" << Number(m.emissive.z) << ";;\n"
        << "   }\n  }\n";
}

}  // namespace

std::string EncodeXText(const XMesh& mesh, const std::string& name)
{
    CheckMesh(mesh);
    std::ostringstream out;
    out << "xof 0302txt 0032\n\n";
    out << "Frame " << name << " {\n FrameTransformMatrix {\n"
        << "  1.000000,0.000000,0.000000,0.000000,0.000000,1.000000,0.000000,0.000000,"
        << "0.000000,0.000000,1.000000,0.000000,0.000000,0.000000,0.000000,1.000000;;\n }\n";
    out << " Mesh " << name << "Mesh {\n";
    PutVectors(out, mesh.positions);
    PutFaces(out, mesh.triangles);
    out << "  MeshNormals {\n";
    PutVectors(out, mesh.normals);
    PutFaces(out, mesh.triangles);
    out << "  }\n";
    PutMaterialList(out, mesh);
    out << " }\n}\n";
    return out.str();
}

}  // namespace datagen
