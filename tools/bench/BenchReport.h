#pragma once
// What the benchmark programs share: timing in milliseconds, the report line
// of a series of runs, and removing their scratch registry key.
#include <windows.h>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace bench {

inline double Milliseconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to, const LARGE_INTEGER& frequency)
{
    return static_cast<double>(to.QuadPart - from.QuadPart) * 1e3 / static_cast<double>(frequency.QuadPart);
}

// One line: median, min and max of the runs, the name padded to width.
inline void PrintMilliseconds(const char* what, std::vector<double> samples, int width = 52)
{
    if (samples.empty()) {
        std::printf("%-*s no runs\n", width, what);
        return;
    }
    std::sort(samples.begin(), samples.end());
    std::printf("%-*s median %7.2f ms   min %7.2f ms   max %7.2f ms   (%d runs)\n", width, what,
                samples[samples.size() / 2], samples.front(), samples.back(), static_cast<int>(samples.size()));
}

inline void DeleteKey(const wchar_t* key)
{
    ::RegDeleteTreeW(HKEY_CURRENT_USER, key);
    ::RegDeleteKeyW(HKEY_CURRENT_USER, key);
}

} // namespace bench
