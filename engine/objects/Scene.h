// An ordered, non-owning collection of renderable objects, looked up by name and drawn with one call.
#pragma once

#include <afxwin.h>

#include <stdexcept>
#include <string>

class CBaseObject;

// Raised by CScene::GetObject when no object has the asked name or the index is out of range.
class CObjectNotFound : public std::out_of_range {
public:
    explicit CObjectNotFound(const std::string& what) : std::out_of_range(what) {}
};

class CScene {
public:
    CScene();
    CScene(const CScene&) = delete;
    CScene& operator=(const CScene&) = delete;
    virtual ~CScene();

    // Inserts at the head: the most recently added object is index 0 and is drawn first.
    void AddObject(CBaseObject& object);
    // Removes the first node (from the head) whose object has exactly that name; the object is untouched.
    void RemoveObject(CString name);
    CBaseObject& GetObject(CString name);
    CBaseObject& GetObject(int index);
    bool IsObjectExisting(CString name);
    int GetObjectNumber();
    void Render();

private:
    struct SNode {
        CBaseObject* object;
        SNode* previous;
        SNode* next;
    };

    SNode* FindNode(const CString& name);
    void Unlink(SNode* node);

    SNode* m_pHead;
    SNode* m_pTail;
    int m_nCount;
};
