// Text .x files for the loader tests, written piece by piece.
#pragma once

#include <string>

namespace d3dx8_mesh_test {

inline const std::string kXHeader = "xof 0302txt 0032\n";

// Templates as exporters write them; the loader skips their declarations.
inline const std::string kXTemplates = R"(template Vector {
 <3D82AB5E-62DA-11cf-AB39-0020AF71E433>
 FLOAT x;
 FLOAT y;
 FLOAT z;
}
template MeshFace {
 <3D82AB5F-62DA-11cf-AB39-0020AF71E433>
 DWORD nFaceVertexIndices;
 array DWORD faceVertexIndices[nFaceVertexIndices];
}
template Mesh {
 <3D82AB44-62DA-11cf-AB39-0020AF71E433>
 DWORD nVertices;
 array Vector vertices[nVertices];
 DWORD nFaces;
 array MeshFace faces[nFaces];
 [...]
}
)";

// The cube's corners (bit 0 of the index gives x, bit 1 y, bit 2 z) and its six sides as quads, each
// clockwise from outside: +z, -z, +x, -x, +y, -y.
inline const std::string kCubeVertices = R"(8;
 -1.0; -1.0; -1.0;,
  1.0; -1.0; -1.0;,
 -1.0;  1.0; -1.0;,
  1.0;  1.0; -1.0;,
 -1.0; -1.0;  1.0;,
  1.0; -1.0;  1.0;,
 -1.0;  1.0;  1.0;,
  1.0;  1.0;  1.0;;
)";
inline const std::string kCubeFaces = R"(6;
 4; 4, 5, 7, 6;,
 4; 0, 2, 3, 1;,
 4; 1, 3, 7, 5;,
 4; 0, 4, 6, 2;,
 4; 2, 6, 7, 3;,
 4; 0, 1, 5, 4;;
)";

// Smooth normals: one per corner, the corner's direction, with the same face list as the positions.
inline const std::string kCubeCornerNormals = R"( MeshNormals {
  8;
  -0.57735; -0.57735; -0.57735;,
   0.57735; -0.57735; -0.57735;,
  -0.57735;  0.57735; -0.57735;,
   0.57735;  0.57735; -0.57735;,
  -0.57735; -0.57735;  0.57735;,
   0.57735; -0.57735;  0.57735;,
  -0.57735;  0.57735;  0.57735;,
   0.57735;  0.57735;  0.57735;;
)" + kCubeFaces + " }\n";

// Flat normals: one per side.
inline const std::string kCubeSideNormals = R"( MeshNormals {
  6;
  0; 0; 1;, 0; 0; -1;, 1; 0; 0;, -1; 0; 0;, 0; 1; 0;, 0; -1; 0;;
  6;
  4; 0, 0, 0, 0;,
  4; 1, 1, 1, 1;,
  4; 2, 2, 2, 2;,
  4; 3, 3, 3, 3;,
  4; 4, 4, 4, 4;,
  4; 5, 5, 5, 5;;
 }
)";

// u = x of the corner mapped to 0..1, v = y likewise.
inline const std::string kCubeTexCoords = R"( MeshTextureCoords {
  8;
  0.0; 0.0;, 1.0; 0.0;, 0.0; 1.0;, 1.0; 1.0;, 0.0; 0.0;, 1.0; 0.0;, 0.0; 1.0;, 1.0; 1.0;;
 }
)";

// Sides 0-2 red, sides 3-5 textured with tex\brick.png.
inline const std::string kCubeTwoMaterials = R"( MeshMaterialList {
  2;
  6;
  0, 0, 0, 1, 1, 1;;
  Material Red {
   1.0; 0.0; 0.0; 0.75;;
   12.5;
   0.25; 0.5; 0.75;;
   0.1; 0.2; 0.3;;
  }
  Material {
   0.5; 0.5; 0.5; 1.0;;
   0.0;
   0.0; 0.0; 0.0;;
   0.0; 0.0; 0.0;;
   TextureFilename { "tex\brick.png"; }
  }
 }
)";

inline std::string CubeMesh(const std::string& children)
{
    return "Mesh Cube {\n" + kCubeVertices + kCubeFaces + children + "}\n";
}

inline std::string FullCubeFile()
{
    return kXHeader + kXTemplates + CubeMesh(kCubeCornerNormals + kCubeTexCoords + kCubeTwoMaterials);
}

}  // namespace d3dx8_mesh_test
