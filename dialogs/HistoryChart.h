#pragma once
// The chart of the statistics dialog: one bar a day, its right answers in
// green under the wrong ones in red, the day's share of right answers as a
// blue line over them (its scale, 0 to 100 %, on the right), the most
// answers of a day on the left, the first and last day below.
#include "data/HistoryStats.h"
#include <windows.h>
#include <string>
#include <vector>

struct HistoryChartTexts {
    std::wstring firstDay, lastDay; // under the first and the last bar
    std::wstring empty;             // shown when no day has answers
};

void DrawHistoryChart(HDC dc, const RECT& area, const std::vector<DayCount>& days, const HistoryChartTexts& texts);
