// The drawing helpers of the opening pictures: blurs that keep their light where it was, the "over"
// rule, and text that really lands centred where it is asked for.
#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

#include "core/Canvas.h"
#include "pictures/opening/OpeningLook.h"

namespace {

using datagen::Image;
using datagen::Rgba;
using namespace datagen::opening;

double TotalAlpha(const Image& picture)
{
    double sum = 0;
    for (const Rgba& p : picture.Pixels())
        sum += p.a / 255.0;
    return sum;
}

TEST(OpeningLook, BlurSpreadsASpotEvenlyAndKeepsItsLight)
{
    Image spot(64, 64, Rgba{0, 0, 0, 0});
    for (int y = 30; y < 34; ++y)
        for (int x = 30; x < 34; ++x)
            spot.At(x, y) = {200, 100, 50, 255};
    const Image soft = Blurred(spot, 3);
    EXPECT_NEAR(TotalAlpha(soft), TotalAlpha(spot), 2.0);
    EXPECT_LT(soft.At(31, 31).a, 255);
    EXPECT_GT(soft.At(26, 31).a, 0);
    EXPECT_EQ(soft.At(26, 31).a, soft.At(37, 31).a);  // symmetric about the spot's middle
    EXPECT_EQ(soft.At(31, 26).a, soft.At(31, 37).a);
    EXPECT_EQ(soft.At(5, 5).a, 0);
    // Premultiplied blurring keeps the spot's colour in its fringe instead of darkening it.
    EXPECT_NEAR(soft.At(27, 31).r, 200, 2);
    EXPECT_NEAR(soft.At(27, 31).g, 100, 2);
}

TEST(OpeningLook, BlurAtTheEdgeStaysWithinThePicture)
{
    Image edge(16, 16, Rgba{0, 0, 0, 0});
    edge.At(0, 0) = {255, 255, 255, 255};
    const Image soft = Blurred(edge, 5);
    EXPECT_GT(soft.At(0, 0).a, 0);
    EXPECT_GT(soft.At(4, 4).a, 0);
    EXPECT_EQ(Blurred(edge, 0).Pixels().size(), edge.Pixels().size());
}

TEST(OpeningLook, OverRuleMixesByAlphaAndRejectsMismatchedSizes)
{
    Image below(2, 1, Rgba{0, 0, 255, 255});
    below.At(1, 0) = {0, 0, 0, 0};
    Image above(2, 1, Rgba{255, 0, 0, 128});
    DrawOver(below, above);
    EXPECT_NEAR(below.At(0, 0).r, 128, 1);
    EXPECT_NEAR(below.At(0, 0).b, 127, 1);
    EXPECT_EQ(below.At(0, 0).a, 255);
    // Over nothing, the upper layer keeps its own colour and alpha.
    EXPECT_EQ(below.At(1, 0).r, 255);
    EXPECT_EQ(below.At(1, 0).a, 128);

    Image other(3, 1);
    EXPECT_THROW(DrawOver(below, other), std::invalid_argument);
}

TEST(OpeningLook, CoarseFieldFollowsASmoothFunctionBetweenItsGridPoints)
{
    auto wave = [](double u, double v) { return std::sin(u * 3) + v * v; };
    const CoarseField field(64, wave);
    for (double u : {0.0, 0.013, 0.37, 0.5, 0.999, 1.0})
        for (double v : {0.0, 0.21, 0.77, 1.0})
            EXPECT_NEAR(field.At(u, v), wave(u, v), 1e-3) << u << ", " << v;
    // Outside 0..1 it holds the edge value instead of reading past its grid.
    EXPECT_NEAR(field.At(-0.5, 2.0), wave(0, 1), 1e-9);
    EXPECT_THROW(CoarseField(0, wave), std::invalid_argument);
}

// The ink of the drawn text, as a box in texels.
struct InkBox {
    int left = 1 << 20, top = 1 << 20, right = -1, bottom = -1;
};

InkBox InkOf(const Image& picture)
{
    InkBox box;
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x)
            if (picture.At(x, y).a > 128) {
                box.left = std::min(box.left, x);
                box.right = std::max(box.right, x);
                box.top = std::min(box.top, y);
                box.bottom = std::max(box.bottom, y);
            }
    return box;
}

TEST(OpeningLook, CentredTextLandsOnItsCentreInTheStretchedDesignSpace)
{
    TextLayout layout;
    layout.size = 40;
    layout.tracking = 6;
    layout.scaleX = 0.5;  // the picture is stretched twice as wide on screen
    datagen::Canvas canvas(256, 128);
    CentredTextPath(canvas.Context(), layout, "ZENTH", 300, 64);
    cairo_set_source_rgba(canvas.Context(), 1, 1, 1, 1);
    cairo_fill(canvas.Context());
    const InkBox ink = InkOf(canvas.ToImage());
    ASSERT_GE(ink.right, 0) << "nothing drawn";
    EXPECT_NEAR((ink.left + ink.right) / 2.0, 150, 3);
    EXPECT_NEAR((ink.top + ink.bottom) / 2.0, 64, 2);
    const double designWidth = DesignWidth(canvas.Context(), layout, "ZENTH");
    EXPECT_NEAR(ink.right - ink.left, designWidth * 0.5, 6);
}

TEST(OpeningLook, GlowingLetteringGlowsBeyondItsOutline)
{
    Lettering style;
    style.fillStops = GoldStops;
    style.gradientTop = 20;
    style.gradientBottom = 108;
    style.glowRadius = 8;
    const Image lettering = GlowingLettering(256, 128, [](cairo_t* cr) {
        cairo_rectangle(cr, 96, 32, 64, 64);
    }, style);
    EXPECT_EQ(lettering.At(128, 64).a, 255);
    EXPECT_GT(lettering.At(128, 64).r, 200);  // gold fill inside
    const Rgba halo = lettering.At(128, 32 - 8);
    EXPECT_GT(halo.a, 0);
    EXPECT_LT(halo.a, 255);
    EXPECT_EQ(lettering.At(4, 4).a, 0);
}

}  // namespace
