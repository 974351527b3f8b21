// The pictures of the opening parts as the demo uses them: every file there with sides the device
// takes, transparent and opaque where each part lays them over the scene, and the same bytes each run.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>

#include "core/DataFolder.h"
#include "core/Image.h"
#include "pictures/PictureSets.h"

namespace {

using datagen::Image;

const std::set<std::string> kOpeningNames = {
    "loading.png", "title.png", "verticle.png", "coperbar.png", "16-9.png", "plasma1.png", "plasma2.png",
    "tvk_pr_cube.png", "fond_deform.jpg", "layer_deform.png", "o2.png", "tex256.png", "barres.png",
    "code.png", "msx.png", "gfx.png", "meron.png", "zud.png", "vorna.png",
};

const datagen::DataFolder& Generated()
{
    static const datagen::DataFolder folder = [] {
        datagen::DataFolder generated{""};
        datagen::WriteOpeningPictures(generated);
        return generated;
    }();
    return folder;
}

// The picture as stored in its PNG file, so the checks see what the demo loads.
Image Stored(const std::string& name) { return datagen::DecodePng(Generated().Files().at(name)); }

// Alpha (0..1) at a point given in 0..1 across and down the picture.
double AlphaAt(const Image& picture, double u, double v)
{
    const int x = std::min(picture.Width() - 1, static_cast<int>(u * picture.Width()));
    const int y = std::min(picture.Height() - 1, static_cast<int>(v * picture.Height()));
    return picture.At(x, y).a / 255.0;
}

// Mean alpha over a rectangle given in 0..1 units.
double MeanAlpha(const Image& picture, double u0, double v0, double u1, double v1)
{
    double sum = 0;
    int count = 0;
    for (int y = static_cast<int>(v0 * picture.Height()); y < static_cast<int>(v1 * picture.Height()); ++y)
        for (int x = static_cast<int>(u0 * picture.Width()); x < static_cast<int>(u1 * picture.Width()); ++x) {
            sum += picture.At(x, y).a / 255.0;
            ++count;
        }
    return count ? sum / count : 0;
}

double MaxAlpha(const Image& picture, double u0, double v0, double u1, double v1)
{
    int best = 0;
    for (int y = static_cast<int>(v0 * picture.Height()); y < static_cast<int>(v1 * picture.Height()); ++y)
        for (int x = static_cast<int>(u0 * picture.Width()); x < static_cast<int>(u1 * picture.Width()); ++x)
            best = std::max<int>(best, picture.At(x, y).a);
    return best / 255.0;
}

bool IsPowerOfTwo(int side) { return side > 0 && (side & (side - 1)) == 0; }

TEST(OpeningPictures, WritesExactlyTheFilesTheOpeningPartsLoad)
{
    std::set<std::string> written;
    for (const auto& entry : Generated().Files())
        written.insert(entry.first);
    EXPECT_EQ(written, kOpeningNames);
}

TEST(OpeningPictures, EverySideIsAPowerOfTwoAndTheFireTextureIs256Square)
{
    for (const auto& [name, picture] : Generated().Pictures()) {
        EXPECT_TRUE(IsPowerOfTwo(picture.Width()) && IsPowerOfTwo(picture.Height()))
            << name << " is " << picture.Width() << " x " << picture.Height();
    }
    const Image fire = Stored("tex256.png");
    EXPECT_EQ(fire.Width(), 256);
    EXPECT_EQ(fire.Height(), 256);
}

TEST(OpeningPictures, JpegBackdropIsAJpegStream)
{
    const auto& bytes = Generated().Files().at("fond_deform.jpg");
    ASSERT_GT(bytes.size(), 4u);
    EXPECT_EQ(bytes[0], 0xFF);
    EXPECT_EQ(bytes[1], 0xD8);
    EXPECT_EQ(bytes[bytes.size() - 2], 0xFF);
    EXPECT_EQ(bytes[bytes.size() - 1], 0xD9);
}

TEST(OpeningPictures, FullScreenBackdropsAreOpaque)
{
    for (const char* name : {"loading.png", "plasma1.png", "tex256.png"}) {
        const Image picture = Stored(name);
        EXPECT_DOUBLE_EQ(MeanAlpha(picture, 0, 0, 1, 1), 1.0) << name;
    }
}

// The letterbox plane is 1.3 screens high, so screen height s (0 at the top) shows texture height
// 0.5 + (s - 0.5) / 1.3. A 16:9 window on a 4:3 screen leaves an eighth of the screen at each end.
TEST(OpeningPictures, LetterboxLeavesASixteenByNineWindowOnAFourByThreeScreen)
{
    const Image mask = Stored("16-9.png");
    auto textureV = [](double screenV) { return 0.5 + (screenV - 0.5) / 1.3; };
    for (double screen : {0.0, 0.06, 0.115, 0.885, 0.94, 0.999})
        EXPECT_EQ(AlphaAt(mask, 0.5, textureV(screen)), 1.0) << "screen height " << screen;
    for (double screen : {0.14, 0.3, 0.5, 0.7, 0.86})
        EXPECT_LT(AlphaAt(mask, 0.5, textureV(screen)), 0.5) << "screen height " << screen;
    EXPECT_EQ(MaxAlpha(mask, 0, textureV(0.15), 1, textureV(0.85)), 0.0);
}

TEST(OpeningPictures, SmokePuffIsDenseInTheMiddleAndFadesToNothingAtTheRim)
{
    const Image puff = Stored("o2.png");
    EXPECT_GT(MeanAlpha(puff, 0.45, 0.45, 0.55, 0.55), 0.6);
    for (double u : {0.0, 0.99})
        for (double v : {0.0, 0.99})
            EXPECT_EQ(AlphaAt(puff, u, v), 0.0);
    // Rings further out are thinner on average.
    double previous = 2;
    for (double half : {0.1, 0.2, 0.3, 0.4, 0.48}) {
        const double ring = MeanAlpha(puff, 0.5 - half, 0.5 - 0.01, 0.5 - half + 0.02, 0.5 + 0.01);
        EXPECT_LT(ring, previous) << "ring at " << half;
        previous = ring;
    }
}

TEST(OpeningPictures, LogoAndBannerAreOpaqueLetteringOnATransparentGround)
{
    const Image title = Stored("title.png");
    EXPECT_EQ(MaxAlpha(title, 0.3, 0.35, 0.7, 0.65), 1.0);
    EXPECT_LT(MeanAlpha(title, 0, 0, 1, 1), 0.6);
    for (double u : {0.0, 0.99})
        for (double v : {0.0, 0.99})
            EXPECT_EQ(AlphaAt(title, u, v), 0.0);

    // The banner starts with the group's name on screen and rests on the window from 0.8167 to
    // 0.9833 of its length; both must carry lettering.
    const Image banner = Stored("tvk_pr_cube.png");
    EXPECT_EQ(MaxAlpha(banner, 0.02, 0.3, 0.15, 0.7), 1.0);
    EXPECT_EQ(MaxAlpha(banner, 0.83, 0.3, 0.97, 0.7), 1.0);
    EXPECT_LT(MeanAlpha(banner, 0, 0, 1, 0.08), 0.1);
    EXPECT_LT(MeanAlpha(banner, 0, 0.92, 1, 1), 0.1);
}

TEST(OpeningPictures, OverlayLayersLeaveTheMiddleOfTheScreenOpen)
{
    const Image layer = Stored("layer_deform.png");
    EXPECT_LT(MeanAlpha(layer, 0.3, 0.3, 0.7, 0.7), 0.15);
    EXPECT_GT(MeanAlpha(layer, 0, 0, 0.05, 0.05), 0.5);

    const Image bars = Stored("barres.png");
    EXPECT_EQ(MeanAlpha(bars, 0, 0, 1, 0.05), 1.0);
    EXPECT_EQ(MaxAlpha(bars, 0, 0.42, 1, 0.58), 0.0);
    EXPECT_GT(MeanAlpha(bars, 0, 0.1, 1, 0.3), 0.05);
}

TEST(OpeningPictures, NamePlatesAreTranslucentPanelsWithAnOpaqueWord)
{
    for (const char* name : {"code.png", "msx.png", "gfx.png", "meron.png", "zud.png", "vorna.png"}) {
        const Image plate = Stored(name);
        EXPECT_EQ(AlphaAt(plate, 0.005, 0.005), 0.0) << name;  // outside the rounded panel
        EXPECT_EQ(MaxAlpha(plate, 0.3, 0.4, 0.7, 0.52), 1.0) << name;
        const double panel = AlphaAt(plate, 0.12, 0.88);
        EXPECT_GT(panel, 0.3) << name;
        EXPECT_LT(panel, 0.95) << name;
    }
}

TEST(OpeningPictures, TranslucentTexturesLetWhatIsBehindThrough)
{
    for (const char* name : {"plasma2.png", "verticle.png", "coperbar.png"}) {
        const Image picture = Stored(name);
        const double mean = MeanAlpha(picture, 0, 0, 1, 1);
        EXPECT_GT(mean, 0.1) << name;
        EXPECT_LT(mean, 0.95) << name;
    }
}

// The box faces are seen in trails of many echoes: an opaque frame outlines each echo, and the inside
// lets the echoes behind it through.
TEST(OpeningPictures, TrailBoxFaceHasAnOpaqueFrameAndASeeThroughInside)
{
    const Image face = Stored("verticle.png");
    EXPECT_DOUBLE_EQ(MeanAlpha(face, 0, 0, 1, 0.02), 1.0);
    EXPECT_DOUBLE_EQ(MeanAlpha(face, 0, 0, 0.02, 1), 1.0);
    EXPECT_DOUBLE_EQ(MeanAlpha(face, 0.98, 0, 1, 1), 1.0);
    const double inside = MeanAlpha(face, 0.2, 0.2, 0.8, 0.8);
    EXPECT_GT(inside, 0.2);
    EXPECT_LT(inside, 0.8);
}

// Nine echoes of the bar sweep over each other: soft top and bottom edges, and the same colour at both
// ends of the screen.
TEST(OpeningPictures, CopperBarHasSoftEdgesAndMatchingEnds)
{
    const Image bar = Stored("coperbar.png");
    EXPECT_LT(AlphaAt(bar, 0.5, 0.0), 0.2);
    EXPECT_LT(AlphaAt(bar, 0.5, 0.99), 0.2);
    EXPECT_EQ(AlphaAt(bar, 0.5, 0.5), 1.0);
    for (int y = 0; y < bar.Height(); ++y) {
        const datagen::Rgba left = bar.At(0, y), right = bar.At(bar.Width() - 1, y);
        EXPECT_EQ(left.r, right.r) << "row " << y;
        EXPECT_EQ(left.g, right.g) << "row " << y;
        EXPECT_EQ(left.b, right.b) << "row " << y;
    }
}

// The fire rewrites its texture every frame in fixed green and blue with a white frame; the file's
// picture is the first frame, so it keeps to the same colours and frame.
TEST(OpeningPictures, FireTextureStartsInTheFiresOwnColours)
{
    const Image fire = Stored("tex256.png");
    std::set<int> heats;
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x) {
            const datagen::Rgba p = fire.At(x, y);
            if (x == 0 || y == 0 || x == 255 || y == 255) {
                EXPECT_EQ(p.r + p.g + p.b, 3 * 255) << x << ", " << y;
                continue;
            }
            ASSERT_EQ(p.g, 24) << x << ", " << y;
            ASSERT_EQ(p.b, 6) << x << ", " << y;
            heats.insert(p.r);
        }
    EXPECT_GT(heats.size(), 100u);
}

TEST(OpeningPictures, NoPictureIsOneFlatColour)
{
    for (const auto& [name, picture] : Generated().Pictures()) {
        std::set<uint32_t> colours;
        for (const auto& p : picture.Pixels())
            colours.insert(static_cast<uint32_t>(p.r) << 24 | p.g << 16 | p.b << 8 | p.a);
        EXPECT_GT(colours.size(), 64u) << name;
    }
}

TEST(OpeningPictures, TwoRunsWriteTheSameBytes)
{
    datagen::DataFolder again{""};
    datagen::WriteOpeningPictures(again);
    ASSERT_EQ(again.Files().size(), Generated().Files().size());
    for (const auto& [name, bytes] : Generated().Files())
        EXPECT_TRUE(again.Files().at(name) == bytes) << name;
}

}  // namespace
