#include "dialogs/StatisticsDlg.h"
#include "base/HelpTopics.h"
#include "base/HistoryReading.h"
#include "base/Language.h"
#include "base/VerbsGlobals.h"
#include "data/HistoryCsv.h"
#include "data/HtmlPage.h"
#include "data/VerbGroups.h"
#include "dialogs/GroupsSection.h"
#include "dialogs/HistoryChart.h"
#include "framework/Shell.h"
#include "framework/Text.h"
#include "framework/WaitCursor.h"
#include "framework/WinApp.h"
#include "resources/resource.h"
#include "settings/ProfileException.h"
#include <commctrl.h>
#include <commdlg.h>
#include <cstdio>

namespace {

constexpr size_t kWeakestShown = 20;
constexpr size_t kWrongTextsShown = 3;

// The template is Russian.
const DialogText kEnglishTexts[] = {
    {0, L"Statistics"},
    {IDC_STATS_CHART_BOX, L"Answers per day"},
    {IDC_STATS_30_DAYS, L"&30 days"},
    {IDC_STATS_90_DAYS, L"&90 days"},
    {IDC_STATS_GROUPS_LABEL, L"Groups &learned"},
    {IDC_STATS_WEAKEST_LABEL, L"The 20 &weakest verbs"},
    {IDC_STATS_EXPORT_HISTORY, L"Export &history..."},
    {IDC_STATS_EXPORT_SUMMARY, L"Export s&ummary..."},
    {IDHELP, L"&Help"},
    {IDCANCEL, L"Close"},
};

// A text of the dialog's own in the interface language: English, Russian.
std::wstring Pick(const wchar_t* english, const wchar_t* russian)
{
    return IsEnglish() ? english : russian;
}

void AddColumn(HWND list, int index, const std::wstring& title, int width)
{
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    column.pszText = const_cast<wchar_t*>(title.c_str());
    column.cx = width;
    column.iSubItem = index;
    ListView_InsertColumn(list, index, &column);
}

void AddRow(HWND list, const std::vector<std::wstring>& cells)
{
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = ListView_GetItemCount(list);
    item.pszText = const_cast<wchar_t*>(cells[0].c_str());
    const int row = ListView_InsertItem(list, &item);
    for (size_t i = 1; i < cells.size(); ++i)
        ListView_SetItemText(list, row, static_cast<int>(i), const_cast<wchar_t*>(cells[i].c_str()));
}

// The list's width in pixels less a scroll bar, for its columns.
int ClientWidth(HWND list)
{
    RECT r{};
    ::GetClientRect(list, &r);
    return r.right - r.left - ::GetSystemMetrics(SM_CXVSCROLL);
}

std::wstring DateText(long long day)
{
    const HistoryTime date = DateOfDayNumber(day);
    wchar_t text[16];
    std::swprintf(text, 16, L"%02d.%02d", date.day, date.month);
    return text;
}

std::wstring Percent(int part, int whole)
{
    return whole > 0 ? std::to_wstring(part * 100 / whole) + L"%" : L"-";
}

} // namespace

BEGIN_MESSAGE_MAP(CStatisticsDlg, CDialog)
    ON_MESSAGE(WM_DRAWITEM, OnDrawItem)
    ON_BN_CLICKED(IDC_STATS_30_DAYS, On30Days)
    ON_BN_CLICKED(IDC_STATS_90_DAYS, On90Days)
    ON_BN_CLICKED(IDC_STATS_EXPORT_HISTORY, OnExportHistory)
    ON_BN_CLICKED(IDC_STATS_EXPORT_SUMMARY, OnExportSummary)
    ON_BN_CLICKED(IDHELP, OnHelp)
END_MESSAGE_MAP()

CStatisticsDlg::CStatisticsDlg(HWND parent) : CDialog(IDD_STATISTICS, parent), m_texts(kEnglishTexts)
{
}

BOOL CStatisticsDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_texts.Show(m_hWnd, IsEnglish());
    {
        CWaitCursor wait;
        m_history = ReadAnswerHistory(HistoryTexts::WrongTyped);
        m_progress = ProgressByVerb(m_history.entries);
        m_today = HistoryToday();
    }
    ::CheckRadioButton(m_hWnd, IDC_STATS_30_DAYS, IDC_STATS_90_DAYS, IDC_STATS_30_DAYS);
    ShowSummary();
    FillGroups();
    FillWeakest();
    const bool any = !m_history.entries.empty();
    ::EnableWindow(GetDlgItem(IDC_STATS_EXPORT_HISTORY), any);
    ::EnableWindow(GetDlgItem(IDC_STATS_EXPORT_SUMMARY), any);
    return TRUE;
}

void CStatisticsDlg::ShowSummary()
{
    std::wstring text;
    if (m_history.entries.empty()) {
        text = LoadLangString(IDS_STATS_EMPTY);
    } else {
        int right = 0;
        for (const HistoryEntry& e : m_history.entries)
            right += e.verdict == HistoryVerdict::Right ? 1 : 0;
        const int all = static_cast<int>(m_history.entries.size());
        text = fw::FormatString2(LoadLangString(IDS_STATS_TOTALS), std::to_wstring(all),
                                 std::to_wstring(right) + L" (" + Percent(right, all) + L")") +
               L"\n" +
               fw::FormatString1(LoadLangString(IDS_STATS_STREAK),
                                 std::to_wstring(PractiseStreak(m_history.entries, m_today)));
    }
    ::SetDlgItemTextW(m_hWnd, IDC_STATS_SUMMARY, text.c_str());
}

void CStatisticsDlg::FillGroups()
{
    HWND list = GetDlgItem(IDC_STATS_GROUPS);
    ListView_SetExtendedListViewStyleEx(list, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    const int width = ClientWidth(list);
    AddColumn(list, 0, Pick(L"Group", L"\u0413\u0440\u0443\u043F\u043F\u0430"), width * 55 / 100); // "Группа"
    AddColumn(list, 1, Pick(L"Learned", L"\u041E\u0441\u0432\u043E\u0435\u043D\u043E"), width - width * 55 / 100); // "Освоено"
    auto addGroup = [&](const std::wstring& name, const std::vector<int>& indices) {
        int learned = 0;
        for (int verb : indices)
            learned += IsMastered(m_progress[static_cast<size_t>(verb)]) ? 1 : 0;
        const int all = static_cast<int>(indices.size());
        AddRow(list, {name, std::to_wstring(learned) + L"/" + std::to_wstring(all) + L" (" + Percent(learned, all) + L")"});
    };
    std::vector<int> every;
    for (int i = 0; i < kVerbCount; ++i)
        every.push_back(i);
    addGroup(LoadLangString(IDS_ALL_VERBS), every);
    CGroupsSection section(Globals().m_profile);
    try {
        for (const std::wstring& name : VerbGroups::ListGroups(section.Store())) {
            std::vector<int> indices;
            for (int number : VerbGroups::MemberNumbers(VerbGroups::ReadGroup(section.Store(), name)))
                indices.push_back(number - 1);
            addGroup(name, indices);
        }
    } catch (const Profile::RegException&) {
        // The groups cannot be read: the line of the whole table stays alone.
    }
}

void CStatisticsDlg::FillWeakest()
{
    HWND list = GetDlgItem(IDC_STATS_WEAKEST);
    ListView_SetExtendedListViewStyleEx(list, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    const int width = ClientWidth(list);
    AddColumn(list, 0, Pick(L"Verb", L"\u0413\u043B\u0430\u0433\u043E\u043B"), width * 24 / 100); // "Глагол"
    AddColumn(list, 1, Pick(L"Right", L"\u0412\u0435\u0440\u043D\u043E"), width * 16 / 100); // "Верно"
    AddColumn(list, 2, Pick(L"Box", L"\u042F\u0449\u0438\u043A"), width * 12 / 100); // "Ящик"
    AddColumn(list, 3, Pick(L"Typed wrongly", L"\u041E\u0448\u0438\u0431\u043A\u0438"), width - width * 52 / 100); // "Ошибки"
    const VerbTable& verbs = Globals().m_verbs;
    for (int verb : WeakestVerbs(m_progress, kWeakestShown)) {
        const VerbProgress& p = m_progress[static_cast<size_t>(verb)];
        std::wstring wrong;
        for (const std::wstring& text : FrequentWrongTexts(p, kWrongTextsShown))
            wrong += (wrong.empty() ? L"" : L"; ") + (text.empty() ? std::wstring(L"\u2014") : text);
        AddRow(list, {verbs[static_cast<size_t>(verb)].infinitive, Percent(p.right, p.answers), std::to_wstring(p.box),
                      wrong});
    }
}

LRESULT CStatisticsDlg::OnDrawItem(WPARAM wp, LPARAM lp)
{
    const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
    if (wp != IDC_STATS_CHART || !item)
        return FALSE;
    HistoryChartTexts texts;
    texts.firstDay = DateText(m_today - m_days + 1);
    texts.lastDay = DateText(m_today);
    texts.empty = LoadLangString(IDS_STATS_CHART_EMPTY); // the summary line says more
    HGDIOBJ font = ::SelectObject(item->hDC, reinterpret_cast<HGDIOBJ>(SendMessage(WM_GETFONT)));
    DrawHistoryChart(item->hDC, item->rcItem, CountByDay(m_history.entries, m_today, m_days), texts);
    ::SelectObject(item->hDC, font);
    return TRUE;
}

void CStatisticsDlg::SetDays(int days)
{
    m_days = days;
    ::InvalidateRect(GetDlgItem(IDC_STATS_CHART), nullptr, TRUE);
}

void CStatisticsDlg::On30Days()
{
    SetDays(30);
}

void CStatisticsDlg::On90Days()
{
    SetDays(90);
}

void CStatisticsDlg::Export(const std::wstring& suggestedName, const std::string& bytes)
{
    wchar_t path[MAX_PATH] = {};
    suggestedName.copy(path, MAX_PATH - 1);
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = m_hWnd;
    ofn.lpstrFilter = L"CSV (*.csv)\0*.csv\0All files\0*.*\0";
    ofn.lpstrFile = path;
    ofn.nMaxFile = MAX_PATH;
    ofn.lpstrDefExt = L"csv";
    ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_NOCHANGEDIR;
    if (!::GetSaveFileNameW(&ofn))
        return;
    bool written;
    {
        CWaitCursor wait;
        written = CHtmlPage::WritePage(path, bytes);
    }
    if (!written) {
        AppMessageBox(fw::FormatString1(LoadLangString(IDS_CANNOT_CREATE_FILE, PairOrder::EnglishFirst), path), MB_OK);
        return;
    }
    if (AppMessageBox(LoadLangString(IDS_FILE_CREATED, PairOrder::EnglishFirst), MB_YESNO) == IDYES) {
        CWaitCursor wait;
        fw::ShellOpen(path);
    }
}

void CStatisticsDlg::OnExportHistory()
{
    // Every text of every answer: read again in full (the dialog keeps less).
    const std::wstring history = AnswerHistoryFile::CurrentPath();
    HistoryContents contents;
    {
        CWaitCursor wait;
        contents = AnswerHistoryFile::Read(history);
    }
    if (contents.unreadable) {
        // An empty export would pass for the whole history.
        AppMessageBox(fw::FormatString1(LoadLangString(IDS_HISTORY_UNREADABLE), history), MB_OK | MB_ICONWARNING);
        return;
    }
    Export(L"history.csv", HistoryCsvBytes(contents.entries, IsEnglish()));
}

void CStatisticsDlg::OnExportSummary()
{
    Export(L"verbs-summary.csv", SummaryCsvBytes(m_progress, Globals().m_verbs, IsEnglish()));
}

void CStatisticsDlg::OnHelp()
{
    OpenHelpTopic(L"verbs_options");
}
