#include "framework/View.h"
#include "framework/CreateContext.h"
#include "framework/Document.h"

CView::~CView()
{
    if (m_pDocument)
        m_pDocument->RemoveView(this);
}

BOOL CView::PreCreateWindow(CREATESTRUCTW& cs)
{
    cs.dwExStyle |= WS_EX_CLIENTEDGE;
    return TRUE;
}

BOOL CView::Create(HWND parentFrame, UINT id, CCreateContext* context)
{
    if (context && context->document) {
        m_pDocument = context->document;
        m_pDocument->AddView(this);
    }
    RECT rc{0, 0, 0, 0};
    return CreateEx(0, fw::DefaultChildClass(), L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, rc,
                    parentFrame, id);
}

void CView::PostNcDestroy()
{
    delete this;
}

// Commands go to the view, then to its document.
bool CView::OnCmdMsg(UINT id, UINT code)
{
    return CWnd::OnCmdMsg(id, code) || (m_pDocument && m_pDocument->OnCmdMsg(id, code));
}

bool CView::OnUpdateCmdMsg(CCmdUI& ui)
{
    return CWnd::OnUpdateCmdMsg(ui) || (m_pDocument && m_pDocument->OnUpdateCmdMsg(ui));
}

bool CView::HasCommandHandler(UINT id) const
{
    return CWnd::HasCommandHandler(id) || (m_pDocument && m_pDocument->HasCommandHandler(id));
}
