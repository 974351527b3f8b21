// The pictures of the closing parts: each one the demo loads, shaped for the way its part draws it.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

#include "core/DataFolder.h"
#include "pictures/PictureSets.h"
#include "pictures/closing/ZoomScene.h"

namespace {

using datagen::Image;
using datagen::Rgba;

const datagen::DataFolder& ClosingFolder()
{
    static const datagen::DataFolder folder = [] {
        datagen::DataFolder generated{""};
        datagen::WriteClosingPictures(generated);
        return generated;
    }();
    return folder;
}

const Image& Picture(const std::string& name) { return ClosingFolder().Pictures().at(name); }

bool IsPowerOfTwo(int value) { return value > 0 && (value & (value - 1)) == 0; }

// Share of the pixels in the rectangle (fractions of the sides) that pass the test.
double Share(const Image& picture, double left, double top, double right, double bottom,
             const std::function<bool(const Rgba&)>& test)
{
    const int x0 = static_cast<int>(left * picture.Width()), x1 = static_cast<int>(right * picture.Width());
    const int y0 = static_cast<int>(top * picture.Height()), y1 = static_cast<int>(bottom * picture.Height());
    int passed = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            passed += test(picture.At(x, y));
    return static_cast<double>(passed) / ((x1 - x0) * (y1 - y0));
}

bool Clear(const Rgba& p) { return p.a == 0; }
bool Solid(const Rgba& p) { return p.a >= 200; }

}  // namespace

TEST(ClosingPictures, EveryPictureThePartsLoadIsWrittenWithPowerOfTwoSides)
{
    const char* const names[] = {"cubederavelle.png", "skycube.png", "fond_cube.png", "particle-1.jpg", "part.png",
                                 "layer_scroll.png", "haut_vert.png", "rendu7.jpg", "rendu7a.jpg", "rendu7b.jpg",
                                 "rendu7c.jpg", "rendu7d.jpg", "reticule.png", "poussiere.png", "theZenth.png",
                                 "savoirvivre.png"};
    for (const char* name : names) {
        SCOPED_TRACE(name);
        ASSERT_EQ(ClosingFolder().Pictures().count(name), 1u);
        const Image& picture = Picture(name);
        EXPECT_TRUE(IsPowerOfTwo(picture.Width()));
        EXPECT_TRUE(IsPowerOfTwo(picture.Height()));
        const std::vector<uint8_t>& bytes = ClosingFolder().Files().at(name);
        ASSERT_GT(bytes.size(), 4u);
        if (std::string(name).find(".png") != std::string::npos)
            EXPECT_EQ(datagen::DecodePng(bytes).Pixels().size(), picture.Pixels().size());
        else
            EXPECT_TRUE(bytes[0] == 0xFF && bytes[1] == 0xD8);  // JPEG start of image
    }
    EXPECT_EQ(ClosingFolder().Pictures().size(), std::size(names));
}

TEST(ClosingPictures, FullScreenOverlaysAreClearWhereThePictureBelowMustShow)
{
    // The tunnel logo sits along the lower edge; the upper half shows the tunnel.
    EXPECT_EQ(Share(Picture("cubederavelle.png"), 0, 0, 1, 0.5, Clear), 1.0);
    EXPECT_GT(Share(Picture("cubederavelle.png"), 0, 0.8, 1, 0.95, Solid), 0.05);
    // The greetings band lies behind the scroller in the lower part, the bar along the top.
    EXPECT_EQ(Share(Picture("layer_scroll.png"), 0, 0, 1, 0.55, Clear), 1.0);
    EXPECT_GT(Share(Picture("layer_scroll.png"), 0, 0.7, 1, 0.9, Solid), 0.95);
    EXPECT_GT(Share(Picture("haut_vert.png"), 0, 0, 1, 0.1, Solid), 0.95);
    EXPECT_EQ(Share(Picture("haut_vert.png"), 0, 0.3, 1, 1, Clear), 1.0);
    // Dust and scratches over the credits: a few marks on a clear film.
    EXPECT_GT(Share(Picture("poussiere.png"), 0, 0, 1, 1, [](const Rgba& p) { return p.a < 8; }), 0.97);
    EXPECT_GT(Share(Picture("poussiere.png"), 0, 0, 1, 1, [](const Rgba& p) { return p.a > 100; }), 0.001);
    // The flash picture fades out to a clear border.
    EXPECT_EQ(Share(Picture("savoirvivre.png"), 0, 0, 0.05, 0.05, Clear), 1.0);
    EXPECT_GT(Share(Picture("savoirvivre.png"), 0.4, 0.4, 0.6, 0.6, Solid), 0.5);
}

TEST(ClosingPictures, ReticleLeavesItsMiddleClearAndDrawsItsMarksOpaque)
{
    const Image& reticle = Picture("reticule.png");
    EXPECT_EQ(Share(reticle, 0.42, 0.42, 0.58, 0.58, Clear), 1.0);
    EXPECT_GT(Share(reticle, 0, 0, 1, 1, Solid), 0.02);
    EXPECT_GT(Share(reticle, 0, 0, 1, 1, Clear), 0.6);
}

TEST(ClosingPictures, SparkSpritesFadeToNothingAtTheirEdges)
{
    // The JPEG is added to the picture, so its border must be black; the PNG's shape is its alpha.
    const Image& spark = Picture("particle-1.jpg");
    const Image& ember = Picture("part.png");
    for (int i = 0; i < spark.Width(); ++i) {
        EXPECT_LE(spark.At(i, 0).r, 2);
        EXPECT_LE(spark.At(0, i).g, 2);
        EXPECT_EQ(ember.At(i, ember.Height() - 1).a, 0);
    }
    const int middle = spark.Width() / 2;
    EXPECT_GT(spark.At(middle, middle).r, 240);
    EXPECT_GT(ember.At(middle, middle).a, 100);
    // White everywhere, so the particles' own colours tint it.
    EXPECT_EQ(Share(ember, 0, 0, 1, 1, [](const Rgba& p) { return p.r == 255 && p.g == 255 && p.b == 255; }), 1.0);
}

TEST(ClosingPictures, BackdropsAndFacesAreOpaque)
{
    for (const char* name : {"skycube.png", "fond_cube.png", "theZenth.png"})
        EXPECT_EQ(Share(Picture(name), 0, 0, 1, 1, [](const Rgba& p) { return p.a == 255; }), 1.0) << name;
}

namespace {

double Luminance(const Rgba& p) { return 0.3 * p.r + 0.59 * p.g + 0.11 * p.b; }

// Mean luminance of the pixels whose centres fall in [x0, x1) x [y0, y1).
double AreaMean(const Image& picture, double x0, double y0, double x1, double y1)
{
    double sum = 0;
    int count = 0;
    for (int y = static_cast<int>(std::ceil(y0 - 0.5)); y + 0.5 < y1; ++y)
        for (int x = static_cast<int>(std::ceil(x0 - 0.5)); x + 0.5 < x1; ++x)
            sum += Luminance(picture.At(x, y)), ++count;
    return count ? sum / count : 0;
}

// Mean difference between the inner view, reduced to a grid of cells, and the matching cells of the
// outer view's centre; `shift` moves the outer cells sideways by that share of the inner view.
double LayerMismatch(const Image& outer, double outerExtent, const Image& inner, double innerExtent, double shift)
{
    constexpr int kCells = 32;
    const double ratio = innerExtent / outerExtent;
    const double outerSide = outer.Width() * ratio;
    const double outerLeft = (outer.Width() - outerSide) / 2 + shift * outerSide, outerTop = (outer.Height() - outerSide) / 2;
    const double innerCell = inner.Width() / static_cast<double>(kCells), outerCell = outerSide / kCells;
    double difference = 0;
    for (int cy = 0; cy < kCells; ++cy) {
        for (int cx = 0; cx < kCells; ++cx) {
            const double a = AreaMean(inner, cx * innerCell, cy * innerCell, (cx + 1) * innerCell, (cy + 1) * innerCell);
            const double b = AreaMean(outer, outerLeft + cx * outerCell, outerTop + cy * outerCell,
                                      outerLeft + (cx + 1) * outerCell, outerTop + (cy + 1) * outerCell);
            difference += std::abs(a - b);
        }
    }
    return difference / (kCells * kCells);
}

}  // namespace

TEST(ClosingPictures, ZoomLayersLineUpWithTheStillAndWithEachOther)
{
    const auto& views = datagen::closing::ZoomViews();
    ASSERT_EQ(views.size(), 5u);
    EXPECT_EQ(views[0].name, "rendu7.jpg");
    for (size_t i = 1; i < views.size(); ++i) {
        SCOPED_TRACE(views[i].name);
        const Image& outer = Picture(views[i - 1].name);
        const Image& inner = Picture(views[i].name);
        const double aligned = LayerMismatch(outer, views[i - 1].extent, inner, views[i].extent, 0);
        const double shifted = LayerMismatch(outer, views[i - 1].extent, inner, views[i].extent, 0.15);
        EXPECT_LT(aligned, 4.0);
        EXPECT_LT(aligned * 3, shifted);
    }
}

TEST(ClosingPictures, TwoRunsWriteTheSameBytes)
{
    datagen::DataFolder again{""};
    datagen::WriteClosingPictures(again);
    EXPECT_EQ(again.Files(), ClosingFolder().Files());
}
