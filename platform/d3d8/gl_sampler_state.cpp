#include "gl_sampler_state.h"

#include <cstring>

namespace d3d8 {

namespace {

GLint Wrap(DWORD address)
{
    switch (address) {
    case D3DTADDRESS_MIRROR:
    case D3DTADDRESS_MIRRORONCE:
        return GL_MIRRORED_REPEAT;
    case D3DTADDRESS_CLAMP:
        return GL_CLAMP_TO_EDGE;
    case D3DTADDRESS_BORDER:
        return GL_CLAMP_TO_BORDER;
    default:
        return GL_REPEAT;
    }
}

GLint MinFilter(DWORD min, DWORD mip)
{
    const bool linear = min == D3DTEXF_LINEAR || min == D3DTEXF_ANISOTROPIC;
    if (mip == D3DTEXF_POINT)
        return linear ? GL_LINEAR_MIPMAP_NEAREST : GL_NEAREST_MIPMAP_NEAREST;
    if (mip == D3DTEXF_LINEAR)
        return linear ? GL_LINEAR_MIPMAP_LINEAR : GL_NEAREST_MIPMAP_LINEAR;
    return linear ? GL_LINEAR : GL_NEAREST;
}

}  // namespace

bool SamplerParameters::operator==(const SamplerParameters& other) const
{
    return std::memcmp(this, &other, sizeof *this) == 0;
}

SamplerParameters SamplerParametersOf(const std::array<DWORD, kStageStateSlots>& stage)
{
    SamplerParameters p;
    p.minFilter = MinFilter(stage[D3DTSS_MINFILTER], stage[D3DTSS_MIPFILTER]);
    p.magFilter = (stage[D3DTSS_MAGFILTER] == D3DTEXF_LINEAR || stage[D3DTSS_MAGFILTER] == D3DTEXF_ANISOTROPIC)
                      ? GL_LINEAR
                      : GL_NEAREST;
    p.wrapS = Wrap(stage[D3DTSS_ADDRESSU]);
    p.wrapT = Wrap(stage[D3DTSS_ADDRESSV]);
    p.wrapR = Wrap(stage[D3DTSS_ADDRESSW]);
    const D3DCOLOR border = stage[D3DTSS_BORDERCOLOR];
    p.border[0] = ((border >> 16) & 0xFF) / 255.0f;
    p.border[1] = ((border >> 8) & 0xFF) / 255.0f;
    p.border[2] = (border & 0xFF) / 255.0f;
    p.border[3] = ((border >> 24) & 0xFF) / 255.0f;
    const DWORD bias = stage[D3DTSS_MIPMAPLODBIAS];
    std::memcpy(&p.lodBias, &bias, sizeof p.lodBias);
    // MAXMIPLEVEL names the most detailed level that may be used.
    p.minLod = static_cast<float>(stage[D3DTSS_MAXMIPLEVEL]);
    return p;
}

void GlSamplers::Create()
{
    glGenSamplers(kProgramStages, samplers_);
    for (int stage = 0; stage < kProgramStages; ++stage)
        glBindSampler(stage, samplers_[stage]);
}

void GlSamplers::Apply(int stage, const std::array<DWORD, kStageStateSlots>& states)
{
    const SamplerParameters p = SamplerParametersOf(states);
    if (valid_[stage] && p == last_[stage])
        return;
    const SamplerParameters& old = last_[stage];
    const bool all = !valid_[stage];
    const GLuint s = samplers_[stage];
    if (all || p.minFilter != old.minFilter)
        glSamplerParameteri(s, GL_TEXTURE_MIN_FILTER, p.minFilter);
    if (all || p.magFilter != old.magFilter)
        glSamplerParameteri(s, GL_TEXTURE_MAG_FILTER, p.magFilter);
    if (all || p.wrapS != old.wrapS)
        glSamplerParameteri(s, GL_TEXTURE_WRAP_S, p.wrapS);
    if (all || p.wrapT != old.wrapT)
        glSamplerParameteri(s, GL_TEXTURE_WRAP_T, p.wrapT);
    if (all || p.wrapR != old.wrapR)
        glSamplerParameteri(s, GL_TEXTURE_WRAP_R, p.wrapR);
    if (all || std::memcmp(p.border, old.border, sizeof p.border) != 0)
        glSamplerParameterfv(s, GL_TEXTURE_BORDER_COLOR, p.border);
    if (all || p.lodBias != old.lodBias)
        glSamplerParameterf(s, GL_TEXTURE_LOD_BIAS, p.lodBias);
    if (all || p.minLod != old.minLod)
        glSamplerParameterf(s, GL_TEXTURE_MIN_LOD, p.minLod);
    last_[stage] = p;
    valid_[stage] = true;
}

}  // namespace d3d8
