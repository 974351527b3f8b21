#include <gtest/gtest.h>
#include <png.h>

#include <cstdio>
#include <string>
#include <vector>

#include "dialog_test_support.h"

using namespace mfc_test;

namespace {

struct Picture {
    int width = 0, height = 0;
    std::vector<uint8_t> rgb;
    const uint8_t* At(int x, int y) const { return &rgb[(static_cast<size_t>(y) * width + x) * 3]; }
};

bool ReadPng(const std::string& path, Picture& picture)
{
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str()))
        return false;
    image.format = PNG_FORMAT_RGB;
    picture.width = static_cast<int>(image.width);
    picture.height = static_cast<int>(image.height);
    picture.rgb.resize(PNG_IMAGE_SIZE(image));
    return png_image_finish_read(&image, nullptr, picture.rgb.data(), 0, nullptr) != 0;
}

bool IsFace(const uint8_t* p) { return p[0] == 212 && p[1] == 208 && p[2] == 200; }
bool IsWhite(const uint8_t* p) { return p[0] == 255 && p[1] == 255 && p[2] == 255; }
bool IsDark(const uint8_t* p) { return p[0] < 90 && p[1] < 90 && p[2] < 90; }

int DarkPixelsIn(const Picture& picture, const RECT& r)
{
    int count = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            count += IsDark(picture.At(x, y));
    return count;
}

}  // namespace

TEST(DialogScreenshot, ShowsTheControlsInTheirPlaces)
{
    RegisterTestTemplates();
    const std::string path = ::testing::TempDir() + "mfc_settings_dialog.png";
    std::remove(path.c_str());
    RECT ok{}, radio8002{}, radio8001{}, check8007{};
    bool saved = false;
    SettingsDialog dialog;
    ScopedDriver driver([&](CDialog& d) {
        ok = d.ControlRect(IDOK);
        radio8001 = d.ControlRect(8001);
        radio8002 = d.ControlRect(8002);
        check8007 = d.ControlRect(8007);
        saved = platform::SaveDialogScreenshot(d, path.c_str());
        d.EndDialog(IDCANCEL);
    });
    dialog.DoModal();
    ASSERT_TRUE(saved);
    Picture picture;
    ASSERT_TRUE(ReadPng(path, picture));
    EXPECT_EQ(picture.width, 341);
    EXPECT_EQ(picture.height, 164);

    EXPECT_TRUE(IsFace(picture.At(2, 2)));           // the grey dialog face
    EXPECT_TRUE(IsDark(picture.At(ok.left, ok.top)));  // the default button's black frame
    EXPECT_GT(DarkPixelsIn(picture, {ok.left + 5, ok.top + 4, ok.right - 5, ok.bottom - 4}), 10);  // "OK"

    // The radio button of 1024 x 768 (index 2) has its dot; 800 x 600 has none. The circles sit at
    // the left of their rectangles, 6 pixels in.
    const int cy2 = (radio8002.top + radio8002.bottom) / 2, cy1 = (radio8001.top + radio8001.bottom) / 2;
    EXPECT_TRUE(IsDark(picture.At(radio8002.left + 6, cy2)));
    EXPECT_TRUE(IsWhite(picture.At(radio8001.left + 6, cy1)));
    // The full-screen box is checked: dark strokes inside its white square.
    const int boxTop = (check8007.top + check8007.bottom - 13) / 2;
    EXPECT_GT(DarkPixelsIn(picture, {check8007.left + 2, boxTop + 2, check8007.left + 11, boxTop + 11}), 4);
}

TEST(DialogScreenshot, FailsWithoutARunningDialog)
{
    SettingsDialog dialog;
    EXPECT_FALSE(platform::SaveDialogScreenshot(dialog, "/tmp/never_written.png"));
}
