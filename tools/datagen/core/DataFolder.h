// The Data folder being written: every asset family hands its files here by the name the demo loads.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "core/Image.h"

namespace datagen {

class DataFolder {
public:
    // Files go to ROOT/Data; an empty root keeps everything in memory (the contact sheet and tests use
    // that to generate without touching the disk).
    explicit DataFolder(std::filesystem::path root);

    // Writes Data/NAME (NAME without the "Data\" prefix, e.g. "uvcube.lwo"). Throws on a write failure,
    // so a half-written Data folder never passes for a finished one.
    void WriteFile(const std::string& name, const std::vector<uint8_t>& bytes);

    // Encodes the picture by the name's ending (.png keeps alpha, .jpg is opaque) and writes it; the
    // picture is also kept for the contact sheet. Sides must be powers of two.
    void WritePicture(const std::string& name, const Image& picture);

    const std::map<std::string, std::vector<uint8_t>>& Files() const { return m_files; }
    const std::map<std::string, Image>& Pictures() const { return m_pictures; }
    std::filesystem::path DataPath() const { return m_root / "Data"; }

private:
    std::filesystem::path m_root;
    std::map<std::string, std::vector<uint8_t>> m_files;
    std::map<std::string, Image> m_pictures;
};

// The asset families. Each writes its whole share of the Data folder.
void WritePictures(DataFolder& folder);
void WriteFont(DataFolder& folder);
void WriteModels(DataFolder& folder);
void WriteMusic(DataFolder& folder);

}  // namespace datagen
