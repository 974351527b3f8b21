#include "objects/Objects.h"

#include "screen/Screen.h"

CObjects::CObjects() : m_pd3dDevice(nullptr), m_pScreen(nullptr), m_strName("No name"), m_bNeedInit(true) {}

CObjects::~CObjects() {}

void CObjects::PreInit()
{
    m_pScreen = &CScreen::Instance();
    m_pd3dDevice = m_pScreen->GetD3DDevice();
}

void CObjects::Init()
{
    m_strType = "CObjects";
    m_strDescription = "Object";
    CScreen::Instance().RegisterObject(*this);
    m_bNeedInit = false;
}

void CObjects::CleanUp() { CScreen::Instance().UnregisterObject(*this); }

void CObjects::ReInit() { m_bNeedInit = true; }

void CObjects::PreRender()
{
    if (m_bNeedInit) {
        m_bNeedInit = false;
        Init();
    }
}

void CObjects::SetObjName(CString name) { m_strName = name; }
CString CObjects::GetObjName() { return m_strName; }
CString CObjects::GetObjType() { return m_strType; }
CString CObjects::GetObjDescription() { return m_strDescription; }
