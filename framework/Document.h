// CDocument: the data behind the views. It knows its views and its
// template; closing it closes the frames that show it.
#pragma once

#include "framework/CmdTarget.h"
#include "framework/String.h"

#include <vector>

class CDocTemplate;
class CView;

class CDocument : public CCmdTarget {
    DECLARE_DYNAMIC(CDocument)
public:
    CDocument() = default;
    ~CDocument() override;

    virtual BOOL OnNewDocument();
    // Closes every frame that shows the document, then deletes it.
    virtual void OnCloseDocument();
    virtual void DeleteContents() {}

    void AddView(CView* pView);
    void RemoveView(CView* pView);
    const std::vector<CView*>& GetViews() const { return m_views; }

    CDocTemplate* m_pDocTemplate = nullptr;

protected:
    BOOL m_bAutoDelete = TRUE;
    std::vector<CView*> m_views;
};
