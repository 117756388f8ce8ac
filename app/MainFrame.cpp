#include "app/MainFrame.h"
#include "app/CommandSets.h"
#include "app/SplashWindow.h"
#include "base/VerbsGlobals.h"
#include "dialogs/FontChoice.h"
#include "dialogs/LearningOptionsDlg.h"
#include "dialogs/MistakesReviewDlg.h"
#include "dialogs/OptionsDlg.h"
#include "dialogs/StatisticsDlg.h"
#include "dialogs/UsedGroupsDlg.h"
#include "dialogs/VerbsListDlg.h"
#include "framework/Text.h"
#include "framework/WinApp.h"
#include "pictures/PictureThemeDlg.h"
#include "resources/resource.h"
#include "view/VerbsView.h"
#include <iterator>

namespace {
const UINT kIndicators[] = {0, ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL};
constexpr int kToolBarHeight = 32;
} // namespace

BEGIN_MESSAGE_MAP(CMainFrame, CFrameWnd)
    ON_MESSAGE(WM_CREATE, OnCreate)
    ON_MESSAGE(WM_LANGUAGE_SWITCH, OnLanguageSwitch)
    ON_COMMAND(ID_OPTIONS_RU, OnOptions)
    ON_COMMAND(ID_LEARNING_OPTIONS_RU, OnLearningOptions)
    ON_COMMAND(ID_TEST_REVIEW, OnReviewMistakes)
    ON_COMMAND(ID_USED_GROUPS_RU, OnUsedGroups)
    ON_COMMAND(ID_VERBS_LIST_RU, OnVerbsList)
    ON_COMMAND(ID_FONT_RU, OnFont)
    ON_COMMAND(ID_THEME_RU, OnPictureTheme)
    ON_UPDATE_COMMAND_UI(ID_VERBS_LIST_RU, OnUpdateWhenIdle)
    ON_UPDATE_COMMAND_UI(ID_OPTIONS_RU, OnUpdateWhenIdle)
    ON_UPDATE_COMMAND_UI(ID_LEARNING_OPTIONS_RU, OnUpdateWhenIdle)
    ON_UPDATE_COMMAND_UI(ID_FONT_RU, OnUpdateWhenIdle)
    ON_UPDATE_COMMAND_UI(ID_THEME_RU, OnUpdateWhenIdle)
    ON_UPDATE_COMMAND_UI(ID_USED_GROUPS_RU, OnUpdateWhenIdle)
    // The statistics of the answer history.
    ON_COMMAND(ID_STATISTICS_RU, OnStatistics)
    ON_UPDATE_COMMAND_UI(ID_STATISTICS_RU, OnUpdateWhenIdle)
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
    // Every message to the bar goes through its subclass, which is not free
    // under Wine: the count is asked once and only changed ids are set.
    bool english = IsEnglish();
    const int count = m_wndToolBar.GetCount();
    for (int i = 0; i < count; ++i) {
        const UINT id = m_wndToolBar.GetItemID(i);
        const UINT wanted = id ? CommandIdIn(id, english) : id;
        if (wanted != id)
            m_wndToolBar.SetCommandId(i, wanted);
    }
    if (auto* view = dynamic_cast<CVerbsView*>(GetActiveView()))
        view->FollowLanguage();
    return 0;
}

UINT CMainFrame::MapCommandId(UINT id) const
{
    return CommandOfId(id);
}

bool CMainFrame::OnCmdMsg(UINT id, UINT code)
{
    if (CWinApp* app = CWinApp::Current())
        app->PrepareForCommand();
    return CFrameWnd::OnCmdMsg(id, code);
}

void CMainFrame::ApplyLanguage()
{
    // The resources carry the Russian menu and toolbar ids.
    if (IsEnglish())
        BuildEnglishMenu();
    else
        SetWindowText(fw::LoadResString(IDS_MAIN_TITLE));
}

bool CMainFrame::TestRuns() const
{
    auto* view = dynamic_cast<CVerbsView*>(GetActiveView());
    return view && view->IsRunning();
}

void CMainFrame::OnOptions()
{
    bool wasEnglish = IsEnglish();
    COptionsDlg dialog(m_hWnd);
    if (dialog.DoModal() == IDOK && IsEnglish() != wasEnglish)
        IsEnglish() ? BuildEnglishMenu() : BuildRussianMenu();
}

void CMainFrame::OnLearningOptions()
{
    if (TestRuns())
        return; // a running test keeps the options it started with
    CLearningOptionsDlg dialog(m_hWnd);
    dialog.DoModal();
}

void CMainFrame::OnReviewMistakes()
{
    auto* view = dynamic_cast<CVerbsView*>(GetActiveView());
    const TestSession* test = view ? view->LastTest() : nullptr;
    if (!test || (test->IsRunning() && !test->AllAsked()))
        return; // reviewed at the closing display or after the end
    CMistakesReviewDlg dialog(*test, Globals().m_verbs, m_hWnd);
    if (dialog.DoModal() == IDC_DRILL && view->IsWindow())
        view->SendMessage(WM_COMMAND, ID_TEST_DRILL_RU, 0);
}

void CMainFrame::OnUsedGroups()
{
    CUsedGroupsDlg dialog(Globals().m_profile, m_hWnd);
    dialog.DoModal();
}

void CMainFrame::OnVerbsList()
{
    if (TestRuns())
        return; // a new font would replace the one the running test's panels hold
    CVerbsListDlg dialog(m_hWnd);
    dialog.DoModal();
}

void CMainFrame::OnFont()
{
    if (TestRuns())
        return; // loading the new font deletes the one the running test's panels hold
    ChooseUserFont(m_hWnd);
}

void CMainFrame::OnPictureTheme()
{
    if (TestRuns())
        return; // the theme changes only between tests
    CPictureThemeDlg dialog(m_hWnd);
    dialog.DoModal();
}

void CMainFrame::OnStatistics()
{
    CStatisticsDlg dialog(m_hWnd);
    dialog.DoModal();
}

void CMainFrame::OnUpdateWhenIdle(CCmdUI& ui)
{
    ui.Enable(!TestRuns());
}
