// uvcube.lwo, the hero: a cube of edge 2 whose six faces each wear their own tile of the skin. Its
// corner points are shared by three faces with different texture coordinates, so the file carries
// per-polygon coordinates (VMAD) and the reader splits every corner along the seams and hard edges.
#include "models/CubeFaces.h"
#include "models/Models.h"

namespace datagen {

Mesh BuildCube()
{
    Mesh mesh;
    const int skin = AddCubeSkinSurface(mesh, "TalvikCube");
    for (const CubeFace& face : CubeFaces()) {
        mesh.AddGrid(skin, 1, 1, [&face](double s, double t) { return face.At(s, t); }, CubeTileRect(face.tile),
                     {0, 0, 0});
    }
    return mesh;
}

}  // namespace datagen
