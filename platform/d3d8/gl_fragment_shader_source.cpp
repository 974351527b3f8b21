// The fragment stage: Direct3D's texture-stage cascade, then the specular add, the alpha test and
// the fog blend, in that order.
#include <sstream>

#include "gl_shader_source.h"

namespace d3d8 {

namespace {

// An argument with its modifiers: alpha replicated first, then complemented.
std::string Argument(uint8_t arg, int stage)
{
    std::string value;
    switch (arg & D3DTA_SELECTMASK) {
    case D3DTA_DIFFUSE: value = "diffuse"; break;
    case D3DTA_CURRENT: value = "current"; break;
    case D3DTA_TEXTURE: value = "tex" + std::to_string(stage); break;
    case D3DTA_TFACTOR: value = "uTextureFactor"; break;
    case D3DTA_SPECULAR: value = "specular"; break;
    default: value = "vec4(0.0)"; break;
    }
    if (arg & D3DTA_ALPHAREPLICATE)
        value = "vec4(" + value + ".a)";
    if (arg & D3DTA_COMPLEMENT)
        value = "(vec4(1.0) - " + value + ")";
    return value;
}

// The operation on the arguments a1 and a2 (and a0, the third one), for the channels in c ("rgb" or
// "a").
std::string Operation(uint8_t op, const std::string& c, int stage)
{
    const std::string a0 = "a0." + c, a1 = "a1." + c, a2 = "a2." + c, tex = "tex" + std::to_string(stage);
    auto blend = [&](const std::string& alpha) { return a1 + " * " + alpha + " + " + a2 + " * (1.0 - " + alpha + ")"; };
    switch (op) {
    case D3DTOP_SELECTARG1: return a1;
    case D3DTOP_SELECTARG2: return a2;
    case D3DTOP_MODULATE: return a1 + " * " + a2;
    case D3DTOP_MODULATE2X: return a1 + " * " + a2 + " * 2.0";
    case D3DTOP_MODULATE4X: return a1 + " * " + a2 + " * 4.0";
    case D3DTOP_ADD: return a1 + " + " + a2;
    case D3DTOP_ADDSIGNED: return a1 + " + " + a2 + " - 0.5";
    case D3DTOP_ADDSIGNED2X: return "(" + a1 + " + " + a2 + " - 0.5) * 2.0";
    case D3DTOP_SUBTRACT: return a1 + " - " + a2;
    case D3DTOP_ADDSMOOTH: return a1 + " + " + a2 + " - " + a1 + " * " + a2;
    case D3DTOP_BLENDDIFFUSEALPHA: return blend("diffuse.a");
    case D3DTOP_BLENDTEXTUREALPHA: return blend(tex + ".a");
    case D3DTOP_BLENDFACTORALPHA: return blend("uTextureFactor.a");
    case D3DTOP_BLENDCURRENTALPHA: return blend("current.a");
    case D3DTOP_BLENDTEXTUREALPHAPM: return a1 + " + " + a2 + " * (1.0 - " + tex + ".a)";
    case D3DTOP_MODULATEALPHA_ADDCOLOR: return c == "a" ? a1 : "a1.rgb + a1.a * a2.rgb";
    case D3DTOP_MODULATECOLOR_ADDALPHA: return c == "a" ? a1 : "a1.rgb * a2.rgb + a1.a";
    case D3DTOP_MODULATEINVALPHA_ADDCOLOR: return c == "a" ? a1 : "(1.0 - a1.a) * a2.rgb + a1.rgb";
    case D3DTOP_MODULATEINVCOLOR_ADDALPHA: return c == "a" ? a1 : "(1.0 - a1.rgb) * a2.rgb + a1.a";
    case D3DTOP_MULTIPLYADD: return a0 + " + " + a1 + " * " + a2;
    case D3DTOP_LERP: return a0 + " * " + a1 + " + (1.0 - " + a0 + ") * " + a2;
    case D3DTOP_DOTPRODUCT3: {
        const std::string dot = "clamp(4.0 * dot(a1.rgb - 0.5, a2.rgb - 0.5), 0.0, 1.0)";
        return c == "a" ? dot : "vec3(" + dot + ")";
    }
    default: return a1;
    }
}

void Stage(std::ostringstream& s, const StageKey& stage, int st)
{
    s << "    {\n"
      << "        vec4 a1 = " << Argument(stage.colorArg1, st) << ", a2 = " << Argument(stage.colorArg2, st)
      << ", a0 = " << (TakesThirdArgument(stage.colorOp) ? Argument(stage.colorArg0, st) : "vec4(0.0)") << ";\n"
      << "        vec3 rgb = clamp(" << Operation(stage.colorOp, "rgb", st) << ", 0.0, 1.0);\n";
    if (stage.colorOp == D3DTOP_DOTPRODUCT3) {
        // The dot product goes to every channel, alpha included.
        s << "        float alpha = rgb.r;\n";
    } else if (stage.alphaOp) {
        s << "        a1 = " << Argument(stage.alphaArg1, st) << "; a2 = " << Argument(stage.alphaArg2, st) << ";\n";
        if (TakesThirdArgument(stage.alphaOp))
            s << "        a0 = " << Argument(stage.alphaArg0, st) << ";\n";
        s << "        float alpha = clamp(" << Operation(stage.alphaOp, "a", st) << ", 0.0, 1.0);\n";
    } else {
        s << "        float alpha = current.a;\n";
    }
    s << "        current = vec4(rgb, alpha);\n    }\n";
}

void Sample(std::ostringstream& s, const ProgramKey& key, int st)
{
    if (!key.stages[st].hasTexture) {
        s << "    vec4 tex" << st << " = vec4(0.0, 0.0, 0.0, 1.0);\n";
        return;
    }
    // gl_PointCoord runs from the sprite's top left, where Direct3D puts (0, 0).
    const std::string v = "vTexCoord" + std::to_string(st);
    std::string coord = key.pointSprite ? "gl_PointCoord" : v + ".xy / " + v + ".w";
    if (key.stages[st].cube)
        coord = v + ".xyz";
    s << "    vec4 tex" << st << " = texture(uTexture" << st << ", " << coord << ");\n";
}

const char* CompareOperator(uint8_t func)
{
    switch (func) {
    case D3DCMP_NEVER: return nullptr;
    case D3DCMP_LESS: return "<";
    case D3DCMP_EQUAL: return "==";
    case D3DCMP_LESSEQUAL: return "<=";
    case D3DCMP_GREATER: return ">";
    case D3DCMP_NOTEQUAL: return "!=";
    case D3DCMP_GREATEREQUAL: return ">=";
    default: return "";
    }
}

void AlphaTest(std::ostringstream& s, uint8_t func)
{
    if (!func)
        return;
    const char* op = CompareOperator(func);
    if (!op) {
        s << "    discard;\n";
        return;
    }
    // Compared as 0..255 integers, the way the reference value is given.
    s << "    if (!(int(current.a * 255.0 + 0.5) " << op << " int(uAlphaRef))) discard;\n";
}

void Fog(std::ostringstream& s, const ProgramKey& key)
{
    if (key.fogSource == FogSource::None)
        return;
    if (key.fogSource == FogSource::Table) {
        s << "    float d = vFog;\n    float f = " << FogFactorExpression(key.fogMode, "d") << ";\n";
    } else {
        s << "    float f = vFog;\n";
    }
    s << "    current.rgb = mix(uFogColor.rgb, current.rgb, clamp(f, 0.0, 1.0));\n";
}

}  // namespace

std::string FragmentShaderSource(const ProgramKey& key)
{
    std::ostringstream s;
    const char* in = key.flatShading ? "flat in" : "in";
    s << "#version 330 core\n"
      << in << " vec4 vDiffuse;\n" << in << " vec4 vSpecular;\nin float vFog;\n"
      << "uniform vec4 uTextureFactor;\nuniform float uAlphaRef;\nuniform vec4 uFog;\nuniform vec4 uFogColor;\n";
    for (int st = 0; st < kProgramStages; ++st)
        if (key.stages[st].hasTexture)
            s << "in vec4 vTexCoord" << st << ";\nuniform " << (key.stages[st].cube ? "samplerCube" : "sampler2D")
              << " uTexture" << st << ";\n";
    s << "out vec4 fragColor;\nvoid main() {\n"
      << "    vec4 diffuse = vDiffuse, specular = vSpecular, current = diffuse;\n";
    for (int st = 0; st < kProgramStages && key.stages[st].colorOp; ++st) {
        Sample(s, key, st);
        Stage(s, key.stages[st], st);
    }
    if (key.specularEnable)
        s << "    current.rgb = min(current.rgb + specular.rgb, vec3(1.0));\n";
    AlphaTest(s, key.alphaFunc);
    Fog(s, key);
    s << "    fragColor = current;\n}\n";
    return s.str();
}

}  // namespace d3d8
