// Start-up benchmark: starts verbs.exe repeatedly and measures the time from
// process creation to (1) its maximised main window being shown and (2) the
// program's first idle moment, by which the view has painted itself for the
// first time. With a floor program (by default bare_window.exe beside the
// benchmark, a plain window and nothing else) the two are started in pairs,
// in the order program-floor, floor-program, program-floor, ..., so that a
// slow stretch of the machine weighs on both alike, after one start of each
// that is not counted; it prints the median of each and the program's time
// over the floor's.
//
//   startup_bench [pairs] [path to verbs.exe] [path to the floor, or - for none]
//                                                 (run under Wine or on Windows)
#include "BenchReport.h"
#include <windows.h>
#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Search {
    DWORD pid;
    HWND found;
};

// The process's main window: shown maximised at the top level (the splash
// window is neither).
BOOL CALLBACK FindMainWindow(HWND hwnd, LPARAM lp)
{
    auto* search = reinterpret_cast<Search*>(lp);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hwnd, &pid);
    if (pid == search->pid && ::IsWindowVisible(hwnd) && ::IsZoomed(hwnd) && !::GetWindow(hwnd, GW_OWNER)) {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

std::wstring BesideBenchmark(const wchar_t* name)
{
    wchar_t buffer[MAX_PATH];
    DWORD n = ::GetModuleFileNameW(nullptr, buffer, MAX_PATH);
    std::wstring path(buffer, n);
    return path.substr(0, path.find_last_of(L'\\') + 1) + name;
}

struct Timings {
    std::vector<double> shown, idle;
};

// One start of the program, closed again once it is idle; false when no
// main window appeared or it could not be started.
bool TimeOneStart(const std::wstring& program, const wchar_t* label, int run, Timings& timings)
{
    LARGE_INTEGER frequency;
    ::QueryPerformanceFrequency(&frequency);
    std::wstring commandLine = L"\"" + program + L"\"";
    STARTUPINFOW si{sizeof(si)};
    PROCESS_INFORMATION pi{};
    LARGE_INTEGER start, windowShown, firstIdle;
    ::QueryPerformanceCounter(&start);
    if (!::CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                          &pi)) {
        std::fwprintf(stderr, L"cannot start %ls (error %lu)\n", program.c_str(), ::GetLastError());
        return false;
    }
    Search search{pi.dwProcessId, nullptr};
    for (int i = 0; i < 30000 && !search.found; ++i) {
        ::EnumWindows(FindMainWindow, reinterpret_cast<LPARAM>(&search));
        if (!search.found)
            ::Sleep(1);
    }
    ::QueryPerformanceCounter(&windowShown);
    ::WaitForInputIdle(pi.hProcess, 30000);
    ::QueryPerformanceCounter(&firstIdle);
    bool ok = search.found != nullptr;
    if (!ok) {
        std::fwprintf(stderr, L"%ls run %d: no main window appeared\n", label, run);
        ::TerminateProcess(pi.hProcess, 1);
    } else {
        timings.shown.push_back(bench::Milliseconds(start, windowShown, frequency));
        timings.idle.push_back(bench::Milliseconds(start, firstIdle, frequency));
        std::wprintf(L"%-8ls run %2d: window shown %7.1f ms, first paint done %7.1f ms\n", label, run,
                     timings.shown.back(), timings.idle.back());
        ::PostMessageW(search.found, WM_CLOSE, 0, 0);
    }
    ::WaitForSingleObject(pi.hProcess, 30000);
    ::CloseHandle(pi.hThread);
    ::CloseHandle(pi.hProcess);
    return ok;
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    int pairs = argc > 1 ? std::max(1, _wtoi(argv[1])) : 10;
    std::wstring program = argc > 2 ? argv[2] : BesideBenchmark(L"verbs.exe");
    std::wstring floor = argc > 3 ? argv[3] : BesideBenchmark(L"bare_window.exe");
    const bool withFloor = floor != L"-";

    // One start of each first, not counted: the first start of a program
    // reads its files from disk, and the series is about the starts after.
    Timings warmUp;
    if (!TimeOneStart(program, L"warm-up", 0, warmUp) || (withFloor && !TimeOneStart(floor, L"warm-up", 0, warmUp)))
        return 1;
    Timings programTimes, floorTimes;
    for (int pair = 1; pair <= pairs; ++pair) {
        // Program first in odd pairs, the floor first in even ones.
        const bool programFirst = pair % 2 == 1;
        for (int turn = 0; turn < (withFloor ? 2 : 1); ++turn) {
            const bool isProgram = (turn == 0) == programFirst || !withFloor;
            if (!TimeOneStart(isProgram ? program : floor, isProgram ? L"program" : L"floor", pair,
                              isProgram ? programTimes : floorTimes))
                return 1;
        }
    }
    std::wprintf(L"median of %zu runs: main window shown %.1f ms, first paint of the view %.1f ms\n",
                 programTimes.shown.size(), Median(programTimes.shown), Median(programTimes.idle));
    if (withFloor) {
        std::wprintf(L"floor, median of %zu runs: window shown %.1f ms, first paint %.1f ms\n",
                     floorTimes.shown.size(), Median(floorTimes.shown), Median(floorTimes.idle));
        std::wprintf(L"program over floor: window shown %.2f, first paint %.2f\n",
                     Median(programTimes.shown) / Median(floorTimes.shown),
                     Median(programTimes.idle) / Median(floorTimes.idle));
    }
    return 0;
}
