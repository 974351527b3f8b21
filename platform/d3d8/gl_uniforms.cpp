#include "gl_uniforms.h"

#include <algorithm>
#include <cmath>
#include <cstring>


namespace d3d8 {

namespace {

float FloatOf(DWORD bits)
{
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

void ColorOf(D3DCOLOR color, float out[4])
{
    out[0] = ((color >> 16) & 0xFF) / 255.0f;
    out[1] = ((color >> 8) & 0xFF) / 255.0f;
    out[2] = (color & 0xFF) / 255.0f;
    out[3] = ((color >> 24) & 0xFF) / 255.0f;
}

void Copy(const D3DCOLORVALUE& c, float* out)
{
    out[0] = c.r;
    out[1] = c.g;
    out[2] = c.b;
    out[3] = c.a;
}

// A point (w = 1) or a direction (w = 0) times a row-vector matrix.
void Transform(const D3DVECTOR& v, float w, const D3DMATRIX& m, float out[3])
{
    for (int c = 0; c < 3; ++c)
        out[c] = v.x * m.m[0][c] + v.y * m.m[1][c] + v.z * m.m[2][c] + w * m.m[3][c];
}

void UploadTransforms(GlProgram& program, const DeviceState& state)
{
    const D3DMATRIX worldView = Multiply(state.transforms[D3DTS_WORLD], state.transforms[D3DTS_VIEW]);
    program.Set(Uniform::WorldView, &worldView.m[0][0], 16);
    program.Set(Uniform::Projection, &state.transforms[D3DTS_PROJECTION].m[0][0], 16);
    if ((program.Key().lighting || UsesNormalTexGen(program.Key())) && program.Key().hasNormal) {
        // Normals go through the inverse transpose; GLSL multiplies from the other side, so the
        // inverse itself is uploaded transposed.
        float inverse[9];
        InverseUpper3x3(worldView, inverse);
        program.Set(Uniform::NormalMatrix, inverse, 9, true);
    }
    const D3DVIEWPORT8& vp = state.viewport;
    const float w = static_cast<float>(std::max<DWORD>(vp.Width, 1)), h = static_cast<float>(std::max<DWORD>(vp.Height, 1));
    const float screenToNdc[4] = {2.0f / w, 2.0f / h, (kPixelCentreShift - static_cast<float>(vp.X)) * 2.0f / w - 1.0f,
                                  (kPixelCentreShift - static_cast<float>(vp.Y)) * 2.0f / h - 1.0f};
    program.Set(Uniform::ScreenToNdc, screenToNdc, 4);
    const float pixelOffset[2] = {2.0f * kPixelCentreShift / w, 2.0f * kPixelCentreShift / h};
    program.Set(Uniform::PixelOffset, pixelOffset, 2);
    for (int stage = 0; stage < kProgramStages; ++stage)
        if (program.Key().stages[stage].transformCount)
            program.Set(stage == 0 ? Uniform::TextureMatrix0 : Uniform::TextureMatrix1,
                        &state.transforms[D3DTS_TEXTURE0 + stage].m[0][0], 16);
}

struct LightArrays {
    float diffuse[kMaxActiveLights * 4], specular[kMaxActiveLights * 4], ambient[kMaxActiveLights * 4];
    float position[kMaxActiveLights * 4], direction[kMaxActiveLights * 4];
    float attenuation[kMaxActiveLights * 4], spot[kMaxActiveLights * 4];
};

// The enabled lights in index order (the order the program key lists their types), in camera space.
int FillLights(const DeviceState& state, LightArrays& a)
{
    std::memset(&a, 0, sizeof a);
    const D3DMATRIX& view = state.transforms[D3DTS_VIEW];
    int n = 0;
    for (const auto& [index, slot] : state.lights) {
        if (!slot.enabled || n >= static_cast<int>(kMaxActiveLights))
            continue;
        const D3DLIGHT8& light = slot.light;
        Copy(light.Diffuse, a.diffuse + 4 * n);
        Copy(light.Specular, a.specular + 4 * n);
        Copy(light.Ambient, a.ambient + 4 * n);
        Transform(light.Position, 1.0f, view, a.position + 4 * n);
        a.position[4 * n + 3] = light.Range;
        float* d = a.direction + 4 * n;
        Transform(light.Direction, 0.0f, view, d);
        const float length = std::sqrt(d[0] * d[0] + d[1] * d[1] + d[2] * d[2]);
        if (length > 0.0f)
            for (int c = 0; c < 3; ++c)
                d[c] /= length;
        a.attenuation[4 * n] = light.Attenuation0;
        a.attenuation[4 * n + 1] = light.Attenuation1;
        a.attenuation[4 * n + 2] = light.Attenuation2;
        a.spot[4 * n] = std::cos(light.Theta * 0.5f);
        a.spot[4 * n + 1] = std::cos(light.Phi * 0.5f);
        a.spot[4 * n + 2] = light.Falloff;
        ++n;
    }
    return n;
}

void UploadLighting(GlProgram& program, const DeviceState& state)
{
    const D3DMATERIAL8& m = state.material;
    float color[4];
    Copy(m.Diffuse, color);
    program.Set(Uniform::MaterialDiffuse, color, 4);
    Copy(m.Ambient, color);
    program.Set(Uniform::MaterialAmbient, color, 4);
    Copy(m.Specular, color);
    program.Set(Uniform::MaterialSpecular, color, 4);
    Copy(m.Emissive, color);
    program.Set(Uniform::MaterialEmissive, color, 4);
    program.Set(Uniform::MaterialPower, &m.Power, 1);
    ColorOf(state.renderStates[D3DRS_AMBIENT], color);
    program.Set(Uniform::GlobalAmbient, color, 4);
    const int count = program.Key().lightCount;
    if (count == 0)
        return;
    LightArrays a;
    FillLights(state, a);
    program.Set(Uniform::LightDiffuse, a.diffuse, 4 * count);
    program.Set(Uniform::LightSpecular, a.specular, 4 * count);
    program.Set(Uniform::LightAmbient, a.ambient, 4 * count);
    program.Set(Uniform::LightPosition, a.position, 4 * count);
    program.Set(Uniform::LightDirection, a.direction, 4 * count);
    program.Set(Uniform::LightAttenuation, a.attenuation, 4 * count);
    program.Set(Uniform::LightSpot, a.spot, 4 * count);
}

void UploadRasterValues(GlProgram& program, const DeviceState& state)
{
    const auto& rs = state.renderStates;
    const float start = FloatOf(rs[D3DRS_FOGSTART]), end = FloatOf(rs[D3DRS_FOGEND]);
    const float fog[4] = {start, end, FloatOf(rs[D3DRS_FOGDENSITY]), 0.0f};
    program.Set(Uniform::Fog, fog, 4);
    float color[4];
    ColorOf(rs[D3DRS_FOGCOLOR], color);
    program.Set(Uniform::FogColor, color, 4);
    ColorOf(rs[D3DRS_TEXTUREFACTOR], color);
    program.Set(Uniform::TextureFactor, color, 4);
    const float alphaRef = static_cast<float>(rs[D3DRS_ALPHAREF] & 0xFF);
    program.Set(Uniform::AlphaRef, &alphaRef, 1);
    const float maxSize = std::min(FloatOf(rs[D3DRS_POINTSIZE_MAX]), kMaxPointSize);
    const float point[4] = {FloatOf(rs[D3DRS_POINTSIZE]), FloatOf(rs[D3DRS_POINTSIZE_MIN]), maxSize,
                            static_cast<float>(state.viewport.Height)};
    program.Set(Uniform::Point, point, 4);
    const float scale[3] = {FloatOf(rs[D3DRS_POINTSCALE_A]), FloatOf(rs[D3DRS_POINTSCALE_B]),
                            FloatOf(rs[D3DRS_POINTSCALE_C])};
    program.Set(Uniform::PointScale, scale, 3);
}

}  // namespace

D3DMATRIX Multiply(const D3DMATRIX& a, const D3DMATRIX& b)
{
    D3DMATRIX r;
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            r.m[i][j] = a.m[i][0] * b.m[0][j] + a.m[i][1] * b.m[1][j] + a.m[i][2] * b.m[2][j] + a.m[i][3] * b.m[3][j];
    return r;
}

bool InverseUpper3x3(const D3DMATRIX& m, float out[9])
{
    const float a = m.m[0][0], b = m.m[0][1], c = m.m[0][2];
    const float d = m.m[1][0], e = m.m[1][1], f = m.m[1][2];
    const float g = m.m[2][0], h = m.m[2][1], i = m.m[2][2];
    const float det = a * (e * i - f * h) - b * (d * i - f * g) + c * (d * h - e * g);
    if (det == 0.0f || !std::isfinite(det)) {
        const float identity[9] = {1, 0, 0, 0, 1, 0, 0, 0, 1};
        std::memcpy(out, identity, sizeof identity);
        return false;
    }
    const float k = 1.0f / det;
    const float r[9] = {(e * i - f * h) * k, (c * h - b * i) * k, (b * f - c * e) * k,
                        (f * g - d * i) * k, (a * i - c * g) * k, (c * d - a * f) * k,
                        (d * h - e * g) * k, (b * g - a * h) * k, (a * e - b * d) * k};
    std::memcpy(out, r, sizeof r);
    return true;
}

void UploadUniforms(GlProgram& program, const DeviceState& state)
{
    UploadTransforms(program, state);
    if (program.Key().lighting)
        UploadLighting(program, state);
    UploadRasterValues(program, state);
}

}  // namespace d3d8
