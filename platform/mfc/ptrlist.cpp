#include "afxcoll.h"

CPtrList::CPtrList(int blockSize) : m_blockSize(blockSize > 0 ? blockSize : 10) {}

CPtrList::~CPtrList() { RemoveAll(); }

void*& CPtrList::NullSlot() const
{
    m_nullSlot = nullptr;
    return m_nullSlot;
}

CPtrList::Node* CPtrList::NewNode(Node* prev, Node* next, void* data)
{
    if (!m_free) {
        m_blocks.emplace_back(new Node[static_cast<size_t>(m_blockSize)]);
        Node* block = m_blocks.back().get();
        for (int i = m_blockSize - 1; i >= 0; --i) {
            block[i].next = m_free;
            m_free = &block[i];
        }
    }
    Node* node = m_free;
    m_free = node->next;
    node->prev = prev;
    node->next = next;
    node->data = data;
    ++m_count;
    return node;
}

void CPtrList::FreeNode(Node* node)
{
    node->data = nullptr;
    node->prev = nullptr;
    node->next = m_free;
    m_free = node;
    if (--m_count == 0)
        RemoveAll();  // an empty list gives its blocks back, as MFC's does
}

void*& CPtrList::GetHead() { return m_head ? m_head->data : NullSlot(); }
void* CPtrList::GetHead() const { return m_head ? m_head->data : nullptr; }
void*& CPtrList::GetTail() { return m_tail ? m_tail->data : NullSlot(); }
void* CPtrList::GetTail() const { return m_tail ? m_tail->data : nullptr; }

void* CPtrList::RemoveHead()
{
    if (!m_head)
        return nullptr;
    Node* old = m_head;
    void* data = old->data;
    m_head = old->next;
    if (m_head)
        m_head->prev = nullptr;
    else
        m_tail = nullptr;
    FreeNode(old);
    return data;
}

void* CPtrList::RemoveTail()
{
    if (!m_tail)
        return nullptr;
    Node* old = m_tail;
    void* data = old->data;
    m_tail = old->prev;
    if (m_tail)
        m_tail->next = nullptr;
    else
        m_head = nullptr;
    FreeNode(old);
    return data;
}

POSITION CPtrList::AddHead(void* element)
{
    Node* node = NewNode(nullptr, m_head, element);
    if (m_head)
        m_head->prev = node;
    else
        m_tail = node;
    m_head = node;
    return PositionOf(node);
}

POSITION CPtrList::AddTail(void* element)
{
    Node* node = NewNode(m_tail, nullptr, element);
    if (m_tail)
        m_tail->next = node;
    else
        m_head = node;
    m_tail = node;
    return PositionOf(node);
}

void CPtrList::AddHead(CPtrList* other)
{
    if (!other)
        return;
    // Walk the other list from its tail so that its order is kept; also right when other == this.
    const int n = other->GetCount();
    POSITION pos = other->GetTailPosition();
    for (int i = 0; i < n && pos; ++i)
        AddHead(other->GetPrev(pos));
}

void CPtrList::AddTail(CPtrList* other)
{
    if (!other)
        return;
    const int n = other->GetCount();
    POSITION pos = other->GetHeadPosition();
    for (int i = 0; i < n && pos; ++i)
        AddTail(other->GetNext(pos));
}

void CPtrList::RemoveAll()
{
    m_head = m_tail = m_free = nullptr;
    m_count = 0;
    m_blocks.clear();
}

POSITION CPtrList::GetHeadPosition() const { return PositionOf(m_head); }
POSITION CPtrList::GetTailPosition() const { return PositionOf(m_tail); }

void*& CPtrList::GetNext(POSITION& pos)
{
    Node* node = NodeOf(pos);
    if (!node)
        return NullSlot();
    pos = PositionOf(node->next);
    return node->data;
}

void* CPtrList::GetNext(POSITION& pos) const
{
    Node* node = NodeOf(pos);
    if (!node)
        return nullptr;
    pos = PositionOf(node->next);
    return node->data;
}

void*& CPtrList::GetPrev(POSITION& pos)
{
    Node* node = NodeOf(pos);
    if (!node)
        return NullSlot();
    pos = PositionOf(node->prev);
    return node->data;
}

void* CPtrList::GetPrev(POSITION& pos) const
{
    Node* node = NodeOf(pos);
    if (!node)
        return nullptr;
    pos = PositionOf(node->prev);
    return node->data;
}

void*& CPtrList::GetAt(POSITION pos)
{
    Node* node = NodeOf(pos);
    return node ? node->data : NullSlot();
}

void* CPtrList::GetAt(POSITION pos) const
{
    Node* node = NodeOf(pos);
    return node ? node->data : nullptr;
}

void CPtrList::SetAt(POSITION pos, void* element)
{
    if (Node* node = NodeOf(pos))
        node->data = element;
}

void CPtrList::RemoveAt(POSITION pos)
{
    Node* node = NodeOf(pos);
    if (!node)
        return;
    if (node == m_head)
        m_head = node->next;
    else
        node->prev->next = node->next;
    if (node == m_tail)
        m_tail = node->prev;
    else
        node->next->prev = node->prev;
    FreeNode(node);
}

POSITION CPtrList::InsertBefore(POSITION pos, void* element)
{
    Node* at = NodeOf(pos);
    if (!at)
        return AddHead(element);
    Node* node = NewNode(at->prev, at, element);
    if (at->prev)
        at->prev->next = node;
    else
        m_head = node;
    at->prev = node;
    return PositionOf(node);
}

POSITION CPtrList::InsertAfter(POSITION pos, void* element)
{
    Node* at = NodeOf(pos);
    if (!at)
        return AddTail(element);
    Node* node = NewNode(at, at->next, element);
    if (at->next)
        at->next->prev = node;
    else
        m_tail = node;
    at->next = node;
    return PositionOf(node);
}

POSITION CPtrList::Find(void* value, POSITION startAfter) const
{
    Node* node = startAfter ? NodeOf(startAfter)->next : m_head;
    for (; node; node = node->next) {
        if (node->data == value)
            return PositionOf(node);
    }
    return nullptr;
}

POSITION CPtrList::FindIndex(int index) const
{
    if (index < 0 || index >= m_count)
        return nullptr;
    Node* node = m_head;
    while (index-- > 0)
        node = node->next;
    return PositionOf(node);
}
