// Procedural building blocks shared by the pictures: tileable noise, colour mixing and palettes.
#pragma once

#include <cstdint>
#include <vector>

#include "core/Image.h"

namespace datagen {

// A small deterministic random generator (xorshift), so every run draws the same numbers.
class Random {
public:
    explicit Random(uint32_t seed) : m_state(seed ? seed : 0x9E3779B9u) {}
    uint32_t Next();
    double Unit() { return (Next() >> 8) * (1.0 / 16777216.0); }  // 0 <= x < 1
    double Range(double low, double high) { return low + (high - low) * Unit(); }

private:
    uint32_t m_state;
};

// Smooth value noise in 0..1 that repeats every `period` units in x and y (period a whole number).
double TileNoise(double x, double y, int period, uint32_t seed);
// Sum of `octaves` noise layers, each twice the frequency and half the weight of the last; 0..1.
double TileFbm(double x, double y, int period, int octaves, uint32_t seed);

double Smoothstep(double edge0, double edge1, double x);
double Clamp01(double x);
Rgba Mix(Rgba a, Rgba b, double t);
Rgba FromHsv(double hue, double saturation, double value, uint8_t alpha = 255);  // hue in turns (0..1)

// A gradient through evenly or explicitly placed colour stops, sampled at 0..1.
class Palette {
public:
    struct Stop {
        double at;
        Rgba colour;
    };
    explicit Palette(std::vector<Stop> stops);
    Rgba At(double t) const;

private:
    std::vector<Stop> m_stops;
};

}  // namespace datagen
