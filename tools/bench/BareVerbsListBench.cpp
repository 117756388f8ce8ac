// The floor of verbs_list_bench: a plain Win32 dialog laid out as the verbs
// list (a tab control and a four-column owner-data list view in report
// view), with none of the program's code. Many times over it switches from
// a tab of 2 rows to one of 294 as a click on the tab does, the list told
// its new row count, and has the list painted; prints the median, minimum
// and maximum in the same words as verbs_list_bench.
//
//   bare_verbs_list_bench [runs]     (run under Wine or on Windows)
#include "BenchReport.h"
#include <windows.h>
#include <commctrl.h>
#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <initializer_list>
#include <string>
#include <vector>

namespace {

constexpr int kDefaultRuns = 201;
constexpr int kAllRows = 294;
constexpr int kGroupRows = 2;
constexpr WORD kListId = 1019;
constexpr WORD kTabsId = 1047;
constexpr UINT WM_RUN_BENCH = WM_APP + 1;

struct Bench {
    int runs = kDefaultRuns;
    std::vector<double> switches;
    int rowsShown = 0;
    std::vector<std::wstring> cells[4];
};

// A dialog template in memory: the list view, the tab control and the three
// buttons, 412 x 191 dialog units.
class ListTemplate {
public:
    ListTemplate()
    {
        DLGTEMPLATE dialog{};
        dialog.style = DS_MODALFRAME | DS_SETFONT | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU;
        dialog.cdit = 5;
        dialog.cx = 412;
        dialog.cy = 191;
        Append(&dialog, sizeof(dialog));
        Words({0, 0});
        Text(L"List");
        Words({8});
        Text(L"MS Sans Serif");
        Item(LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_OWNERDATA | WS_TABSTOP, WS_EX_STATICEDGE, 14, 27,
             325, 148, kListId, WC_LISTVIEWW, L"");
        Item(TCS_HOTTRACK | WS_CLIPSIBLINGS | WS_TABSTOP, 0, 7, 7, 340, 177, kTabsId, WC_TABCONTROLW, L"");
        Item(BS_DEFPUSHBUTTON | WS_GROUP, 0, 355, 7, 50, 14, IDOK, L"Button", L"OK");
        Item(BS_PUSHBUTTON, 0, 355, 25, 50, 14, 145, L"Button", L"Export...");
        Item(BS_PUSHBUTTON, 0, 355, 43, 50, 14, IDHELP, L"Button", L"Help");
    }
    const DLGTEMPLATE* get() const { return reinterpret_cast<const DLGTEMPLATE*>(m_bytes.data()); }

private:
    void Append(const void* data, size_t size)
    {
        const auto* bytes = static_cast<const BYTE*>(data);
        m_bytes.insert(m_bytes.end(), bytes, bytes + size);
    }
    void Words(std::initializer_list<WORD> words)
    {
        for (WORD w : words)
            Append(&w, sizeof(w));
    }
    void Text(const wchar_t* text) { Append(text, (std::wcslen(text) + 1) * sizeof(wchar_t)); }
    void Item(DWORD style, DWORD exStyle, short x, short y, short cx, short cy, WORD id, const wchar_t* cls,
              const wchar_t* text)
    {
        m_bytes.resize((m_bytes.size() + 3) & ~static_cast<size_t>(3));
        DLGITEMTEMPLATE item{};
        item.style = WS_CHILD | WS_VISIBLE | style;
        item.dwExtendedStyle = exStyle;
        item.x = x;
        item.y = y;
        item.cx = cx;
        item.cy = cy;
        item.id = id;
        Append(&item, sizeof(item));
        Text(cls);
        Text(text);
        Words({0});
    }

    std::vector<BYTE> m_bytes;
};

// Rows of made-up verbs, as long as the real ones, the last column Cyrillic.
void MakeCells(Bench& bench)
{
    for (int row = 0; row < kAllRows; ++row) {
        const std::wstring stem = L"verb" + std::to_wstring(row);
        bench.cells[0].push_back(stem);
        bench.cells[1].push_back(stem + L"ed; " + stem + L"t");
        bench.cells[2].push_back(stem + L"en");
        bench.cells[3].push_back(L"\x0433\x043b\x0430\x0433\x043e\x043b " + std::to_wstring(row));
    }
}

void InsertColumnsAndTabs(HWND dialog)
{
    HWND list = ::GetDlgItem(dialog, kListId);
    HWND tabs = ::GetDlgItem(dialog, kTabsId);
    ListView_SetExtendedListViewStyleEx(list, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    RECT rc{};
    ::GetWindowRect(list, &rc);
    const wchar_t* titles[4] = {L"Infinitive", L"Past Tense", L"Past Participle", L"Translation"};
    for (int column = 0; column < 4; ++column) {
        LVCOLUMNW col{};
        col.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
        col.cx = (rc.right - rc.left - 20) / 4;
        col.pszText = const_cast<wchar_t*>(titles[column]);
        col.iSubItem = column;
        ListView_InsertColumn(list, column, &col);
    }
    for (const wchar_t* title : {L"All verbs", L"1-1-1", L"1-1-2", L"1-2-1", L"1-2-2", L"1-2-3"}) {
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<wchar_t*>(title);
        TabCtrl_InsertItem(tabs, TabCtrl_GetItemCount(tabs), &item);
    }
    ListView_SetItemCountEx(list, kAllRows, 0);
}

void RunBench(HWND dialog, Bench& bench)
{
    HWND tabs = ::GetDlgItem(dialog, kTabsId);
    HWND list = ::GetDlgItem(dialog, kListId);
    ::ShowWindow(dialog, SW_SHOW);
    ::UpdateWindow(dialog);
    LARGE_INTEGER frequency, start, end;
    ::QueryPerformanceFrequency(&frequency);
    for (int i = 0; i < bench.runs; ++i) {
        ::SendMessageW(tabs, TCM_SETCURFOCUS, 2, 0);
        ::UpdateWindow(list);
        ::QueryPerformanceCounter(&start);
        ::SendMessageW(tabs, TCM_SETCURFOCUS, 0, 0);
        ::UpdateWindow(list);
        ::QueryPerformanceCounter(&end);
        bench.switches.push_back(bench::Milliseconds(start, end, frequency));
    }
    bench.rowsShown = ListView_GetItemCount(list);
    ::EndDialog(dialog, IDOK);
}

INT_PTR CALLBACK ListProc(HWND dialog, UINT message, WPARAM wp, LPARAM lp)
{
    auto* bench = reinterpret_cast<Bench*>(::GetWindowLongPtrW(dialog, DWLP_USER));
    switch (message) {
    case WM_INITDIALOG:
        ::SetWindowLongPtrW(dialog, DWLP_USER, lp);
        InsertColumnsAndTabs(dialog);
        ::PostMessageW(dialog, WM_RUN_BENCH, 0, 0);
        return TRUE;
    case WM_RUN_BENCH:
        RunBench(dialog, *bench);
        return TRUE;
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lp);
        if (header->idFrom == kTabsId && header->code == TCN_SELCHANGE) {
            HWND list = ::GetDlgItem(dialog, kListId);
            const int rows = TabCtrl_GetCurSel(header->hwndFrom) == 0 ? kAllRows : kGroupRows;
            ListView_SetItemCountEx(list, rows, 0);
            ListView_EnsureVisible(list, 0, FALSE);
            ::InvalidateRect(list, nullptr, TRUE);
            return TRUE;
        }
        if (header->idFrom == kListId && header->code == LVN_GETDISPINFOW) {
            LVITEMW& item = reinterpret_cast<NMLVDISPINFOW*>(lp)->item;
            if ((item.mask & LVIF_TEXT) && item.iItem >= 0 && item.iItem < kAllRows && item.iSubItem >= 0 &&
                item.iSubItem < 4)
                ::lstrcpynW(item.pszText, bench->cells[item.iSubItem][static_cast<size_t>(item.iItem)].c_str(),
                            item.cchTextMax);
            return TRUE;
        }
        break;
    }
    case WM_COMMAND:
        if (LOWORD(wp) == IDOK || LOWORD(wp) == IDCANCEL) {
            ::EndDialog(dialog, LOWORD(wp));
            return TRUE;
        }
        break;
    default:
        break;
    }
    return FALSE;
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES | ICC_TAB_CLASSES | ICC_LISTVIEW_CLASSES};
    ::InitCommonControlsEx(&icc);
    Bench bench;
    bench.runs = argc > 1 ? std::max(1, _wtoi(argv[1])) : kDefaultRuns;
    MakeCells(bench);
    const ListTemplate dialog;
    ::DialogBoxIndirectParamW(::GetModuleHandleW(nullptr), dialog.get(), nullptr, ListProc,
                              reinterpret_cast<LPARAM>(&bench));
    std::printf("All verbs shows %d rows\n", bench.rowsShown);
    bench::PrintMilliseconds("Switch to the All verbs tab (fill and paint)", bench.switches);
    return bench.rowsShown == kAllRows ? 0 : 1;
}
