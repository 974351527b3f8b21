// Everything an application sets on the device, kept in plain memory: the Get calls answer from it
// and the renderer reads it at draw time. State blocks hold a second copy with a mask of what they
// cover.
#pragma once

#include <array>
#include <bitset>
#include <map>
#include <set>

#include "bound_ref.h"
#include "d3d8.h"

namespace d3d8 {

constexpr int kRenderStateSlots = 256;
constexpr int kTextureStages = 8;
constexpr int kStageStateSlots = 32;
constexpr int kTransformSlots = 512;
constexpr int kStreamCount = 16;
constexpr int kClipPlaneCount = 6;
constexpr DWORD kMaxActiveLights = 8;
constexpr float kMaxPointSize = 64.0f;

bool IsValidRenderState(DWORD state);
bool IsValidStageState(DWORD type);
bool IsValidTransform(DWORD state);

struct LightSlot {
    D3DLIGHT8 light{};
    bool enabled = false;
};

struct StreamBinding {
    BoundRef<IDirect3DVertexBuffer8> buffer;
    UINT stride = 0;
};

struct DeviceState {
    std::array<DWORD, kRenderStateSlots> renderStates{};
    std::array<std::array<DWORD, kStageStateSlots>, kTextureStages> stageStates{};
    std::array<D3DMATRIX, kTransformSlots> transforms{};
    D3DVIEWPORT8 viewport{};
    D3DMATERIAL8 material{};
    std::map<DWORD, LightSlot> lights;
    std::array<BoundRef<IDirect3DBaseTexture8>, kTextureStages> textures;
    std::array<StreamBinding, kStreamCount> streams;
    BoundRef<IDirect3DIndexBuffer8> indices;
    UINT baseVertexIndex = 0;
    DWORD vertexShader = 0;
    std::array<std::array<float, 4>, kClipPlaneCount> clipPlanes{};
};

// Which parts of a DeviceState a state block covers.
struct StateMask {
    std::bitset<kRenderStateSlots> renderStates;
    std::array<std::bitset<kStageStateSlots>, kTextureStages> stageStates;
    std::bitset<kTransformSlots> transforms;
    std::set<DWORD> lights;
    std::bitset<kTextureStages> textures;
    std::bitset<kStreamCount> streams;
    std::bitset<kClipPlaneCount> clipPlanes;
    bool viewport = false;
    bool material = false;
    bool indices = false;
    bool vertexShader = false;
    // Every light the device knows at capture time counts, not only the indices listed.
    bool allLights = false;
};

// The state of a freshly created or reset device: Direct3D 8's documented defaults.
void SetDefaultState(DeviceState& state, const D3DPRESENT_PARAMETERS& params, DWORD behaviorFlags);
// The light a LightEnable of a never-set index gets.
D3DLIGHT8 DefaultLight();

StateMask MaskForStateBlockType(D3DSTATEBLOCKTYPE type);
// Copies what the mask covers from one state into another.
void CopyMasked(const DeviceState& from, DeviceState& to, const StateMask& mask);

}  // namespace d3d8
