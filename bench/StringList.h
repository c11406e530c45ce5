// CStringList: a doubly linked list of strings walked with POSITION values.
// Nodes are carved from blocks of nBlockSize, as a loader adds many lines.
#pragma once

#include "framework/Object.h"
#include "framework/String.h"

#include <memory>
#include <vector>

struct PositionTag {};
typedef PositionTag* POSITION;

class CStringList : public CObject {
public:
    explicit CStringList(INT_PTR nBlockSize = 10);
    ~CStringList() override;
    CStringList(const CStringList&) = delete;
    CStringList& operator=(const CStringList&) = delete;

    INT_PTR GetCount() const { return m_nCount; }
    INT_PTR GetSize() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0; }

    POSITION AddHead(const CString& str);
    POSITION AddTail(const CString& str);
    POSITION AddTail(CString&& str);
    void RemoveAll();

    CString& GetHead();
    const CString& GetHead() const;
    CString& GetTail();
    const CString& GetTail() const;

    POSITION GetHeadPosition() const { return Pos(m_pHead); }
    // Returns the element at rPosition and moves rPosition to the next one (null at the end).
    CString& GetNext(POSITION& rPosition);
    const CString& GetNext(POSITION& rPosition) const;
    CString& GetPrev(POSITION& rPosition);
    const CString& GetPrev(POSITION& rPosition) const;
    CString& GetAt(POSITION position);
    const CString& GetAt(POSITION position) const;
    void SetAt(POSITION position, const CString& str);
    void RemoveAt(POSITION position);

    // First position at or after startAfter (exclusive) whose text equals str.
    POSITION Find(LPCSTR str, POSITION startAfter = nullptr) const;

private:
    struct Node {
        Node* pNext;
        Node* pPrev;
        CString data;
    };

    static POSITION Pos(Node* p) { return reinterpret_cast<POSITION>(p); }
    static Node* NodeOf(POSITION pos) { return reinterpret_cast<Node*>(pos); }
    Node* NewNode(Node* pPrev, Node* pNext);
    void FreeNode(Node* p);

    Node* m_pHead = nullptr;
    Node* m_pTail = nullptr;
    Node* m_pFree = nullptr;
    INT_PTR m_nCount = 0;
    INT_PTR m_nBlockSize;
    std::vector<std::unique_ptr<unsigned char[]>> m_blocks;
};
