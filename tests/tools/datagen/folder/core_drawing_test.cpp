// The drawing helpers every picture is made with: the cairo bridge and the procedural building blocks.
#include <gtest/gtest.h>

#include <cmath>

#include "core/Canvas.h"
#include "core/Procedural.h"

TEST(Canvas, RoundTripsTranslucentColoursWithoutPremultiplication)
{
    datagen::Image start(4, 4, {200, 100, 50, 128});
    start.At(0, 0) = {10, 20, 30, 0};
    datagen::Canvas canvas(start);
    const datagen::Image back = canvas.ToImage();
    const datagen::Rgba p = back.At(2, 2);
    EXPECT_NEAR(p.r, 200, 2);
    EXPECT_NEAR(p.g, 100, 2);
    EXPECT_NEAR(p.b, 50, 2);
    EXPECT_EQ(p.a, 128);
    EXPECT_EQ(back.At(0, 0).a, 0);
}

TEST(Canvas, DrawsTextWithASystemFont)
{
    datagen::Canvas canvas(64, 32);
    canvas.SetFont("Liberation Sans", 24, true);
    EXPECT_GT(canvas.TextWidth("Zenth"), 30);
    cairo_set_source_rgba(canvas.Context(), 1, 1, 1, 1);
    canvas.TextPath(2, 26, "Zenth");
    cairo_fill(canvas.Context());
    const datagen::Image picture = canvas.ToImage();
    int covered = 0;
    for (const auto& p : picture.Pixels())
        covered += p.a > 128;
    EXPECT_GT(covered, 100);
    EXPECT_LT(covered, 64 * 32 / 2);
}

TEST(Procedural, NoiseTilesAcrossItsPeriodAndStaysInRange)
{
    for (double x = 0; x < 8; x += 0.37) {
        for (double y = 0; y < 8; y += 0.53) {
            const double value = datagen::TileFbm(x, y, 8, 4, 7);
            EXPECT_GE(value, 0);
            EXPECT_LE(value, 1);
            EXPECT_NEAR(value, datagen::TileFbm(x + 8, y, 8, 4, 7), 1e-9);
            EXPECT_NEAR(value, datagen::TileFbm(x, y - 8, 8, 4, 7), 1e-9);
        }
    }
    EXPECT_NE(datagen::TileNoise(1.5, 2.5, 8, 1), datagen::TileNoise(1.5, 2.5, 8, 2));
}

TEST(Procedural, RandomRepeatsForASeedAndPaletteHitsItsStops)
{
    datagen::Random a(42), b(42);
    for (int i = 0; i < 100; ++i) {
        const double value = a.Unit();
        EXPECT_EQ(value, b.Unit());
        EXPECT_GE(value, 0);
        EXPECT_LT(value, 1);
    }
    const datagen::Palette palette({{0, {0, 0, 0, 255}}, {1, {255, 0, 0, 255}}, {0.5, {0, 255, 0, 255}}});
    EXPECT_EQ(palette.At(0.5).g, 255);
    EXPECT_EQ(palette.At(0.25).g, 128);
    EXPECT_EQ(palette.At(2).r, 255);
    const datagen::Rgba blue = datagen::FromHsv(2.0 / 3.0, 1, 1);
    EXPECT_EQ(blue.b, 255);
    EXPECT_EQ(blue.r, 0);
}
