// A range of a random parameter and the draw of a value from it.
#pragma once

#include <cmath>
#include <cstdlib>

// The largest value a draw uses. The C library's rand on this system goes beyond it, so only its
// low 15 bits are taken; the results then keep within the range that a 0 .. 32767 generator gives.
constexpr int kRandomInRangeTop = 32767;
// The float nearest 1 / 32767: a draw of 32767 gives almost exactly max, never above it.
constexpr float kRandomInRangeScale = 1.0f / 32767.0f;

// min when both ends are equal (no random number is used then); otherwise
// min + r / 32767 x |max - min| with r the next rand value cut to 0 .. 32767. With min above max the
// result lies between min and min + (min - max).
inline float RandomInRange(float min, float max)
{
    if (min == max)
        return min;
    const float r = static_cast<float>(std::rand() & kRandomInRangeTop);
    return min + r * kRandomInRangeScale * std::fabs(max - min);
}

template <typename T>
class CMinMax {
public:
    CMinMax() : m_Min(), m_Max() {}
    CMinMax(T min, T max) : m_Min(min), m_Max(max) {}

    T GetRandomNumInRange() const { return RandomInRange(m_Min, m_Max); }
    T GetRange() const { return std::fabs(m_Max - m_Min); }

    T m_Min;
    T m_Max;
};
