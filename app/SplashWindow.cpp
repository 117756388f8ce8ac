#include "app/SplashWindow.h"
#include "framework/Text.h"
#include "resources/resource.h"
#include "VerbsVersion.h"
#include <string>

namespace {

// The version line sits on the picture's title panel, centred under the
// go - went - gone cards, in the picture's soft grey-blue.
constexpr int kVersionBaseline = 269;
constexpr COLORREF kVersionColor = RGB(84, 96, 114);
constexpr int kVersionFontHeight = 11; // pixels, the cell without leading

fw::UniqueFont CreateVersionFont()
{
    return fw::UniqueFont(::CreateFontW(-kVersionFontHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                        OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY,
                                        DEFAULT_PITCH | FF_SWISS, L"Tahoma"));
}

} // namespace

bool CSplashWindow::s_enabled = false;
CSplashWindow* CSplashWindow::s_current = nullptr;
HWND CSplashWindow::s_waitingOwner = nullptr;

BEGIN_MESSAGE_MAP(CSplashWindow, CWnd)
    ON_MESSAGE(WM_CREATE, OnCreate)
    ON_MESSAGE(WM_PAINT, OnPaint)
    ON_MESSAGE(WM_PRINTCLIENT, OnPrintClient)
    ON_MESSAGE(WM_TIMER, OnTimer)
END_MESSAGE_MAP()

CSplashWindow::~CSplashWindow()
{
    if (s_current == this)
        s_current = nullptr;
}

void CSplashWindow::EnableSplash(bool enable)
{
    s_enabled = enable;
    s_waitingOwner = nullptr; // a start never shows a splash that waited for an earlier window
}

void CSplashWindow::ShowSplash(HWND parent)
{
    if (!s_enabled || s_current)
        return;
    // Over a parent still hidden the splash is made when the parent is on
    // screen: the parent shows without waiting for the picture.
    if (parent && !::IsWindowVisible(parent)) {
        s_waitingOwner = parent;
        return;
    }
    MakeSplash(parent, parent != nullptr);
}

void CSplashWindow::MakeSplash(HWND parent, bool visible)
{
    s_current = new CSplashWindow;
    if (s_current->Create(parent, visible))
        s_current->UpdateWindow();
    else if (s_current)
        delete s_current; // not deleted by its window yet; the destructor clears the pointer
}

BOOL CSplashWindow::Create(HWND parent, bool visible)
{
    m_bitmap.reset(static_cast<HBITMAP>(
        ::LoadImageW(fw::ResourceModule(), MAKEINTRESOURCEW(IDB_SPLASH), IMAGE_BITMAP, 0, 0, 0)));
    if (!m_bitmap)
        return FALSE;
    BITMAP info{};
    ::GetObjectW(m_bitmap.get(), sizeof(info), &info);
    m_versionFont = CreateVersionFont();
    m_hOwner = parent;
    const wchar_t* cls = fw::RegisterWndClass(0, ::LoadCursorW(nullptr, IDC_ARROW));
    RECT rc{0, 0, info.bmWidth, info.bmHeight};
    return CreateEx(0, cls, L"", WS_POPUP | (visible ? WS_VISIBLE : 0), rc, parent, 0);
}

void CSplashWindow::RevealSplash()
{
    const HWND owner = s_waitingOwner;
    s_waitingOwner = nullptr;
    if (!s_current && s_enabled && owner && ::IsWindowVisible(owner))
        MakeSplash(owner, false);
    if (!s_current || ::IsWindowVisible(s_current->m_hWnd))
        return;
    s_current->CenterWindow(s_current->m_hOwner);
    s_current->ShowWindow(SW_SHOWNA);
    s_current->UpdateWindow();
}

LRESULT CSplashWindow::OnCreate(WPARAM, LPARAM)
{
    CenterWindow(m_hOwner);
    ::SetTimer(m_hWnd, kTimerId, kTimeoutMs, nullptr);
    return 0;
}

LRESULT CSplashWindow::OnPaint(WPARAM, LPARAM)
{
    fw::PaintDc dc(m_hWnd);
    Draw(dc.get());
    return 0;
}

LRESULT CSplashWindow::OnPrintClient(WPARAM wp, LPARAM)
{
    Draw(reinterpret_cast<HDC>(wp));
    return 0;
}

void CSplashWindow::Draw(HDC dc)
{
    BITMAP info{};
    ::GetObjectW(m_bitmap.get(), sizeof(info), &info);
    {
        fw::UniqueMemoryDc memory(::CreateCompatibleDC(dc));
        if (!memory)
            return;
        fw::SelectedObject selected(memory.get(), m_bitmap.get());
        ::BitBlt(dc, 0, 0, info.bmWidth, info.bmHeight, memory.get(), 0, 0, SRCCOPY);
    }
    // Without its font the line is written in the system's, never left out.
    fw::SelectedObject font(dc, m_versionFont ? m_versionFont.get() : ::GetStockObject(DEFAULT_GUI_FONT));
    const std::wstring version = std::wstring(L"Version ") + VERBS_VERSION_WIDE;
    int oldMode = ::SetBkMode(dc, TRANSPARENT);
    COLORREF oldColor = ::SetTextColor(dc, kVersionColor);
    UINT oldAlign = ::SetTextAlign(dc, TA_BASELINE | TA_CENTER);
    ::TextOutW(dc, info.bmWidth / 2, kVersionBaseline, version.c_str(), static_cast<int>(version.size()));
    ::SetTextAlign(dc, oldAlign);
    ::SetTextColor(dc, oldColor);
    ::SetBkMode(dc, oldMode);
}

LRESULT CSplashWindow::OnTimer(WPARAM wp, LPARAM)
{
    if (wp != kTimerId)
        return Default();
    ::KillTimer(m_hWnd, kTimerId);
    HideSplash();
    return 0;
}

bool CSplashWindow::FilterSplashMessage(const MSG* msg)
{
    if (!s_current)
        return false;
    switch (msg->message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
        s_current->HideSplash();
        return true;
    default:
        return false;
    }
}

void CSplashWindow::HideSplash()
{
    HWND owner = m_hOwner;
    DestroyWindow(); // the object deletes itself with its window
    if (owner && ::IsWindow(owner))
        ::RedrawWindow(owner, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void CSplashWindow::PostNcDestroy()
{
    delete this;
}
