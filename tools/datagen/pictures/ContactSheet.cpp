// The contact sheet: every picture of the folder as a thumbnail over a checkerboard (which shows
// through where the picture is transparent), its name and size under it, in rows on one PNG.
#include "pictures/ContactSheet.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <stdexcept>
#include <string>

#include "core/Canvas.h"
#include "core/Image.h"

namespace datagen {

namespace {

constexpr int kThumbnail = 160;
constexpr int kCellWidth = 184;
constexpr int kCellHeight = 206;
constexpr int kColumns = 8;
constexpr int kHeader = 48;
constexpr int kChecker = 8;

// Area-averaged reduction (or nearest enlargement) of a picture to fit a square of `side`, colours
// weighted by alpha so transparent pixels do not darken the edges.
Image Thumbnail(const Image& picture, int side)
{
    const double scale = std::min(static_cast<double>(side) / picture.Width(), static_cast<double>(side) / picture.Height());
    const int w = std::max(1, static_cast<int>(std::lround(picture.Width() * scale)));
    const int h = std::max(1, static_cast<int>(std::lround(picture.Height() * scale)));
    Image out(w, h);
    for (int y = 0; y < h; ++y) {
        const int y0 = y * picture.Height() / h, y1 = std::max(y0 + 1, (y + 1) * picture.Height() / h);
        for (int x = 0; x < w; ++x) {
            const int x0 = x * picture.Width() / w, x1 = std::max(x0 + 1, (x + 1) * picture.Width() / w);
            double r = 0, g = 0, b = 0, a = 0;
            for (int sy = y0; sy < y1; ++sy) {
                for (int sx = x0; sx < x1; ++sx) {
                    const Rgba& p = picture.At(sx, sy);
                    r += p.r * p.a, g += p.g * p.a, b += p.b * p.a, a += p.a;
                }
            }
            const double count = static_cast<double>(x1 - x0) * (y1 - y0);
            Rgba& q = out.At(x, y);
            q.a = static_cast<uint8_t>(std::lround(a / count));
            if (a > 0)
                q = {static_cast<uint8_t>(std::lround(r / a)), static_cast<uint8_t>(std::lround(g / a)),
                     static_cast<uint8_t>(std::lround(b / a)), q.a};
        }
    }
    return out;
}

// Lays the thumbnail over a checkerboard at (left, top) of the sheet.
void PlaceOverChecker(Image& sheet, const Image& thumbnail, int left, int top)
{
    for (int y = 0; y < thumbnail.Height(); ++y) {
        for (int x = 0; x < thumbnail.Width(); ++x) {
            const bool light = ((x / kChecker) + (y / kChecker)) % 2 == 0;
            const double under = light ? 150 : 100;
            const Rgba& p = thumbnail.At(x, y);
            const double a = p.a / 255.0;
            auto channel = [&](uint8_t c) { return static_cast<uint8_t>(std::lround(c * a + under * (1 - a))); };
            sheet.At(left + x, top + y) = {channel(p.r), channel(p.g), channel(p.b), 255};
        }
    }
}

void Label(Canvas& canvas, double x, double y, const std::string& text, double size, double grey)
{
    canvas.SetFont("DejaVu Sans", size);
    const double width = canvas.TextWidth(text);
    cairo_set_source_rgb(canvas.Context(), grey, grey, grey);
    canvas.TextPath(x - width / 2, y, text);
    cairo_fill(canvas.Context());
}

void WritePng(const Image& sheet, const std::string& path)
{
    const std::vector<uint8_t> bytes = EncodePng(sheet);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out)
        throw std::runtime_error("Cannot write " + path);
}

}  // namespace

void SaveContactSheet(const DataFolder& folder, const std::string& path)
{
    const auto& pictures = folder.Pictures();
    if (pictures.empty())
        throw std::runtime_error("No pictures for the contact sheet");
    const int count = static_cast<int>(pictures.size());
    const int rows = (count + kColumns - 1) / kColumns;
    Image sheet(kColumns * kCellWidth, kHeader + rows * kCellHeight, {28, 30, 36, 255});
    int index = 0;
    for (const auto& [name, picture] : pictures) {
        const int left = (index % kColumns) * kCellWidth, top = kHeader + (index / kColumns) * kCellHeight;
        const Image thumbnail = Thumbnail(picture, kThumbnail);
        PlaceOverChecker(sheet, thumbnail, left + (kCellWidth - thumbnail.Width()) / 2,
                         top + 8 + (kThumbnail - thumbnail.Height()) / 2);
        ++index;
    }
    Canvas canvas(sheet);
    Label(canvas, sheet.Width() / 2.0, 32, "Data: " + std::to_string(count) + " pictures", 20, 0.95);
    index = 0;
    for (const auto& [name, picture] : pictures) {
        const double centre = (index % kColumns) * kCellWidth + kCellWidth / 2.0;
        const double top = kHeader + (index / kColumns) * kCellHeight + kThumbnail + 8;
        Label(canvas, centre, top + 17, name, 12, 0.92);
        Label(canvas, centre, top + 32, std::to_string(picture.Width()) + " x " + std::to_string(picture.Height()), 10, 0.6);
        ++index;
    }
    WritePng(canvas.ToImage(), path);
}

}  // namespace datagen
