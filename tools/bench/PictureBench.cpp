// Picture benchmark: what the start of a test costs for its picture. Loads
// the shipped theme library beside the benchmark, then many times over
// creates the picture control (the next picture taken from the library and
// decoded) and lets it paint for the first time; prints the medians of that
// whole step and of its two halves, and of a paint of the whole picture.
//
//   picture_bench [runs]     (run under Wine or on Windows)
#include "base/VerbsGlobals.h"
#include "pictures/PictureCtrl.h"
#include "pictures/PictureThemes.h"
#include <objbase.h>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

class Stopwatch {
public:
    Stopwatch() { ::QueryPerformanceFrequency(&frequency_); }
    LARGE_INTEGER Now() const
    {
        LARGE_INTEGER t;
        ::QueryPerformanceCounter(&t);
        return t;
    }
    double Ms(const LARGE_INTEGER& a, const LARGE_INTEGER& b) const
    {
        return 1000.0 * static_cast<double>(b.QuadPart - a.QuadPart) / static_cast<double>(frequency_.QuadPart);
    }

private:
    LARGE_INTEGER frequency_;
};

} // namespace

int wmain(int argc, wchar_t** argv)
{
    int runs = argc > 1 ? std::max(1, _wtoi(argv[1])) : 200;
    ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    CVerbsGlobals globals;
    PictureTheme theme;
    if (!LoadPictureTheme(ProgramFolder(), kShippedThemeFile, theme)) {
        std::fwprintf(stderr, L"no theme library %ls beside the benchmark\n", kShippedThemeFile);
        return 1;
    }
    globals.m_hCurrentTheme = theme.library.get();

    HWND host = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 260, 320,
                                  nullptr, nullptr, nullptr, nullptr);
    CPictureCtrl control;
    Stopwatch clock;
    std::vector<double> loaded, painted, total, uncovered;
    for (int run = 0; run < runs; ++run) {
        LARGE_INTEGER start = clock.Now();
        if (!control.Create(host)) {
            std::fwprintf(stderr, L"run %d: the control was not created\n", run + 1);
            return 1;
        }
        LARGE_INTEGER created = clock.Now();
        control.UpdateWindow(); // the first paint, at once
        LARGE_INTEGER done = clock.Now();
        loaded.push_back(clock.Ms(start, created));
        painted.push_back(clock.Ms(created, done));
        total.push_back(clock.Ms(start, done));
        while (control.UncoveredCount() < CPictureCtrl::kCells)
            control.UncoverCell();
        LARGE_INTEGER before = clock.Now();
        control.RedrawNow(); // a later paint, the whole picture to copy
        uncovered.push_back(clock.Ms(before, clock.Now()));
        control.DestroyWindow();
    }
    ::DestroyWindow(host);
    std::wprintf(L"median of %d runs: picture loaded and decoded %.2f ms, first paint %.2f ms, together %.2f ms;\n"
                 L"a paint with every cell uncovered %.2f ms\n",
                 runs, Median(loaded), Median(painted), Median(total), Median(uncovered));
    ::CoUninitialize();
    return 0;
}
