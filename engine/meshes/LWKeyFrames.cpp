#include "meshes/LWKeyFrames.h"

#include <algorithm>

SLWKeyFrame ReadKeyFrame(CLWObjectReader& reader, const std::vector<unsigned char>* image, const SLWKeyFrame* base,
                         int vertices, CLWObjectReader::SOptions options)
{
    reader.Reset();
    if (image) {
        options.readTags = false;
        reader.Read(image->data(), static_cast<uint32_t>(image->size()), options, base ? base->data() : nullptr,
                    base ? static_cast<int>(base->size()) : 0);
    }
    SLWKeyFrame points = std::move(reader.Points());
    reader.ReleaseMesh();
    points.resize(std::min<size_t>(points.size(), std::max(reader.VertexCount(), 0)));
    const int count = std::max(vertices, 0);
    for (int i = static_cast<int>(points.size()); i < count; ++i)
        points.push_back(base && i < static_cast<int>(base->size()) ? (*base)[i] : CLWObjectReader::SLWVertex{});
    points.resize(count);
    return points;
}
