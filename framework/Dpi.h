#pragma once
// Screen scale of windows. Layouts are written in pixels of a 96-DPI screen
// and scaled to the DPI of the window they go into. The functions of newer
// systems are looked up at run time; where they are missing the screen's
// LOGPIXELSX stands in (one scale for the whole desktop).
//
// A top-level window may record the DPI it last laid itself out for
// (SetWindowDpi, done by a frame at creation and on WM_DPICHANGED); its
// children then take that DPI, so that they agree with the frame while it
// moves between monitors.
#include <windows.h>

namespace fw {

constexpr UINT kDefaultDpi = 96;

// The messages of per-monitor scaling (the older headers lack them).
constexpr UINT kDpiChangedMessage = 0x02E0;            // WM_DPICHANGED
constexpr UINT kDpiChangedAfterParentMessage = 0x02E3; // WM_DPICHANGED_AFTERPARENT

// The DPI of the screen as a whole (the screen DC's LOGPIXELSX).
UINT ScreenDpi();
// The DPI a window is shown at: the one its top-level window recorded, else
// the system's per-window DPI, else the screen's.
UINT DpiOf(HWND window);
// Records the DPI a top-level window is laid out for (0 forgets it).
void SetWindowDpi(HWND topLevel, UINT dpi);

// A length of the 96-DPI layout at the given DPI (rounded to nearest).
inline int Scale(int value, UINT dpi)
{
    return ::MulDiv(value, static_cast<int>(dpi), static_cast<int>(kDefaultDpi));
}
inline RECT Scale(const RECT& rc, UINT dpi)
{
    return {Scale(rc.left, dpi), Scale(rc.top, dpi), Scale(rc.right, dpi), Scale(rc.bottom, dpi)};
}

// A system metric at the given DPI (GetSystemMetricsForDpi where the system
// has it, else the metric scaled from the screen's DPI).
int SystemMetric(int index, UINT dpi);

// Sends kDpiChangedAfterParentMessage to every window below parent, parents
// before their children, as the system does for per-monitor windows.
void NotifyChildrenOfDpi(HWND parent);

} // namespace fw
