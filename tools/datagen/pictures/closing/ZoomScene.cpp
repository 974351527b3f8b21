#include "pictures/closing/ZoomScene.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <thread>
#include <vector>

#include "core/Procedural.h"
#include "pictures/closing/ClosingArt.h"
#include "pictures/closing/ClosingPictures.h"

namespace datagen::closing {

namespace {

// The spiral in the seahorse valley that the zoom dives into, and the still's width around it.
constexpr double kCentreRe = -0.7436438870371587;
constexpr double kCentreIm = 0.1318259043091895;
constexpr double kStillWidth = 0.014;
constexpr int kMaxIterations = 900;
constexpr double kEscapeRadiusSquared = 256.0 * 256.0;

// Smooth escape count of c, or a negative value inside the set.
double EscapeCount(double re, double im)
{
    double x = 0, y = 0;
    // An orbit that comes back to a point it visited is periodic and never escapes: checking against
    // a reference point renewed at growing intervals finds most of the inside in few iterations.
    double referenceX = 0, referenceY = 0;
    int nextReference = 8;
    for (int n = 0; n < kMaxIterations; ++n) {
        const double xx = x * x, yy = y * y;
        if (xx + yy > kEscapeRadiusSquared)
            return n + 1 - std::log2(0.5 * std::log(xx + yy));
        y = 2 * x * y + im;
        x = xx - yy + re;
        if (std::abs(x - referenceX) < 1e-13 && std::abs(y - referenceY) < 1e-13)
            return -1;
        if (n == nextReference) {
            referenceX = x, referenceY = y;
            nextReference *= 2;
        }
    }
    return -1;
}

const Palette& SceneColours()
{
    static const Palette palette({{0.0, kNight},
                                  {0.18, kDeepBlue},
                                  {0.38, {40, 150, 230, 255}},
                                  {0.50, kWhiteHot},
                                  {0.62, kAmber},
                                  {0.80, {150, 40, 20, 255}},
                                  {1.0, kNight}});
    return palette;
}

// Colour by the logarithm of the escape count, so bands keep their width as the zoom goes deeper.
Rgba Colour(double count)
{
    if (count < 0)
        return {2, 4, 14, 255};
    const double phase = std::log(count + 1) * 1.35;
    return SceneColours().At(phase - std::floor(phase));
}

// Averages each 2 x 2 block: the still, rendered at twice layer A's resolution, gives layer A with
// four samples per pixel and exactly the same framing.
Image HalfSize(const Image& picture)
{
    Image half(picture.Width() / 2, picture.Height() / 2);
    for (int y = 0; y < half.Height(); ++y) {
        for (int x = 0; x < half.Width(); ++x) {
            int sum[3] = {0, 0, 0};
            for (int k = 0; k < 4; ++k) {
                const Rgba& p = picture.At(2 * x + k % 2, 2 * y + k / 2);
                sum[0] += p.r, sum[1] += p.g, sum[2] += p.b;
            }
            half.At(x, y) = {static_cast<uint8_t>((sum[0] + 2) / 4), static_cast<uint8_t>((sum[1] + 2) / 4),
                             static_cast<uint8_t>((sum[2] + 2) / 4), 255};
        }
    }
    return half;
}

void RenderRows(Image& picture, double extent, int samplesPerSide, int firstRow, int rowStep)
{
    const int size = picture.Width();
    const double step = kStillWidth * extent / size;
    const double subStep = step / samplesPerSide;
    const double samples = samplesPerSide * samplesPerSide;
    for (int py = firstRow; py < size; py += rowStep) {
        for (int px = 0; px < size; ++px) {
            double r = 0, g = 0, b = 0;
            for (int sy = 0; sy < samplesPerSide; ++sy) {
                for (int sx = 0; sx < samplesPerSide; ++sx) {
                    const double re = kCentreRe + (px - size / 2.0) * step + (sx + 0.5) * subStep;
                    const double im = kCentreIm - ((py - size / 2.0) * step + (sy + 0.5) * subStep);
                    const Rgba c = Colour(EscapeCount(re, im));
                    r += c.r, g += c.g, b += c.b;
                }
            }
            picture.At(px, py) = {static_cast<uint8_t>(std::lround(r / samples)),
                                  static_cast<uint8_t>(std::lround(g / samples)),
                                  static_cast<uint8_t>(std::lround(b / samples)), 255};
        }
    }
}

}  // namespace

const std::vector<ZoomView>& ZoomViews()
{
    static const std::vector<ZoomView> views = {
        {"rendu7.jpg", 1.0, 1024},
        {"rendu7a.jpg", 1.0, 512},
        {"rendu7b.jpg", 3.0 / 12.0, 512},
        {"rendu7c.jpg", 1.5 / 12.0, 512},
        {"rendu7d.jpg", 1.0 / 12.0, 512},
    };
    return views;
}

Image RenderZoomView(double extent, int size, int samplesPerSide)
{
    Image picture(size, size);
    // Rows are shared out between a few threads; each pixel depends only on its own position, so the
    // result is the same whatever the number of threads.
    constexpr int kThreads = 4;
    std::vector<std::thread> workers;
    for (int t = 0; t < kThreads; ++t)
        workers.emplace_back(RenderRows, std::ref(picture), extent, samplesPerSide, t, kThreads);
    for (std::thread& worker : workers)
        worker.join();
    return picture;
}

void WriteZoomPictures(DataFolder& folder)
{
    const std::vector<ZoomView>& views = ZoomViews();
    // The still is drawn with one sample per pixel at twice layer A's size; layer A is its reduction.
    const Image still = RenderZoomView(views[0].extent, views[0].size, 1);
    folder.WritePicture(views[0].name, still);
    folder.WritePicture(views[1].name, HalfSize(still));
    for (size_t i = 2; i < views.size(); ++i)
        folder.WritePicture(views[i].name, RenderZoomView(views[i].extent, views[i].size, 2));
}

}  // namespace datagen::closing
