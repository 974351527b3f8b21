// A terrain: a 100 x 100 point grid plane whose points are lifted along z by the bytes of a raw
// 8-bit height file, read again at every Init.
#pragma once

#include <vector>

#include "objects/PlaneObject.h"

class CHeightMapObject : public CPlaneObject {
public:
    CHeightMapObject();

    void Init() override;

    // Both stored for the next Init.
    void SetHeightMapFilename(CString file);
    void SetMaxAmplitude(float amplitude);

protected:
    CString m_strHeightMapFile;
    float m_fMaxAmplitude;

private:
    // The file's heights, one byte per grid point; fewer when the file is missing or short, which is
    // reported in a message box.
    std::vector<unsigned char> ReadHeights();
    void DisplayError(const CString& format);
    void LiftGrid(const std::vector<unsigned char>& heights);
};
