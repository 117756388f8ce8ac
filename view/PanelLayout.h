#pragma once
// Where the two panels of a test stand in the view: side by side, each
// 259 x 345 pixels, centred vertically, the free width split into three
// equal gaps (negative when the view is narrower than both panels).
#include <windows.h>

namespace PanelLayout {

constexpr int kPanelWidth = 259;
constexpr int kPanelHeight = 345;

struct PanelRects {
    RECT picture;
    RECT test;
};

// From the outer size of the view window.
inline PanelRects PlacePanels(int viewWidth, int viewHeight)
{
    int gap = (viewWidth - 2 * kPanelWidth) / 3;
    int top = (viewHeight - kPanelHeight) / 2;
    int testLeft = 2 * gap + kPanelWidth;
    return {{gap, top, gap + kPanelWidth, top + kPanelHeight},
            {testLeft, top, testLeft + kPanelWidth, top + kPanelHeight}};
}

// Outer width of a window, the base of the panels' inner coordinates.
inline int OuterWidth(HWND hwnd)
{
    RECT rc{};
    ::GetWindowRect(hwnd, &rc);
    return rc.right - rc.left;
}

// The thin border metric the panels' bottom edges are measured with.
inline int Border()
{
    return ::GetSystemMetrics(SM_CXBORDER);
}

// Paints a panel window's class background with the shared button-face brush.
inline void UseButtonFaceBackground(HWND panel, HBRUSH brush)
{
    ::SetClassLongPtrW(panel, GCLP_HBRBACKGROUND, reinterpret_cast<LONG_PTR>(brush));
}

} // namespace PanelLayout
