#include "objects/HeightMapFile.h"

#include <cstdio>

#include "platform_files.h"

namespace height_map {

FileState ReadHeights(const char* file, std::vector<unsigned char>& heights)
{
    heights.clear();
    FILE* stream = platform::OpenFile(file, "rb");
    if (!stream)
        return FileState::Missing;
    heights.resize(kGridPoints);
    heights.resize(std::fread(heights.data(), 1, heights.size(), stream));
    std::fclose(stream);
    return heights.size() < static_cast<size_t>(kGridPoints) ? FileState::Short : FileState::Whole;
}

void LiftPoints(S3DVERTEX* points, unsigned long count, const std::vector<unsigned char>& heights,
                float amplitude)
{
    for (unsigned long k = 0; k < count; ++k)
        points[k].z = k < heights.size() ? (256 - heights[k]) * amplitude / 256 : 0.0f;
}

}  // namespace height_map
