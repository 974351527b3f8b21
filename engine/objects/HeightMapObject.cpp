#include "objects/HeightMapObject.h"

#include <cstdio>

#include "platform_files.h"

namespace {

constexpr int GRID_SIDE = 100;
constexpr int GRID_POINTS = GRID_SIDE * GRID_SIDE;

}  // namespace

CHeightMapObject::CHeightMapObject() : m_fMaxAmplitude(20.0f) { m_bCulling = true; }

void CHeightMapObject::Init()
{
    PreInit();
    SetProjectionMode(PM_PERSPECTIVE);
    SetSubdivision(GRID_SIDE - 1, GRID_SIDE - 1);
    CPlaneObject::Init();
    LiftGrid(ReadHeights());
}

void CHeightMapObject::SetHeightMapFilename(CString file) { m_strHeightMapFile = file; }
void CHeightMapObject::SetMaxAmplitude(float amplitude) { m_fMaxAmplitude = amplitude; }

std::vector<unsigned char> CHeightMapObject::ReadHeights()
{
    std::vector<unsigned char> heights(GRID_POINTS);
    FILE* file = platform::OpenFile(m_strHeightMapFile, "rb");
    if (!file) {
        DisplayError("Unable to find the file: %s!");
        return {};
    }
    heights.resize(std::fread(heights.data(), 1, heights.size(), file));
    std::fclose(file);
    if (heights.size() < GRID_POINTS)
        DisplayError("The height map file is too short: %s!");
    return heights;
}

void CHeightMapObject::DisplayError(const CString& format)
{
    CString text;
    text.Format(format, m_strHeightMapFile);
    MessageBoxA(nullptr, text, "Error", MB_OK);
}

// A byte of 0 is the highest point (the full amplitude), 255 the lowest above the plane; grid points
// the file does not reach stay at height 0.
void CHeightMapObject::LiftGrid(const std::vector<unsigned char>& heights)
{
    unsigned long count = 0;
    S3DVERTEX* vertices = LockVB(count);
    if (!vertices)
        return;
    for (unsigned long k = 0; k < count; ++k)
        vertices[k].z = k < heights.size() ? (256 - heights[k]) * m_fMaxAmplitude / 256 : 0.0f;
    UnlockVB(true);
}
