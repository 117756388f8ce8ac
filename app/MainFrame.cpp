#include "app/MainFrame.h"
#include "app/CommandSets.h"
#include "app/SplashWindow.h"
#include "app/VerbsGlobals.h"
#include "framework/Text.h"
#include "resources/resource.h"
#include <iterator>

namespace {
const UINT kIndicators[] = {0, ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL};
constexpr int kToolBarHeight = 32;
} // namespace

BEGIN_MESSAGE_MAP(CMainFrame, CFrameWnd)
    ON_MESSAGE(WM_CREATE, OnCreate)
    ON_MESSAGE(WM_LANGUAGE_SWITCH, OnLanguageSwitch)
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
    // Screens scaled above 100 % show the images drawn at twice the size.
    m_wndToolBar.SetLargeBitmap(IDB_TOOLBAR_LARGE);
    if (!m_wndToolBar.CreateEx(m_hWnd, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE,
                               CBRS_TOP | CBRS_GRIPPER | CBRS_TOOLTIPS | CBRS_FLYBY | CBRS_SIZE_DYNAMIC,
                               AFX_IDW_TOOLBAR) ||
        !m_wndToolBar.LoadToolBar(IDR_MAINFRAME))
        return -1;
    m_wndToolBar.SetHeight(kToolBarHeight);
    m_wndToolBar.SetBarStyle(m_wndToolBar.GetBarStyle() | CBRS_TOOLTIPS | CBRS_FLYBY | CBRS_SIZE_DYNAMIC);
    if (!m_wndStatusBar.Create(m_hWnd, WS_CHILD | WS_VISIBLE, AFX_IDW_STATUS_BAR) ||
        !m_wndStatusBar.SetIndicators(kIndicators, static_cast<int>(std::size(kIndicators))))
        return -1;
    m_wndStatusBar.SetPaneText(0, fw::LoadResString(AFX_IDS_IDLEMESSAGE));

    // The toolbar stays docked at the top; the layout puts it above the view.
    AddControlBar(&m_wndToolBar);
    AddControlBar(&m_wndStatusBar);
    RecalcLayout();

    CSplashWindow::ShowSplash(m_hWnd);
    return 0;
}

LRESULT CMainFrame::OnLanguageSwitch(WPARAM, LPARAM)
{
    bool english = IsEnglish();
    for (const ToolbarPosition& position : kToolbarPositions)
        m_wndToolBar.SetCommandId(position.index, english ? position.command->englishId : position.command->russianId);
    return 0;
}
