#include "gl_program_key.h"

#include <cstring>

namespace d3d8 {

namespace {

DWORD Rs(const DeviceState& state, D3DRENDERSTATETYPE which)
{
    return state.renderStates[which];
}

// A vertex colour source falls back to the material when the vertex lacks that colour or the
// vertex colours are not used for lighting at all.
uint8_t ColorSource(const DeviceState& state, D3DRENDERSTATETYPE which, const VertexLayout& layout)
{
    if (!Rs(state, D3DRS_COLORVERTEX))
        return D3DMCS_MATERIAL;
    const DWORD source = Rs(state, which);
    if (source == D3DMCS_COLOR1 && layout.hasDiffuse)
        return D3DMCS_COLOR1;
    if (source == D3DMCS_COLOR2 && layout.hasSpecular)
        return D3DMCS_COLOR2;
    return D3DMCS_MATERIAL;
}

void FillLighting(ProgramKey& key, const DeviceState& state, const VertexLayout& layout)
{
    key.lighting = !layout.transformed && Rs(state, D3DRS_LIGHTING) ? 1 : 0;
    if (!key.lighting)
        return;
    for (const auto& [index, slot] : state.lights) {
        if (slot.enabled && key.lightCount < kMaxActiveLights)
            key.lightTypes[key.lightCount++] = static_cast<uint8_t>(slot.light.Type);
    }
    key.normalizeNormals = Rs(state, D3DRS_NORMALIZENORMALS) ? 1 : 0;
    key.localViewer = Rs(state, D3DRS_LOCALVIEWER) ? 1 : 0;
    key.diffuseSource = ColorSource(state, D3DRS_DIFFUSEMATERIALSOURCE, layout);
    key.ambientSource = ColorSource(state, D3DRS_AMBIENTMATERIALSOURCE, layout);
    key.specularSource = ColorSource(state, D3DRS_SPECULARMATERIALSOURCE, layout);
    key.emissiveSource = ColorSource(state, D3DRS_EMISSIVEMATERIALSOURCE, layout);
}

bool IsFogMode(DWORD mode)
{
    return mode == D3DFOG_LINEAR || mode == D3DFOG_EXP || mode == D3DFOG_EXP2;
}

// Table fog wins over vertex fog; pre-transformed vertices have no eye position for vertex fog and
// carry their fog in the specular alpha instead.
void FillFog(ProgramKey& key, const DeviceState& state, const VertexLayout& layout)
{
    if (!Rs(state, D3DRS_FOGENABLE))
        return;
    const DWORD table = Rs(state, D3DRS_FOGTABLEMODE), vertex = Rs(state, D3DRS_FOGVERTEXMODE);
    if (IsFogMode(table)) {
        key.fogSource = FogSource::Table;
        key.fogMode = static_cast<uint8_t>(table);
        key.fogEyeDepth = IsWFriendlyProjection(state.transforms[D3DTS_PROJECTION]) ? 1 : 0;
    } else if (IsFogMode(vertex) && !layout.transformed) {
        key.fogSource = FogSource::Vertex;
        key.fogMode = static_cast<uint8_t>(vertex);
        key.rangeFog = Rs(state, D3DRS_RANGEFOGENABLE) ? 1 : 0;
    } else if (layout.hasSpecular) {
        key.fogSource = FogSource::SpecularAlpha;
    }
}

uint8_t Arg(DWORD value)
{
    return static_cast<uint8_t>(value & (D3DTA_SELECTMASK | D3DTA_COMPLEMENT | D3DTA_ALPHAREPLICATE));
}

void FillTexCoords(ProgramKey& key, StageKey& stage, const DeviceState& state,
                   const std::array<DWORD, kStageStateSlots>& ss, const VertexLayout& layout);

// Stages run in order until the first disabled one. A stage without a texture whose first colour
// argument is the texture counts as disabled; other reads of a missing texture give opaque black.
void FillStages(ProgramKey& key, const DeviceState& state, const VertexLayout& layout, const DrawShape& shape)
{
    for (int s = 0; s < kProgramStages; ++s) {
        const auto& ss = state.stageStates[s];
        const bool hasTexture = shape.stageHasTexture[s];
        if (ss[D3DTSS_COLOROP] == D3DTOP_DISABLE || ss[D3DTSS_COLOROP] == 0)
            return;
        if (!hasTexture && (ss[D3DTSS_COLORARG1] & D3DTA_SELECTMASK) == D3DTA_TEXTURE)
            return;
        StageKey& stage = key.stages[s];
        stage.colorOp = static_cast<uint8_t>(ss[D3DTSS_COLOROP]);
        stage.colorArg1 = Arg(ss[D3DTSS_COLORARG1]);
        stage.colorArg2 = Arg(ss[D3DTSS_COLORARG2]);
        if (TakesThirdArgument(ss[D3DTSS_COLOROP]))
            stage.colorArg0 = Arg(ss[D3DTSS_COLORARG0]);
        if (ss[D3DTSS_ALPHAOP] != D3DTOP_DISABLE) {
            stage.alphaOp = static_cast<uint8_t>(ss[D3DTSS_ALPHAOP]);
            stage.alphaArg1 = Arg(ss[D3DTSS_ALPHAARG1]);
            stage.alphaArg2 = Arg(ss[D3DTSS_ALPHAARG2]);
            if (TakesThirdArgument(ss[D3DTSS_ALPHAOP]))
                stage.alphaArg0 = Arg(ss[D3DTSS_ALPHAARG0]);
        }
        stage.hasTexture = hasTexture ? 1 : 0;
        if (!hasTexture)
            continue;
        stage.cube = shape.stageIsCube[s] ? 1 : 0;
        FillTexCoords(key, stage, state, ss, layout);
    }
}

// Where a stage's coordinates come from: a set of the vertex or, for untransformed vertices, camera
// space; then through the texture matrix when D3DTSS_TEXTURETRANSFORMFLAGS asks for it.
void FillTexCoords(ProgramKey& key, StageKey& stage, const DeviceState& state,
                   const std::array<DWORD, kStageStateSlots>& ss, const VertexLayout& layout)
{
    const DWORD generation = ss[D3DTSS_TEXCOORDINDEX] & 0xFFFF0000;
    if (!layout.transformed && generation >= D3DTSS_TCI_CAMERASPACENORMAL &&
        generation <= D3DTSS_TCI_CAMERASPACEREFLECTIONVECTOR) {
        stage.texGen = static_cast<TexGen>(generation >> 16);
        stage.texCoordSize = 3;
        if (stage.texGen == TexGen::CameraSpaceReflection)
            key.localViewer = Rs(state, D3DRS_LOCALVIEWER) ? 1 : 0;
        if (stage.texGen != TexGen::CameraSpacePosition)
            key.normalizeNormals = Rs(state, D3DRS_NORMALIZENORMALS) ? 1 : 0;
    } else {
        const DWORD set = ss[D3DTSS_TEXCOORDINDEX] & 0xFFFF;
        const bool present = static_cast<int>(set) < layout.texCoordSets && set < kMaxTexCoordSets;
        stage.texCoordSet = present ? static_cast<uint8_t>(set) : 0xFF;
        stage.texCoordSize = present ? static_cast<uint8_t>(layout.texCoordSize[set]) : 0;
    }
    const DWORD flags = ss[D3DTSS_TEXTURETRANSFORMFLAGS];
    if (!layout.transformed && (flags & 0xFF) >= D3DTTFF_COUNT1 && (flags & 0xFF) <= D3DTTFF_COUNT4) {
        stage.transformCount = static_cast<uint8_t>(flags & 0xFF);
        stage.projected = (flags & D3DTTFF_PROJECTED) && stage.transformCount > 1 ? 1 : 0;
    }
}

}  // namespace

bool ProgramKey::operator==(const ProgramKey& other) const
{
    return std::memcmp(this, &other, sizeof(ProgramKey)) == 0;
}

size_t ProgramKeyHash::operator()(const ProgramKey& key) const
{
    // FNV-1a over the key's bytes.
    const auto* bytes = reinterpret_cast<const unsigned char*>(&key);
    size_t hash = 1469598103934665603ull;
    for (size_t i = 0; i < sizeof(ProgramKey); ++i)
        hash = (hash ^ bytes[i]) * 1099511628211ull;
    return hash;
}

bool UsesNormalTexGen(const ProgramKey& key)
{
    for (const StageKey& stage : key.stages)
        if (stage.texGen == TexGen::CameraSpaceNormal || stage.texGen == TexGen::CameraSpaceReflection)
            return true;
    return false;
}

bool TakesThirdArgument(DWORD op)
{
    return op == D3DTOP_MULTIPLYADD || op == D3DTOP_LERP;
}

bool IsWFriendlyProjection(const D3DMATRIX& projection)
{
    return projection._34 != 0.0f;
}

ProgramKey BuildProgramKey(const DeviceState& state, const VertexLayout& layout, const DrawShape& shape)
{
    static_assert(sizeof(StageKey) == 15 && sizeof(ProgramKey) == sizeof(uint8_t) * 31 + sizeof(StageKey) * kProgramStages,
                  "ProgramKey must stay plain bytes without padding");
    ProgramKey key;  // every member starts at zero
    key.transformed = layout.transformed;
    key.hasNormal = layout.hasNormal;
    key.hasPointSize = layout.hasPointSize;
    key.hasDiffuse = layout.hasDiffuse;
    key.hasSpecular = layout.hasSpecular;
    key.texCoordSets = static_cast<uint8_t>(layout.texCoordSets);
    key.specularEnable = Rs(state, D3DRS_SPECULARENABLE) ? 1 : 0;
    FillLighting(key, state, layout);
    FillFog(key, state, layout);
    FillStages(key, state, layout, shape);
    if (Rs(state, D3DRS_ALPHATESTENABLE) && Rs(state, D3DRS_ALPHAFUNC) >= D3DCMP_NEVER &&
        Rs(state, D3DRS_ALPHAFUNC) < D3DCMP_ALWAYS)
        key.alphaFunc = static_cast<uint8_t>(Rs(state, D3DRS_ALPHAFUNC));
    key.pointSprite = shape.drawsPoints && Rs(state, D3DRS_POINTSPRITEENABLE) ? 1 : 0;
    key.pointScale = !layout.transformed && Rs(state, D3DRS_POINTSCALEENABLE) ? 1 : 0;
    key.flatShading = Rs(state, D3DRS_SHADEMODE) == D3DSHADE_FLAT ? 1 : 0;
    return key;
}

}  // namespace d3d8
