#include "app/MainFrame.h"

BEGIN_MESSAGE_MAP(CMainFrame, CFrameWnd)
    ON_MESSAGE(WM_CREATE, OnCreate)
END_MESSAGE_MAP()

BOOL CMainFrame::PreCreateWindow(CREATESTRUCTW& cs)
{
    // No sizing border; the title is the program's own, never a document name.
    cs.style = WS_DLGFRAME | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
    return CFrameWnd::PreCreateWindow(cs);
}

LRESULT CMainFrame::OnCreate(WPARAM wp, LPARAM lp)
{
    if (CFrameWnd::OnCreate(wp, lp) == -1)
        return -1;
    return 0;
}
