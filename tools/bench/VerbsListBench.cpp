// verbs_list_bench [runs] [language]
//
// Times the verbs list on the real dialog: switching to the All verbs tab
// (294 rows filled and painted, from the group 1-1-2) as a click on the tab
// does, with the share of the filling, and exporting All verbs (the shown
// table taken from the dialog, the page made and written to a file). Prints
// the median, minimum and maximum of each in milliseconds.
// language: 0 Russian, 1 English (default).
//
// The groups live below a key of the benchmark's own
// (HKCU\Software\Tarnik\VerbsBench), deleted at the end, so the program's
// settings are never touched; the page goes to the temporary folder.
#include "base/VerbsGlobals.h"
#include "data/VerbGroups.h"
#include "data/VerbTableReader.h"
#include "data/HtmlPage.h"
#include "dialogs/VerbsListDlg.h"
#include "settings/ProfileException.h"
#include "settings/RegProfile.h"
#include "BenchReport.h"
#include <windows.h>
#include <commctrl.h>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

const wchar_t* const kBenchKey = L"Software\\Tarnik\\VerbsBench";
constexpr int kDefaultRuns = 201;
constexpr UINT WM_RUN_BENCH = WM_APP + 1;

using bench::Milliseconds;

void Print(const char* what, const std::vector<double>& samples)
{
    bench::PrintMilliseconds(what, samples);
}

void DeleteBenchKey()
{
    bench::DeleteKey(kBenchKey);
}

// The verbs list, measured once it is on screen, then closed.
class CBenchListDlg : public CVerbsListDlg {
public:
    explicit CBenchListDlg(int runs) : m_runs(runs) {}

    std::vector<double> m_switch, m_fill, m_export;
    int m_rowsShown = 0;
    size_t m_pageBytes = 0;
    bool m_written = true;

protected:
    BOOL OnInitDialog() override
    {
        BOOL result = CVerbsListDlg::OnInitDialog();
        PostMessage(WM_RUN_BENCH);
        return result;
    }

    LRESULT OnRunBench(WPARAM, LPARAM)
    {
        LARGE_INTEGER frequency, start, end;
        ::QueryPerformanceFrequency(&frequency);
        HWND tabs = GetDlgItem(1047);
        HWND list = GetDlgItem(1019);
        // The modal loop shows the dialog only once its queue is empty.
        ShowWindow(SW_SHOW);
        UpdateWindow();
        for (int i = 0; i < m_runs; ++i) {
            ::SendMessageW(tabs, TCM_SETCURFOCUS, 2, 0); // the group 1-1-2, or whichever stands second
            ::UpdateWindow(list);
            LARGE_INTEGER filled;
            ::QueryPerformanceCounter(&start);
            ::SendMessageW(tabs, TCM_SETCURFOCUS, 0, 0);
            ::QueryPerformanceCounter(&filled);
            ::UpdateWindow(list);
            ::QueryPerformanceCounter(&end);
            m_switch.push_back(Milliseconds(start, end, frequency));
            m_fill.push_back(Milliseconds(start, filled, frequency));
        }
        m_rowsShown = ListView_GetItemCount(list);

        wchar_t temp[MAX_PATH] = {};
        ::GetTempPathW(MAX_PATH, temp);
        const std::wstring path = std::wstring(temp) + L"verbs_list_bench.html";
        for (int i = 0; i < m_runs; ++i) {
            ::QueryPerformanceCounter(&start);
            const std::string page = CHtmlPage::PageBytes(ShownTable(), IsEnglish());
            m_written = CHtmlPage::WritePage(path, page) && m_written;
            ::QueryPerformanceCounter(&end);
            m_export.push_back(Milliseconds(start, end, frequency));
            m_pageBytes = page.size();
        }
        ::DeleteFileW(path.c_str());
        EndDialog(IDOK);
        return 0;
    }

    DECLARE_MESSAGE_MAP()

private:
    int m_runs;
};

BEGIN_MESSAGE_MAP(CBenchListDlg, CVerbsListDlg)
    ON_MESSAGE(WM_RUN_BENCH, OnRunBench)
END_MESSAGE_MAP()

} // namespace

int main(int argc, char** argv)
{
    int runs = argc > 1 ? std::atoi(argv[1]) : kDefaultRuns;
    if (runs < 1)
        runs = kDefaultRuns;
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES | ICC_TAB_CLASSES | ICC_LISTVIEW_CLASSES};
    ::InitCommonControlsEx(&icc);

    auto globals = std::make_unique<CVerbsGlobals>();
    globals->Language = argc > 2 ? std::atoi(argv[2]) : 1;
    LoadVerbTable(globals->m_verbs, ::GetModuleHandleW(nullptr));
    DeleteBenchKey();
    try {
        Profile::RegProfile& store = globals->m_profile;
        store.SetName(L"CURRENT_USER");
        store.SetSection(L"Software");
        store.EnterSection(L"Tarnik");
        store.EnterSection(L"VerbsBench");
        VerbGroups::EnsureVerbGroups(store, ::GetModuleHandleW(nullptr));
    } catch (const Profile::RegException& e) {
        std::fprintf(stderr, "registry failure: %ls\n", e.Detail().c_str());
        DeleteBenchKey();
        return 1;
    }

    int rows = 0;
    bool written = false;
    {
        CBenchListDlg dialog(runs);
        dialog.DoModal();
        rows = dialog.m_rowsShown;
        written = dialog.m_written;
        std::printf("All verbs shows %d rows; the exported page has %u bytes\n", rows,
                    static_cast<unsigned>(dialog.m_pageBytes));
        if (!dialog.m_switch.empty()) {
            Print("Switch to the All verbs tab (fill and paint)", dialog.m_switch);
            Print("  of which filling the list", dialog.m_fill);
            Print("Export All verbs (shown table, page, file written)", dialog.m_export);
        }
    }
    DeleteBenchKey();
    return rows == kVerbCount && written ? 0 : 1;
}
