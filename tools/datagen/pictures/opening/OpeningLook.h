// The look shared by the pictures of the opening parts: one dusk palette (night blue, violet, magenta,
// ember, gold, with an icy accent), light arithmetic in floats, soft blurs for glows, and text laid
// out in the proportions the picture has once it is stretched onto the screen.
#pragma once

#include <cairo.h>
#include <functional>
#include <string>
#include <vector>

#include "core/Canvas.h"
#include "core/Compose.h"
#include "core/Image.h"
#include "core/Procedural.h"

namespace datagen::opening {

inline constexpr Rgba kNight{6, 5, 24, 255};
inline constexpr Rgba kIndigo{28, 18, 78, 255};
inline constexpr Rgba kViolet{96, 36, 150, 255};
inline constexpr Rgba kMagenta{222, 48, 140, 255};
inline constexpr Rgba kEmber{255, 116, 44, 255};
inline constexpr Rgba kGold{255, 212, 104, 255};
inline constexpr Rgba kIce{96, 220, 255, 255};
inline constexpr Rgba kWhite{255, 255, 255, 255};

// Night through violet and magenta to ember and gold, for 0..1.
const Palette& DuskPalette();
// A colour cycle through the whole family that ends where it starts, for plasma and copper bands.
const Palette& DuskCycle();

// A colour in floats, 0..1 per channel (brighter values are clamped when it becomes a pixel).
struct Light {
    double r = 0, g = 0, b = 0;
};
Light ToLight(Rgba colour);
Rgba ToRgba(Light light, double alpha = 1.0);
Light operator+(Light a, Light b);
Light operator*(Light a, double k);
Light Lerp(Light a, Light b, double t);

// A picture filled pixel by pixel: PAINT(x, y) gives the colour of the pixel.
Image Painted(int width, int height, const std::function<Rgba(int x, int y)>& paint);

// A slowly changing function of (u, v), both 0..1, worked out on a grid of CELLS x CELLS and read back
// with bilinear interpolation: for noise layers too smooth to be worth evaluating at every pixel.
class CoarseField {
public:
    CoarseField(int cells, const std::function<double(double u, double v)>& field);
    double At(double u, double v) const;

private:
    int m_cells;
    std::vector<double> m_values;
};

// The alpha of MASK, times GAIN and clamped, in one flat colour: the body of a glow.
Image Tinted(const Image& mask, Rgba colour, double gain);

void AddStop(cairo_pattern_t* pattern, double at, Rgba colour, double alpha = 1.0);

// Text laid out in a design space whose units are square on screen: SCALE_X and SCALE_Y turn design
// units into texels (a picture that the screen stretches wider is drawn narrower). The text is centred
// on (centre_x, centre_y) in design units; TRACKING adds design units between letters.
struct TextLayout {
    std::string family = "Liberation Sans";
    double size = 64;
    bool bold = true;
    bool italic = false;
    double tracking = 0;
    double scaleX = 1;
    double scaleY = 1;
};
// Adds the outline of TEXT to the current path of CR; the current matrix is left as it was.
void CentredTextPath(cairo_t* cr, const TextLayout& layout, const std::string& text, double centreX,
                     double centreY);
// The width of TEXT in design units.
double DesignWidth(cairo_t* cr, const TextLayout& layout, const std::string& text);

// How a lettering is finished: a vertical gradient fill between TOP and BOTTOM texels (the stops at
// 0..1 along it), a dark outline and a coloured glow around it.
struct Lettering {
    std::function<void(cairo_pattern_t*)> fillStops;
    double gradientTop = 0;
    double gradientBottom = 1;
    Rgba outline = kNight;
    double outlineWidth = 3;
    Rgba glow = kMagenta;
    int glowRadius = 10;
    double glowGain = 1.6;
};
// The shapes that ADD_PATH lays on a canvas of WIDTH x HEIGHT, drawn as glowing lettering on a
// transparent picture.
Image GlowingLettering(int width, int height, const std::function<void(cairo_t*)>& addPath,
                       const Lettering& lettering);

// The chrome fill of the demo's logos: icy sky above a hard horizon, dusk below it.
void ChromeStops(cairo_pattern_t* pattern);
// A warm metal fill: gold at the top, ember, magenta at the foot.
void GoldStops(cairo_pattern_t* pattern);

}  // namespace datagen::opening
