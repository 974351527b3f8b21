// Compiled programs by key. A program keeps the location of every uniform the renderer sets and the
// values it last received, so a draw uploads only the uniforms that changed since that program's
// previous draw.
#pragma once

#include <memory>
#include <unordered_map>
#include <vector>

#include "gl_api.h"
#include "gl_program_key.h"
#include "gl_shader_source.h"

namespace d3d8 {

enum class Uniform {
    WorldView, Projection, NormalMatrix, ScreenToNdc, PixelOffset, Point, PointScale, Fog, FogColor,
    MaterialDiffuse, MaterialAmbient, MaterialSpecular, MaterialEmissive, MaterialPower, GlobalAmbient,
    LightDiffuse, LightSpecular, LightAmbient, LightPosition, LightDirection, LightAttenuation, LightSpot,
    TextureMatrix0, TextureMatrix1, TextureFactor, AlphaRef,
    Count
};

class GlProgram {
public:
    GlProgram(GLuint name, const ProgramKey& key);
    GLuint Name() const { return name_; }
    const ProgramKey& Key() const { return key_; }
    // Uploads floats (count of them, a vector, matrix or array) if the program uses the uniform and
    // they differ from what it last got. Matrices go up as they lie in memory unless transpose.
    void Set(Uniform uniform, const float* values, int count, bool transpose = false);

private:
    struct Slot {
        GLint location = -1;
        std::vector<float> last;
    };
    GLuint name_;
    ProgramKey key_;
    Slot slots_[static_cast<int>(Uniform::Count)];
};

class GlProgramCache {
public:
    void SetTarget(const ShaderTarget& target) { target_ = target; }
    // The program for a key, compiled on first use; null when it does not compile or link (reported
    // once on stderr with the generated source; the key then stays null).
    GlProgram* Get(const ProgramKey& key);
    size_t Size() const { return programs_.size(); }

private:
    std::unordered_map<ProgramKey, std::unique_ptr<GlProgram>, ProgramKeyHash> programs_;
    ShaderTarget target_;
    GlProgram* last_ = nullptr;  // the program the previous Get answered, when it built
};

// Programs compiled by every device since the process started.
int TotalCompiledPrograms();

}  // namespace d3d8
