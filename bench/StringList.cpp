#include "StringList.h"

#include "framework/Exception.h"

#include <new>

CStringList::CStringList(INT_PTR nBlockSize) : m_nBlockSize(nBlockSize > 0 ? nBlockSize : 10) {}

CStringList::~CStringList() {
    RemoveAll();
}

CStringList::Node* CStringList::NewNode(Node* pPrev, Node* pNext) {
    if (!m_pFree) {
        // Chain a new block of raw nodes into the free list.
        std::unique_ptr<unsigned char[]> block;
        try {
            block.reset(new unsigned char[sizeof(Node) * static_cast<size_t>(m_nBlockSize)]);
            m_blocks.push_back(std::move(block));
        } catch (const std::bad_alloc&) {
            AfxThrowMemoryException();
        }
        Node* pRaw = reinterpret_cast<Node*>(m_blocks.back().get());
        for (INT_PTR i = m_nBlockSize - 1; i >= 0; --i) {
            pRaw[i].pNext = m_pFree;
            m_pFree = &pRaw[i];
        }
    }
    Node* p = m_pFree;
    m_pFree = m_pFree->pNext;
    ::new (static_cast<void*>(&p->data)) CString();
    p->pPrev = pPrev;
    p->pNext = pNext;
    ++m_nCount;
    return p;
}

void CStringList::FreeNode(Node* p) {
    p->data.~CString();
    p->pNext = m_pFree;
    m_pFree = p;
    if (--m_nCount == 0)
        RemoveAll();
}

POSITION CStringList::AddHead(const CString& str) {
    Node* p = NewNode(nullptr, m_pHead);
    p->data = str;
    (m_pHead ? m_pHead->pPrev : m_pTail) = p;
    m_pHead = p;
    return Pos(p);
}

POSITION CStringList::AddTail(const CString& str) {
    Node* p = NewNode(m_pTail, nullptr);
    p->data = str;
    (m_pTail ? m_pTail->pNext : m_pHead) = p;
    m_pTail = p;
    return Pos(p);
}

POSITION CStringList::AddTail(CString&& str) {
    Node* p = NewNode(m_pTail, nullptr);
    p->data = std::move(str);
    (m_pTail ? m_pTail->pNext : m_pHead) = p;
    m_pTail = p;
    return Pos(p);
}

void CStringList::RemoveAll() {
    for (Node* p = m_pHead; p; p = p->pNext)
        p->data.~CString();
    m_pHead = m_pTail = m_pFree = nullptr;
    m_nCount = 0;
    m_blocks.clear();
}

CString& CStringList::GetHead() {
    return m_pHead->data;
}
const CString& CStringList::GetHead() const {
    return m_pHead->data;
}
CString& CStringList::GetTail() {
    return m_pTail->data;
}
const CString& CStringList::GetTail() const {
    return m_pTail->data;
}

CString& CStringList::GetNext(POSITION& rPosition) {
    Node* p = NodeOf(rPosition);
    rPosition = Pos(p->pNext);
    return p->data;
}

const CString& CStringList::GetNext(POSITION& rPosition) const {
    Node* p = NodeOf(rPosition);
    rPosition = Pos(p->pNext);
    return p->data;
}

CString& CStringList::GetPrev(POSITION& rPosition) {
    Node* p = NodeOf(rPosition);
    rPosition = Pos(p->pPrev);
    return p->data;
}

const CString& CStringList::GetPrev(POSITION& rPosition) const {
    Node* p = NodeOf(rPosition);
    rPosition = Pos(p->pPrev);
    return p->data;
}

CString& CStringList::GetAt(POSITION position) {
    return NodeOf(position)->data;
}
const CString& CStringList::GetAt(POSITION position) const {
    return NodeOf(position)->data;
}
void CStringList::SetAt(POSITION position, const CString& str) {
    NodeOf(position)->data = str;
}

void CStringList::RemoveAt(POSITION position) {
    Node* p = NodeOf(position);
    (p->pPrev ? p->pPrev->pNext : m_pHead) = p->pNext;
    (p->pNext ? p->pNext->pPrev : m_pTail) = p->pPrev;
    FreeNode(p);
}

POSITION CStringList::Find(LPCSTR str, POSITION startAfter) const {
    Node* p = startAfter ? NodeOf(startAfter)->pNext : m_pHead;
    for (; p; p = p->pNext) {
        if (p->data == str)
            return Pos(p);
    }
    return nullptr;
}
