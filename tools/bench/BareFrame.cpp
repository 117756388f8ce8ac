// The second floor of startup_bench: a plain Win32 program that shows what
// the program's main window is made of, with none of its code: a maximised
// frame with a menu bar of three menus, a flat toolbar of eleven 18 x 18
// buttons with tips, a status bar of four parts and a client window with a
// sunken edge, painted, and waits for it to be closed. It loads the common
// controls (version 6, through its manifest) as the program must for its
// toolbar and status bar; bare_window does not.
//
//   bare_frame      (started by startup_bench)
#include <windows.h>
#include <commctrl.h>
#include <iterator>

namespace {

constexpr int kImageSize = 18;
constexpr int kButtons = 13; // eleven buttons, two separators
constexpr int kStatusParts = 4;

HWND gToolbar = nullptr;
HWND gStatus = nullptr;
HWND gClient = nullptr;

HMENU MakeMenuBar()
{
    HMENU bar = ::CreateMenu();
    const wchar_t* const menus[] = {L"&Test", L"&Service", L"&Help"};
    const int items[] = {6, 7, 4};
    UINT id = 100;
    for (int m = 0; m < 3; ++m) {
        HMENU popup = ::CreatePopupMenu();
        for (int i = 0; i < items[m]; ++i)
            ::AppendMenuW(popup, MF_STRING, id++, L"Menu item");
        ::AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), menus[m]);
    }
    return bar;
}

// A strip of button images in the screen's colours, as a toolbar bitmap is.
HBITMAP MakeButtonImages()
{
    HDC screen = ::GetDC(nullptr);
    HBITMAP strip = ::CreateCompatibleBitmap(screen, kImageSize * kButtons, kImageSize);
    HDC dc = ::CreateCompatibleDC(screen);
    HGDIOBJ old = ::SelectObject(dc, strip);
    RECT all{0, 0, kImageSize * kButtons, kImageSize};
    ::FillRect(dc, &all, ::GetSysColorBrush(COLOR_BTNFACE));
    for (int i = 0; i < kButtons; ++i) {
        RECT cell{i * kImageSize + 3, 3, (i + 1) * kImageSize - 3, kImageSize - 3};
        ::FillRect(dc, &cell, ::GetSysColorBrush(i % 2 ? COLOR_HIGHLIGHT : COLOR_BTNSHADOW));
    }
    ::SelectObject(dc, old);
    ::DeleteDC(dc);
    ::ReleaseDC(nullptr, screen);
    return strip;
}

void MakeToolbar(HWND frame, HINSTANCE instance)
{
    gToolbar = ::CreateWindowExW(0, TOOLBARCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS,
                                 0, 0, 0, 0, frame, nullptr, instance, nullptr);
    ::SendMessageW(gToolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    ::SendMessageW(gToolbar, TB_SETBITMAPSIZE, 0, MAKELPARAM(kImageSize, kImageSize));
    TBADDBITMAP images{nullptr, reinterpret_cast<UINT_PTR>(MakeButtonImages())};
    ::SendMessageW(gToolbar, TB_ADDBITMAP, kButtons, reinterpret_cast<LPARAM>(&images));
    TBBUTTON buttons[kButtons]{};
    for (int i = 0; i < kButtons; ++i) {
        const bool separator = i == 6 || i == 11;
        buttons[i].iBitmap = separator ? 0 : i;
        buttons[i].idCommand = separator ? 0 : 200 + i;
        buttons[i].fsState = TBSTATE_ENABLED;
        buttons[i].fsStyle = separator ? BTNS_SEP : BTNS_BUTTON;
    }
    ::SendMessageW(gToolbar, TB_ADDBUTTONSW, kButtons, reinterpret_cast<LPARAM>(buttons));
    ::SendMessageW(gToolbar, TB_AUTOSIZE, 0, 0);
}

void MakeStatusBar(HWND frame, HINSTANCE instance)
{
    gStatus = ::CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0, frame,
                                nullptr, instance, nullptr);
    const int edges[kStatusParts] = {600, 660, 720, -1};
    ::SendMessageW(gStatus, SB_SETPARTS, kStatusParts, reinterpret_cast<LPARAM>(edges));
    ::SendMessageW(gStatus, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(L"Ready"));
}

void LayOut(HWND frame)
{
    ::SendMessageW(gToolbar, TB_AUTOSIZE, 0, 0);
    ::SendMessageW(gStatus, WM_SIZE, 0, 0);
    RECT client, bar, status;
    ::GetClientRect(frame, &client);
    ::GetWindowRect(gToolbar, &bar);
    ::GetWindowRect(gStatus, &status);
    const int top = bar.bottom - bar.top;
    const int bottom = client.bottom - (status.bottom - status.top);
    ::MoveWindow(gClient, 0, top, client.right, bottom - top, TRUE);
}

LRESULT CALLBACK FrameProc(HWND hwnd, UINT message, WPARAM wp, LPARAM lp)
{
    switch (message) {
    case WM_SIZE:
        if (gClient)
            LayOut(hwnd);
        return 0;
    case WM_DESTROY:
        ::PostQuitMessage(0);
        return 0;
    default:
        return ::DefWindowProcW(hwnd, message, wp, lp);
    }
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int)
{
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&icc);
    WNDCLASSW wc{};
    wc.lpfnWndProc = FrameProc;
    wc.hInstance = instance;
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = L"BareFrame";
    if (!::RegisterClassW(&wc))
        return 1;
    HWND frame = ::CreateWindowExW(0, wc.lpszClassName, L"Bare frame", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                                   CW_USEDEFAULT, 0, CW_USEDEFAULT, 0, nullptr, MakeMenuBar(), instance, nullptr);
    if (!frame)
        return 1;
    MakeToolbar(frame, instance);
    MakeStatusBar(frame, instance);
    gClient = ::CreateWindowExW(WS_EX_CLIENTEDGE, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, frame, nullptr,
                                instance, nullptr);
    LayOut(frame);
    ::ShowWindow(frame, SW_SHOWMAXIMIZED);
    ::UpdateWindow(frame);
    MSG msg;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    return 0;
}
