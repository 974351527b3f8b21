#include "d3dx8_math_expect.h"

namespace {

D3DXMATRIX MatrixOf(const D3DXQUATERNION& q)
{
    D3DXMATRIX m;
    return *D3DXMatrixRotationQuaternion(&m, &q);
}

D3DXQUATERNION AboutAxis(D3DXVECTOR3 axis, float angle)
{
    D3DXQUATERNION q;
    return *D3DXQuaternionRotationAxis(&q, &axis, angle);
}

// q and -q are the same rotation.
void ExpectSameRotation(const D3DXQUATERNION& expected, const D3DXQUATERNION& actual)
{
    float sign = D3DXQuaternionDot(&expected, &actual) < 0 ? -1.0f : 1.0f;
    EXPECT_NEAR(expected.x, sign * actual.x, kTolerance);
    EXPECT_NEAR(expected.y, sign * actual.y, kTolerance);
    EXPECT_NEAR(expected.z, sign * actual.z, kTolerance);
    EXPECT_NEAR(expected.w, sign * actual.w, kTolerance);
}

TEST(D3DXQuaternionRotation, YawPitchRollAndAxisGiveTheMatricesOfTheMatrixFunctions)
{
    for (const D3DXVECTOR3& a : SampleAngles()) {
        D3DXQUATERNION q;
        D3DXMATRIX expected;
        D3DXQuaternionRotationYawPitchRoll(&q, a.x, a.y, a.z);
        EXPECT_NEAR(1.0f, D3DXQuaternionLength(&q), kTolerance);
        ExpectMatrixNear(*D3DXMatrixRotationYawPitchRoll(&expected, a.x, a.y, a.z), MatrixOf(q));

        D3DXVECTOR3 axis(a.y, a.z, a.x + 0.1f);
        ExpectMatrixNear(*D3DXMatrixRotationAxis(&expected, &axis, a.x), MatrixOf(AboutAxis(axis, a.x)));
    }
}

TEST(D3DXQuaternionRotationMatrix, RoundTripsRotationsOfEveryTrace)
{
    std::vector<D3DXMATRIX> rotations;
    for (const D3DXVECTOR3& a : SampleAngles()) {
        D3DXMATRIX m;
        rotations.push_back(*D3DXMatrixRotationYawPitchRoll(&m, a.x, a.y, a.z));
    }
    // Half turns about each axis and about diagonals: trace -1, where the w-first formula breaks down.
    for (D3DXVECTOR3 axis : {D3DXVECTOR3(1, 0, 0), D3DXVECTOR3(0, 1, 0), D3DXVECTOR3(0, 0, 1),
                             D3DXVECTOR3(1, 1, 0), D3DXVECTOR3(0, -1, 1), D3DXVECTOR3(1, 2, 3)}) {
        D3DXMATRIX m;
        rotations.push_back(*D3DXMatrixRotationAxis(&m, &axis, D3DX_PI));
        rotations.push_back(*D3DXMatrixRotationAxis(&m, &axis, 2.8f));
    }
    int negativeTraces = 0;
    for (const D3DXMATRIX& m : rotations) {
        negativeTraces += (m._11 + m._22 + m._33 < 0) ? 1 : 0;
        D3DXQUATERNION q;
        D3DXQuaternionRotationMatrix(&q, &m);
        EXPECT_NEAR(1.0f, D3DXQuaternionLength(&q), kTolerance);
        ExpectMatrixNear(m, MatrixOf(q));
    }
    EXPECT_GE(negativeTraces, 12);
}

TEST(D3DXQuaternionMultiply, ConcatenatesInMatrixOrderEvenInPlace)
{
    D3DXQUATERNION q1 = AboutAxis({1, 0, 0}, 0.7f), q2 = AboutAxis({0, 1, 1}, -1.9f), product;
    D3DXQuaternionMultiply(&product, &q1, &q2);
    ExpectMatrixNear(MatrixOf(q1) * MatrixOf(q2), MatrixOf(product));
    ExpectSameRotation(product, q1 * q2);

    D3DXQUATERNION inPlace = q1;
    D3DXQuaternionMultiply(&inPlace, &inPlace, &q2);
    ExpectSameRotation(product, inPlace);
    inPlace = q2;
    D3DXQuaternionMultiply(&inPlace, &q1, &inPlace);
    ExpectSameRotation(product, inPlace);
    inPlace = q1;
    inPlace *= q2;
    ExpectSameRotation(product, inPlace);
}

TEST(D3DXQuaternionInverse, UndoesTheRotationAndLeavesZeroFinite)
{
    D3DXQUATERNION q = AboutAxis({2, -1, 0.5f}, 1.1f) * 3.0f, inverse, product, identity;
    D3DXQuaternionInverse(&inverse, &q);
    D3DXQuaternionMultiply(&product, &q, &inverse);
    ExpectSameRotation(*D3DXQuaternionIdentity(&identity), product);

    D3DXQUATERNION normal;
    D3DXQuaternionNormalize(&normal, &q);
    EXPECT_NEAR(1.0f, D3DXQuaternionLength(&normal), kTolerance);
    D3DXQUATERNION conjugate;
    D3DXQuaternionConjugate(&conjugate, &normal);
    ExpectSameRotation(conjugate, inverse * 3.0f);

    D3DXQUATERNION zero(0, 0, 0, 0);
    EXPECT_EQ(zero, *D3DXQuaternionInverse(&inverse, &zero));
    EXPECT_EQ(zero, *D3DXQuaternionNormalize(&normal, &zero));
    EXPECT_TRUE(D3DXQuaternionIsIdentity(&identity));
    D3DXQUATERNION aboutNoAxis = AboutAxis({0, 0, 0}, 1.0f);
    EXPECT_TRUE(D3DXQuaternionIsIdentity(&aboutNoAxis));
}

TEST(D3DXQuaternionSlerp, FollowsTheShorterArcAtConstantSpeed)
{
    D3DXVECTOR3 z(0, 0, 1);
    D3DXQUATERNION start = AboutAxis(z, 0), end = AboutAxis(z, D3DX_PI / 2), out;
    ExpectSameRotation(start, *D3DXQuaternionSlerp(&out, &start, &end, 0));
    ExpectSameRotation(end, *D3DXQuaternionSlerp(&out, &start, &end, 1));
    ExpectSameRotation(AboutAxis(z, D3DX_PI / 8), *D3DXQuaternionSlerp(&out, &start, &end, 0.25f));

    // -end is the same rotation; the path must not swing the long way round.
    D3DXQUATERNION negatedEnd = -end;
    ExpectSameRotation(AboutAxis(z, D3DX_PI / 4), *D3DXQuaternionSlerp(&out, &start, &negatedEnd, 0.5f));

    D3DXQUATERNION nearlyStart = AboutAxis(z, 1e-4f);
    D3DXQuaternionSlerp(&out, &start, &nearlyStart, 0.5f);
    EXPECT_NEAR(1.0f, D3DXQuaternionLength(&out), kTolerance);

    D3DXQUATERNION inPlace = start;
    ExpectSameRotation(AboutAxis(z, D3DX_PI / 8), *D3DXQuaternionSlerp(&inPlace, &inPlace, &end, 0.25f));
}

TEST(D3DXQuaternionToAxisAngle, RecoversTheAngleOfAnAxisRotation)
{
    D3DXVECTOR3 axis;
    FLOAT angle = 0;
    D3DXQUATERNION q = AboutAxis({0, 3, 0}, 1.2f);
    D3DXQuaternionToAxisAngle(&q, &axis, &angle);
    EXPECT_NEAR(1.2f, angle, kTolerance);
    D3DXVec3Normalize(&axis, &axis);
    ExpectVec3Near({0, 1, 0}, axis);
}

} // namespace
