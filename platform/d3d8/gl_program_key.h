// The part of the fixed-function state that changes the generated GLSL: vertex format, lighting
// shape, fog mode, texture-stage operations, alpha test, point sprites and shading. Everything else
// (matrices, colours, light parameters, fog distances, reference values) goes in uniforms, so one
// program serves every draw with the same key.
#pragma once

#include <cstddef>
#include <cstdint>

#include "device_state.h"
#include "gl_vertex_layout.h"

namespace d3d8 {

// Stages the device offers (its caps say two).
constexpr int kProgramStages = 2;

// Texture coordinates made per vertex from camera space (the high word of D3DTSS_TEXCOORDINDEX).
enum class TexGen : uint8_t { None, CameraSpaceNormal, CameraSpacePosition, CameraSpaceReflection };

enum class FogSource : uint8_t {
    None,
    Table,          // per pixel from a depth: eye depth or the 0-to-1 depth
    Vertex,         // per vertex from the eye depth (or distance with range fog)
    SpecularAlpha,  // the vertex's own specular alpha is the fog factor
};

struct StageKey {
    uint8_t colorOp = 0;  // 0: this stage and all after it are off
    uint8_t colorArg1 = 0, colorArg2 = 0;
    uint8_t colorArg0 = 0;  // the third argument of MULTIPLYADD and LERP; 0 for other operations
    uint8_t alphaOp = 0;  // 0: alpha passes through unchanged
    uint8_t alphaArg1 = 0, alphaArg2 = 0;
    uint8_t alphaArg0 = 0;
    uint8_t hasTexture = 0;
    uint8_t cube = 0;  // the stage samples a cube texture by a direction
    TexGen texGen = TexGen::None;
    uint8_t texCoordSet = 0;   // 0xFF: the vertex has no such set, coordinates read 0
    uint8_t texCoordSize = 0;  // floats in that set
    uint8_t transformCount = 0;  // D3DTTFF_COUNTn, 0 when the coordinates are not transformed
    uint8_t projected = 0;
};

// Plain bytes only, fully zeroed before use, so keys compare and hash as memory.
struct ProgramKey {
    uint8_t transformed = 0, hasNormal = 0, hasPointSize = 0, hasDiffuse = 0, hasSpecular = 0;
    uint8_t texCoordSets = 0;
    uint8_t lighting = 0, lightCount = 0;
    uint8_t lightTypes[kMaxActiveLights] = {};
    uint8_t normalizeNormals = 0, localViewer = 0, specularEnable = 0;
    uint8_t diffuseSource = 0, ambientSource = 0, specularSource = 0, emissiveSource = 0;
    FogSource fogSource = FogSource::None;
    uint8_t fogMode = 0;         // D3DFOG_LINEAR / EXP / EXP2 for table and vertex fog
    uint8_t fogEyeDepth = 0;     // table fog from the eye depth (a W-friendly projection)
    uint8_t rangeFog = 0;
    StageKey stages[kProgramStages];
    uint8_t alphaFunc = 0;       // 0: no alpha test
    uint8_t pointSprite = 0, pointScale = 0;
    uint8_t flatShading = 0;

    bool operator==(const ProgramKey& other) const;
};

struct ProgramKeyHash {
    size_t operator()(const ProgramKey& key) const;
};

// What the draw binds beside the state: which stages have a texture, and whether it draws points.
struct DrawShape {
    bool stageHasTexture[kProgramStages] = {};
    bool stageIsCube[kProgramStages] = {};
    bool drawsPoints = false;
};

ProgramKey BuildProgramKey(const DeviceState& state, const VertexLayout& layout, const DrawShape& shape);

// A projection whose fourth column makes w the eye depth: table fog then uses that depth.
bool IsWFriendlyProjection(const D3DMATRIX& projection);
// Whether some stage makes its coordinates from the camera-space normal.
bool UsesNormalTexGen(const ProgramKey& key);
// Whether the operation takes the third argument (D3DTSS_COLORARG0 / ALPHAARG0).
bool TakesThirdArgument(DWORD op);

}  // namespace d3d8
