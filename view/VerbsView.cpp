#include "view/VerbsView.h"
#include "app/CommandSets.h"
#include "app/VerbsGlobals.h"
#include "data/VerbTableReader.h"
#include "dialogs/FontChoice.h"
#include "dialogs/VerbsListDlg.h"
#include "framework/Text.h"
#include "framework/WaitCursor.h"
#include "resources/resource.h"

bool g_firstPaint = true;

CView* NewVerbsView()
{
    return new CVerbsView;
}

BEGIN_MESSAGE_MAP(CVerbsView, CView)
    ON_MESSAGE(WM_PAINT, OnPaint)
    ON_MESSAGE(WM_SETFOCUS, OnSetFocus)
    ON_MESSAGE(WM_ERASEBKGND, OnEraseBackground)
    ON_COMMAND(ID_APP_EXIT_RU, OnAppExit)
    ON_COMMAND(ID_APP_EXIT_EN, OnAppExit)
    ON_COMMAND(ID_VERBS_LIST_RU, OnVerbsList)
    ON_COMMAND(ID_VERBS_LIST_EN, OnVerbsList)
    ON_COMMAND(ID_FONT_RU, OnFont)
    ON_COMMAND(ID_FONT_EN, OnFont)
    ON_UPDATE_COMMAND_UI(ID_TEST_START_RU, OnUpdateWhenIdle)
    ON_UPDATE_COMMAND_UI(ID_TEST_START_EN, OnUpdateWhenIdle)
    ON_UPDATE_COMMAND_UI(ID_TEST_READY_RU, OnUpdateWhenRunning)
    ON_UPDATE_COMMAND_UI(ID_TEST_READY_EN, OnUpdateWhenRunning)
    ON_UPDATE_COMMAND_UI(ID_TEST_SKIP_RU, OnUpdateWhenRunning)
    ON_UPDATE_COMMAND_UI(ID_TEST_SKIP_EN, OnUpdateWhenRunning)
    ON_UPDATE_COMMAND_UI(ID_TEST_STOP_RU, OnUpdateWhenRunning)
    ON_UPDATE_COMMAND_UI(ID_TEST_STOP_EN, OnUpdateWhenRunning)
    ON_UPDATE_COMMAND_UI(ID_VERBS_LIST_RU, OnUpdateWhenIdle)
    ON_UPDATE_COMMAND_UI(ID_VERBS_LIST_EN, OnUpdateWhenIdle)
    ON_UPDATE_COMMAND_UI(ID_OPTIONS_RU, OnUpdateWhenIdle)
    ON_UPDATE_COMMAND_UI(ID_OPTIONS_EN, OnUpdateWhenIdle)
    ON_UPDATE_COMMAND_UI(ID_FONT_RU, OnUpdateWhenIdle)
    ON_UPDATE_COMMAND_UI(ID_FONT_EN, OnUpdateWhenIdle)
    ON_UPDATE_COMMAND_UI(ID_THEME_RU, OnUpdateWhenIdle)
    ON_UPDATE_COMMAND_UI(ID_THEME_EN, OnUpdateWhenIdle)
    ON_UPDATE_COMMAND_UI(ID_USED_GROUPS_RU, OnUpdateWhenIdle)
    ON_UPDATE_COMMAND_UI(ID_USED_GROUPS_EN, OnUpdateWhenIdle)
END_MESSAGE_MAP()

CVerbsView::CVerbsView()
    : m_bmpBackground(static_cast<HBITMAP>(
          ::LoadImageW(fw::ResourceModule(), MAKEINTRESOURCEW(IDB_BACKGROUND), IMAGE_BITMAP, 0, 0, 0)))
{
}

CVerbsView::~CVerbsView() = default;

BOOL CVerbsView::Create(HWND parentFrame, UINT id, CCreateContext* context)
{
    {
        // The verb table is read once per run, before the view exists.
        CWaitCursor wait;
        LoadVerbTable(Globals().m_verbs, fw::ResourceModule());
    }
    LoadUserFont();
    return CView::Create(parentFrame, id, context);
}

void CVerbsView::PaintBackground(HDC dc)
{
    fw::UniqueMemoryDc memory(m_bmpBackground ? ::CreateCompatibleDC(dc) : nullptr);
    if (!memory) {
        RECT rc = GetClientRect();
        ::FillRect(dc, &rc, ::GetSysColorBrush(COLOR_APPWORKSPACE));
        return;
    }
    fw::SelectedObject selected(memory.get(), m_bmpBackground.get());
    BITMAP info{};
    ::GetObjectW(m_bmpBackground.get(), sizeof(info), &info);
    if (info.bmWidth <= 0 || info.bmHeight <= 0)
        return;
    // Tiles start at the window's outer corner, left of and above the client
    // origin by the width of the view's edge.
    RECT rc = GetWindowRect();
    ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&rc), 2);
    for (int y = rc.top; y < rc.bottom; y += info.bmHeight)
        for (int x = rc.left; x < rc.right; x += info.bmWidth)
            ::BitBlt(dc, x, y, info.bmWidth, info.bmHeight, memory.get(), 0, 0, SRCCOPY);
}

LRESULT CVerbsView::OnPaint(WPARAM, LPARAM)
{
    if (g_firstPaint) {
        if (IsEnglish())
            BuildEnglishMenu();
        g_firstPaint = false;
    }
    fw::PaintDc dc(m_hWnd);
    PaintBackground(dc.get());
    return 0;
}

LRESULT CVerbsView::OnEraseBackground(WPARAM, LPARAM)
{
    return TRUE; // the tiles cover everything
}

LRESULT CVerbsView::OnSetFocus(WPARAM, LPARAM)
{
    return Default();
}

void CVerbsView::OnTestStop()
{
    m_bRunning = FALSE;
}

void CVerbsView::OnAppExit()
{
    OnTestStop();
    if (HWND frame = ::GetAncestor(m_hWnd, GA_ROOT))
        ::SendMessageW(frame, WM_CLOSE, 0, 0);
}

void CVerbsView::OnVerbsList()
{
    CVerbsListDlg dialog(m_hWnd);
    dialog.DoModal();
}

void CVerbsView::OnFont()
{
    ChooseUserFont(::GetAncestor(m_hWnd, GA_ROOT));
}

void CVerbsView::OnUpdateWhenIdle(CCmdUI& ui)
{
    ui.Enable(!m_bRunning);
}

void CVerbsView::OnUpdateWhenRunning(CCmdUI& ui)
{
    ui.Enable(m_bRunning != FALSE);
}
