// The particle-system file: a header line, then one "name=value" line per parameter. The reader fills
// a settings record; Load copies a whole file's settings into the emitter, Save writes them out.
#include <strings.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <new>
#include <string>

#include "effects/ParticleEmitter.h"
#include "effects/ParticleFile.h"
#include "platform_files.h"

namespace {

const char kHeader[] = "[ParticleSystem 1.00]";
// The first line is looked at this far only.
const size_t kHeaderLineLength = 255;
// More lines than any particle system has: such a file is something else.
const int kMaxLines = 1000;
const size_t kMaxTextureName = 255;

const char kOpenFailed[] = "Can't open file! (invalid filename?)";
const char kInvalidBlend[] = "Invalid Blending Mode.";

// The file handle closes on every way out of Load and Save.
struct FileCloser {
    FILE* file;
    ~FileCloser()
    {
        if (file)
            std::fclose(file);
    }
};

// One line with its line feed, if it has one; false at the end of the file. A carriage return
// before the line feed (a file written on Windows) is dropped, as text mode does there.
bool ReadLine(FILE* file, std::string& line)
{
    line.clear();
    int c;
    while ((c = std::fgetc(file)) != EOF) {
        line.push_back(static_cast<char>(c));
        if (c == '\n')
            break;
    }
    if (line.size() >= 2 && line[line.size() - 2] == '\r' && line.back() == '\n')
        line.erase(line.size() - 2, 1);
    return !line.empty();
}

// The text up to the delimiter, and the rest after it; without the delimiter the whole rest is the
// piece and the rest stays as it is.
std::string Cut(std::string& rest, char delimiter)
{
    const size_t at = rest.find(delimiter);
    if (at == std::string::npos)
        return rest;
    std::string piece = rest.substr(0, at);
    rest.erase(0, at + 1);
    return piece;
}

float Number(const std::string& text) { return static_cast<float>(std::atof(text.c_str())); }

D3DXVECTOR3 ParseVector(std::string text)
{
    Cut(text, '(');
    D3DXVECTOR3 v;
    v.x = Number(Cut(text, ','));
    v.y = Number(Cut(text, ','));
    v.z = Number(Cut(text, ')'));
    return v;
}

D3DXCOLOR ParseColor(std::string text)
{
    Cut(text, '(');
    D3DXCOLOR c;
    c.r = Number(Cut(text, ','));
    c.g = Number(Cut(text, ','));
    c.b = Number(Cut(text, ','));
    c.a = Number(Cut(text, ')'));
    return c;
}

CMinMax<float> ParseMinMax(std::string text)
{
    Cut(text, '(');
    CMinMax<float> range;
    range.m_Min = Number(Cut(text, ','));
    range.m_Max = Number(Cut(text, ')'));
    return range;
}

bool ParseBlendMode(const std::string& text, int& mode)
{
    for (const BLENDINGMODE& row : CParticleEmitter::m_BlendingModes) {
        if (strcasecmp(row.name, text.c_str()) == 0) {
            mode = row.mode;
            return true;
        }
    }
    return false;
}

void WriteVector(FILE* file, const char* name, const D3DXVECTOR3& v)
{
    std::fprintf(file, "%s=(%.4f, %.4f, %.4f)\n", name, v.x, v.y, v.z);
}

void WriteColor(FILE* file, const char* name, const D3DXCOLOR& c)
{
    std::fprintf(file, "%s=(%.4f, %.4f, %.4f, %.4f)\n", name, c.r, c.g, c.b, c.a);
}

void WriteMinMax(FILE* file, const char* name, const CMinMax<float>& range)
{
    std::fprintf(file, "%s=(%.4f, %.4f)\n", name, range.m_Min, range.m_Max);
}

}  // namespace

bool CParticleEmitter::Save(const char* filename)
{
    // The modes are checked before the file is opened, so that a bad mode leaves an existing file
    // whole instead of cut short.
    const char* source = BlendModeName(m_SrcBlendMode);
    const char* dest = BlendModeName(m_DestBlendMode);
    if (!source || !dest) {
        m_strLastError = kInvalidBlend;
        return false;
    }
    FileCloser out{filename ? platform::OpenFile(filename, "w") : nullptr};
    if (!out.file) {
        m_strLastError = kOpenFailed;
        return false;
    }
    FILE* file = out.file;
    std::fprintf(file, "%s\n", kHeader);
    WriteVector(file, "Position", m_Position);
    WriteVector(file, "Gravity", m_Gravity);
    WriteVector(file, "SpawnDir1", m_SpawnDir1);
    WriteVector(file, "SpawnDir2", m_SpawnDir2);
    WriteColor(file, "StartColor1", m_StartColor1);
    WriteColor(file, "StartColor2", m_StartColor2);
    WriteColor(file, "EndColor1", m_EndColor1);
    WriteColor(file, "EndColor2", m_EndColor2);
    WriteMinMax(file, "EmitRate", m_EmitRate);
    WriteVector(file, "EmitRadius", m_EmitRadius);
    WriteMinMax(file, "Lifetime", m_Lifetime);
    WriteMinMax(file, "Size", m_Size);
    std::fprintf(file, "%s=%s\n", "SrcBlend", source);
    std::fprintf(file, "%s=%s\n", "DestBlend", dest);
    std::fprintf(file, "%s=%d\n", "MaxParticles", m_MaxParticles);
    std::fprintf(file, "%s=%s\n", "Texture", static_cast<const char*>(m_TextureFile));
    // A write that did not reach the disk (a full disk) is a failure, not a saved file.
    const bool written = !std::ferror(file);
    out.file = nullptr;
    if (std::fclose(file) != 0 || !written) {
        m_strLastError = "Unknown error.";
        return false;
    }
    return true;
}

namespace {

bool ReadHeader(FILE* file, CString& error)
{
    std::string line;
    ReadLine(file, line);
    if (line.substr(0, kHeaderLineLength).find(kHeader) == std::string::npos) {
        error = "Invalid Header (missing \"[ParticleSystem 1.00]\")";
        return false;
    }
    return true;
}

// Every "name=value" line after the header; a line without "=" is a name with an empty value.
bool ReadValues(FILE* file, std::map<std::string, std::string>& values, CString& error)
{
    std::string line;
    int lines = 0;
    while (ReadLine(file, line)) {
        if (++lines >= kMaxLines) {
            error = "File too big (most likely not a particle system file)";
            return false;
        }
        if (line.size() <= 1)
            continue;
        std::string name = line;
        std::string value;
        const size_t equals = line.find('=');
        if (equals != std::string::npos) {
            name = line.substr(0, equals);
            value = line.substr(equals + 1);
            if (!value.empty() && value.back() == '\n')
                value.pop_back();
        }
        if (!values.emplace(name, value).second) {
            error = "Duplicate value encountered.";
            return false;
        }
    }
    if (std::ferror(file)) {
        error = "Unknown error.";
        return false;
    }
    return true;
}

bool HasEveryName(const std::map<std::string, std::string>& values, CString& error)
{
    static const char* const kKeys[] = {"Position",    "Gravity",     "SpawnDir1", "SpawnDir2",
                                        "StartColor1", "StartColor2", "EndColor1", "EndColor2",
                                        "EmitRate",    "EmitRadius",  "Lifetime",  "Size",
                                        "SrcBlend",    "DestBlend",   "MaxParticles", "Texture"};
    for (const char* key : kKeys) {
        if (values.find(key) == values.end()) {
            error = CString((std::string("Missing property \"") + key + "\"!").c_str());
            return false;
        }
    }
    return true;
}

}  // namespace

bool ReadParticleFile(FILE* file, SParticleFileSettings& settings, CString& error)
{
    std::map<std::string, std::string> values;
    if (!ReadHeader(file, error) || !ReadValues(file, values, error) || !HasEveryName(values, error))
        return false;
    if (!ParseBlendMode(values["SrcBlend"], settings.srcBlendMode) ||
        !ParseBlendMode(values["DestBlend"], settings.destBlendMode)) {
        error = kInvalidBlend;
        return false;
    }
    settings.position = ParseVector(values["Position"]);
    settings.gravity = ParseVector(values["Gravity"]);
    settings.spawnDir1 = ParseVector(values["SpawnDir1"]);
    settings.spawnDir2 = ParseVector(values["SpawnDir2"]);
    settings.startColor1 = ParseColor(values["StartColor1"]);
    settings.startColor2 = ParseColor(values["StartColor2"]);
    settings.endColor1 = ParseColor(values["EndColor1"]);
    settings.endColor2 = ParseColor(values["EndColor2"]);
    settings.emitRate = ParseMinMax(values["EmitRate"]);
    settings.emitRadius = ParseVector(values["EmitRadius"]);
    settings.lifetime = ParseMinMax(values["Lifetime"]);
    settings.size = ParseMinMax(values["Size"]);
    settings.maxParticles = std::atoi(values["MaxParticles"].c_str());
    settings.textureFile = CString(values["Texture"].substr(0, kMaxTextureName).c_str());
    return true;
}

bool CParticleEmitter::Load(const char* filename)
{
    try {
        FileCloser in{filename ? platform::OpenFile(filename, "r") : nullptr};
        if (!in.file) {
            m_strLastError = kOpenFailed;
            return false;
        }
        SParticleFileSettings settings;
        if (!ReadParticleFile(in.file, settings, m_strLastError))
            return false;
        m_Position = settings.position;
        m_Gravity = settings.gravity;
        m_SpawnDir1 = settings.spawnDir1;
        m_SpawnDir2 = settings.spawnDir2;
        m_StartColor1 = settings.startColor1;
        m_StartColor2 = settings.startColor2;
        m_EndColor1 = settings.endColor1;
        m_EndColor2 = settings.endColor2;
        m_EmitRate = settings.emitRate;
        m_EmitRadius = settings.emitRadius;
        m_Lifetime = settings.lifetime;
        m_Size = settings.size;
        m_SrcBlendMode = settings.srcBlendMode;
        m_DestBlendMode = settings.destBlendMode;
        m_MaxParticles = settings.maxParticles;
        m_TextureFile = settings.textureFile;
        return true;
    } catch (const std::exception&) {
        m_strLastError = "Unknown error.";
        return false;
    }
}
