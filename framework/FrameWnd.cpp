#include "framework/FrameWnd.h"
#include "framework/ControlBar.h"
#include "framework/Document.h"
#include "framework/Dpi.h"
#include "framework/Text.h"
#include "framework/View.h"
#include "framework/ExceptionReport.h"
#include "framework/WinThread.h"
#include <algorithm>
#include <commctrl.h>

namespace {

// Command state of one item of a popup menu.
class MenuItemCmdUI : public CCmdUI {
public:
    MenuItemCmdUI(HMENU menu, UINT index, UINT id) : CCmdUI(id), menu_(menu), index_(index) {}
    void Enable(bool on) override
    {
        ::EnableMenuItem(menu_, index_, MF_BYPOSITION | (on ? MF_ENABLED : MF_GRAYED));
    }
    void SetCheck(int check) override
    {
        ::CheckMenuItem(menu_, index_, MF_BYPOSITION | (check ? MF_CHECKED : MF_UNCHECKED));
    }

private:
    HMENU menu_;
    UINT index_;
};

BOOL CALLBACK UpdateBarOfChild(HWND child, LPARAM frame)
{
    // An enumeration callback must not let an exception through user32.
    try {
        if (auto* bar = dynamic_cast<CControlBar*>(CWnd::FromHandle(child)))
            bar->UpdateCommandUI(*reinterpret_cast<CFrameWnd*>(frame));
    } catch (...) {
        fw::ReportException(std::current_exception());
        return FALSE;
    }
    return TRUE;
}

} // namespace

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
    ON_MESSAGE(WM_CREATE, OnCreate)
    ON_MESSAGE(WM_SIZE, OnSize)
    ON_MESSAGE(WM_CLOSE, OnClose)
    ON_MESSAGE(WM_DESTROY, OnDestroy)
    ON_MESSAGE(WM_SETFOCUS, OnSetFocus)
    ON_MESSAGE(WM_INITMENUPOPUP, OnInitMenuPopup)
    ON_MESSAGE(WM_MENUSELECT, OnMenuSelect)
    ON_MESSAGE(WM_EXITMENULOOP, OnExitMenuLoop)
    ON_MESSAGE(fw::WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
    ON_MESSAGE(WM_SETCURSOR, OnSetCursor)
    ON_MESSAGE(fw::kDpiChangedMessage, OnDpiChanged)
END_MESSAGE_MAP()

CFrameWnd::~CFrameWnd() = default;

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCTW&)
{
    return TRUE;
}

BOOL CFrameWnd::LoadFrame(UINT resourceId, DWORD style, HWND parent, CCreateContext* context)
{
    m_nIDResource = resourceId;
    m_pContext = context;
    HINSTANCE module = fw::ResourceModule();
    HICON icon = ::LoadIconW(module, MAKEINTRESOURCEW(resourceId));
    const wchar_t* cls = fw::RegisterWndClass(CS_DBLCLKS, ::LoadCursorW(nullptr, IDC_ARROW),
                                              reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1), icon);
    m_hMenu = ::LoadMenuW(module, MAKEINTRESOURCEW(resourceId));
    // The restored size is the whole work area: a window manager that will
    // not maximise a window without a sizing border still shows it in full.
    RECT rc{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &rc, 0);
    std::wstring title = CWinThread::Current() ? CWinThread::Current()->Title() : L"";
    BOOL ok = CreateEx(0, cls, title.c_str(), style, rc, parent,
                       static_cast<UINT>(reinterpret_cast<UINT_PTR>(m_hMenu)));
    m_pContext = nullptr;
    if (!ok) {
        // The menu may have gone with a window that failed in WM_CREATE.
        if (m_hMenu && ::IsMenu(m_hMenu))
            ::DestroyMenu(m_hMenu);
        m_hMenu = nullptr;
    }
    return ok;
}

LRESULT CFrameWnd::OnCreate(WPARAM, LPARAM)
{
    // Everything inside is laid out for the scale of the monitor the frame
    // opens on, until WM_DPICHANGED says otherwise.
    fw::SetWindowDpi(m_hWnd, fw::DpiOf(m_hWnd));
    if (m_pContext && m_pContext->newView) {
        CView* view = m_pContext->newView();
        if (!view || !view->Create(m_hWnd, AFX_IDW_PANE_FIRST, m_pContext)) {
            delete view;
            return -1;
        }
        m_pActiveView = view;
    }
    return 0;
}

void CFrameWnd::AddControlBar(CControlBar* bar)
{
    m_bars.push_back(bar);
}

void CFrameWnd::RemoveControlBar(CControlBar* bar)
{
    m_bars.erase(std::remove(m_bars.begin(), m_bars.end(), bar), m_bars.end());
}

void CFrameWnd::RecalcLayout()
{
    RECT rc = GetClientRect();
    for (CControlBar* bar : m_bars) {
        if (!bar->IsWindow() || !::IsWindowVisible(bar->m_hWnd))
            continue;
        int h = bar->CalcHeight();
        if (bar->DocksAtBottom()) {
            ::MoveWindow(bar->m_hWnd, rc.left, rc.bottom - h, rc.right - rc.left, h, TRUE);
            rc.bottom -= h;
        } else {
            ::MoveWindow(bar->m_hWnd, rc.left, rc.top, rc.right - rc.left, h, TRUE);
            rc.top += h;
        }
    }
    if (m_pActiveView && m_pActiveView->IsWindow())
        m_pActiveView->MoveWindow(rc);
}

LRESULT CFrameWnd::OnSize(WPARAM wp, LPARAM)
{
    if (wp != SIZE_MINIMIZED)
        RecalcLayout();
    return 0;
}

LRESULT CFrameWnd::OnClose(WPARAM, LPARAM)
{
    CDocument* doc = m_pActiveView ? m_pActiveView->GetDocument() : nullptr;
    if (doc && !doc->SaveModified())
        return 0;
    DestroyWindow();
    return 0;
}

LRESULT CFrameWnd::OnDestroy(WPARAM, LPARAM)
{
    // The view goes before the frame's last message: remember its document
    // now and route nothing to the view any more.
    m_pDocumentToClose = m_pActiveView ? m_pActiveView->GetDocument() : nullptr;
    m_pActiveView = nullptr;
    fw::SetWindowDpi(m_hWnd, 0);
    CWinThread* app = CWinThread::Current();
    if (app && app->m_pMainWnd == this)
        ::PostQuitMessage(0);
    return Default();
}

void CFrameWnd::PostNcDestroy()
{
    CWinThread* app = CWinThread::Current();
    if (app && app->m_pMainWnd == this)
        app->m_pMainWnd = nullptr;
    CDocument* doc = m_pDocumentToClose;
    if (doc && doc->Views().empty() && doc->m_ppTemplateSlot)
        delete doc; // its template forgets it as it goes
    delete this;
}

LRESULT CFrameWnd::OnSetFocus(WPARAM, LPARAM)
{
    if (m_pActiveView && m_pActiveView->IsWindow())
        m_pActiveView->SetFocus();
    return 0;
}

void CFrameWnd::UpdateMenuCommandUI(HMENU menu)
{
    int count = ::GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        UINT id = ::GetMenuItemID(menu, i);
        if (id == 0 || id == static_cast<UINT>(-1))
            continue; // separator or popup
        MenuItemCmdUI ui(menu, static_cast<UINT>(i), id);
        if (!OnUpdateCmdMsg(ui))
            ui.Enable(HasCommandHandler(id));
    }
}

LRESULT CFrameWnd::OnInitMenuPopup(WPARAM wp, LPARAM lp)
{
    if (HIWORD(lp))
        return Default(); // the system menu
    UpdateMenuCommandUI(reinterpret_cast<HMENU>(wp));
    return 0;
}

void CFrameWnd::SetMessageText(const std::wstring& text)
{
    HWND status = GetDlgItem(AFX_IDW_STATUS_BAR);
    if (status)
        ::SendMessageW(status, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void CFrameWnd::SetMessageText(UINT stringId)
{
    SetMessageText(fw::LoadResString(stringId));
}

void CFrameWnd::ShowCommandPrompt(UINT id)
{
    if (id == 0) {
        SetMessageText(AFX_IDS_IDLEMESSAGE);
        return;
    }
    std::wstring text = fw::LoadResString(id);
    SetMessageText(text.substr(0, text.find(L'\n')));
}

LRESULT CFrameWnd::OnMenuSelect(WPARAM wp, LPARAM lp)
{
    UINT id = LOWORD(wp);
    UINT flags = HIWORD(wp);
    if (flags == 0xFFFF && lp == 0)
        ShowCommandPrompt(0); // the menu closed
    else if (flags & (MF_POPUP | MF_SEPARATOR | MF_SYSMENU))
        SetMessageText(std::wstring());
    else
        ShowCommandPrompt(id);
    return 0;
}

LRESULT CFrameWnd::OnExitMenuLoop(WPARAM, LPARAM)
{
    ShowCommandPrompt(0);
    return 0;
}

void CFrameWnd::UpdateBarsCommandUI()
{
    ::EnumChildWindows(m_hWnd, UpdateBarOfChild, reinterpret_cast<LPARAM>(this));
}

LRESULT CFrameWnd::OnIdleUpdateCmdUI(WPARAM, LPARAM)
{
    UpdateBarsCommandUI();
    return 0;
}

LRESULT CFrameWnd::OnDpiChanged(WPARAM wp, LPARAM lp)
{
    // Moved to a monitor of another scale: the bars and the view scale
    // themselves first, then the frame takes the rectangle the system
    // suggests and lays them out in it.
    fw::SetWindowDpi(m_hWnd, LOWORD(wp));
    fw::NotifyChildrenOfDpi(m_hWnd);
    if (const auto* suggested = reinterpret_cast<const RECT*>(lp))
        ::SetWindowPos(m_hWnd, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                       suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
    RecalcLayout();
    return 0;
}

LRESULT CFrameWnd::OnSetCursor(WPARAM, LPARAM)
{
    CWinThread* app = CWinThread::Current();
    if (app && app->m_nWaitCursorCount > 0) {
        ::SetCursor(::LoadCursorW(nullptr, IDC_WAIT));
        return TRUE;
    }
    return Default();
}

// Commands go to the active view first, then the frame, then the application,
// under the command their id stands for.
bool CFrameWnd::OnCmdMsg(UINT id, UINT code)
{
    if (code == 0 || code == 1)
        id = MapCommandId(id); // a control's notification keeps its control's id
    if (m_pActiveView) {
        // The view's handler runs outside the view's window procedure: count
        // it, so that a view destroyed by its own command outlives the handler.
        CWnd::HandlerScope running(*m_pActiveView);
        if (m_pActiveView->OnCmdMsg(id, code))
            return true;
    }
    if (CWnd::OnCmdMsg(id, code))
        return true;
    CWinThread* app = CWinThread::Current();
    return app && app->OnCmdMsg(id, code);
}

bool CFrameWnd::OnUpdateCmdMsg(CCmdUI& ui)
{
    // The handlers see the command; the item keeps its own id to be found by.
    const UINT itemId = ui.m_nID;
    ui.m_nID = MapCommandId(itemId);
    bool handled = RouteUpdate(ui);
    ui.m_nID = itemId;
    return handled;
}

bool CFrameWnd::RouteUpdate(CCmdUI& ui)
{
    if (m_pActiveView) {
        CWnd::HandlerScope running(*m_pActiveView);
        if (m_pActiveView->OnUpdateCmdMsg(ui))
            return true;
    }
    if (CWnd::OnUpdateCmdMsg(ui))
        return true;
    CWinThread* app = CWinThread::Current();
    return app && app->OnUpdateCmdMsg(ui);
}

bool CFrameWnd::HasCommandHandler(UINT id) const
{
    id = MapCommandId(id);
    if (m_pActiveView && m_pActiveView->HasCommandHandler(id))
        return true;
    if (CWnd::HasCommandHandler(id))
        return true;
    CWinThread* app = CWinThread::Current();
    return app && app->HasCommandHandler(id);
}
