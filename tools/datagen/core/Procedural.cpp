#include "core/Procedural.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace datagen {

uint32_t Random::Next()
{
    m_state ^= m_state << 13;
    m_state ^= m_state >> 17;
    m_state ^= m_state << 5;
    return m_state;
}

namespace {

double LatticeValue(int x, int y, uint32_t seed)
{
    uint32_t h = static_cast<uint32_t>(x) * 0x8DA6B343u ^ static_cast<uint32_t>(y) * 0xD8163841u ^ seed * 0xCB1AB31Fu;
    h ^= h >> 13;
    h *= 0x5BD1E995u;
    h ^= h >> 15;
    return (h & 0xFFFFFF) / 16777215.0;
}

int Wrap(int value, int period) { return ((value % period) + period) % period; }

}  // namespace

double TileNoise(double x, double y, int period, uint32_t seed)
{
    if (period <= 0)
        throw std::invalid_argument("noise period must be positive");
    const double fx = std::floor(x), fy = std::floor(y);
    const int x0 = Wrap(static_cast<int>(fx), period), y0 = Wrap(static_cast<int>(fy), period);
    const int x1 = Wrap(x0 + 1, period), y1 = Wrap(y0 + 1, period);
    const double tx = Smoothstep(0, 1, x - fx), ty = Smoothstep(0, 1, y - fy);
    const double top = LatticeValue(x0, y0, seed) * (1 - tx) + LatticeValue(x1, y0, seed) * tx;
    const double bottom = LatticeValue(x0, y1, seed) * (1 - tx) + LatticeValue(x1, y1, seed) * tx;
    return top * (1 - ty) + bottom * ty;
}

double TileFbm(double x, double y, int period, int octaves, uint32_t seed)
{
    double sum = 0, weight = 0.5, total = 0;
    for (int octave = 0; octave < octaves; ++octave) {
        sum += weight * TileNoise(x, y, period, seed + static_cast<uint32_t>(octave) * 101u);
        total += weight;
        x *= 2;
        y *= 2;
        period *= 2;
        weight *= 0.5;
    }
    return total > 0 ? sum / total : 0;
}

double Smoothstep(double edge0, double edge1, double x)
{
    const double t = Clamp01((x - edge0) / (edge1 - edge0));
    return t * t * (3 - 2 * t);
}

double Clamp01(double x) { return std::min(1.0, std::max(0.0, x)); }

Rgba Mix(Rgba a, Rgba b, double t)
{
    t = Clamp01(t);
    auto channel = [t](uint8_t from, uint8_t to) {
        return static_cast<uint8_t>(std::lround(from + (to - from) * t));
    };
    return {channel(a.r, b.r), channel(a.g, b.g), channel(a.b, b.b), channel(a.a, b.a)};
}

Rgba FromHsv(double hue, double saturation, double value, uint8_t alpha)
{
    hue = (hue - std::floor(hue)) * 6;
    const int sector = static_cast<int>(hue) % 6;
    const double f = hue - std::floor(hue);
    const double p = value * (1 - saturation), q = value * (1 - saturation * f), t = value * (1 - saturation * (1 - f));
    double r = value, g = t, b = p;
    switch (sector) {
    case 1: r = q, g = value, b = p; break;
    case 2: r = p, g = value, b = t; break;
    case 3: r = p, g = q, b = value; break;
    case 4: r = t, g = p, b = value; break;
    case 5: r = value, g = p, b = q; break;
    default: break;
    }
    auto byte = [](double v) { return static_cast<uint8_t>(std::lround(Clamp01(v) * 255)); };
    return {byte(r), byte(g), byte(b), alpha};
}

Palette::Palette(std::vector<Stop> stops) : m_stops(std::move(stops))
{
    if (m_stops.empty())
        throw std::invalid_argument("a palette needs a colour");
    std::sort(m_stops.begin(), m_stops.end(), [](const Stop& a, const Stop& b) { return a.at < b.at; });
}

Rgba Palette::At(double t) const
{
    if (t <= m_stops.front().at)
        return m_stops.front().colour;
    for (size_t i = 1; i < m_stops.size(); ++i) {
        if (t <= m_stops[i].at) {
            const double span = m_stops[i].at - m_stops[i - 1].at;
            return Mix(m_stops[i - 1].colour, m_stops[i].colour, span > 0 ? (t - m_stops[i - 1].at) / span : 1);
        }
    }
    return m_stops.back().colour;
}

}  // namespace datagen
