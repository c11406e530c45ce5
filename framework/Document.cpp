#include "framework/Document.h"

#include "framework/DocTemplate.h"
#include "framework/FrameWnd.h"
#include "framework/View.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CDocument, CCmdTarget)

CDocument::~CDocument() {
    for (CView* pView : m_views)
        pView->m_pDocument = nullptr;
    if (m_pDocTemplate)
        m_pDocTemplate->RemoveDocument(this);
}

BOOL CDocument::OnNewDocument() {
    DeleteContents();
    return TRUE;
}

void CDocument::OnCloseDocument() {
    // Destroying a frame destroys its views, which leave this list.
    BOOL bAutoDelete = m_bAutoDelete;
    m_bAutoDelete = FALSE;
    while (!m_views.empty()) {
        CView* pView = m_views.front();
        CFrameWnd* pFrame = pView->GetParentFrame();
        if (pFrame && pFrame->m_hWnd)
            pFrame->DestroyWindow();
        else
            RemoveView(pView);
        if (!m_views.empty() && m_views.front() == pView)
            RemoveView(pView);  // a view that outlived its frame
    }
    m_bAutoDelete = bAutoDelete;
    DeleteContents();
    if (m_bAutoDelete)
        delete this;
}

void CDocument::AddView(CView* pView) {
    if (std::find(m_views.begin(), m_views.end(), pView) == m_views.end())
        m_views.push_back(pView);
    pView->m_pDocument = this;
}

void CDocument::RemoveView(CView* pView) {
    m_views.erase(std::remove(m_views.begin(), m_views.end(), pView), m_views.end());
    pView->m_pDocument = nullptr;
}
