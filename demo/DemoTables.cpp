// The tables of the fire part (points on the unit sphere, whole-degree sines and cosines, the two fire
// buffers), of the tunnel part (ring slots and the box system) and of the greetings (wheels and text) and of the credits (the star field).
#include <cmath>
#include <cstdlib>

#include "DemoState.h"
#include "DemoTexts.h"

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

void BuildTunnelTables(SDemoTables& tables)
{
    for (int k = 0; k < SDemoTables::kTunnelSlots; ++k) {
        tables.tunnelFlags[k] = 0;
        tables.tunnelOffX[k] = tables.tunnelOffY[k] = 0;
    }
    tables.tunnelFlags[SDemoTables::kTunnelSlots - 1] = 1;
    // The centre, then four crosses of growing reach, then the centre again.
    tables.cubeSystem[0] = D3DXVECTOR3(0, 0, 0);
    const float reach[4] = {5, 8, 10, 12};
    for (int ring = 0; ring < 4; ++ring) {
        const float r = reach[ring];
        D3DXVECTOR3* cross = &tables.cubeSystem[1 + ring * 4];
        cross[0] = D3DXVECTOR3(r, 0, 0);
        cross[1] = D3DXVECTOR3(-r, 0, 0);
        cross[2] = D3DXVECTOR3(0, r, 0);
        cross[3] = D3DXVECTOR3(0, -r, 0);
    }
    tables.cubeSystem[SDemoTables::kSystemBoxes - 1] = D3DXVECTOR3(0, 0, 0);
}

void BuildGreetingsTables(SDemoTables& tables)
{
    for (int k = 0; k < SDemoTables::kWheels; ++k)
        tables.wheels[k] = SWheel{static_cast<float>(k - 9), 5, 25, 0, static_cast<float>(k), 1.5f};
    tables.greetingsText = GreetingsText();
}

void BuildStarTable(SDemoTables& tables)
{
    for (SStar& star : tables.stars) {
        star.x = DemoRandom(500) - 250;
        star.y = DemoRandom(500) - 250;
        star.z = DemoRandom(500);
        star.angle = DemoRandom(3.1415927f) - 1.5f;
        star.wire = static_cast<int>(DemoRandom(2)) == 1;
    }
}
