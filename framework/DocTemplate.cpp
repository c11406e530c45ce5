#include "framework/DocTemplate.h"

#include "framework/Document.h"
#include "framework/FrameWnd.h"
#include "framework/WinApp.h"

IMPLEMENT_DYNAMIC(CDocTemplate, CCmdTarget)
IMPLEMENT_DYNAMIC(CSingleDocTemplate, CDocTemplate)

CDocTemplate::CDocTemplate(UINT nIDResource, const CRuntimeClass* pDocClass, const CRuntimeClass* pFrameClass,
                           const CRuntimeClass* pViewClass)
    : m_nIDResource(nIDResource),
      m_pDocClass(pDocClass),
      m_pFrameClass(pFrameClass),
      m_pViewClass(pViewClass) {}

CDocument* CDocTemplate::CreateNewDocument() {
    CObject* pObject = m_pDocClass ? m_pDocClass->CreateObject() : nullptr;
    auto* pDoc = DynamicDowncast<CDocument>(pObject);
    if (!pDoc) {
        delete pObject;
        return nullptr;
    }
    pDoc->m_pDocTemplate = this;
    return pDoc;
}

CFrameWnd* CDocTemplate::CreateNewFrame(CDocument* pDoc) {
    CCreateContext context;
    context.m_pCurrentDoc = pDoc;
    context.m_pNewViewClass = m_pViewClass;

    CObject* pObject = m_pFrameClass ? m_pFrameClass->CreateObject() : nullptr;
    auto* pFrame = DynamicDowncast<CFrameWnd>(pObject);
    if (!pFrame) {
        delete pObject;
        return nullptr;
    }
    // A frame whose creation fails has already deleted itself.
    if (!pFrame->LoadFrame(m_nIDResource, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, nullptr, &context))
        return nullptr;
    return pFrame;
}

CSingleDocTemplate::~CSingleDocTemplate() {
    if (m_pOnlyDoc)
        m_pOnlyDoc->m_pDocTemplate = nullptr;
}

void CSingleDocTemplate::RemoveDocument(CDocument* pDoc) {
    if (m_pOnlyDoc == pDoc)
        m_pOnlyDoc = nullptr;
}

CDocument* CSingleDocTemplate::OpenDocumentFile(LPCSTR, BOOL bMakeVisible) {
    if (m_pOnlyDoc) {
        // The one document is renewed in place.
        return m_pOnlyDoc->OnNewDocument() ? m_pOnlyDoc : nullptr;
    }
    CDocument* pDoc = CreateNewDocument();
    if (!pDoc)
        return nullptr;
    m_pOnlyDoc = pDoc;
    CFrameWnd* pFrame = CreateNewFrame(pDoc);
    if (!pFrame) {
        delete pDoc;
        return nullptr;
    }
    // The document finds the frame through the thread's main window, so the
    // frame must be it before the document is loaded.
    CWinThread* pThread = AfxGetThread();
    if (pThread && !pThread->m_pMainWnd)
        pThread->m_pMainWnd = pFrame;
    if (!pDoc->OnNewDocument()) {
        pFrame->DestroyWindow();
        return nullptr;
    }
    pFrame->InitialUpdateFrame(pDoc, bMakeVisible);
    return pDoc;
}
