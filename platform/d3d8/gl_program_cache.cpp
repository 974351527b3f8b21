#include "gl_program_cache.h"

#include <atomic>
#include <cstdio>
#include <cstring>
#include <string>

namespace d3d8 {

namespace {

std::atomic<int> compiledPrograms{0};

struct UniformInfo {
    const char* name;
    int floats;      // per element
    int rows;        // matrices: 3 or 4; vectors: 0
};

const UniformInfo kUniforms[] = {
    {"uWorldView", 16, 4}, {"uProjection", 16, 4}, {"uNormalMatrix", 9, 3}, {"uScreenToNdc", 4, 0},
    {"uPixelOffset", 2, 0}, {"uPoint", 4, 0}, {"uPointScale", 3, 0}, {"uFog", 4, 0}, {"uFogColor", 4, 0},
    {"uMaterialDiffuse", 4, 0}, {"uMaterialAmbient", 4, 0}, {"uMaterialSpecular", 4, 0},
    {"uMaterialEmissive", 4, 0}, {"uMaterialPower", 1, 0}, {"uGlobalAmbient", 4, 0},
    {"uLightDiffuse", 4, 0}, {"uLightSpecular", 4, 0}, {"uLightAmbient", 4, 0}, {"uLightPosition", 4, 0},
    {"uLightDirection", 4, 0}, {"uLightAttenuation", 4, 0}, {"uLightSpot", 4, 0},
    {"uTextureMatrix0", 16, 4}, {"uTextureMatrix1", 16, 4}, {"uTextureFactor", 4, 0}, {"uAlphaRef", 1, 0},
};
static_assert(sizeof(kUniforms) / sizeof(kUniforms[0]) == static_cast<size_t>(Uniform::Count));

GLuint CompileStage(GLenum type, const std::string& source, std::string* log)
{
    GLuint shader = glCreateShader(type);
    const char* text = source.c_str();
    glShaderSource(shader, 1, &text, nullptr);
    glCompileShader(shader);
    GLint ok = GL_FALSE;
    glGetShaderiv(shader, GL_COMPILE_STATUS, &ok);
    if (!ok) {
        char buffer[4096] = {};
        glGetShaderInfoLog(shader, sizeof buffer - 1, nullptr, buffer);
        *log += buffer;
        glDeleteShader(shader);
        return 0;
    }
    return shader;
}

GLuint Link(const std::string& vertex, const std::string& fragment, std::string* log)
{
    GLuint vs = CompileStage(GL_VERTEX_SHADER, vertex, log);
    GLuint fs = CompileStage(GL_FRAGMENT_SHADER, fragment, log);
    GLuint program = 0;
    if (vs && fs) {
        program = glCreateProgram();
        glAttachShader(program, vs);
        glAttachShader(program, fs);
        glLinkProgram(program);
        GLint ok = GL_FALSE;
        glGetProgramiv(program, GL_LINK_STATUS, &ok);
        if (!ok) {
            char buffer[4096] = {};
            glGetProgramInfoLog(program, sizeof buffer - 1, nullptr, buffer);
            *log += buffer;
            glDeleteProgram(program);
            program = 0;
        }
    }
    if (vs)
        glDeleteShader(vs);
    if (fs)
        glDeleteShader(fs);
    return program;
}

}  // namespace

int TotalCompiledPrograms()
{
    return compiledPrograms.load();
}

GlProgram::GlProgram(GLuint name, const ProgramKey& key) : name_(name), key_(key)
{
    for (int i = 0; i < static_cast<int>(Uniform::Count); ++i)
        slots_[i].location = glGetUniformLocation(name, kUniforms[i].name);
    glUseProgram(name);
    for (int stage = 0; stage < kProgramStages; ++stage) {
        const std::string sampler = "uTexture" + std::to_string(stage);
        const GLint location = glGetUniformLocation(name, sampler.c_str());
        if (location >= 0)
            glUniform1i(location, stage);
    }
}

void GlProgram::Set(Uniform uniform, const float* values, int count, bool transpose)
{
    Slot& slot = slots_[static_cast<int>(uniform)];
    if (slot.location < 0)
        return;
    if (slot.last.size() == static_cast<size_t>(count) &&
        std::memcmp(slot.last.data(), values, sizeof(float) * count) == 0)
        return;
    slot.last.assign(values, values + count);
    const UniformInfo& info = kUniforms[static_cast<int>(uniform)];
    const GLsizei elements = count / info.floats;
    const GLboolean t = transpose ? GL_TRUE : GL_FALSE;
    if (info.rows == 4)
        glUniformMatrix4fv(slot.location, elements, t, values);
    else if (info.rows == 3)
        glUniformMatrix3fv(slot.location, elements, t, values);
    else if (info.floats == 4)
        glUniform4fv(slot.location, elements, values);
    else if (info.floats == 3)
        glUniform3fv(slot.location, elements, values);
    else if (info.floats == 2)
        glUniform2fv(slot.location, elements, values);
    else
        glUniform1fv(slot.location, elements, values);
}

GlProgram* GlProgramCache::Get(const ProgramKey& key)
{
    // Draws in a row mostly share their key: comparing it with the last one is cheaper than hashing.
    if (last_ && last_->Key() == key)
        return last_;
    auto found = programs_.find(key);
    if (found != programs_.end())
        return last_ = found->second.get();
    const std::string vertex = VertexShaderSource(key, target_);
    const std::string fragment = FragmentShaderSource(key);
    std::string log;
    const GLuint name = Link(vertex, fragment, &log);
    ++compiledPrograms;
    std::unique_ptr<GlProgram> program;
    if (name) {
        program = std::make_unique<GlProgram>(name, key);
    } else {
        std::fprintf(stderr, "d3d8: a fixed-function program failed to build:\n%s\n--- vertex ---\n%s--- fragment ---\n%s",
                     log.c_str(), vertex.c_str(), fragment.c_str());
    }
    GlProgram* result = program.get();
    programs_.emplace(key, std::move(program));
    return last_ = result;
}

}  // namespace d3d8
