// The orbiting system of 18 boxes: a large box at the centre and rings of smaller ones, each turned
// about z, x and y by the system's angles plus an offset that grows towards the outer boxes.
#include <cmath>

#include "DemoParts.h"

namespace {

// Size and own offset of each box of the system: the centre, then rings of smaller boxes.
void BoxLook(int box, float& size, float& offset)
{
    if (box == 0) {
        size = 5;
        offset = 0;
    } else if (box <= 4) {
        size = 3;
        offset = -0.1f;
    } else if (box <= 8) {
        size = 1.5f;
        offset = -0.2f;
    } else {
        size = 0.75f;
        offset = -0.3f;
    }
}

D3DXVECTOR3 TurnPoint(D3DXVECTOR3 p, const SCubeSystemTurn& turn, float o)
{
    const float c = turn.a3 + o, a = turn.a1 + o, b = turn.a2 + o;
    const float x1 = p.x * std::cos(c) - p.y * std::sin(c);
    const float y1 = p.x * std::sin(c) + p.y * std::cos(c);
    const float z2 = p.z * std::cos(a) - y1 * std::sin(a);
    const float y2 = y1 * std::cos(a) + p.z * std::sin(a);
    const float z3 = z2 * std::cos(b) - x1 * std::sin(b);
    const float x3 = x1 * std::cos(b) + z2 * std::sin(b);
    return D3DXVECTOR3(x3, y2, z3);
}

}  // namespace

void DrawCubeSystem(SDemo& demo, const SCubeSystemTurn& turn, float& offset, ECubeOffset order, bool withSparks)
{
    CBoxObject& box = demo.objects.skyBox;
    CParticleEmitter* sparks[4] = {&demo.objects.sparkEmitter1, &demo.objects.sparkEmitter2,
                                   &demo.objects.sparkEmitter3, &demo.objects.sparkEmitter4};
    for (int b = 0; b < SDemoTables::kSystemBoxes; ++b) {
        float size = 0;
        if (order == ECubeOffset::OwnBox)
            BoxLook(b, size, offset);
        const D3DXVECTOR3 p = TurnPoint(demo.tables.cubeSystem[b], turn, offset);
        if (order == ECubeOffset::CarriedFromPreviousBox)
            BoxLook(b, size, offset);
        box.SetSize(size, size, size);
        box.SetRotation(turn.a2 - offset, -turn.a1 - offset, turn.a3 - offset);
        box.SetPosition(p.x, p.y, p.z);
        box.Render();
        if (withSparks && b >= 13 && b <= 16) {
            sparks[b - 13]->SetPos(p);
            sparks[b - 13]->Render();
        }
    }
}
