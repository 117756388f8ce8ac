#include "view/VerbsView.h"
#include "framework/Handles.h"

BEGIN_MESSAGE_MAP(CVerbsView, CView)
    ON_MESSAGE(WM_PAINT, OnPaint)
END_MESSAGE_MAP()

CVerbsView::CVerbsView() = default;
CVerbsView::~CVerbsView() = default;

BOOL CVerbsView::Create(HWND parentFrame, UINT id, CCreateContext* context)
{
    return CView::Create(parentFrame, id, context);
}

LRESULT CVerbsView::OnPaint(WPARAM, LPARAM)
{
    fw::PaintDc dc(m_hWnd);
    ::FillRect(dc.get(), &dc.paint().rcPaint, ::GetSysColorBrush(COLOR_APPWORKSPACE));
    return 0;
}
