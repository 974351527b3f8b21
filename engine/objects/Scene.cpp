#include "objects/Scene.h"

#include "objects/BaseObject.h"

CScene::CScene() : m_pHead(nullptr), m_pTail(nullptr), m_nCount(0) {}

CScene::~CScene()
{
    while (m_pHead)
        Unlink(m_pHead);
}

void CScene::AddObject(CBaseObject& object)
{
    SNode* node = new SNode{&object, nullptr, m_pHead};
    if (m_pHead)
        m_pHead->previous = node;
    else
        m_pTail = node;
    m_pHead = node;
    ++m_nCount;
}

void CScene::RemoveObject(CString name)
{
    if (SNode* node = FindNode(name))
        Unlink(node);
}

CBaseObject& CScene::GetObject(CString name)
{
    if (SNode* node = FindNode(name))
        return *node->object;
    throw CObjectNotFound("CScene::GetObject: no object named \"" + name.str() + "\" in the scene");
}

CBaseObject& CScene::GetObject(int index)
{
    if (index >= 0 && index < m_nCount) {
        SNode* node = m_pHead;
        for (int i = 0; i < index; ++i)
            node = node->next;
        return *node->object;
    }
    throw CObjectNotFound("CScene::GetObject: index " + std::to_string(index) + " is outside the scene's " +
                          std::to_string(m_nCount) + " objects");
}

bool CScene::IsObjectExisting(CString name) { return FindNode(name) != nullptr; }

int CScene::GetObjectNumber() { return m_nCount; }

void CScene::Render()
{
    for (SNode* node = m_pHead; node; node = node->next)
        node->object->Render();
}

CScene::SNode* CScene::FindNode(const CString& name)
{
    for (SNode* node = m_pHead; node; node = node->next) {
        if (node->object->GetObjName() == name)
            return node;
    }
    return nullptr;
}

void CScene::Unlink(SNode* node)
{
    if (node->previous)
        node->previous->next = node->next;
    else
        m_pHead = node->next;
    if (node->next)
        node->next->previous = node->previous;
    else
        m_pTail = node->previous;
    delete node;
    --m_nCount;
}
