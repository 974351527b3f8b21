// Choosing the decoder for a file, and reading files named the Windows way.
#include <cstdio>

#include "d3dx8tex_image.h"
#include "platform_files.h"

namespace d3dx8 {

bool DecodeImage(const BYTE* data, size_t size, DecodeMode mode, Image* image)
{
    if (!data || size == 0)
        return false;
    return DecodePng(data, size, mode, image) || DecodeJpeg(data, size, mode, image);
}

bool ReadWholeFile(const char* windowsName, std::vector<BYTE>* content)
{
    FILE* file = platform::OpenFile(windowsName, "rb");
    if (!file)
        return false;
    content->clear();
    BYTE chunk[65536];
    size_t count;
    while ((count = std::fread(chunk, 1, sizeof chunk, file)) > 0)
        content->insert(content->end(), chunk, chunk + count);
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    return !failed;
}

}  // namespace d3dx8
