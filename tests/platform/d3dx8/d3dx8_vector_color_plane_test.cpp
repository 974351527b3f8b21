#include "d3dx8_math_expect.h"

namespace {

TEST(D3DXVec3, NormalizeGivesUnitLengthAndKeepsZeroFinite)
{
    D3DXVECTOR3 v(3, 0, -4), out;
    EXPECT_FLOAT_EQ(5.0f, D3DXVec3Length(&v));
    EXPECT_FLOAT_EQ(25.0f, D3DXVec3LengthSq(&v));
    ExpectVec3Near({0.6f, 0, -0.8f}, *D3DXVec3Normalize(&out, &v));
    D3DXVec3Normalize(&v, &v);
    ExpectVec3Near({0.6f, 0, -0.8f}, v);

    D3DXVECTOR3 zero(0, 0, 0), tiny(1e-30f, 0, 0);
    EXPECT_EQ(zero, *D3DXVec3Normalize(&out, &zero));
    D3DXVec3Normalize(&out, &tiny);
    EXPECT_TRUE(std::isfinite(out.x) && std::isfinite(out.y) && std::isfinite(out.z));
}

TEST(D3DXVec3, CrossAndArithmeticSurviveAnOutputThatIsAnInput)
{
    D3DXVECTOR3 x(1, 0, 0), y(0, 1, 0), out = x;
    ExpectVec3Near({0, 0, 1}, *D3DXVec3Cross(&out, &out, &y));
    out = y;
    ExpectVec3Near({0, 0, -1}, *D3DXVec3Cross(&out, &out, &x));
    D3DXVECTOR3 a(1, 5, -2), b(4, -1, 3);
    EXPECT_FLOAT_EQ(1 * 4 - 5 * 1 - 2 * 3, D3DXVec3Dot(&a, &b));
    D3DXVec3Cross(&out, &a, &b);
    EXPECT_NEAR(0.0f, D3DXVec3Dot(&out, &a), kTolerance);
    EXPECT_NEAR(0.0f, D3DXVec3Dot(&out, &b), kTolerance);

    EXPECT_EQ(D3DXVECTOR3(1, -1, -2), *D3DXVec3Minimize(&out, &a, &b));
    EXPECT_EQ(D3DXVECTOR3(4, 5, 3), *D3DXVec3Maximize(&out, &a, &b));
    EXPECT_EQ(D3DXVECTOR3(2.5f, 2, 0.5f), *D3DXVec3Lerp(&out, &a, &b, 0.5f));
    EXPECT_EQ(D3DXVECTOR3(5, 4, 1), *D3DXVec3Add(&out, &a, &b));
    EXPECT_EQ(D3DXVECTOR3(-3, 6, -5), *D3DXVec3Subtract(&out, &a, &b));
    EXPECT_EQ(D3DXVECTOR3(2, 10, -4), *D3DXVec3Scale(&out, &a, 2));
    EXPECT_EQ(a * 2 - b, D3DXVECTOR3(-2, 11, -7));
    EXPECT_EQ(-a / 2, D3DXVECTOR3(-0.5f, -2.5f, 1));
    D3DXVECTOR3 sum = a;
    sum += b;
    sum *= 2;
    EXPECT_EQ(D3DXVECTOR3(10, 8, 2), sum);
    EXPECT_NE(sum, a);
}

TEST(D3DXVec2And4, TransformAndNormalizeLikeTheirThreeDimensionalCounterparts)
{
    D3DXMATRIX m;
    D3DXMatrixRotationZ(&m, D3DX_PI / 2);
    m._41 = 5;
    D3DXVECTOR2 v(1, 0), out;
    D3DXVec2TransformCoord(&out, &v, &m);
    EXPECT_NEAR(5.0f, out.x, kTolerance);
    EXPECT_NEAR(1.0f, out.y, kTolerance);
    D3DXVec2TransformNormal(&out, &v, &m);
    EXPECT_NEAR(0.0f, out.x, kTolerance);
    D3DXVECTOR2 u(0, 1);
    EXPECT_GT(D3DXVec2CCW(&v, &u), 0.0f);
    EXPECT_LT(D3DXVec2CCW(&u, &v), 0.0f);
    D3DXVECTOR2 zero(0, 0);
    EXPECT_EQ(zero, *D3DXVec2Normalize(&out, &zero));

    D3DXVECTOR4 p(1, 2, 3, 0), p4;
    D3DXVec4Transform(&p4, &p, &m); // w = 0: a direction, no translation
    EXPECT_NEAR(-2.0f, p4.x, kTolerance);
    EXPECT_NEAR(1.0f, p4.y, kTolerance);
    EXPECT_NEAR(0.0f, p4.w, kTolerance);
    D3DXVECTOR4 q(0, 0, 0, 0);
    EXPECT_EQ(q, *D3DXVec4Normalize(&p4, &q));
}

TEST(D3DXCOLOR, ConvertsToAndFromPackedArgbWithClamping)
{
    D3DXCOLOR c(D3DCOLOR_ARGB(0x80, 0xff, 0x40, 0x00));
    EXPECT_FLOAT_EQ(1.0f, c.r);
    EXPECT_FLOAT_EQ(0x40 / 255.0f, c.g);
    EXPECT_FLOAT_EQ(0.0f, c.b);
    EXPECT_FLOAT_EQ(0x80 / 255.0f, c.a);
    EXPECT_EQ(0x80ff4000u, (DWORD)c);

    D3DXCOLOR outOfRange(1.5f, -0.25f, NAN, 0.5f);
    EXPECT_EQ(D3DCOLOR_ARGB(0x80, 0xff, 0, 0), (DWORD)outOfRange);

    const D3DCOLORVALUE& value = c;
    EXPECT_EQ(c.g, value.g);
    D3DXCOLOR back(value);
    EXPECT_EQ(c, back);
}

void ExpectColorNear(const D3DXCOLOR& expected, const D3DXCOLOR& actual)
{
    EXPECT_NEAR(expected.r, actual.r, kTolerance);
    EXPECT_NEAR(expected.g, actual.g, kTolerance);
    EXPECT_NEAR(expected.b, actual.b, kTolerance);
    EXPECT_NEAR(expected.a, actual.a, kTolerance);
}

TEST(D3DXCOLOR, LerpModulateAndAdjustWorkPerChannel)
{
    D3DXCOLOR black(0, 0, 0, 1), white(1, 1, 1, 0), out;
    ExpectColorNear({0.25f, 0.25f, 0.25f, 0.75f}, *D3DXColorLerp(&out, &black, &white, 0.25f));
    D3DXCOLOR c1(0.5f, 1, 0.2f, 1), c2(0.5f, 0.5f, 0.5f, 0.5f);
    ExpectColorNear({0.25f, 0.5f, 0.1f, 0.5f}, *D3DXColorModulate(&out, &c1, &c2));
    ExpectColorNear({0.5f, 0, 0.8f, 1}, *D3DXColorNegative(&out, &c1));
    D3DXColorAdjustSaturation(&out, &c1, 0);
    EXPECT_FLOAT_EQ(out.r, out.g);
    EXPECT_FLOAT_EQ(out.g, out.b);
    ExpectColorNear(c1, *D3DXColorAdjustSaturation(&out, &c1, 1));
    ExpectColorNear({0.5f, 0.5f, 0.5f, 1}, *D3DXColorAdjustContrast(&out, &c1, 0));
    ExpectColorNear({0.5f, 1.5f, -0.1f, 1}, *D3DXColorAdjustContrast(&out, &c1, 2));
    ExpectColorNear({1, 1.5f, 0.7f, 1.5f}, c1 + c2);
    ExpectColorNear({0, 0.5f, -0.3f, 0.5f}, c1 - c2);
    ExpectColorNear({1, 2, 0.4f, 2}, c1 * 2.0f);
}

TEST(D3DXPLANE, MeasuresSignedDistancesAndMeetsLines)
{
    D3DXVECTOR3 point(0, 2, 0), up(0, 1, 0);
    D3DXPLANE floor;
    D3DXPlaneFromPointNormal(&floor, &point, &up);
    D3DXVECTOR3 above(5, 7, -3), below(1, -1, 0);
    EXPECT_FLOAT_EQ(5.0f, D3DXPlaneDotCoord(&floor, &above));
    EXPECT_FLOAT_EQ(-3.0f, D3DXPlaneDotCoord(&floor, &below));

    D3DXVECTOR3 hit;
    ASSERT_EQ(&hit, D3DXPlaneIntersectLine(&hit, &floor, &above, &below));
    ExpectVec3Near({2.5f, 2, -1.125f}, hit);
    D3DXVECTOR3 alongFloor(9, 7, 4);
    EXPECT_EQ(nullptr, D3DXPlaneIntersectLine(&hit, &floor, &above, &alongFloor));

    // Normal = cross(v2 - v1, v3 - v1).
    D3DXVECTOR3 v1(0, 0, 3), v2(1, 0, 3), v3(0, 1, 3);
    D3DXPLANE p;
    D3DXPlaneFromPoints(&p, &v1, &v2, &v3);
    EXPECT_EQ(D3DXPLANE(0, 0, 1, -3), p);

    D3DXPLANE scaled(0, 0, 4, -12);
    D3DXPlaneNormalize(&scaled, &scaled);
    EXPECT_EQ(p, scaled);

    // Moving a plane takes the inverse transpose of the move.
    D3DXMATRIX move, inverse, inverseTranspose;
    D3DXMatrixTranslation(&move, 0, 3, 0);
    D3DXMatrixInverse(&inverse, nullptr, &move);
    D3DXMatrixTranspose(&inverseTranspose, &inverse);
    D3DXPLANE moved;
    D3DXPlaneTransform(&moved, &floor, &inverseTranspose);
    D3DXVECTOR3 newPoint(0, 5, 0);
    EXPECT_NEAR(0.0f, D3DXPlaneDotCoord(&moved, &newPoint), kTolerance);
}

TEST(D3DXMacros, ConvertBetweenDegreesAndRadians)
{
    EXPECT_NEAR(D3DX_PI / 2, D3DXToRadian(90.0f), 1e-6f);
    EXPECT_NEAR(180.0f, D3DXToDegree(D3DX_PI), 1e-4f);
}

} // namespace
