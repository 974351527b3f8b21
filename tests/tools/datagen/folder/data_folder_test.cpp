// The whole Data folder as the demo loads it: every file there, every texture a model names, and the
// same bytes on every run.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <cctype>
#include <set>
#include <string>

#include "core/DataFolder.h"

namespace {

// Every file the demo opens, by the name it uses.
const char* const kDemoFiles[] = {
    "loading.png", "title.png", "uvcube.lwo", "uvcube_1-2.lwo", "uvcube_2-3.lwo", "uvcube_3-4.lwo",
    "uvcube_4-5.lwo", "uvcube_5-6.lwo", "uvcube_6-1.lwo", "ravelle.lwo", "verticle.png", "coperbar.png",
    "16-9.png", "plasma1.png", "plasma2.png", "tvk_pr_cube.png", "fond_deform.jpg", "layer_deform.png",
    "o2.png", "sausage.x", "tex256.png", "barres.png", "code.png", "msx.png", "gfx.png", "meron.png",
    "zud.png", "vorna.png", "cubederavelle.png", "skycube.png", "fond_cube.png", "particle-1.jpg",
    "part.png", "layer_scroll.png", "haut_vert.png", "roue.lwo", "rtoile.lwo", "rendu7.jpg", "rendu7a.jpg",
    "rendu7b.jpg", "rendu7c.jpg", "rendu7d.jpg", "hand.lwo", "reticule.png", "poussiere.png", "fonts.png",
    "fonts.txt", "theZenth.png", "savoirvivre.png", "thezenth.XM", "chipmod.XM",
};

const datagen::DataFolder& GeneratedFolder()
{
    static const datagen::DataFolder folder = [] {
        datagen::DataFolder generated{""};
        datagen::WritePictures(generated);
        datagen::WriteFont(generated);
        datagen::WriteModels(generated);
        datagen::WriteMusic(generated);
        return generated;
    }();
    return folder;
}

std::string BaseName(const std::string& path)
{
    const size_t cut = path.find_last_of("\\/");
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

// The image names of the clips of an LWO2 file: each STIL sub-chunk holds a two-byte length and a
// zero-terminated name.
std::set<std::string> LwoClipNames(const std::vector<uint8_t>& bytes)
{
    std::set<std::string> names;
    for (size_t at = 0; at + 6 < bytes.size(); ++at) {
        if (std::string(bytes.begin() + at, bytes.begin() + at + 4) != "STIL")
            continue;
        size_t end = at + 6;
        while (end < bytes.size() && bytes[end] != 0)
            ++end;
        names.insert(BaseName(std::string(bytes.begin() + at + 6, bytes.begin() + end)));
    }
    return names;
}

// The texture names of a text .x file: the strings inside TextureFilename blocks.
std::set<std::string> XTextureNames(const std::vector<uint8_t>& bytes)
{
    const std::string text(bytes.begin(), bytes.end());
    std::set<std::string> names;
    for (size_t at = text.find("TextureFilename"); at != std::string::npos; at = text.find("TextureFilename", at + 1)) {
        const size_t open = text.find('"', at);
        const size_t close = open == std::string::npos ? open : text.find('"', open + 1);
        if (close != std::string::npos)
            names.insert(BaseName(text.substr(open + 1, close - open - 1)));
    }
    return names;
}

bool EndsWith(const std::string& text, const std::string& ending)
{
    return text.size() >= ending.size() && text.compare(text.size() - ending.size(), ending.size(), ending) == 0;
}

}  // namespace

TEST(DataFolder, HoldsEveryFileTheDemoLoads)
{
    const auto& files = GeneratedFolder().Files();
    for (const char* name : kDemoFiles) {
        auto found = files.find(name);
        ASSERT_NE(found, files.end()) << name;
        EXPECT_GT(found->second.size(), 64u) << name;
    }
}

TEST(DataFolder, HoldsEveryTextureThatAModelNames)
{
    const auto& files = GeneratedFolder().Files();
    int named = 0;
    for (const auto& [name, bytes] : files) {
        std::set<std::string> textures;
        if (EndsWith(name, ".lwo"))
            textures = LwoClipNames(bytes);
        else if (EndsWith(name, ".x"))
            textures = XTextureNames(bytes);
        for (const std::string& texture : textures) {
            ++named;
            EXPECT_TRUE(files.count(texture)) << name << " names " << texture << ", which is not written";
        }
    }
    EXPECT_GT(named, 0) << "no model names a texture";
}

TEST(DataFolder, PicturesDecodeWithPowerOfTwoSides)
{
    for (const auto& [name, picture] : GeneratedFolder().Pictures()) {
        EXPECT_EQ(picture.Width() & (picture.Width() - 1), 0) << name;
        EXPECT_EQ(picture.Height() & (picture.Height() - 1), 0) << name;
        if (EndsWith(name, ".png")) {
            const datagen::Image decoded = datagen::DecodePng(GeneratedFolder().Files().at(name));
            ASSERT_EQ(decoded.Width(), picture.Width()) << name;
            EXPECT_EQ(std::memcmp(decoded.Pixels().data(), picture.Pixels().data(), picture.Pixels().size() * 4), 0) << name;
        } else {
            const auto& bytes = GeneratedFolder().Files().at(name);
            ASSERT_GE(bytes.size(), 4u);
            EXPECT_EQ(bytes[0], 0xFF) << name << " is not a JPEG stream";
            EXPECT_EQ(bytes[1], 0xD8) << name << " is not a JPEG stream";
        }
    }
}

TEST(DataFolder, TwoRunsWriteTheSameBytes)
{
    datagen::DataFolder again{""};
    datagen::WritePictures(again);
    datagen::WriteFont(again);
    datagen::WriteModels(again);
    datagen::WriteMusic(again);
    const auto& first = GeneratedFolder().Files();
    ASSERT_EQ(again.Files().size(), first.size());
    for (const auto& [name, bytes] : again.Files()) {
        ASSERT_TRUE(first.count(name)) << name;
        EXPECT_TRUE(first.at(name) == bytes) << name << " differs between two runs";
    }
}
