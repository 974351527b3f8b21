#include "objects/HeightMapObject.h"

#include "objects/HeightMapFile.h"

CHeightMapObject::CHeightMapObject() : m_fMaxAmplitude(20.0f) { m_bCulling = true; }

void CHeightMapObject::Init()
{
    PreInit();
    SetProjectionMode(PM_PERSPECTIVE);
    SetSubdivision(height_map::kGridSide - 1, height_map::kGridSide - 1);
    CPlaneObject::Init();
    LiftGrid(ReadHeights());
}

void CHeightMapObject::SetHeightMapFilename(CString file) { m_strHeightMapFile = file; }
void CHeightMapObject::SetMaxAmplitude(float amplitude) { m_fMaxAmplitude = amplitude; }

std::vector<unsigned char> CHeightMapObject::ReadHeights()
{
    std::vector<unsigned char> heights;
    const height_map::FileState state = height_map::ReadHeights(m_strHeightMapFile, heights);
    if (state == height_map::FileState::Missing)
        DisplayError("Unable to find the file: %s!");
    else if (state == height_map::FileState::Short)
        DisplayError("The height map file is too short: %s!");
    return heights;
}

void CHeightMapObject::DisplayError(const CString& format)
{
    CString text;
    text.Format(format, m_strHeightMapFile);
    MessageBoxA(nullptr, text, "Error", MB_OK);
}

void CHeightMapObject::LiftGrid(const std::vector<unsigned char>& heights)
{
    unsigned long count = 0;
    S3DVERTEX* vertices = LockVB(count);
    if (!vertices)
        return;
    height_map::LiftPoints(vertices, count, heights, m_fMaxAmplitude);
    UnlockVB(true);
}
