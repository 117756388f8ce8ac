#include "view/PanelLayout.h"
#include "base/Language.h"
#include "base/VerbsGlobals.h"
#include "framework/Handles.h"
#include "framework/View.h"
#include "resources/resource.h"
#include <algorithm>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace {

// The edges of a text box with the static edge, and a few pixels besides
// for glyphs (italics above all) that reach past their advance.
constexpr int kTextSlack = 6;
// The narrowest gap left beside the panels when the test panel widens.
constexpr int kMinGap = 8;
// The widest status values: the time of the longest test and the attempt of
// the largest limit.
const wchar_t* const kStatusTexts[] = {L"60:00", L"00:00", L"- 10 -", L"- 8 -"};

int TextWidth(HDC dc, const std::wstring& text)
{
    SIZE size{};
    ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    return size.cx;
}

// Height of a text wrapped at words to the width.
int WrappedHeight(HDC dc, const std::wstring& text, int width, UINT extraFormat = 0)
{
    RECT rc{0, 0, std::max(1, width), 0};
    ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rc, DT_CALCRECT | DT_WORDBREAK | extraFormat);
    return rc.bottom;
}

// The inner width of the value boxes of a test panel of the given outer width.
int ValueWidth(const PanelLayout::Metrics& m, int testWidth)
{
    return testWidth - m.S(27) - m.S(72) - kTextSlack;
}

// The widest the test panel may be: the picture panel and the narrowest
// gaps still fit beside it.
int WidestTestPanel(const PanelLayout::Metrics& m, int viewWidth)
{
    return std::max(m.S(PanelLayout::kPanelWidth), viewWidth - m.PictureWidth() - 3 * m.S(kMinGap));
}

PanelLayout::Metrics Measure(HWND view, int viewWidth, HFONT font)
{
    PanelLayout::Metrics m;
    m.dpi = fw::DpiOf(view);
    m.testWidth = m.S(PanelLayout::kPanelWidth);
    // The panels were drawn for the system font: without a font of the
    // user's own they keep their sizes, only scaled.
    if (!font)
        return m;
    fw::WindowDc dc(view);
    fw::SelectedObject selected(dc.get(), font);
    TEXTMETRICW tm{};
    ::GetTextMetricsW(dc.get(), &tm);
    const int line = tm.tmHeight;
    m.statusExtra = std::max(0, line + m.S(4) - m.S(20));
    m.infinitiveExtra = std::max(0, line + m.S(5) - m.S(21));

    // As wide as the longest infinitive and status value need on one line.
    const VerbTable& verbs = Globals().m_verbs;
    int widestInfinitive = 0;
    for (const VerbRecord& verb : verbs)
        widestInfinitive = std::max(widestInfinitive, TextWidth(dc.get(), verb.infinitive));
    int widestStatus = 0;
    for (const wchar_t* text : kStatusTexts)
        widestStatus = std::max(widestStatus, TextWidth(dc.get(), text));
    const int widest = WidestTestPanel(m, viewWidth);
    int width = std::max({m.testWidth, widestInfinitive + kTextSlack + m.S(99), widestStatus + kTextSlack + m.S(191)});

    // Wider still, while the view has room, until the longest translations
    // wrap to two lines at most.
    std::vector<std::pair<int, const std::wstring*>> byLength;
    for (const VerbRecord& verb : verbs)
        byLength.push_back({TextWidth(dc.get(), verb.translation), &verb.translation});
    std::sort(byLength.begin(), byLength.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    byLength.resize(std::min<size_t>(byLength.size(), 8));
    auto twoLines = [&](int testWidth) {
        for (const auto& candidate : byLength)
            if (WrappedHeight(dc.get(), *candidate.second, ValueWidth(m, testWidth)) > 2 * line)
                return false;
        return true;
    };
    while (width < widest && !twoLines(width))
        width = std::min(widest, width + m.S(16));
    m.testWidth = std::max(m.testWidth, std::min(width, std::max(widest, m.testWidth)));

    // The translation strip as tall as the longest translation wraps to.
    int tallest = 0;
    for (const VerbRecord& verb : verbs)
        tallest = std::max(tallest, WrappedHeight(dc.get(), verb.translation, ValueWidth(m, m.testWidth)));
    m.translationExtra = std::max(0, tallest + m.S(8) - m.S(42));

    // The closing text fills the answer panel grown down to where the
    // translation strip ends: make room for all of it.
    const int border = PanelLayout::Border();
    const int closingWidth = m.testWidth - m.S(16) - 2 - m.S(14);
    const int closingRoom = m.TranslationBottom(border) - m.AnswerTop() - 2 - m.S(14);
    const int closing = WrappedHeight(dc.get(), LoadLangString(IDS_TEST_FINISHED), closingWidth, DT_CENTER);
    m.translationExtra += std::max(0, closing - closingRoom);
    return m;
}

// The stock system font scaled from the screen's DPI to the given one;
// null at the screen's own DPI, where the stock font itself serves.
fw::UniqueFont SystemFontFor(UINT dpi)
{
    const UINT screen = fw::ScreenDpi();
    LOGFONTW lf{};
    if (dpi == screen || !::GetObjectW(::GetStockObject(SYSTEM_FONT), sizeof(lf), &lf))
        return {};
    lf.lfHeight = ::MulDiv(lf.lfHeight, static_cast<int>(dpi), static_cast<int>(screen));
    lf.lfWidth = ::MulDiv(lf.lfWidth, static_cast<int>(dpi), static_cast<int>(screen));
    return fw::UniqueFont(::CreateFontIndirectW(&lf));
}

} // namespace

namespace PanelLayout {

bool Conditions::operator==(const Conditions& o) const
{
    return view == o.view && viewWidth == o.viewWidth && dpi == o.dpi && english == o.english &&
           hasFont == o.hasFont && std::memcmp(&font, &o.font, sizeof(font)) == 0;
}

Conditions ConditionsOf(HWND view)
{
    Conditions now;
    HFONT font = Globals().m_userFont.get();
    now.view = view;
    now.viewWidth = OuterWidth(view);
    now.dpi = fw::DpiOf(view);
    now.english = IsEnglish();
    now.hasFont = font && ::GetObjectW(font, sizeof(now.font), &now.font);
    return now;
}

Metrics MetricsFor(HWND view)
{
    const Conditions now = ConditionsOf(view);
    static Conditions measuredFor;
    static Metrics measured;
    static bool any = false;
    if (!any || !(now == measuredFor)) {
        measured = Measure(view, now.viewWidth, now.hasFont ? Globals().m_userFont.get() : nullptr);
        measuredFor = now;
        any = true;
    }
    return measured;
}

PanelRects PanelsInView(HWND view, const Metrics& m)
{
    RECT viewRect{};
    ::GetWindowRect(view, &viewRect);
    return PlacePanels(viewRect.right - viewRect.left, viewRect.bottom - viewRect.top, m);
}

bool LabelFont::Apply(UINT dpi, std::initializer_list<HWND> windows)
{
    const bool newDpi = dpi != dpi_;
    fw::UniqueFont made = newDpi ? SystemFontFor(dpi) : fw::UniqueFont();
    const auto stock = static_cast<HFONT>(::GetStockObject(SYSTEM_FONT));
    if (newDpi) {
        font_ = made ? made.get() : stock;
        dpi_ = dpi;
    }
    bool given = false;
    for (HWND window : windows) {
        if (!window || !::IsWindow(window))
            continue;
        // A control made without a font draws with the stock one: at the
        // screen's own scale (every test's start, as a rule) it needs no
        // message, and each would repaint it.
        const auto current = reinterpret_cast<HFONT>(::SendMessageW(window, WM_GETFONT, 0, 0));
        if (current == font_ || (!current && font_ == stock))
            continue;
        ::SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font_), TRUE);
        given = true;
    }
    if (newDpi)
        made_ = std::move(made); // no window draws with the old font any more
    return given;
}

HWND ViewOf(HWND panelOrPart)
{
    for (HWND window = panelOrPart; window; window = ::GetParent(window))
        if (dynamic_cast<CView*>(CWnd::FromHandle(window)))
            return window;
    return ::GetParent(panelOrPart);
}

} // namespace PanelLayout
