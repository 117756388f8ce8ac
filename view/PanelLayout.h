#pragma once
// Where the two panels of a test stand in the view: side by side, each
// 259 x 345 pixels on a 96-DPI screen with the default font, centred
// vertically, the free width split into three equal gaps (negative when the
// view is narrower than both panels).
//
// On a larger scale every length grows with the DPI. With a font of the
// user's own, the test panel also grows to what that font needs: rows as
// tall as its lines, the panel as wide as the longest infinitive and status
// text, the translation strip as tall as the longest translation wraps to,
// room for the closing text; within the view. With the default font at
// 96 DPI nothing changes.
#include "framework/Dpi.h"
#include "framework/Handles.h"
#include <initializer_list>
#include <windows.h>

namespace PanelLayout {

constexpr int kPanelWidth = 259;
constexpr int kPanelHeight = 345;

struct PanelRects {
    RECT picture;
    RECT test;
};

// The sizes of one test's panels.
struct Metrics {
    UINT dpi = fw::kDefaultDpi;
    int testWidth = kPanelWidth; // outer width of the test panel
    // How much taller than on the default layout (scaled) the rows are that
    // show the user font: the status value, the infinitive, the translation
    // (which also makes room for the closing text).
    int statusExtra = 0;
    int infinitiveExtra = 0;
    int translationExtra = 0;

    // A length of the 96-DPI layout at this scale.
    int S(int length) const { return fw::Scale(length, dpi); }
    int PictureWidth() const { return S(kPanelWidth); }
    int PictureHeight() const { return S(kPanelHeight); }
    int TestHeight() const { return S(kPanelHeight) + statusExtra + infinitiveExtra + translationExtra; }
    // Top edges of the parts of the test panel, from the top of its client area.
    int AnswerTop() const { return S(48) + statusExtra; }
    int TranslationTop() const { return S(213) + statusExtra + infinitiveExtra; }
    int ButtonsTop() const { return S(291) + statusExtra + infinitiveExtra + translationExtra; }
    // Bottom edges, given the thin border metric.
    int StatusBottom(int border) const { return S(40) + 2 * border + statusExtra; }
    int AnswerBottom(int border) const { return S(205) + 2 * border + statusExtra + infinitiveExtra; }
    int TranslationBottom(int border) const { return S(285) + 2 * border + statusExtra + infinitiveExtra + translationExtra; }
};

// From the outer size of the view window.
inline PanelRects PlacePanels(int viewWidth, int viewHeight, const Metrics& m = Metrics())
{
    const int pictureWidth = m.PictureWidth(), testWidth = m.testWidth;
    int gap = (viewWidth - pictureWidth - testWidth) / 3;
    int pictureTop = (viewHeight - m.PictureHeight()) / 2;
    int testTop = (viewHeight - m.TestHeight()) / 2;
    int testLeft = 2 * gap + pictureWidth;
    return {{gap, pictureTop, gap + pictureWidth, pictureTop + m.PictureHeight()},
            {testLeft, testTop, testLeft + testWidth, testTop + m.TestHeight()}};
}

// Both panels placed in the view window as it is now.
PanelRects PanelsInView(HWND view, const Metrics& m);

// What the sizes depend on besides the texts of the verb table, which do
// not change.
struct Conditions {
    HWND view = nullptr;
    int viewWidth = 0;
    UINT dpi = 0;
    bool english = false; // the interface language's texts
    bool hasFont = false; // a font of the user's own, described by font
    LOGFONTW font{};

    bool operator==(const Conditions& o) const;
    bool operator!=(const Conditions& o) const { return !(*this == o); }
};
Conditions ConditionsOf(HWND view);

// The sizes for a test in this view now: its DPI, the user font, the texts
// of the verb table and of the interface language, the view's size.
// Measured once for each of these and remembered.
Metrics MetricsFor(HWND view);
// The view of a panel or of a part of the test panel.
HWND ViewOf(HWND panelOrPart);

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

// The system font of a panel's labels (and, without a font of the user's
// own, of its values and fields), made for the DPI the view shows at: the
// stock font at the screen's own scale, else one scaled from it. A window
// moved to a monitor of another scale keeps no text of the old size.
class LabelFont {
public:
    // Gives the windows the font for the DPI. On a new DPI a new font is
    // made, and the one made for the old DPI goes only once every window
    // given here draws with the new one: pass all that hold the old.
    // True when any window was given a font it did not have.
    bool Apply(UINT dpi, std::initializer_list<HWND> windows);
    HFONT get() const { return font_; }

private:
    fw::UniqueFont made_;
    HFONT font_ = nullptr;
    UINT dpi_ = 0;
};

// Paints a panel window's class background with the shared button-face brush.
inline void UseButtonFaceBackground(HWND panel, HBRUSH brush)
{
    ::SetClassLongPtrW(panel, GCLP_HBRBACKGROUND, reinterpret_cast<LONG_PTR>(brush));
}

} // namespace PanelLayout
