// The Data folder writer: files on disk, refused pictures and names, and the picture encodings.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <unistd.h>

#include "core/DataFolder.h"

namespace {

std::filesystem::path TemporaryRoot()
{
    const auto root = std::filesystem::temp_directory_path() / ("datagen_writer_" + std::to_string(getpid()));
    std::filesystem::remove_all(root);
    return root;
}

datagen::Image Gradient(int width, int height)
{
    datagen::Image picture(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.At(x, y) = {static_cast<uint8_t>(x * 255 / width), static_cast<uint8_t>(y * 255 / height), 77,
                                static_cast<uint8_t>((x + y) & 0xFF)};
    return picture;
}

}  // namespace

TEST(DataFolderWriter, WritesFilesUnderData)
{
    const auto root = TemporaryRoot();
    datagen::DataFolder folder{root};
    folder.WriteFile("a.txt", {'h', 'i'});
    folder.WritePicture("b.png", Gradient(8, 4));
    std::ifstream in(root / "Data" / "a.txt", std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(text, "hi");
    EXPECT_EQ(std::filesystem::file_size(root / "Data" / "b.png"), folder.Files().at("b.png").size());
    std::filesystem::remove_all(root);
}

TEST(DataFolderWriter, RefusesWhatTheDemoCouldNotUse)
{
    datagen::DataFolder folder{""};
    EXPECT_THROW(folder.WritePicture("odd.png", Gradient(6, 8)), std::runtime_error);
    EXPECT_THROW(folder.WritePicture("odd.bmp", Gradient(8, 8)), std::runtime_error);
    folder.WriteFile("twice.txt", {1});
    EXPECT_THROW(folder.WriteFile("twice.txt", {2}), std::runtime_error);
    EXPECT_EQ(folder.Files().at("twice.txt"), std::vector<uint8_t>{1});
}

TEST(DataFolderWriter, PngKeepsEveryChannelAndJpegIsClose)
{
    const datagen::Image picture = Gradient(32, 16);
    const datagen::Image decoded = datagen::DecodePng(datagen::EncodePng(picture));
    ASSERT_EQ(decoded.Width(), 32);
    ASSERT_EQ(decoded.Height(), 16);
    EXPECT_EQ(std::memcmp(decoded.Pixels().data(), picture.Pixels().data(), picture.Pixels().size() * 4), 0);
    EXPECT_EQ(datagen::EncodePng(picture), datagen::EncodePng(picture));

    const std::vector<uint8_t> jpeg = datagen::EncodeJpeg(picture, 90);
    ASSERT_GT(jpeg.size(), 100u);
    EXPECT_EQ(jpeg[0], 0xFF);
    EXPECT_EQ(jpeg[1], 0xD8);
    EXPECT_THROW(datagen::DecodePng(jpeg), std::runtime_error);
    EXPECT_THROW(datagen::DecodePng({0x89, 'P', 'N', 'G'}), std::runtime_error);
}
