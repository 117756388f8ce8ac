// Timing of the answer history with 100,000 answers in it: one answer added
// (beside its floor, the same line written with WriteFile to a plain file
// opened for appending), the statistics dialog opened to its first full
// paint (beside the same dialog over an empty history), and the history read
// alone. With --make-default N it writes a history of N answers to the
// user's own history file (and --remove-default removes it), so that the
// start-up benchmark can be run with and without one.
//
//   history_bench [runs] | --make-default N | --remove-default   (run under Wine or on Windows)
// (--make-default 0: a learner's last three months, for the screenshots)
#include "base/VerbsGlobals.h"
#include "data/AnswerHistoryFile.h"
#include "data/HistoryLine.h"
#include "data/HistoryStats.h"
#include "data/VerbGroups.h"
#include "data/VerbTableReader.h"
#include "dialogs/StatisticsDlg.h"
#include "settings/ProfileException.h"
#include "settings/RegProfile.h"
#include "BenchReport.h"
#include <windows.h>
#include <commctrl.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

const wchar_t* const kBenchKey = L"Software\\Tarnik\\VerbsBench";
constexpr int kDefaultRuns = 101;
constexpr int kAnswers = 100000;

LARGE_INTEGER gFrequency, gStart;
double gOpenedMs = 0;
double gStartCpu = 0, gOpenedCpuMs = 0;

// Processor time of this thread so far, in milliseconds: unlike the clock,
// it does not grow when other programs hold the processor.
double ThreadCpuMs()
{
    FILETIME created, ended, kernel, user;
    ::GetThreadTimes(::GetCurrentThread(), &created, &ended, &kernel, &user);
    auto ms = [](const FILETIME& f) {
        return static_cast<double>((static_cast<ULONGLONG>(f.dwHighDateTime) << 32) | f.dwLowDateTime) / 1e4;
    };
    return ms(kernel) + ms(user);
}

double MillisecondsSince(const LARGE_INTEGER& from)
{
    LARGE_INTEGER now;
    ::QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart - from.QuadPart) * 1e3 / static_cast<double>(gFrequency.QuadPart);
}

// A zero-time timer comes once the dialog has painted (timers come after
// paints): the dialog is open and drawn.
void CALLBACK OnPainted(HWND dialog, UINT, UINT_PTR id, DWORD)
{
    ::KillTimer(dialog, id);
    gOpenedMs = MillisecondsSince(gStart);
    gOpenedCpuMs = ThreadCpuMs() - gStartCpu;
    ::PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
}

LRESULT CALLBACK OnActivate(int code, WPARAM wp, LPARAM lp)
{
    if (code == HCBT_ACTIVATE)
        ::SetTimer(reinterpret_cast<HWND>(wp), 1, 0, OnPainted);
    return ::CallNextHookEx(nullptr, code, wp, lp);
}

// Realistic answers: a few tests a day over the last 400 days, every verb,
// a third of them wrong with something typed.
std::string HistoryBytes(int answers, const VerbTable& verbs)
{
    std::string bytes = kHistoryHeader;
    bytes.reserve(static_cast<size_t>(answers) * 64);
    SYSTEMTIME now{};
    ::GetLocalTime(&now);
    FILETIME ft{};
    ::SystemTimeToFileTime(&now, &ft);
    ULARGE_INTEGER start{{ft.dwLowDateTime, ft.dwHighDateTime}};
    std::srand(7);
    for (int i = 0; i < answers; ++i) {
        ULARGE_INTEGER t = start;
        t.QuadPart -= static_cast<ULONGLONG>(answers - i) * 4000ULL * 10000000ULL / 10; // 400 s apart
        FILETIME at{t.LowPart, t.HighPart};
        SYSTEMTIME when{};
        ::FileTimeToSystemTime(&at, &when);
        HistoryEntry e;
        e.when = {when.wYear, when.wMonth, when.wDay, when.wHour, when.wMinute, when.wSecond};
        e.verb = std::rand() % kVerbCount;
        e.infinitive = verbs[static_cast<size_t>(e.verb)].infinitive;
        e.askedPast = e.askedParticiple = true;
        const bool right = std::rand() % 3 != 0;
        e.verdict = right ? HistoryVerdict::Right : HistoryVerdict::Wrong;
        e.typedPast = right ? verbs[static_cast<size_t>(e.verb)].pastTense : L"goed";
        e.typedParticiple = right ? verbs[static_cast<size_t>(e.verb)].pastParticiple : L"\u0448\u0451\u043B";
        e.attempt = 1 + std::rand() % 3;
        e.milliseconds = 1000 + std::rand() % 9000;
        bytes += HistoryLineOf(e);
    }
    return bytes;
}

// A learner's last three months for the screenshots: tests on most days
// (the last week every day), some verbs often wrong with the same mistakes,
// the right share growing over time.
std::string LearnerHistoryBytes(const VerbTable& verbs)
{
    std::string bytes = kHistoryHeader;
    SYSTEMTIME now{};
    ::GetLocalTime(&now);
    FILETIME ft{};
    ::SystemTimeToFileTime(&now, &ft);
    const ULARGE_INTEGER today{{ft.dwLowDateTime, ft.dwHighDateTime}};
    const ULONGLONG day = 24ULL * 3600 * 10000000ULL;
    const int weak[] = {12, 40, 101, 150, 201, 250};
    const wchar_t* const mistakes[] = {L"begined", L"choosed", L"leaded", L"шёл", L"teached", L"writed"};
    std::srand(11);
    for (int daysAgo = 80; daysAgo >= 0; --daysAgo) {
        if (daysAgo > 7 && std::rand() % 3 == 0)
            continue;
        const int answers = 10 + std::rand() % 40;
        const int rightShare = 50 + (80 - daysAgo) * 40 / 80; // percent
        for (int i = 0; i < answers; ++i) {
            ULARGE_INTEGER t = today;
            t.QuadPart -= static_cast<ULONGLONG>(daysAgo) * day;
            FILETIME at{t.LowPart, t.HighPart};
            SYSTEMTIME when{};
            ::FileTimeToSystemTime(&at, &when);
            HistoryEntry e;
            e.when = {when.wYear, when.wMonth, when.wDay, 18, i / 2 % 60, i % 60};
            const bool weakOne = std::rand() % 4 == 0;
            const int w = std::rand() % 6;
            e.verb = weakOne ? weak[w] : std::rand() % kVerbCount;
            e.infinitive = verbs[static_cast<size_t>(e.verb)].infinitive;
            e.askedPast = true;
            const bool right = weakOne ? std::rand() % 100 < 25 : std::rand() % 100 < rightShare;
            e.verdict = right ? HistoryVerdict::Right : HistoryVerdict::Wrong;
            e.typedPast = right ? verbs[static_cast<size_t>(e.verb)].pastTense : weakOne ? mistakes[w] : L"goed";
            e.attempt = 1;
            e.milliseconds = 2000 + std::rand() % 8000;
            bytes += HistoryLineOf(e);
        }
    }
    return bytes;
}

bool WriteWhole(const std::wstring& path, const std::string& bytes)
{
    HANDLE file = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    bool ok = ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
              written == bytes.size();
    ::CloseHandle(file);
    return ok;
}

std::wstring TempFile(const wchar_t* name)
{
    wchar_t folder[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, folder);
    return std::wstring(folder) + name;
}

std::vector<double> gCpu; // processor times of the openings, in turn

std::vector<double> TimeStatistics(int runs)
{
    std::vector<double> samples;
    for (int i = 0; i < runs; ++i) {
        gOpenedMs = -1;
        gStartCpu = ThreadCpuMs();
        ::QueryPerformanceCounter(&gStart);
        CStatisticsDlg dialog(nullptr);
        dialog.DoModal();
        if (gOpenedMs >= 0) {
            samples.push_back(gOpenedMs);
            gCpu.push_back(gOpenedCpuMs);
        }
    }
    return samples;
}

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

void PrintRatio(const char* what, const std::vector<double>& program, const std::vector<double>& floor)
{
    const double f = Median(floor);
    std::printf("%-60s %.2f\n", what, f > 0 ? Median(program) / f : 0.0);
}

} // namespace

int main(int argc, char** argv)
{
    ::QueryPerformanceFrequency(&gFrequency);
    auto globals = std::make_unique<CVerbsGlobals>();
    globals->Language = 1;
    HMODULE self = ::GetModuleHandleW(nullptr);
    LoadVerbTable(globals->m_verbs, self);

    if (argc > 2 && std::strcmp(argv[1], "--make-default") == 0) {
        const std::wstring path = AnswerHistoryFile::DefaultPath();
        AnswerHistoryFile(path).Append(HistoryEntry{}); // makes the folders
        const int answers = std::atoi(argv[2]);
        const bool ok = WriteWhole(path, answers > 0 ? HistoryBytes(answers, globals->m_verbs)
                                                     : LearnerHistoryBytes(globals->m_verbs));
        std::printf("%ls: %s\n", path.c_str(), ok ? "written" : "NOT written");
        return ok ? 0 : 1;
    }
    if (argc > 1 && std::strcmp(argv[1], "--remove-default") == 0)
        return ::DeleteFileW(AnswerHistoryFile::DefaultPath().c_str()) ? 0 : 1;

    int runs = argc > 1 ? std::atoi(argv[1]) : kDefaultRuns;
    if (runs < 1)
        runs = kDefaultRuns;
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&icc);

    const std::wstring history = TempFile(L"verbs-bench-history.txt");
    const std::wstring empty = TempFile(L"verbs-bench-empty.txt");
    const std::wstring floorFile = TempFile(L"verbs-bench-floor.txt");
    const std::string bytes = HistoryBytes(kAnswers, globals->m_verbs);
    if (!WriteWhole(history, bytes) || !WriteWhole(floorFile, bytes)) {
        std::fprintf(stderr, "cannot write the history files\n");
        return 1;
    }
    ::DeleteFileW(empty.c_str());
    std::printf("History of %d answers, %zu bytes\n", kAnswers, bytes.size());

    // One answer added, program and floor in turns.
    std::vector<double> append, appendFloor;
    {
        HistoryEntry e;
        e.when = {2026, 12, 9, 12, 0, 0};
        e.verb = 12;
        e.infinitive = L"begin";
        e.askedPast = true;
        e.typedPast = L"began";
        e.verdict = HistoryVerdict::Right;
        AnswerHistoryFile file(history);
        HANDLE plain = ::CreateFileW(floorFile.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
        const std::string line = HistoryLineOf(e);
        file.Append(e); // opens the file: once per run of the program
        for (int i = 0; i < runs; ++i) {
            LARGE_INTEGER t;
            ::QueryPerformanceCounter(&t);
            if (!file.Append(e))
                std::fprintf(stderr, "an append failed\n");
            append.push_back(MillisecondsSince(t));
            ::QueryPerformanceCounter(&t);
            DWORD written = 0;
            ::WriteFile(plain, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
            appendFloor.push_back(MillisecondsSince(t));
        }
        ::CloseHandle(plain);
        // The first answer of a run: the file opened, its end looked at.
        std::vector<double> first;
        for (int i = 0; i < 21; ++i) {
            LARGE_INTEGER t;
            ::QueryPerformanceCounter(&t);
            AnswerHistoryFile fresh(history);
            fresh.Append(e);
            first.push_back(MillisecondsSince(t));
        }
        bench::PrintMilliseconds("One answer added to the history", append, 60);
        bench::PrintMilliseconds("  floor: the same line, WriteFile to an append handle", appendFloor, 60);
        bench::PrintMilliseconds("The first answer of a run (file opened)", first, 60);
        PrintRatio("  answer added / floor", append, appendFloor);
    }

    std::vector<double> read;
    for (int i = 0; i < 11; ++i) {
        LARGE_INTEGER t;
        ::QueryPerformanceCounter(&t);
        HistoryContents c = AnswerHistoryFile::Read(history);
        read.push_back(MillisecondsSince(t));
        if (c.entries.size() < static_cast<size_t>(kAnswers) || c.damagedLines)
            std::fprintf(stderr, "read %zu answers, %d damaged\n", c.entries.size(), c.damagedLines);
    }
    bench::PrintMilliseconds("The history read and parsed, every text", read, 60);
    std::vector<double> slim, figures;
    for (int i = 0; i < 11; ++i) {
        LARGE_INTEGER t;
        ::QueryPerformanceCounter(&t);
        HistoryContents c = AnswerHistoryFile::Read(history, HistoryTexts::WrongTyped);
        slim.push_back(MillisecondsSince(t));
        ::QueryPerformanceCounter(&t);
        const long long today = c.entries.back().when.DayNumber();
        auto progress = ProgressByVerb(c.entries);
        auto days = CountByDay(c.entries, today, 90);
        volatile int streak = PractiseStreak(c.entries, today);
        volatile size_t weakest = WeakestVerbs(progress, 20).size();
        (void)streak;
        (void)weakest;
        figures.push_back(MillisecondsSince(t));
    }
    bench::PrintMilliseconds("The history read for the statistics", slim, 60);
    bench::PrintMilliseconds("  its figures: boxes, days, streak, weakest", figures, 60);

    Profile::RegProfile& store = globals->m_profile;
    bench::DeleteKey(kBenchKey);
    std::vector<double> stats, statsFloor, statsCpu, statsFloorCpu;
    try {
        store.SetName(L"CURRENT_USER");
        store.SetSection(L"Software");
        store.EnterSection(L"Tarnik");
        store.EnterSection(L"VerbsBench");
        VerbGroups::EnsureVerbGroups(store, self);
        HHOOK hook = ::SetWindowsHookExW(WH_CBT, OnActivate, nullptr, ::GetCurrentThreadId());
        const int dialogRuns = std::max(5, runs / 10);
        for (int i = 0; i < dialogRuns; ++i) {
            AnswerHistoryFile::SetPathOverride(history);
            auto s = TimeStatistics(1);
            stats.insert(stats.end(), s.begin(), s.end());
            if (!gCpu.empty())
                statsCpu.push_back(gCpu.back());
            AnswerHistoryFile::SetPathOverride(empty);
            s = TimeStatistics(1);
            statsFloor.insert(statsFloor.end(), s.begin(), s.end());
            if (!gCpu.empty())
                statsFloorCpu.push_back(gCpu.back());
        }
        ::UnhookWindowsHookEx(hook);
    } catch (const Profile::RegException& e) {
        std::fprintf(stderr, "registry failure: %ls\n", e.Detail().c_str());
    }
    bench::DeleteKey(kBenchKey);
    bench::PrintMilliseconds("Statistics opened and painted, 100,000 answers", stats, 60);
    bench::PrintMilliseconds("  floor: the same dialog over an empty history", statsFloor, 60);
    PrintRatio("  statistics / floor", stats, statsFloor);
    bench::PrintMilliseconds("Statistics opened, processor time of the thread", statsCpu, 60);
    bench::PrintMilliseconds("  floor: processor time, empty history", statsFloorCpu, 60);
    PrintRatio("  statistics / floor, processor time", statsCpu, statsFloorCpu);

    ::DeleteFileW(history.c_str());
    ::DeleteFileW(floorFile.c_str());
    return Median(stats) < 200 && Median(append) < 2 ? 0 : 1;
}
