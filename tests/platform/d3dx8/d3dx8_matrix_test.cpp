#include "d3dx8_math_expect.h"

namespace {

D3DXMATRIX RotationX(float a) { D3DXMATRIX m; return *D3DXMatrixRotationX(&m, a); }
D3DXMATRIX RotationY(float a) { D3DXMATRIX m; return *D3DXMatrixRotationY(&m, a); }
D3DXMATRIX RotationZ(float a) { D3DXMATRIX m; return *D3DXMatrixRotationZ(&m, a); }
D3DXMATRIX Translation(float x, float y, float z) { D3DXMATRIX m; return *D3DXMatrixTranslation(&m, x, y, z); }
D3DXMATRIX Identity() { D3DXMATRIX m; return *D3DXMatrixIdentity(&m); }

D3DXMATRIX RandomMatrix(std::mt19937& rng)
{
    std::uniform_real_distribution<float> value(-2.0f, 2.0f);
    D3DXMATRIX m;
    for (int i = 0; i < 16; ++i)
        m.m[i / 4][i % 4] = value(rng);
    return m;
}

TEST(D3DXMatrixRotation, AxisRotationsTurnTheWayDirect3DDoes)
{
    const float quarter = D3DX_PI / 2;
    ExpectVec3Near({0, 0, -1}, TransformPoint(RotationY(quarter), {1, 0, 0}));
    ExpectVec3Near({1, 0, 0}, TransformPoint(RotationY(quarter), {0, 0, 1}));
    ExpectVec3Near({0, 0, 1}, TransformPoint(RotationX(quarter), {0, 1, 0}));
    ExpectVec3Near({0, 1, 0}, TransformPoint(RotationZ(quarter), {1, 0, 0}));
}

TEST(D3DXMatrixRotation, YawPitchRollIsRollThenPitchThenYaw)
{
    for (const D3DXVECTOR3& a : SampleAngles()) {
        D3DXMATRIX combined;
        D3DXMatrixRotationYawPitchRoll(&combined, a.x, a.y, a.z);
        ExpectMatrixNear(RotationZ(a.z) * RotationX(a.y) * RotationY(a.x), combined);
    }
}

TEST(D3DXMatrixRotation, AxisRotationMatchesTheAxisFunctionsAndIgnoresAxisLength)
{
    D3DXMATRIX m;
    D3DXVECTOR3 x(3, 0, 0), y(0, 0.5f, 0), z(0, 0, -2);
    ExpectMatrixNear(RotationX(0.8f), *D3DXMatrixRotationAxis(&m, &x, 0.8f));
    ExpectMatrixNear(RotationY(-1.3f), *D3DXMatrixRotationAxis(&m, &y, -1.3f));
    ExpectMatrixNear(RotationZ(-2.1f), *D3DXMatrixRotationAxis(&m, &z, 2.1f));

    // A point on a diagonal axis stays where it is; one off it keeps its distance.
    D3DXVECTOR3 diagonal(1, 2, -1);
    D3DXMatrixRotationAxis(&m, &diagonal, 1.0f);
    ExpectVec3Near(diagonal * 2, TransformPoint(m, diagonal * 2));
    D3DXVECTOR3 moved = TransformPoint(m, {4, 0, 1});
    EXPECT_NEAR(std::sqrt(17.0f), D3DXVec3Length(&moved), kTolerance);

    D3DXVECTOR3 zero(0, 0, 0);
    EXPECT_TRUE(D3DXMatrixIsIdentity(D3DXMatrixRotationAxis(&m, &zero, 1.0f)));
}

TEST(D3DXMatrixInverse, UndoesRandomMatricesAndReportsTheDeterminant)
{
    std::mt19937 rng(99);
    int inverted = 0;
    for (int i = 0; i < 50; ++i) {
        D3DXMATRIX m = RandomMatrix(rng) + Identity() * 4.0f; // diagonally dominant: well conditioned
        D3DXMATRIX inverse;
        FLOAT determinant = 0;
        ASSERT_EQ(&inverse, D3DXMatrixInverse(&inverse, &determinant, &m));
        ExpectMatrixNear(Identity(), inverse * m);
        ExpectMatrixNear(Identity(), m * inverse);
        EXPECT_NEAR(D3DXMatrixDeterminant(&m), determinant, 1e-3f * std::fabs(determinant));
        ++inverted;
    }
    EXPECT_EQ(50, inverted);

    D3DXMATRIX scale;
    D3DXMatrixScaling(&scale, 2, -3, 0.5f);
    EXPECT_FLOAT_EQ(-3.0f, D3DXMatrixDeterminant(&scale));
    D3DXMATRIX a = RandomMatrix(rng), b = RandomMatrix(rng), ab = a * b;
    EXPECT_NEAR(D3DXMatrixDeterminant(&a) * D3DXMatrixDeterminant(&b), D3DXMatrixDeterminant(&ab), 1e-3f);
}

TEST(D3DXMatrixInverse, InvertsInPlaceAndKeepsSmallScales)
{
    D3DXMATRIX m = Translation(5, -2, 7) * RotationY(0.4f);
    D3DXMATRIX original = m;
    ASSERT_EQ(&m, D3DXMatrixInverse(&m, nullptr, &m));
    ExpectMatrixNear(Identity(), original * m);

    // A tiny scale and a far translation are not mistaken for singular matrices.
    D3DXMATRIX small, inverse;
    D3DXMatrixScaling(&small, 1e-3f, 1e-3f, 1e-3f);
    ASSERT_NE(nullptr, D3DXMatrixInverse(&inverse, nullptr, &small));
    EXPECT_NEAR(1000.0f, inverse._11, 1e-2f);
    D3DXMATRIX far = Translation(1e8f, -1e8f, 1e8f);
    ASSERT_NE(nullptr, D3DXMatrixInverse(&inverse, nullptr, &far));
    EXPECT_EQ(Translation(-1e8f, 1e8f, -1e8f), inverse);
}

TEST(D3DXMatrixInverse, RefusesSingularMatricesAndLeavesTheOutputAlone)
{
    D3DXMATRIX flat;
    D3DXMatrixScaling(&flat, 1, 0, 1);
    D3DXMATRIX repeated(1, 2, 3, 4, 2, 4, 6, 8, 0, 1, 0, 1, 5, 6, 7, 8);
    D3DXMATRIX dependent(1, 2, 3, 0, 4, 5, 6, 0, 7, 8, 9, 0, 0, 0, 0, 1); // third row = 2*second - first
    D3DXMATRIX beyondFloat; // invertible in exact arithmetic, but its inverse overflows floats
    D3DXMatrixScaling(&beyondFloat, 1e-39f, 1, 1);
    for (const D3DXMATRIX& singular : {flat, repeated, dependent, beyondFloat}) {
        D3DXMATRIX out = Translation(1, 2, 3);
        FLOAT determinant = 99;
        EXPECT_EQ(nullptr, D3DXMatrixInverse(&out, &determinant, &singular));
        EXPECT_NEAR(0.0f, determinant, 1e-30f);
        EXPECT_EQ(Translation(1, 2, 3), out);
    }
}

TEST(D3DXMatrixMultiply, GivesTheSameProductWhenTheOutputIsAnInput)
{
    std::mt19937 rng(7);
    D3DXMATRIX a = RandomMatrix(rng), b = RandomMatrix(rng);
    D3DXMATRIX expected;
    D3DXMatrixMultiply(&expected, &a, &b);
    // Row 0, column 0 written out, so the product itself is checked, not only its aliasing.
    EXPECT_NEAR(a._11 * b._11 + a._12 * b._21 + a._13 * b._31 + a._14 * b._41, expected._11, 1e-5f);

    D3DXMATRIX left = a, right = b, both = a, assigned = a;
    D3DXMatrixMultiply(&left, &left, &b);
    D3DXMatrixMultiply(&right, &a, &right);
    D3DXMatrixMultiply(&both, &both, &both);
    assigned *= b;
    ExpectMatrixNear(expected, left);
    ExpectMatrixNear(expected, right);
    ExpectMatrixNear(a * a, both);
    ExpectMatrixNear(expected, assigned);

    D3DXMATRIX transposed = a;
    D3DXMatrixTranspose(&transposed, &transposed);
    EXPECT_EQ(a._12, transposed._21);
    EXPECT_EQ(a._43, transposed._34);
}

TEST(D3DXMatrixOperators, AddressRowsAndColumnsAndScaleEveryElement)
{
    D3DXMATRIX m(1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16);
    EXPECT_EQ(m._23, m(1, 2));
    EXPECT_EQ(m._41, m(3, 0));
    EXPECT_EQ(7.0f, static_cast<const FLOAT*>(m)[6]);
    D3DXMATRIX doubled = m + m;
    EXPECT_EQ(m * 2.0f, doubled);
    EXPECT_EQ(2.0f * m, doubled);
    EXPECT_EQ(m, doubled / 2.0f);
    EXPECT_EQ(-m, m - doubled);
    EXPECT_NE(m, doubled);
    EXPECT_FALSE(D3DXMatrixIsIdentity(&m));
    EXPECT_TRUE(D3DXMatrixIsIdentity(&(m = Identity())));
}

TEST(D3DXMatrixTransforms, DirectionsIgnoreTranslationAndPointsDivideByW)
{
    D3DXMATRIX moveAndTurn = RotationZ(D3DX_PI / 2) * Translation(10, 20, 30);
    D3DXVECTOR3 v(1, 0, 0), out;
    ExpectVec3Near({0, 1, 0}, *D3DXVec3TransformNormal(&out, &v, &moveAndTurn));
    ExpectVec3Near({10, 21, 30}, *D3DXVec3TransformCoord(&out, &v, &moveAndTurn));

    D3DXMATRIX halving = Identity();
    halving._44 = 2;
    halving._41 = 4;
    D3DXVECTOR4 h;
    D3DXVECTOR3 p(2, 4, 6);
    D3DXVec3Transform(&h, &p, &halving);
    EXPECT_EQ(D3DXVECTOR4(6, 4, 6, 2), h);
    ExpectVec3Near({3, 2, 3}, *D3DXVec3TransformCoord(&p, &p, &halving));

    // A point sent to infinity (w = 0) keeps finite coordinates.
    D3DXMATRIX toInfinity = Identity();
    toInfinity._44 = 0;
    D3DXVECTOR3 origin(0, 0, 0);
    D3DXVec3TransformCoord(&out, &origin, &toInfinity);
    EXPECT_TRUE(std::isfinite(out.x) && std::isfinite(out.y) && std::isfinite(out.z));
}

TEST(D3DXMatrixAffineTransformation, EqualsScaleThenRotateAboutCentreThenTranslate)
{
    D3DXQUATERNION q;
    D3DXQuaternionRotationYawPitchRoll(&q, 0.5f, -0.3f, 1.2f);
    D3DXVECTOR3 centre(1, -2, 3), move(-4, 5, 6);
    D3DXMATRIX scale, turn, affine;
    D3DXMatrixScaling(&scale, 1.25f, 1.25f, 1.25f);
    D3DXMatrixRotationQuaternion(&turn, &q);
    D3DXMatrixAffineTransformation(&affine, 1.25f, &centre, &q, &move);
    ExpectMatrixNear(scale * Translation(-1, 2, -3) * turn * Translation(1, -2, 3) * Translation(-4, 5, 6), affine);

    D3DXMatrixAffineTransformation(&affine, 1.25f, nullptr, &q, &move);
    ExpectMatrixNear(scale * turn * Translation(-4, 5, 6), affine);
    D3DXMatrixAffineTransformation(&affine, 2.0f, &centre, nullptr, nullptr);
    D3DXMatrixScaling(&scale, 2, 2, 2);
    ExpectMatrixNear(scale, affine);
}

TEST(D3DXMatrixTransformation, ScalesAboutItsCentreAndRotatesAboutItsOwn)
{
    D3DXMATRIX m;
    EXPECT_TRUE(D3DXMatrixIsIdentity(D3DXMatrixTransformation(&m, nullptr, nullptr, nullptr, nullptr, nullptr,
                                                              nullptr)));
    D3DXVECTOR3 scalingCentre(1, 1, 1), scaling(3, 3, 3);
    D3DXMatrixTransformation(&m, &scalingCentre, nullptr, &scaling, nullptr, nullptr, nullptr);
    ExpectVec3Near(scalingCentre, TransformPoint(m, scalingCentre));
    ExpectVec3Near({4, 1, 1}, TransformPoint(m, {2, 1, 1}));

    // Scaling x by 2 along axes turned a quarter about z stretches world y instead.
    D3DXQUATERNION turn;
    D3DXVECTOR3 zAxis(0, 0, 1), stretchX(2, 1, 1), rotationCentre(0, 5, 0), move(1, 0, 0);
    D3DXQuaternionRotationAxis(&turn, &zAxis, D3DX_PI / 2);
    D3DXMatrixTransformation(&m, nullptr, &turn, &stretchX, nullptr, nullptr, nullptr);
    ExpectVec3Near({1, 2, 0}, TransformPoint(m, {1, 1, 0}));
    D3DXMatrixTransformation(&m, nullptr, nullptr, nullptr, &rotationCentre, &turn, &move);
    ExpectVec3Near({1, 5, 0}, TransformPoint(m, rotationCentre));
    ExpectVec3Near({1, 6, 0}, TransformPoint(m, {1, 5, 0}));
}

} // namespace
