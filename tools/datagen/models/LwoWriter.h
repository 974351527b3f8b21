// Writes a Mesh as a LightWave LWO2 object in the form the engine's reader takes: one layer, FACE
// polygons, SURF polygon tags, one TXUV map per point (VMAP) plus per-polygon exceptions (VMAD) where
// a point's texture coordinate differs between its polygons, and one still-image clip per textured
// surface, numbered in surface order so that surface k's picture is clip k + 1.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "models/Mesh.h"

namespace datagen {

// Throws std::invalid_argument when the mesh cannot be written in that form (too many points,
// polygons or surfaces for the 16-bit indices, a polygon of more than 1023 corners, no polygon).
std::vector<uint8_t> EncodeLwo2(const Mesh& mesh);

// The pictures the mesh's surfaces name, in surface order, each once.
std::vector<std::string> TextureNames(const Mesh& mesh);

}  // namespace datagen
