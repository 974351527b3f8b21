// The particle-system file reader on raw bytes, read from a memory stream. A file it takes must give
// blend modes of the table and a texture name within its limit; a file it refuses must say why.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "effects/ParticleEmitter.h"
#include "effects/ParticleFile.h"

namespace {

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // A memory stream cannot be empty; an empty input is an empty temporary file.
    FILE* file = size > 0 ? fmemopen(const_cast<uint8_t*>(data), size, "r") : std::tmpfile();
    if (!file)
        return 0;
    SParticleFileSettings settings;
    CString error;
    const bool loaded = ReadParticleFile(file, settings, error);
    std::fclose(file);
    if (!loaded) {
        Require(!error.IsEmpty());
        return 0;
    }
    Require(error.IsEmpty());
    Require(CParticleEmitter::BlendModeName(settings.srcBlendMode) != nullptr);
    Require(CParticleEmitter::BlendModeName(settings.destBlendMode) != nullptr);
    Require(settings.textureFile.GetLength() <= 255);
    return 0;
}
