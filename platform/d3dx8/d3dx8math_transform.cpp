// Composite transforms built from scaling, rotation about a centre and translation.
#include "d3dx8math.h"

namespace {

D3DXMATRIX RotationOrIdentity(const D3DXQUATERNION* q)
{
    D3DXMATRIX m;
    return q ? *D3DXMatrixRotationQuaternion(&m, q) : *D3DXMatrixIdentity(&m);
}

D3DXMATRIX TranslationOrIdentity(const D3DXVECTOR3* v, FLOAT sign)
{
    D3DXMATRIX m;
    return v ? *D3DXMatrixTranslation(&m, sign * v->x, sign * v->y, sign * v->z) : *D3DXMatrixIdentity(&m);
}

} // namespace

D3DXMATRIX* D3DXMatrixAffineTransformation(D3DXMATRIX* out, FLOAT scaling, const D3DXVECTOR3* rotationCenter,
                                           const D3DXQUATERNION* rotation, const D3DXVECTOR3* translation)
{
    // p' = (p * scaling - centre) * R + centre + translation.
    D3DXMATRIX result = RotationOrIdentity(rotation);
    D3DXVECTOR3 offset(0, 0, 0);
    if (rotationCenter) {
        D3DXVECTOR3 rotatedCenter;
        D3DXVec3TransformNormal(&rotatedCenter, rotationCenter, &result);
        offset = *rotationCenter - rotatedCenter;
    }
    if (translation)
        offset += *translation;
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col)
            result.m[row][col] *= scaling;
    result._41 = offset.x;
    result._42 = offset.y;
    result._43 = offset.z;
    *out = result;
    return out;
}

D3DXMATRIX* D3DXMatrixTransformation(D3DXMATRIX* out, const D3DXVECTOR3* scalingCenter,
                                     const D3DXQUATERNION* scalingRotation, const D3DXVECTOR3* scaling,
                                     const D3DXVECTOR3* rotationCenter, const D3DXQUATERNION* rotation,
                                     const D3DXVECTOR3* translation)
{
    // Move the scaling centre to the origin, turn the scaling axes onto x, y and z, scale, and undo both;
    // then rotate about the rotation centre and translate.
    D3DXMATRIX scalingAxes = RotationOrIdentity(scalingRotation);
    D3DXMATRIX scalingAxesInverse;
    D3DXMatrixTranspose(&scalingAxesInverse, &scalingAxes);
    D3DXMATRIX scale;
    if (scaling)
        D3DXMatrixScaling(&scale, scaling->x, scaling->y, scaling->z);
    else
        D3DXMatrixIdentity(&scale);

    D3DXMATRIX result = TranslationOrIdentity(scalingCenter, -1.0f);
    result *= scalingAxesInverse;
    result *= scale;
    result *= scalingAxes;
    result *= TranslationOrIdentity(scalingCenter, 1.0f);
    result *= TranslationOrIdentity(rotationCenter, -1.0f);
    result *= RotationOrIdentity(rotation);
    result *= TranslationOrIdentity(rotationCenter, 1.0f);
    result *= TranslationOrIdentity(translation, 1.0f);
    *out = result;
    return out;
}
