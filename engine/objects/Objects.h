// Root of every engine object that owns device resources: name, type and description, and the
// registration with the screen while it holds resources, so that a lost device can be rebuilt.
#pragma once

#include <afxwin.h>
#include <d3d8.h>

class CScreen;

class CObjects {
public:
    CObjects();
    CObjects(const CObjects& other) = default;
    CObjects& operator=(const CObjects& other) = default;
    virtual ~CObjects();

    virtual void Init();
    virtual void CleanUp();

    void SetObjName(CString name);
    CString GetObjName();
    CString GetObjType();
    CString GetObjDescription();

protected:
    void PreInit();
    void ReInit();
    void PreRender();

    IDirect3DDevice8* m_pd3dDevice;
    CScreen* m_pScreen;
    CString m_strName;
    CString m_strType;
    CString m_strDescription;
    bool m_bNeedInit;
};
