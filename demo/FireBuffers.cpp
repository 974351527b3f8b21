#include "FireBuffers.h"

#include <algorithm>

namespace {

constexpr int kSide = SDemoTables::kFireSide;

int& Cell(std::vector<int>& buffer, int row, int column) { return buffer[static_cast<size_t>(row) * kSide + column]; }

void BounceDrift(SFireValues& f)
{
    if (f.driftX > 47)
        f.directionX = -1;
    if (f.driftX < -47)
        f.directionX = 1;
    if (f.driftY > 45)
        f.directionY = -1;
    if (f.driftY < -48)
        f.directionY = 1;
}

}  // namespace

int FireCell(const std::vector<int>& buffer, int row, int column)
{
    if (row < 0 || row >= kSide || column < 0 || column >= kSide)
        return 0;
    return buffer[static_cast<size_t>(row) * kSide + column];
}

void AddFireFuel(SDemoTables& t)
{
    for (int c = 0; c < kSide; ++c) {
        if (DemoRandom(10) < 5) {
            const int v = static_cast<int>(DemoRandom(255));
            Cell(t.fireBuffer1, kSide - 1, c) = v;
            Cell(t.fireBuffer2, kSide - 1, c) = v;
        }
    }
}

void TurnFire(SFireValues& f)
{
    for (int i = 0; i < 3; ++i) {
        f.angle[i] += f.step[i];
        if (f.angle[i] >= 360)
            f.angle[i] = 0;
    }
    f.driftX += f.directionX;
    f.driftY += f.directionY;
}

void PlotSpherePoints(SDemoTables& t, SFireValues& f)
{
    const float s1 = t.sinTable[f.angle[0]], c1 = t.cosTable[f.angle[0]];
    const float s2 = t.sinTable[f.angle[1]], c2 = t.cosTable[f.angle[1]];
    const float s3 = t.sinTable[f.angle[2]], c3 = t.cosTable[f.angle[2]];
    for (const D3DXVECTOR3& p : t.spherePoints) {
        const float z1 = p.z * c1 - p.y * s1, y1 = p.y * c1 + p.z * s1;
        const float z2 = z1 * c2 - p.x * s2, x1 = p.x * c2 + z1 * s2;
        const float x2 = x1 * c3 - y1 * s3, y2 = y1 * c3 + x1 * s3;
        const float z = std::max(-0.9f, std::min(0.9f, z2));
        BounceDrift(f);
        const int row = static_cast<int>((x2 + 1) * 80) + static_cast<int>(f.driftX) + 45;
        const int column = static_cast<int>((y2 + 1) * 80) + static_cast<int>(f.driftY) + 45;
        if (row >= 0 && row < kSide && column >= 0 && column < kSide)
            Cell(t.fireBuffer1, row, column) = static_cast<int>((z + 1) * 256 / 2 - 1);
    }
}

void FilterFire(std::vector<int>& b, const FireCellVisitor& visit)
{
    for (int r = 1; r < kSide; ++r) {
        for (int c = 0; c < kSide; ++c) {
            if (c == 0)
                Cell(b, r - 1, 0) = (2 * Cell(b, r, 0) + FireCell(b, r, 1) + FireCell(b, r + 1, 0)) >> 2;
            else
                Cell(b, r - 1, c) = (Cell(b, r, c) + Cell(b, r, c - 1) + FireCell(b, r, c + 1) +
                                     FireCell(b, r + 1, c) + Cell(b, r - 1, c)) / 5;
            int& cell = Cell(b, r, c);
            if (cell > 255)
                cell = 0;
            else if (cell > 0)
                --cell;
            if (visit)
                visit(r, c, cell);
        }
    }
}
