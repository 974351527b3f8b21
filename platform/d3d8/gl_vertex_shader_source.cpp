// The vertex stage. Direct3D's row-vector matrices are uploaded as they are in memory, which GLSL
// reads as their transposes: M * v in GLSL is v * M in Direct3D.
#include <sstream>

#include "gl_shader_source.h"

namespace d3d8 {

namespace {

const char* Varying(const ProgramKey& key)
{
    return key.flatShading ? "flat out" : "out";
}

void DeclareInputs(std::ostringstream& s, const ProgramKey& key)
{
    s << "layout(location = 0) in vec4 aPosition;\n";
    if (key.hasNormal)
        s << "layout(location = 1) in vec3 aNormal;\n";
    if (key.hasPointSize)
        s << "layout(location = 2) in float aPointSize;\n";
    if (key.hasDiffuse)
        s << "layout(location = 3) in vec4 aDiffuse;\n";
    if (key.hasSpecular)
        s << "layout(location = 4) in vec4 aSpecular;\n";
    for (int set = 0; set < key.texCoordSets && set < kMaxTexCoordSets; ++set)
        s << "layout(location = " << 5 + set << ") in vec4 aTexCoord" << set << ";\n";
}

void DeclareUniforms(std::ostringstream& s, const ProgramKey& key)
{
    s << "uniform mat4 uWorldView;\nuniform mat4 uProjection;\nuniform mat3 uNormalMatrix;\n"
         "uniform vec4 uScreenToNdc;\nuniform vec2 uPixelOffset;\n"
         "uniform vec4 uPoint;\nuniform vec3 uPointScale;\nuniform vec4 uFog;\n";
    if (key.lighting) {
        s << "uniform vec4 uMaterialDiffuse, uMaterialAmbient, uMaterialSpecular, uMaterialEmissive;\n"
             "uniform float uMaterialPower;\nuniform vec4 uGlobalAmbient;\n";
        if (key.lightCount > 0) {
            const int n = key.lightCount;
            s << "uniform vec4 uLightDiffuse[" << n << "], uLightSpecular[" << n << "], uLightAmbient[" << n
              << "];\nuniform vec4 uLightPosition[" << n << "], uLightDirection[" << n
              << "], uLightAttenuation[" << n << "], uLightSpot[" << n << "];\n";
        }
    }
    for (int st = 0; st < kProgramStages; ++st)
        if (key.stages[st].hasTexture && key.stages[st].transformCount)
            s << "uniform mat4 uTextureMatrix" << st << ";\n";
}

void DeclareOutputs(std::ostringstream& s, const ProgramKey& key)
{
    s << Varying(key) << " vec4 vDiffuse;\n" << Varying(key) << " vec4 vSpecular;\nout float vFog;\n";
    for (int st = 0; st < kProgramStages; ++st)
        if (key.stages[st].hasTexture)
            s << "out vec4 vTexCoord" << st << ";\n";
}

void FogFunction(std::ostringstream& s, int mode)
{
    s << "float FogFactor(float d) {\n    return " << FogFactorExpression(mode, "d") << ";\n}\n";
}

std::string MaterialColor(int source, const char* material)
{
    if (source == D3DMCS_COLOR1)
        return "aDiffuse";
    if (source == D3DMCS_COLOR2)
        return "aSpecular";
    return material;
}

// One light's contribution: directional lights have no position, point and spot lights fall off
// with distance within their range, spot lights also between their inner and outer cones.
void LightTerm(std::ostringstream& s, int i, int type, bool specular)
{
    s << "    {\n";
    if (type == D3DLIGHT_DIRECTIONAL) {
        s << "        vec3 L = -uLightDirection[" << i << "].xyz;\n        float f = 1.0;\n";
    } else {
        s << "        vec3 toLight = uLightPosition[" << i << "].xyz - P;\n"
          << "        float d = length(toLight);\n"
          << "        vec3 L = d > 0.0 ? toLight / d : vec3(0.0, 0.0, -1.0);\n"
          << "        vec4 att = uLightAttenuation[" << i << "];\n"
          << "        float f = d > uLightPosition[" << i << "].w ? 0.0 : 1.0 / max(att.x + att.y * d + att.z * d * d, 1e-6);\n";
        if (type == D3DLIGHT_SPOT) {
            s << "        vec4 spot = uLightSpot[" << i << "];\n"
              << "        float rho = dot(-uLightDirection[" << i << "].xyz, L);\n"
              << "        if (rho <= spot.y) f = 0.0;\n"
              << "        else if (rho <= spot.x) f *= pow((rho - spot.y) / max(spot.x - spot.y, 1e-6), spot.z);\n";
        }
    }
    s << "        ambient += uLightAmbient[" << i << "].rgb * f;\n"
      << "        float NdotL = dot(N, L);\n"
      << "        if (NdotL > 0.0) {\n"
      << "            diffuse += uLightDiffuse[" << i << "].rgb * NdotL * f;\n";
    if (specular)
        s << "            float NdotH = dot(N, normalize(V + L));\n"
          << "            if (NdotH > 0.0) specular += uLightSpecular[" << i << "].rgb * pow(NdotH, uMaterialPower) * f;\n";
    s << "        }\n    }\n";
}

void Lighting(std::ostringstream& s, const ProgramKey& key)
{
    // A world or view matrix with a projective last column leaves w != 1: lighting uses the point
    // that position stands for.
    s << "    vec3 P = eye.w != 0.0 ? eye.xyz / eye.w : eye.xyz;\n";
    s << "    vec3 N = " << (key.hasNormal ? "uNormalMatrix * aNormal" : "vec3(0.0)") << ";\n";
    if (key.normalizeNormals && key.hasNormal)
        s << "    if (dot(N, N) > 0.0) N = normalize(N);\n";
    s << "    vec3 V = " << (key.localViewer ? "(dot(P, P) > 0.0 ? normalize(-P) : vec3(0.0, 0.0, -1.0))"
                                              : "vec3(0.0, 0.0, -1.0)")
      << ";\n";
    s << "    vec4 matDiffuse = " << MaterialColor(key.diffuseSource, "uMaterialDiffuse") << ";\n"
      << "    vec4 matAmbient = " << MaterialColor(key.ambientSource, "uMaterialAmbient") << ";\n"
      << "    vec4 matSpecular = " << MaterialColor(key.specularSource, "uMaterialSpecular") << ";\n"
      << "    vec4 matEmissive = " << MaterialColor(key.emissiveSource, "uMaterialEmissive") << ";\n"
      << "    vec3 ambient = uGlobalAmbient.rgb, diffuse = vec3(0.0), specular = vec3(0.0);\n";
    for (int i = 0; i < key.lightCount; ++i)
        LightTerm(s, i, key.lightTypes[i], key.specularEnable != 0);
    s << "    vDiffuse = vec4(clamp(matAmbient.rgb * ambient + matDiffuse.rgb * diffuse + matEmissive.rgb, 0.0, 1.0),"
         " clamp(matDiffuse.a, 0.0, 1.0));\n"
      << "    vSpecular = vec4(clamp(matSpecular.rgb * specular, 0.0, 1.0), "
      << (key.hasSpecular ? "aSpecular.a" : "0.0") << ");\n";
}

void Position(std::ostringstream& s, const ProgramKey& key, const ShaderTarget& target)
{
    if (key.transformed) {
        // Screen pixels to GL's clip space, rows already top first; 1/rhw restores w so that the
        // interpolation stays perspective correct.
        s << "    float w = aPosition.w > 0.0 ? 1.0 / aPosition.w : 1.0;\n"
          << "    vec4 eye = vec4(0.0, 0.0, w, 1.0);\n"
          << "    vec4 clip = vec4((aPosition.xy * uScreenToNdc.xy + uScreenToNdc.zw) * w, aPosition.z * w, w);\n"
          << "    float depth01 = aPosition.z;\n";
    } else {
        // Direct3D's y points up in clip space and the target's rows are stored top first: flip y.
        s << "    vec4 eye = uWorldView * vec4(aPosition.xyz, 1.0);\n"
          << "    vec4 clip = uProjection * eye;\n"
          << "    float depth01 = clip.w != 0.0 ? clip.z / clip.w : 0.0;\n"
          << "    clip.y = -clip.y;\n"
          << "    clip.xy += uPixelOffset * clip.w;\n";
    }
    if (target.remapDepth)
        s << "    clip.z = 2.0 * clip.z - clip.w;\n";
    s << "    gl_Position = clip;\n";
}

void Fog(std::ostringstream& s, const ProgramKey& key)
{
    switch (key.fogSource) {
    case FogSource::Table:
        // A W-friendly projection makes w the eye depth, whichever way the view looks.
        s << "    vFog = " << (key.fogEyeDepth ? "clip.w" : "depth01") << ";\n";
        break;
    case FogSource::Vertex:
        // The distance from the eye plane: a view looking down -z fogs as one looking down +z.
        s << "    vFog = clamp(FogFactor(" << (key.rangeFog ? "length(eye.xyz)" : "abs(eye.z)") << "), 0.0, 1.0);\n";
        break;
    case FogSource::SpecularAlpha:
        s << "    vFog = aSpecular.a;\n";
        break;
    default:
        s << "    vFog = 1.0;\n";
    }
}

// Camera-space vectors for generated coordinates: the normal (normalized when asked), the position,
// and the reflection of the view direction about the normal (towards the eye from a local viewer,
// along +z otherwise).
void TexGenInputs(std::ostringstream& s, const ProgramKey& key)
{
    s << "    vec3 genPosition = eye.w != 0.0 ? eye.xyz / eye.w : eye.xyz;\n";
    if (!UsesNormalTexGen(key))
        return;
    s << "    vec3 genNormal = " << (key.hasNormal ? "uNormalMatrix * aNormal" : "vec3(0.0)") << ";\n";
    if (key.normalizeNormals)
        s << "    if (dot(genNormal, genNormal) > 0.0) genNormal = normalize(genNormal);\n";
    s << "    vec3 incident = " << (key.localViewer ? "dot(genPosition, genPosition) > 0.0 ? normalize(genPosition) : "
                                                    "vec3(0.0, 0.0, 1.0)"
                                                  : "vec3(0.0, 0.0, 1.0)")
      << ";\n"
      << "    vec3 unitNormal = dot(genNormal, genNormal) > 0.0 ? normalize(genNormal) : vec3(0.0);\n"
      << "    vec3 genReflection = reflect(incident, unitNormal);\n";
}

// A stage's input coordinates as Direct3D widens them before the texture matrix: the element after
// the last one present is 1, the rest 0.
std::string StageInput(const StageKey& stage)
{
    switch (stage.texGen) {
    case TexGen::CameraSpaceNormal: return "vec4(genNormal, 1.0)";
    case TexGen::CameraSpacePosition: return "vec4(genPosition, 1.0)";
    case TexGen::CameraSpaceReflection: return "vec4(genReflection, 1.0)";
    default: break;
    }
    const std::string in = "aTexCoord" + std::to_string(stage.texCoordSet);
    switch (stage.texCoordSize) {
    case 1: return "vec4(" + in + ".x, 1.0, 0.0, 0.0)";
    case 2: return "vec4(" + in + ".xy, 1.0, 0.0)";
    case 3: return "vec4(" + in + ".xyz, 1.0)";
    default: return in;
    }
}

// Coordinates of a stage as (s, t, r, q): 2D textures sample (s, t) / q, cube textures (s, t, r).
void TexCoords(std::ostringstream& s, const ProgramKey& key)
{
    bool inputs = false;
    for (int st = 0; st < kProgramStages; ++st) {
        const StageKey& stage = key.stages[st];
        if (!stage.hasTexture)
            continue;
        if (stage.texGen != TexGen::None && !inputs) {
            TexGenInputs(s, key);
            inputs = true;
        }
        const std::string out = "    vTexCoord" + std::to_string(st);
        if (stage.texGen == TexGen::None && stage.texCoordSet == 0xFF) {
            s << out << " = vec4(0.0, 0.0, 0.0, 1.0);\n";
            continue;
        }
        const std::string input = StageInput(stage);
        if (!stage.transformCount) {
            s << out << " = vec4(" << input << ".xyz, 1.0);\n";
            continue;
        }
        const std::string t = "t" + std::to_string(st);
        s << "    vec4 " << t << " = uTextureMatrix" << st << " * " << input << ";\n";
        static const char* kLast[] = {"x", "x", "y", "z", "w"};
        s << out << " = vec4(" << t << ".xyz, " << (stage.projected ? t + "." + kLast[stage.transformCount] : "1.0")
          << ");\n";
    }
}

void PointSize(std::ostringstream& s, const ProgramKey& key)
{
    s << "    float size = " << (key.hasPointSize ? "aPointSize" : "uPoint.x") << ";\n";
    if (key.pointScale)
        s << "    float de = length(eye.xyz);\n"
             "    float scale = uPointScale.x + uPointScale.y * de + uPointScale.z * de * de;\n"
             "    size = scale > 0.0 ? uPoint.w * size * sqrt(1.0 / scale) : uPoint.z;\n";
    s << "    gl_PointSize = max(clamp(size, uPoint.y, uPoint.z), 1.0);\n";
}

}  // namespace

std::string FogFactorExpression(int mode, const std::string& d)
{
    if (mode == D3DFOG_LINEAR)
        return "(uFog.y == uFog.x ? (" + d + " <= uFog.x ? 1.0 : 0.0) : (uFog.y - " + d + ") / (uFog.y - uFog.x))";
    if (mode == D3DFOG_EXP)
        return "exp(-" + d + " * uFog.z)";
    return "exp(-(" + d + " * uFog.z) * (" + d + " * uFog.z))";
}

std::string VertexShaderSource(const ProgramKey& key, const ShaderTarget& target)
{
    std::ostringstream s;
    s << "#version 330 core\n";
    DeclareInputs(s, key);
    DeclareUniforms(s, key);
    DeclareOutputs(s, key);
    if (key.fogSource == FogSource::Vertex)
        FogFunction(s, key.fogMode);
    s << "void main() {\n";
    Position(s, key, target);
    if (key.lighting) {
        Lighting(s, key);
    } else {
        s << "    vDiffuse = " << (key.hasDiffuse ? "aDiffuse" : "vec4(1.0)") << ";\n"
          << "    vSpecular = " << (key.hasSpecular ? "aSpecular" : "vec4(0.0)") << ";\n";
    }
    Fog(s, key);
    TexCoords(s, key);
    PointSize(s, key);
    s << "}\n";
    return s.str();
}

}  // namespace d3d8
