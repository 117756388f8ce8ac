// group_dialogs_bench [runs]
//
// Times the opening of the two group dialogs as a learner sees it, from the
// command until the dialog stands painted on the screen: the used groups
// dialog over the five predefined groups and forty groups of the user's (some
// of them chosen, so that Total reads their lists), and the group members
// dialog on a group that holds all 294 verbs. Prints the median, minimum and
// maximum of each in milliseconds.
//
// The groups live below a key of the benchmark's own
// (HKCU\Software\Tarnik\VerbsBench), deleted at the end, so the program's
// settings are never touched.
#include "base/VerbsGlobals.h"
#include "data/VerbGroups.h"
#include "data/VerbTableReader.h"
#include "dialogs/GroupVerbsDlg.h"
#include "dialogs/GroupsSection.h"
#include "dialogs/UsedGroupsDlg.h"
#include "settings/ProfileException.h"
#include "settings/RegProfile.h"
#include "BenchReport.h"
#include <windows.h>
#include <commctrl.h>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {

const wchar_t* const kBenchKey = L"Software\\Tarnik\\VerbsBench";
constexpr int kDefaultRuns = 101;
constexpr int kUserGroups = 40;
const wchar_t* const kFullGroup = L"Every verb";

LARGE_INTEGER gFrequency, gStart;
double gOpenedMs = 0;
HHOOK gHook = nullptr;

double MillisecondsSince(const LARGE_INTEGER& from)
{
    LARGE_INTEGER now;
    ::QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart - from.QuadPart) * 1e3 / static_cast<double>(gFrequency.QuadPart);
}

// When the dialog activates: paint it and every control now, take the time,
// and close it.
LRESULT CALLBACK OnActivate(int code, WPARAM wp, LPARAM lp)
{
    if (code == HCBT_ACTIVATE) {
        HWND dialog = reinterpret_cast<HWND>(wp);
        ::RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        gOpenedMs = MillisecondsSince(gStart);
        ::PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    }
    return ::CallNextHookEx(nullptr, code, wp, lp);
}

template <typename Open>
std::vector<double> Time(int runs, Open open)
{
    std::vector<double> samples;
    for (int i = 0; i < runs; ++i) {
        gOpenedMs = -1;
        ::QueryPerformanceCounter(&gStart);
        open();
        if (gOpenedMs >= 0)
            samples.push_back(gOpenedMs);
    }
    return samples;
}

void Print(const char* what, const std::vector<double>& samples)
{
    bench::PrintMilliseconds(what, samples, 56);
}

void DeleteBenchKey()
{
    bench::DeleteKey(kBenchKey);
}

// The predefined groups and forty of the user's with about sixty verbs each
// (every fourth of them chosen, All verbs not).
void MakeGroups(Profile::RegProfile& store, HMODULE module)
{
    VerbGroups::EnsureVerbGroups(store, module);
    store.EnterSection(VerbGroups::kSection);
    VerbGroups::SetAllVerbsChosen(store, false);
    std::srand(1);
    for (int g = 1; g <= kUserGroups; ++g) {
        VerbGroups::MemberFlags members;
        for (int n = 0; n < kVerbCount; ++n)
            if (std::rand() % 5 == 0)
                members.set(static_cast<size_t>(n));
        VerbGroups::WriteGroup(store, L"My group " + std::to_wstring(g), VerbGroups::MembersText(members, g % 4 == 0));
    }
    store.LeaveSection();
}

} // namespace

int main(int argc, char** argv)
{
    int runs = argc > 1 ? std::atoi(argv[1]) : kDefaultRuns;
    if (runs < 1)
        runs = kDefaultRuns;
    ::QueryPerformanceFrequency(&gFrequency);
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&icc);

    auto globals = std::make_unique<CVerbsGlobals>();
    globals->Language = 1;
    HMODULE self = ::GetModuleHandleW(nullptr);
    LoadVerbTable(globals->m_verbs, self);
    Profile::RegProfile& store = globals->m_profile;

    DeleteBenchKey();
    std::vector<double> usedGroups, members;
    int total = -1, lines = -1;
    try {
        store.SetName(L"CURRENT_USER");
        store.SetSection(L"Software");
        store.EnterSection(L"Tarnik");
        store.EnterSection(L"VerbsBench");
        MakeGroups(store, self);

        gHook = ::SetWindowsHookExW(WH_CBT, OnActivate, nullptr, ::GetCurrentThreadId());
        usedGroups = Time(runs, [&] {
            CUsedGroupsDlg dialog(store, nullptr);
            dialog.DoModal();
            total = dialog.Total;
        });
        {
            CGroupsSection section(store);
            VerbGroups::MemberFlags all;
            all.set();
            VerbGroups::WriteGroup(store, kFullGroup, VerbGroups::MembersText(all, false));
            members = Time(runs, [&] {
                CGroupVerbsDlg dialog(store, kFullGroup, nullptr);
                dialog.DoModal();
                lines = dialog.Total;
            });
        }
        ::UnhookWindowsHookEx(gHook);
    } catch (const Profile::RegException& e) {
        std::fprintf(stderr, "registry failure: %ls\n", e.Detail().c_str());
        DeleteBenchKey();
        return 1;
    }
    DeleteBenchKey();

    std::printf("Used groups Total %d over %d lines; members dialog ticked %d verbs\n", total, 6 + kUserGroups, lines);
    Print("Used groups dialog, 5 predefined + 40 user groups", usedGroups);
    Print("Group members dialog, a group of all 294 verbs", members);
    return usedGroups.size() == static_cast<size_t>(runs) && members.size() == static_cast<size_t>(runs) &&
                   lines == kVerbCount
               ? 0
               : 1;
}
