// Start-up benchmark: starts verbs.exe repeatedly and measures the time from
// process creation to (1) the maximised main window being shown and (2) the
// program's first idle moment, by which the view has painted itself for the
// first time. Prints the median of each.
//
//   startup_bench [runs] [path to verbs.exe]     (run under Wine or on Windows)
#include <windows.h>
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Search {
    DWORD pid;
    HWND found;
};

BOOL CALLBACK FindMainWindow(HWND hwnd, LPARAM lp)
{
    auto* search = reinterpret_cast<Search*>(lp);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hwnd, &pid);
    wchar_t title[64] = {};
    ::GetWindowTextW(hwnd, title, 64);
    if (pid == search->pid && ::IsWindowVisible(hwnd) && ::IsZoomed(hwnd) && std::wstring(title) == L"Lexoria") {
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

std::wstring DefaultProgramPath()
{
    wchar_t buffer[MAX_PATH];
    DWORD n = ::GetModuleFileNameW(nullptr, buffer, MAX_PATH);
    std::wstring path(buffer, n);
    return path.substr(0, path.find_last_of(L'\\') + 1) + L"verbs.exe";
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    int runs = argc > 1 ? _wtoi(argv[1]) : 10;
    std::wstring program = argc > 2 ? argv[2] : DefaultProgramPath();
    LARGE_INTEGER frequency;
    ::QueryPerformanceFrequency(&frequency);
    auto ms = [&](const LARGE_INTEGER& a, const LARGE_INTEGER& b) {
        return 1000.0 * static_cast<double>(b.QuadPart - a.QuadPart) / static_cast<double>(frequency.QuadPart);
    };

    std::vector<double> shown, idle;
    for (int run = 0; run < runs; ++run) {
        std::wstring commandLine = L"\"" + program + L"\"";
        STARTUPINFOW si{sizeof(si)};
        PROCESS_INFORMATION pi{};
        LARGE_INTEGER start, windowShown, firstIdle;
        ::QueryPerformanceCounter(&start);
        if (!::CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                              &si, &pi)) {
            std::fwprintf(stderr, L"cannot start %ls (error %lu)\n", program.c_str(), ::GetLastError());
            return 1;
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
        if (!search.found) {
            std::fwprintf(stderr, L"run %d: no main window appeared\n", run + 1);
            ::TerminateProcess(pi.hProcess, 1);
        } else {
            shown.push_back(ms(start, windowShown));
            idle.push_back(ms(start, firstIdle));
            std::wprintf(L"run %2d: window shown %7.1f ms, first paint done %7.1f ms\n", run + 1, shown.back(),
                         idle.back());
            ::PostMessageW(search.found, WM_CLOSE, 0, 0);
        }
        ::WaitForSingleObject(pi.hProcess, 30000);
        ::CloseHandle(pi.hThread);
        ::CloseHandle(pi.hProcess);
    }
    if (shown.empty())
        return 1;
    std::wprintf(L"median of %zu runs: main window shown %.1f ms, first paint of the view %.1f ms\n", shown.size(),
                 Median(shown), Median(idle));
    return 0;
}
