#include "core/DataFolder.h"

#include <fstream>
#include <stdexcept>

namespace datagen {

namespace {

bool IsPowerOfTwo(int value) { return value > 0 && (value & (value - 1)) == 0; }

bool EndsWith(const std::string& text, const std::string& ending)
{
    return text.size() >= ending.size() && text.compare(text.size() - ending.size(), ending.size(), ending) == 0;
}

}  // namespace

DataFolder::DataFolder(std::filesystem::path root) : m_root(std::move(root)) {}

void DataFolder::WriteFile(const std::string& name, const std::vector<uint8_t>& bytes)
{
    if (m_files.count(name))
        throw std::runtime_error("Data file written twice: " + name);
    m_files[name] = bytes;
    if (m_root.empty())
        return;
    std::filesystem::create_directories(DataPath());
    const std::filesystem::path path = DataPath() / name;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out)
        throw std::runtime_error("Cannot write " + path.string());
}

void DataFolder::WritePicture(const std::string& name, const Image& picture)
{
    if (!IsPowerOfTwo(picture.Width()) || !IsPowerOfTwo(picture.Height()))
        throw std::runtime_error("Picture sides are not powers of two: " + name);
    if (EndsWith(name, ".png"))
        WriteFile(name, EncodePng(picture));
    else if (EndsWith(name, ".jpg"))
        WriteFile(name, EncodeJpeg(picture, 90));
    else
        throw std::runtime_error("Unknown picture format: " + name);
    m_pictures.emplace(name, picture);
}

}  // namespace datagen
