// The fire of part 7 on the processor: two 256 x 256 integer buffers, fed with random fuel along their
// last row and with the rotated sphere points, and burnt by a smoothing filter every frame.
#pragma once

#include <functional>
#include <vector>

#include "DemoState.h"

// Fuel: each column of the last row of both buffers gets, with probability 1/2, a value of 0 to 254.
void AddFireFuel(SDemoTables& tables);
// Advances the rotation angles by their steps (wrapping at 360) and the drift by its directions.
void TurnFire(SFireValues& fire);
// Rotates every sphere point by the angles and writes its depth into the first buffer at the cell
// it lands on, shifted by the drift; points landing outside the buffer are skipped.
void PlotSpherePoints(SDemoTables& tables, SFireValues& fire);
// One pass of the filter over a buffer. Each visited cell's new value is passed to visit (row,
// column, value) when it is given.
using FireCellVisitor = std::function<void(int row, int column, int value)>;
void FilterFire(std::vector<int>& buffer, const FireCellVisitor& visit = nullptr);
// The value of a buffer cell; 0 outside it.
int FireCell(const std::vector<int>& buffer, int row, int column);
