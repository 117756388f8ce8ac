#include "dialogs/HistoryChart.h"
#include "framework/Handles.h"
#include <algorithm>

namespace {

const COLORREF kRight = RGB(76, 160, 72);
const COLORREF kWrong = RGB(214, 84, 70);
const COLORREF kShare = RGB(40, 90, 200);
const COLORREF kGrid = RGB(200, 200, 200);

void Fill(HDC dc, const RECT& r, COLORREF color)
{
    fw::UniqueBrush brush(::CreateSolidBrush(color));
    ::FillRect(dc, &r, brush.get());
}

void Line(HDC dc, int x1, int y1, int x2, int y2)
{
    ::MoveToEx(dc, x1, y1, nullptr);
    ::LineTo(dc, x2, y2);
}

int TextHeight(HDC dc)
{
    TEXTMETRICW metrics{};
    ::GetTextMetricsW(dc, &metrics);
    return metrics.tmHeight;
}

void Text(HDC dc, RECT r, const std::wstring& text, UINT format)
{
    ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, format | DT_SINGLELINE | DT_NOPREFIX);
}

} // namespace

void DrawHistoryChart(HDC dc, const RECT& area, const std::vector<DayCount>& days, const HistoryChartTexts& texts)
{
    Fill(dc, area, ::GetSysColor(COLOR_WINDOW));
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, ::GetSysColor(COLOR_WINDOWTEXT));
    int most = 0;
    for (const DayCount& d : days)
        most = std::max(most, d.answers);
    if (days.empty() || most == 0) {
        Text(dc, area, texts.empty, DT_CENTER | DT_VCENTER);
        return;
    }
    const int line = TextHeight(dc);
    SIZE label{};
    const std::wstring top = std::to_wstring(most);
    ::GetTextExtentPoint32W(dc, L"100%", 4, &label);
    // The plot, with room for the scales on both sides and the days below.
    RECT plot = {area.left + label.cx + 6, area.top + line / 2, area.right - label.cx - 6, area.bottom - line - 2};
    if (plot.right - plot.left < static_cast<LONG>(days.size()) || plot.bottom - plot.top < 10)
        return;
    {
        fw::UniquePen grid(::CreatePen(PS_SOLID, 1, kGrid));
        HGDIOBJ old = ::SelectObject(dc, grid.get());
        Line(dc, plot.left, plot.top, plot.right, plot.top);
        Line(dc, plot.left, (plot.top + plot.bottom) / 2, plot.right, (plot.top + plot.bottom) / 2);
        Line(dc, plot.left, plot.bottom, plot.right, plot.bottom);
        ::SelectObject(dc, old);
    }
    Text(dc, {area.left, plot.top - line / 2, plot.left - 4, plot.top + line}, top, DT_RIGHT | DT_TOP);
    Text(dc, {area.left, plot.bottom - line, plot.left - 4, plot.bottom + 1}, L"0", DT_RIGHT | DT_BOTTOM);
    Text(dc, {plot.right + 4, plot.top - line / 2, area.right, plot.top + line}, L"100%", DT_LEFT | DT_TOP);
    Text(dc, {plot.right + 4, plot.bottom - line, area.right, plot.bottom + 1}, L"0%", DT_LEFT | DT_BOTTOM);
    Text(dc, {plot.left, plot.bottom + 2, plot.right, area.bottom}, texts.firstDay, DT_LEFT | DT_TOP);
    Text(dc, {plot.left, plot.bottom + 2, plot.right, area.bottom}, texts.lastDay, DT_RIGHT | DT_TOP);

    const int height = plot.bottom - plot.top;
    const double step = static_cast<double>(plot.right - plot.left) / static_cast<double>(days.size());
    const int gap = step >= 6 ? 2 : step >= 3 ? 1 : 0;
    std::vector<POINT> share;
    for (size_t i = 0; i < days.size(); ++i) {
        const DayCount& d = days[i];
        const int left = plot.left + static_cast<int>(step * static_cast<double>(i));
        const int right = std::max<int>(left + 1, plot.left + static_cast<int>(step * static_cast<double>(i + 1)) - gap);
        if (d.answers == 0)
            continue;
        const int all = height * d.answers / most;
        const int good = height * d.right / most;
        Fill(dc, {left, plot.bottom - all, right, plot.bottom - good}, kWrong);
        Fill(dc, {left, plot.bottom - good, right, plot.bottom}, kRight);
        share.push_back({(left + right) / 2, plot.bottom - height * d.right / d.answers});
    }
    fw::UniquePen pen(::CreatePen(PS_SOLID, 2, kShare));
    HGDIOBJ old = ::SelectObject(dc, pen.get());
    if (share.size() > 1)
        ::Polyline(dc, share.data(), static_cast<int>(share.size()));
    for (const POINT& p : share)
        ::Ellipse(dc, p.x - 2, p.y - 2, p.x + 3, p.y + 3);
    ::SelectObject(dc, old);
}
