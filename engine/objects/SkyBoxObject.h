// A box with one picture per side that stays centred on the camera, drawn around the viewer.
#pragma once

#include "objects/BoxObject.h"

class CSkyBoxObject : public CBoxObject {
public:
    CSkyBoxObject();

    void Init() override;
    // Moves the box to the camera position, then draws it.
    void Render() override;

    // Stored for the next Init. The names follow the order of the box's face ranges: top on y = +Y,
    // bottom on z = -Z, left on x = +X, right on z = +Z, front on x = -X, back on y = -Y.
    void SetTopPicture(CString file);
    void SetBottomPicture(CString file);
    void SetLeftPicture(CString file);
    void SetRightPicture(CString file);
    void SetFrontPicture(CString file);
    void SetBackPicture(CString file);

protected:
    CString m_strTopPicture;
    CString m_strBottomPicture;
    CString m_strLeftPicture;
    CString m_strRightPicture;
    CString m_strFrontPicture;
    CString m_strBackPicture;
    // The camera position and direction of the last draw.
    float m_fCamera[6];
};
