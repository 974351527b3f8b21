// The tables of the fire part: points on the unit sphere, whole-degree sines and cosines, and the two
// fire buffers.
#include <cmath>
#include <cstdlib>

#include "DemoState.h"

float DemoRandom(float x) { return static_cast<float>(std::rand() & 0x7FFF) / 32767.0f * x; }

void BuildFireTables(SDemoTables& tables)
{
    const float degree = 3.1415927f / 180.0f;
    tables.spherePoints.resize(SDemoTables::kSpherePoints);
    for (D3DXVECTOR3& point : tables.spherePoints) {
        const float theta = DemoRandom(360) * degree;
        const float phi = DemoRandom(360) * degree;
        point = D3DXVECTOR3(std::sin(theta) * std::cos(phi), std::sin(theta) * std::sin(phi), std::cos(theta));
    }
    for (int k = 0; k < 360; ++k) {
        tables.sinTable[k] = std::sin(k * degree);
        tables.cosTable[k] = std::cos(k * degree);
    }
    const size_t cells = static_cast<size_t>(SDemoTables::kFireSide) * SDemoTables::kFireSide;
    tables.fireBuffer1.assign(cells, 0);
    tables.fireBuffer2.assign(cells, 0);
}
