// Shows the picture control as a test leaves it partway: picture n (1-16) of
// the theme library beside this program with the given number of its 320
// cells uncovered, in a window of its own, for some seconds. Used by the
// screenshot scenes to look at the pictures under their tiles.
//
//   picture_show [picture 1-16] [uncovered cells] [seconds] [theme library file]
#include "base/VerbsGlobals.h"
#include "pictures/PictureCtrl.h"
#include "pictures/PictureThemes.h"
#include <objbase.h>
#include <algorithm>
#include <cstdio>

int wmain(int argc, wchar_t** argv)
{
    int picture = argc > 1 ? std::clamp(_wtoi(argv[1]), 1, 16) : 1;
    int uncovered = argc > 2 ? std::clamp(_wtoi(argv[2]), 0, CPictureCtrl::kCells) : CPictureCtrl::kCells / 2;
    int seconds = argc > 3 ? std::clamp(_wtoi(argv[3]), 1, 600) : 10;
    const wchar_t* file = argc > 4 ? argv[4] : kShippedThemeFile;
    ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    CVerbsGlobals globals;
    PictureTheme theme;
    if (!LoadPictureTheme(ProgramFolder(), file, theme)) {
        std::fwprintf(stderr, L"no theme library %ls beside this program\n", file);
        return 1;
    }
    globals.m_hCurrentTheme = theme.library.get();

    RECT frame{0, 0, 253, 313};
    DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
    ::AdjustWindowRect(&frame, style, FALSE);
    WNDCLASSW wc{};
    wc.lpfnWndProc = ::DefWindowProcW;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = L"PictureShow";
    ::RegisterClassW(&wc);
    HWND host = ::CreateWindowExW(0, wc.lpszClassName, L"Picture", style | WS_CLIPCHILDREN, 40, 40,
                                  frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr, nullptr,
                                  nullptr);
    CPictureCtrl control;
    for (int i = 0; i < CPictureCtrl::kPictures && control.PictureIndex() != picture - 1; ++i) {
        control.Create(host);
        control.DestroyWindow();
    }
    control.Create(host);
    while (control.UncoveredCount() < uncovered)
        control.UncoverCell();
    ::ShowWindow(host, SW_SHOW);
    control.RedrawNow();

    // Ends when the time is up or the window is gone.
    UINT_PTR timer = ::SetTimer(nullptr, 0, static_cast<UINT>(seconds) * 1000, nullptr);
    MSG msg;
    while (::IsWindow(host) && ::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (msg.message == WM_TIMER && msg.hwnd == nullptr && msg.wParam == timer)
            break;
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    ::KillTimer(nullptr, timer);
    control.DestroyWindow();
    ::DestroyWindow(host);
    ::CoUninitialize();
    return 0;
}
