#include "framework/Dpi.h"

namespace {

constexpr const wchar_t* kDpiProperty = L"fw.LayoutDpi";

using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
using GetSystemMetricsForDpiFn = int(WINAPI*)(int, UINT);

// A function of user32 that older systems lack, or null.
template <typename Fn>
Fn User32Function(const char* name)
{
    HMODULE user32 = ::GetModuleHandleW(L"user32.dll");
    return user32 ? reinterpret_cast<Fn>(reinterpret_cast<void*>(::GetProcAddress(user32, name))) : nullptr;
}

UINT SystemDpiOfWindow(HWND window)
{
    static const auto getDpiForWindow = User32Function<GetDpiForWindowFn>("GetDpiForWindow");
    UINT dpi = getDpiForWindow && window ? getDpiForWindow(window) : 0;
    return dpi ? dpi : fw::ScreenDpi();
}

BOOL CALLBACK NotifyChild(HWND child, LPARAM)
{
    ::SendMessageW(child, fw::kDpiChangedAfterParentMessage, 0, 0);
    return TRUE;
}

} // namespace

namespace fw {

UINT ScreenDpi()
{
    HDC screen = ::GetDC(nullptr);
    int dpi = screen ? ::GetDeviceCaps(screen, LOGPIXELSX) : 0;
    if (screen)
        ::ReleaseDC(nullptr, screen);
    return dpi > 0 ? static_cast<UINT>(dpi) : kDefaultDpi;
}

UINT DpiOf(HWND window)
{
    HWND root = window ? ::GetAncestor(window, GA_ROOT) : nullptr;
    if (root) {
        auto recorded = reinterpret_cast<UINT_PTR>(::GetPropW(root, kDpiProperty));
        if (recorded)
            return static_cast<UINT>(recorded);
    }
    return SystemDpiOfWindow(window);
}

void SetWindowDpi(HWND topLevel, UINT dpi)
{
    if (dpi)
        ::SetPropW(topLevel, kDpiProperty, reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(dpi)));
    else
        ::RemovePropW(topLevel, kDpiProperty);
}

int SystemMetric(int index, UINT dpi)
{
    static const auto forDpi = User32Function<GetSystemMetricsForDpiFn>("GetSystemMetricsForDpi");
    if (forDpi)
        return forDpi(index, dpi);
    return ::MulDiv(::GetSystemMetrics(index), static_cast<int>(dpi), static_cast<int>(ScreenDpi()));
}

void NotifyChildrenOfDpi(HWND parent)
{
    ::EnumChildWindows(parent, NotifyChild, 0);
}

} // namespace fw
