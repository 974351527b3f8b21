// One GL sampler object per texture stage, set from the stage's filter, address, border and mip
// states; only changed parameters reach GL.
#pragma once

#include <array>

#include "device_state.h"
#include "gl_api.h"
#include "gl_program_key.h"

namespace d3d8 {

struct SamplerParameters {
    GLint minFilter = 0, magFilter = 0, wrapS = 0, wrapT = 0, wrapR = 0;
    float border[4] = {};
    float lodBias = 0.0f, minLod = 0.0f;
    bool operator==(const SamplerParameters& other) const;
};

SamplerParameters SamplerParametersOf(const std::array<DWORD, kStageStateSlots>& stage);

class GlSamplers {
public:
    void Create();
    bool Created() const { return samplers_[0] != 0; }
    void Apply(int stage, const std::array<DWORD, kStageStateSlots>& states);

private:
    GLuint samplers_[kProgramStages] = {};
    SamplerParameters last_[kProgramStages];
    bool valid_[kProgramStages] = {};
};

}  // namespace d3d8
