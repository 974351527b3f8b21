#include "device_state.h"

#include <cstring>

namespace d3d8 {

namespace {

DWORD FloatBits(float value)
{
    DWORD bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

D3DMATRIX Identity()
{
    D3DMATRIX m{};
    m._11 = m._22 = m._33 = m._44 = 1.0f;
    return m;
}

const D3DRENDERSTATETYPE kRenderStates[] = {
    D3DRS_ZENABLE, D3DRS_FILLMODE, D3DRS_SHADEMODE, D3DRS_LINEPATTERN, D3DRS_ZWRITEENABLE,
    D3DRS_ALPHATESTENABLE, D3DRS_LASTPIXEL, D3DRS_SRCBLEND, D3DRS_DESTBLEND, D3DRS_CULLMODE, D3DRS_ZFUNC,
    D3DRS_ALPHAREF, D3DRS_ALPHAFUNC, D3DRS_DITHERENABLE, D3DRS_ALPHABLENDENABLE, D3DRS_FOGENABLE,
    D3DRS_SPECULARENABLE, D3DRS_ZVISIBLE, D3DRS_FOGCOLOR, D3DRS_FOGTABLEMODE, D3DRS_FOGSTART, D3DRS_FOGEND,
    D3DRS_FOGDENSITY, D3DRS_EDGEANTIALIAS, D3DRS_ZBIAS, D3DRS_RANGEFOGENABLE, D3DRS_STENCILENABLE,
    D3DRS_STENCILFAIL, D3DRS_STENCILZFAIL, D3DRS_STENCILPASS, D3DRS_STENCILFUNC, D3DRS_STENCILREF,
    D3DRS_STENCILMASK, D3DRS_STENCILWRITEMASK, D3DRS_TEXTUREFACTOR, D3DRS_WRAP0, D3DRS_WRAP1, D3DRS_WRAP2,
    D3DRS_WRAP3, D3DRS_WRAP4, D3DRS_WRAP5, D3DRS_WRAP6, D3DRS_WRAP7, D3DRS_CLIPPING, D3DRS_LIGHTING,
    D3DRS_AMBIENT, D3DRS_FOGVERTEXMODE, D3DRS_COLORVERTEX, D3DRS_LOCALVIEWER, D3DRS_NORMALIZENORMALS,
    D3DRS_DIFFUSEMATERIALSOURCE, D3DRS_SPECULARMATERIALSOURCE, D3DRS_AMBIENTMATERIALSOURCE,
    D3DRS_EMISSIVEMATERIALSOURCE, D3DRS_VERTEXBLEND, D3DRS_CLIPPLANEENABLE, D3DRS_SOFTWAREVERTEXPROCESSING,
    D3DRS_POINTSIZE, D3DRS_POINTSIZE_MIN, D3DRS_POINTSPRITEENABLE, D3DRS_POINTSCALEENABLE,
    D3DRS_POINTSCALE_A, D3DRS_POINTSCALE_B, D3DRS_POINTSCALE_C, D3DRS_MULTISAMPLEANTIALIAS,
    D3DRS_MULTISAMPLEMASK, D3DRS_PATCHEDGESTYLE, D3DRS_PATCHSEGMENTS, D3DRS_DEBUGMONITORTOKEN,
    D3DRS_POINTSIZE_MAX, D3DRS_INDEXEDVERTEXBLENDENABLE, D3DRS_COLORWRITEENABLE, D3DRS_TWEENFACTOR,
    D3DRS_BLENDOP, D3DRS_POSITIONORDER, D3DRS_NORMALORDER,
};

// The render states that the pixel-state block type covers; the vertex-state type covers the list
// below it. Fog start, end and density belong to both.
const D3DRENDERSTATETYPE kPixelRenderStates[] = {
    D3DRS_ZENABLE, D3DRS_FILLMODE, D3DRS_SHADEMODE, D3DRS_LINEPATTERN, D3DRS_ZWRITEENABLE,
    D3DRS_ALPHATESTENABLE, D3DRS_LASTPIXEL, D3DRS_SRCBLEND, D3DRS_DESTBLEND, D3DRS_ZFUNC, D3DRS_ALPHAREF,
    D3DRS_ALPHAFUNC, D3DRS_DITHERENABLE, D3DRS_FOGSTART, D3DRS_FOGEND, D3DRS_FOGDENSITY,
    D3DRS_ALPHABLENDENABLE, D3DRS_EDGEANTIALIAS, D3DRS_ZBIAS, D3DRS_STENCILENABLE, D3DRS_STENCILFAIL,
    D3DRS_STENCILZFAIL, D3DRS_STENCILPASS, D3DRS_STENCILFUNC, D3DRS_STENCILREF, D3DRS_STENCILMASK,
    D3DRS_STENCILWRITEMASK, D3DRS_TEXTUREFACTOR, D3DRS_WRAP0, D3DRS_WRAP1, D3DRS_WRAP2, D3DRS_WRAP3,
    D3DRS_WRAP4, D3DRS_WRAP5, D3DRS_WRAP6, D3DRS_WRAP7, D3DRS_COLORWRITEENABLE, D3DRS_BLENDOP,
};

const D3DRENDERSTATETYPE kVertexRenderStates[] = {
    D3DRS_SHADEMODE, D3DRS_SPECULARENABLE, D3DRS_CULLMODE, D3DRS_FOGENABLE, D3DRS_FOGCOLOR,
    D3DRS_FOGTABLEMODE, D3DRS_FOGSTART, D3DRS_FOGEND, D3DRS_FOGDENSITY, D3DRS_RANGEFOGENABLE, D3DRS_AMBIENT,
    D3DRS_COLORVERTEX, D3DRS_FOGVERTEXMODE, D3DRS_CLIPPING, D3DRS_LIGHTING, D3DRS_NORMALIZENORMALS,
    D3DRS_LOCALVIEWER, D3DRS_EMISSIVEMATERIALSOURCE, D3DRS_AMBIENTMATERIALSOURCE,
    D3DRS_DIFFUSEMATERIALSOURCE, D3DRS_SPECULARMATERIALSOURCE, D3DRS_VERTEXBLEND, D3DRS_CLIPPLANEENABLE,
    D3DRS_SOFTWAREVERTEXPROCESSING, D3DRS_POINTSIZE, D3DRS_POINTSIZE_MIN, D3DRS_POINTSPRITEENABLE,
    D3DRS_POINTSCALEENABLE, D3DRS_POINTSCALE_A, D3DRS_POINTSCALE_B, D3DRS_POINTSCALE_C,
    D3DRS_MULTISAMPLEANTIALIAS, D3DRS_MULTISAMPLEMASK, D3DRS_PATCHEDGESTYLE, D3DRS_PATCHSEGMENTS,
    D3DRS_POINTSIZE_MAX, D3DRS_INDEXEDVERTEXBLENDENABLE, D3DRS_TWEENFACTOR, D3DRS_POSITIONORDER,
    D3DRS_NORMALORDER,
};

const D3DTEXTURESTAGESTATETYPE kStageStates[] = {
    D3DTSS_COLOROP, D3DTSS_COLORARG1, D3DTSS_COLORARG2, D3DTSS_ALPHAOP, D3DTSS_ALPHAARG1,
    D3DTSS_ALPHAARG2, D3DTSS_BUMPENVMAT00, D3DTSS_BUMPENVMAT01, D3DTSS_BUMPENVMAT10, D3DTSS_BUMPENVMAT11,
    D3DTSS_TEXCOORDINDEX, D3DTSS_ADDRESSU, D3DTSS_ADDRESSV, D3DTSS_BORDERCOLOR, D3DTSS_MAGFILTER,
    D3DTSS_MINFILTER, D3DTSS_MIPFILTER, D3DTSS_MIPMAPLODBIAS, D3DTSS_MAXMIPLEVEL, D3DTSS_MAXANISOTROPY,
    D3DTSS_BUMPENVLSCALE, D3DTSS_BUMPENVLOFFSET, D3DTSS_TEXTURETRANSFORMFLAGS, D3DTSS_ADDRESSW,
    D3DTSS_COLORARG0, D3DTSS_ALPHAARG0, D3DTSS_RESULTARG,
};

void SetDefaultRenderStates(std::array<DWORD, kRenderStateSlots>& rs, const D3DPRESENT_PARAMETERS& params,
                            DWORD behaviorFlags)
{
    rs.fill(0);
    rs[D3DRS_ZENABLE] = params.EnableAutoDepthStencil ? D3DZB_TRUE : D3DZB_FALSE;
    rs[D3DRS_FILLMODE] = D3DFILL_SOLID;
    rs[D3DRS_SHADEMODE] = D3DSHADE_GOURAUD;
    rs[D3DRS_ZWRITEENABLE] = TRUE;
    rs[D3DRS_LASTPIXEL] = TRUE;
    rs[D3DRS_SRCBLEND] = D3DBLEND_ONE;
    rs[D3DRS_DESTBLEND] = D3DBLEND_ZERO;
    rs[D3DRS_CULLMODE] = D3DCULL_CCW;
    rs[D3DRS_ZFUNC] = D3DCMP_LESSEQUAL;
    rs[D3DRS_ALPHAFUNC] = D3DCMP_ALWAYS;
    rs[D3DRS_FOGTABLEMODE] = D3DFOG_NONE;
    rs[D3DRS_FOGSTART] = FloatBits(0.0f);
    rs[D3DRS_FOGEND] = FloatBits(1.0f);
    rs[D3DRS_FOGDENSITY] = FloatBits(1.0f);
    rs[D3DRS_STENCILFAIL] = D3DSTENCILOP_KEEP;
    rs[D3DRS_STENCILZFAIL] = D3DSTENCILOP_KEEP;
    rs[D3DRS_STENCILPASS] = D3DSTENCILOP_KEEP;
    rs[D3DRS_STENCILFUNC] = D3DCMP_ALWAYS;
    rs[D3DRS_STENCILMASK] = 0xFFFFFFFF;
    rs[D3DRS_STENCILWRITEMASK] = 0xFFFFFFFF;
    rs[D3DRS_TEXTUREFACTOR] = 0xFFFFFFFF;
    rs[D3DRS_CLIPPING] = TRUE;
    rs[D3DRS_LIGHTING] = TRUE;
    rs[D3DRS_FOGVERTEXMODE] = D3DFOG_NONE;
    rs[D3DRS_COLORVERTEX] = TRUE;
    rs[D3DRS_LOCALVIEWER] = TRUE;
    rs[D3DRS_DIFFUSEMATERIALSOURCE] = D3DMCS_COLOR1;
    rs[D3DRS_SPECULARMATERIALSOURCE] = D3DMCS_COLOR2;
    rs[D3DRS_AMBIENTMATERIALSOURCE] = D3DMCS_MATERIAL;
    rs[D3DRS_EMISSIVEMATERIALSOURCE] = D3DMCS_MATERIAL;
    rs[D3DRS_VERTEXBLEND] = D3DVBF_DISABLE;
    rs[D3DRS_SOFTWAREVERTEXPROCESSING] = (behaviorFlags & D3DCREATE_SOFTWARE_VERTEXPROCESSING) ? TRUE : FALSE;
    rs[D3DRS_POINTSIZE] = FloatBits(1.0f);
    rs[D3DRS_POINTSIZE_MIN] = FloatBits(0.0f);
    rs[D3DRS_POINTSCALE_A] = FloatBits(1.0f);
    rs[D3DRS_POINTSCALE_B] = FloatBits(0.0f);
    rs[D3DRS_POINTSCALE_C] = FloatBits(0.0f);
    rs[D3DRS_MULTISAMPLEANTIALIAS] = TRUE;
    rs[D3DRS_MULTISAMPLEMASK] = 0xFFFFFFFF;
    rs[D3DRS_PATCHEDGESTYLE] = D3DPATCHEDGE_DISCRETE;
    rs[D3DRS_PATCHSEGMENTS] = FloatBits(1.0f);
    rs[D3DRS_DEBUGMONITORTOKEN] = D3DDMT_ENABLE;
    rs[D3DRS_POINTSIZE_MAX] = FloatBits(kMaxPointSize);
    rs[D3DRS_COLORWRITEENABLE] = 0x0000000F;
    rs[D3DRS_TWEENFACTOR] = FloatBits(0.0f);
    rs[D3DRS_BLENDOP] = D3DBLENDOP_ADD;
    rs[D3DRS_POSITIONORDER] = D3DORDER_CUBIC;
    rs[D3DRS_NORMALORDER] = D3DORDER_LINEAR;
}

void SetDefaultStageStates(std::array<DWORD, kStageStateSlots>& ss, DWORD stage)
{
    ss.fill(0);
    ss[D3DTSS_COLOROP] = stage == 0 ? D3DTOP_MODULATE : D3DTOP_DISABLE;
    ss[D3DTSS_COLORARG1] = D3DTA_TEXTURE;
    ss[D3DTSS_COLORARG2] = D3DTA_CURRENT;
    ss[D3DTSS_ALPHAOP] = stage == 0 ? D3DTOP_SELECTARG1 : D3DTOP_DISABLE;
    ss[D3DTSS_ALPHAARG1] = D3DTA_TEXTURE;
    ss[D3DTSS_ALPHAARG2] = D3DTA_CURRENT;
    ss[D3DTSS_TEXCOORDINDEX] = stage;
    ss[D3DTSS_ADDRESSU] = D3DTADDRESS_WRAP;
    ss[D3DTSS_ADDRESSV] = D3DTADDRESS_WRAP;
    ss[D3DTSS_ADDRESSW] = D3DTADDRESS_WRAP;
    ss[D3DTSS_MAGFILTER] = D3DTEXF_POINT;
    ss[D3DTSS_MINFILTER] = D3DTEXF_POINT;
    ss[D3DTSS_MIPFILTER] = D3DTEXF_NONE;
    ss[D3DTSS_MAXANISOTROPY] = 1;
    ss[D3DTSS_TEXTURETRANSFORMFLAGS] = D3DTTFF_DISABLE;
    ss[D3DTSS_COLORARG0] = D3DTA_CURRENT;
    ss[D3DTSS_ALPHAARG0] = D3DTA_CURRENT;
    ss[D3DTSS_RESULTARG] = D3DTA_CURRENT;
}

template <class List>
bool Contains(const List& list, DWORD value)
{
    for (auto item : list)
        if (static_cast<DWORD>(item) == value)
            return true;
    return false;
}

}  // namespace

bool IsValidRenderState(DWORD state)
{
    return Contains(kRenderStates, state);
}

bool IsValidStageState(DWORD type)
{
    return Contains(kStageStates, type);
}

bool IsValidTransform(DWORD state)
{
    return state == D3DTS_VIEW || state == D3DTS_PROJECTION ||
           (state >= D3DTS_TEXTURE0 && state <= D3DTS_TEXTURE7) || (state >= 256 && state < kTransformSlots);
}

D3DLIGHT8 DefaultLight()
{
    D3DLIGHT8 light{};
    light.Type = D3DLIGHT_DIRECTIONAL;
    light.Diffuse = {1.0f, 1.0f, 1.0f, 0.0f};
    light.Direction = {0.0f, 0.0f, 1.0f};
    return light;
}

void SetDefaultState(DeviceState& state, const D3DPRESENT_PARAMETERS& params, DWORD behaviorFlags)
{
    SetDefaultRenderStates(state.renderStates, params, behaviorFlags);
    for (DWORD stage = 0; stage < kTextureStages; ++stage)
        SetDefaultStageStates(state.stageStates[stage], stage);
    state.transforms.fill(Identity());
    state.viewport = {0, 0, params.BackBufferWidth, params.BackBufferHeight, 0.0f, 1.0f};
    state.material = D3DMATERIAL8{};
    state.lights.clear();
    for (auto& texture : state.textures)
        texture.Reset(nullptr);
    for (auto& stream : state.streams)
        stream = StreamBinding{};
    state.indices.Reset(nullptr);
    state.baseVertexIndex = 0;
    state.vertexShader = 0;
    for (auto& plane : state.clipPlanes)
        plane.fill(0.0f);
}

StateMask MaskForStateBlockType(D3DSTATEBLOCKTYPE type)
{
    StateMask mask;
    const bool all = type == D3DSBT_ALL;
    const bool pixel = all || type == D3DSBT_PIXELSTATE;
    const bool vertex = all || type == D3DSBT_VERTEXSTATE;
    if (pixel)
        for (auto rs : kPixelRenderStates)
            mask.renderStates.set(rs);
    if (vertex)
        for (auto rs : kVertexRenderStates)
            mask.renderStates.set(rs);
    for (int stage = 0; stage < kTextureStages; ++stage) {
        for (auto ss : kStageStates) {
            bool vertexStage = ss == D3DTSS_TEXCOORDINDEX || ss == D3DTSS_TEXTURETRANSFORMFLAGS;
            if ((vertexStage && vertex) || (!vertexStage && pixel))
                mask.stageStates[stage].set(ss);
        }
    }
    if (vertex) {
        mask.allLights = true;
        mask.vertexShader = true;
    }
    if (all) {
        for (int t = 0; t < kTransformSlots; ++t)
            if (IsValidTransform(t))
                mask.transforms.set(t);
        mask.textures.set();
        mask.streams.set();
        mask.clipPlanes.set();
        mask.viewport = mask.material = mask.indices = true;
    }
    return mask;
}

void CopyMasked(const DeviceState& from, DeviceState& to, const StateMask& mask)
{
    for (int i = 0; i < kRenderStateSlots; ++i)
        if (mask.renderStates.test(i))
            to.renderStates[i] = from.renderStates[i];
    for (int stage = 0; stage < kTextureStages; ++stage)
        for (int i = 0; i < kStageStateSlots; ++i)
            if (mask.stageStates[stage].test(i))
                to.stageStates[stage][i] = from.stageStates[stage][i];
    for (int i = 0; i < kTransformSlots; ++i)
        if (mask.transforms.test(i))
            to.transforms[i] = from.transforms[i];
    if (mask.allLights)
        to.lights = from.lights;
    for (DWORD index : mask.lights) {
        auto it = from.lights.find(index);
        if (it != from.lights.end())
            to.lights[index] = it->second;
    }
    for (int i = 0; i < kTextureStages; ++i)
        if (mask.textures.test(i))
            to.textures[i] = from.textures[i];
    for (int i = 0; i < kStreamCount; ++i)
        if (mask.streams.test(i))
            to.streams[i] = from.streams[i];
    for (int i = 0; i < kClipPlaneCount; ++i)
        if (mask.clipPlanes.test(i))
            to.clipPlanes[i] = from.clipPlanes[i];
    if (mask.viewport)
        to.viewport = from.viewport;
    if (mask.material)
        to.material = from.material;
    if (mask.indices) {
        to.indices = from.indices;
        to.baseVertexIndex = from.baseVertexIndex;
    }
    if (mask.vertexShader)
        to.vertexShader = from.vertexShader;
}

}  // namespace d3d8
