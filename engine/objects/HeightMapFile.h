// The raw height file of a terrain: one byte per point of its 100 x 100 grid, row after row, and how
// the bytes lift the grid's points. It needs no device, so it can be read and checked on its own.
#pragma once

#include <vector>

#include "objects/Vertex.h"

namespace height_map {

constexpr int kGridSide = 100;
constexpr int kGridPoints = kGridSide * kGridSide;

enum class FileState { Whole, Short, Missing };

// Reads at most kGridPoints bytes of the file (named the Windows way) into heights; a short file
// gives fewer, a missing one none.
FileState ReadHeights(const char* file, std::vector<unsigned char>& heights);

// A byte of 0 is the highest point (the full amplitude), 255 the lowest above the plane; the points
// past the heights given stay at height 0.
void LiftPoints(S3DVERTEX* points, unsigned long count, const std::vector<unsigned char>& heights,
                float amplitude);

}  // namespace height_map
