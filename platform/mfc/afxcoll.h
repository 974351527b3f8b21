// CPtrList: MFC's doubly linked list of void pointers, walked with POSITION values.
// Nodes come from blocks of blockSize nodes; a removed node's place is reused. A POSITION stays valid
// until its node is removed.
#pragma once

#include <memory>
#include <vector>

#include "afxobj.h"
#include "windows.h"

struct __POSITION {};
typedef __POSITION* POSITION;

class CPtrList : public CObject {
public:
    explicit CPtrList(int blockSize = 10);
    ~CPtrList() override;

    int GetCount() const { return m_count; }
    int GetSize() const { return m_count; }
    BOOL IsEmpty() const { return m_count == 0; }

    // On an empty list the head and tail read as null (a shared null slot, not list storage).
    void*& GetHead();
    void* GetHead() const;
    void*& GetTail();
    void* GetTail() const;

    void* RemoveHead();  // null when empty
    void* RemoveTail();  // null when empty
    POSITION AddHead(void* element);
    POSITION AddTail(void* element);
    void AddHead(CPtrList* other);  // the other list's elements, in their order, before ours
    void AddTail(CPtrList* other);
    void RemoveAll();

    POSITION GetHeadPosition() const;
    POSITION GetTailPosition() const;
    // Return the element at pos and move pos to the next (previous) node, null past the end.
    void*& GetNext(POSITION& pos);
    void* GetNext(POSITION& pos) const;
    void*& GetPrev(POSITION& pos);
    void* GetPrev(POSITION& pos) const;

    void*& GetAt(POSITION pos);
    void* GetAt(POSITION pos) const;
    void SetAt(POSITION pos, void* element);
    void RemoveAt(POSITION pos);
    // A null position inserts at the head (InsertBefore) or the tail (InsertAfter).
    POSITION InsertBefore(POSITION pos, void* element);
    POSITION InsertAfter(POSITION pos, void* element);

    // The first node holding value, searching from the head or after startAfter; null if none.
    POSITION Find(void* value, POSITION startAfter = nullptr) const;
    // The node at a 0-based index; null when out of range.
    POSITION FindIndex(int index) const;

private:
    struct Node {
        Node* next;
        Node* prev;
        void* data;
    };

    Node* NewNode(Node* prev, Node* next, void* data);
    void FreeNode(Node* node);
    static Node* NodeOf(POSITION pos) { return reinterpret_cast<Node*>(pos); }
    static POSITION PositionOf(Node* node) { return reinterpret_cast<POSITION>(node); }
    void*& NullSlot() const;

    Node* m_head = nullptr;
    Node* m_tail = nullptr;
    Node* m_free = nullptr;
    int m_count = 0;
    int m_blockSize;
    std::vector<std::unique_ptr<Node[]>> m_blocks;
    mutable void* m_nullSlot = nullptr;
};
