// verb_data_bench [runs]
//
// Times the two long operations over all verbs: reading the verb table from
// this executable's own resource (LoadVerbTable) and computing the test set
// with the five predefined groups chosen and All verbs not (ComputeTestSet).
// Prints the median, minimum and maximum of each in microseconds.
//
// The groups live below a key of the benchmark's own
// (HKCU\Software\Tarnik\VerbsBench), deleted at the end, so the program's
// settings are never touched.
#include "base/VerbsGlobals.h"
#include "data/VerbGroups.h"
#include "data/VerbTableReader.h"
#include "settings/ProfileException.h"
#include "settings/RegProfile.h"
#include "BenchReport.h"
#include <windows.h>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

const wchar_t* const kBenchKey = L"Software\\Tarnik\\VerbsBench";
constexpr int kDefaultRuns = 1001;

double Microseconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to, const LARGE_INTEGER& frequency)
{
    return static_cast<double>(to.QuadPart - from.QuadPart) * 1e6 / static_cast<double>(frequency.QuadPart);
}

void Print(const char* what, std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    std::printf("%-48s median %9.1f us   min %9.1f us   max %9.1f us   (%d runs)\n", what,
                samples[samples.size() / 2], samples.front(), samples.back(), static_cast<int>(samples.size()));
}

void DeleteBenchKey()
{
    bench::DeleteKey(kBenchKey);
}

} // namespace

int main(int argc, char** argv)
{
    int runs = argc > 1 ? std::atoi(argv[1]) : kDefaultRuns;
    if (runs < 1)
        runs = kDefaultRuns;
    LARGE_INTEGER frequency, start, end;
    ::QueryPerformanceFrequency(&frequency);

    auto globals = std::make_unique<CVerbsGlobals>();
    HMODULE self = ::GetModuleHandleW(nullptr);

    // The reader fills only empty slots, so every run starts from an empty table.
    std::vector<double> load;
    int verbsRead = 0;
    for (int i = 0; i < runs; ++i) {
        auto table = std::make_unique<VerbTable>();
        ::QueryPerformanceCounter(&start);
        LoadVerbTable(*table, self);
        ::QueryPerformanceCounter(&end);
        load.push_back(Microseconds(start, end, frequency));
        verbsRead = static_cast<int>(std::count_if(table->begin(), table->end(),
                                                   [](const VerbRecord& v) { return !v.translation.empty(); }));
    }

    DeleteBenchKey();
    std::vector<double> testSet;
    int count = -1;
    try {
        Profile::RegProfile& store = globals->m_profile;
        store.SetName(L"CURRENT_USER");
        store.SetSection(L"Software");
        store.EnterSection(L"Tarnik");
        store.EnterSection(L"VerbsBench");
        VerbGroups::EnsureVerbGroups(store, ::GetModuleHandleW(nullptr));
        store.EnterSection(VerbGroups::kSection);
        VerbGroups::SetAllVerbsChosen(store, false);
        for (const wchar_t* group : {L"1-1-1", L"1-1-2", L"1-2-1", L"1-2-2", L"1-2-3"})
            VerbGroups::SetGroupChosen(store, group, true);
        store.LeaveSection();

        for (int i = 0; i < runs; ++i) {
            ::QueryPerformanceCounter(&start);
            count = static_cast<int>(VerbGroups::ComputeTestSet(store).size());
            ::QueryPerformanceCounter(&end);
            testSet.push_back(Microseconds(start, end, frequency));
        }
    } catch (const Profile::RegException& e) {
        std::fprintf(stderr, "registry failure: %ls\n", e.Detail().c_str());
        DeleteBenchKey();
        return 1;
    }
    DeleteBenchKey();

    std::printf("LoadVerbTable read %d verbs; ComputeTestSet gave %d verbs\n", verbsRead, count);
    Print("LoadVerbTable (own resource)", load);
    Print("ComputeTestSet (five groups chosen, not All verbs)", testSet);
    return verbsRead == kVerbCount && count == kVerbCount ? 0 : 1;
}
