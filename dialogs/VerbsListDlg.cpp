#include "dialogs/VerbsListDlg.h"
#include "app/HelpTopics.h"
#include "app/Language.h"
#include "app/VerbsGlobals.h"
#include "data/VerbGroups.h"
#include "framework/Text.h"
#include "framework/WaitCursor.h"
#include "resources/resource.h"
#include "settings/ProfileException.h"
#include "app/ReportProfileError.h"
#include <commctrl.h>
#include <algorithm>
#include <numeric>

namespace {
constexpr int IDC_GROUP_TABS = 1047;
constexpr int IDC_VERB_LIST = 1019;
constexpr int IDC_EXPORT = 145;

// Header titles of the four columns (Russian ids; English is the next one).
constexpr UINT kColumnTitles[4] = {IDS_INFINITIVE, IDS_PAST_TENSE, IDS_PAST_PARTICIPLE, IDS_TRANSLATION};
// Longest text read back from the list (fields hold at most 51 characters).
constexpr int kCellChars = 260;
// The header's titles are read into buffers of this size.
constexpr int kTitleChars = 127;

std::wstring ListText(HWND list, int row, int column)
{
    wchar_t buffer[kCellChars] = {};
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = buffer;
    item.cchTextMax = kCellChars;
    ::SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    return buffer;
}
} // namespace

BEGIN_MESSAGE_MAP(CVerbsListDlg, CDialog)
    ON_NOTIFY(TCN_SELCHANGE, IDC_GROUP_TABS, OnTabChange)
    ON_COMMAND(IDC_EXPORT, OnExport)
    ON_COMMAND(IDHELP, OnHelp)
END_MESSAGE_MAP()

CVerbsListDlg::CVerbsListDlg(HWND parent)
    : CDialog(IDD_VERBS_LIST, parent), m_strAllVerbsName(LoadLangString(IDS_ALL_VERBS))
{
    try {
        Globals().m_profile.EnterSection(VerbGroups::kSection);
    } catch (const Profile::RegException& e) {
        ReportProfileError(e); // the list opens all the same, without groups
    }
}

CVerbsListDlg::~CVerbsListDlg()
{
    // Back to the settings key, also after a failed entry (the section
    // names the groups all the same).
    try {
        Globals().m_profile.LeaveSection();
    } catch (const Profile::RegException& e) {
        ReportProfileError(e);
    }
}

BOOL CVerbsListDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_hTabs = GetDlgItem(IDC_GROUP_TABS);
    m_hList = GetDlgItem(IDC_VERB_LIST);
    ListView_SetExtendedListViewStyleEx(m_hList, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    if (HFONT font = Globals().m_userFont.get())
        ::SendMessageW(m_hList, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    InsertColumns();
    if (IsEnglish())
        SetEnglishTexts();
    InsertTabs();
    RankVerbs();
    FillList();
    ::EnableWindow(GetDlgItem(IDC_EXPORT), TRUE);
    return TRUE;
}

void CVerbsListDlg::InsertColumns()
{
    RECT rc{};
    ::GetWindowRect(m_hList, &rc);
    const int width = (rc.right - rc.left - 20) / 4;
    for (int column = 0; column < 4; ++column) {
        std::wstring title = LoadLangString(kColumnTitles[column]);
        LVCOLUMNW col{};
        col.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
        col.fmt = LVCFMT_LEFT;
        col.cx = width;
        col.pszText = title.data();
        col.iSubItem = column;
        ListView_InsertColumn(m_hList, column, &col);
    }
}

void CVerbsListDlg::SetEnglishTexts()
{
    SetWindowText(fw::LoadResString(IDS_LIST_TITLE + 1));
    ::SetDlgItemTextW(m_hWnd, IDC_EXPORT, L"&Export...");
    ::SetDlgItemTextW(m_hWnd, IDHELP, L"&Help");
}

void CVerbsListDlg::InsertTabs()
{
    auto insertTab = [this](const std::wstring& title) {
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<wchar_t*>(title.c_str());
        TabCtrl_InsertItem(m_hTabs, TabCtrl_GetItemCount(m_hTabs), &item);
    };
    insertTab(m_strAllVerbsName);
    m_tabGroups.clear();
    for (const std::wstring& name : VerbGroups::ListGroups(Globals().m_profile)) {
        if (name.empty())
            continue;
        m_tabGroups.push_back(name);
        insertTab(name);
    }
    TabCtrl_SetCurSel(m_hTabs, 0);
}

void CVerbsListDlg::SelectTab(int index)
{
    TabCtrl_SetCurSel(m_hTabs, index);
    FillList();
}

LRESULT CVerbsListDlg::OnTabChange(NMHDR&)
{
    FillList();
    return 0;
}

void CVerbsListDlg::FillList()
{
    CWaitCursor wait;
    ::SendMessageW(m_hList, WM_SETREDRAW, FALSE, 0);
    ListView_DeleteAllItems(m_hList);
    // Tabs are told apart by position, so a group named like All verbs is
    // still a group, and long names are kept whole.
    const int tab = TabCtrl_GetCurSel(m_hTabs);
    if (tab <= 0 || tab > static_cast<int>(m_tabGroups.size())) {
        m_strCurrentTabName = m_strAllVerbsName;
        std::vector<int> all(kVerbCount);
        std::iota(all.begin(), all.end(), 1);
        AddRows(std::move(all));
    } else {
        m_strCurrentTabName = m_tabGroups[static_cast<size_t>(tab - 1)];
        AddRows(VerbGroups::MemberNumbers(VerbGroups::ReadGroup(Globals().m_profile, m_strCurrentTabName)));
    }
    ::SendMessageW(m_hList, WM_SETREDRAW, TRUE, 0);
    ::InvalidateRect(m_hList, nullptr, TRUE);
}

void CVerbsListDlg::RankVerbs()
{
    std::vector<int> order(kVerbCount);
    std::iota(order.begin(), order.end(), 0);
    const VerbTable& verbs = Globals().m_verbs;
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return ::lstrcmpW(verbs[static_cast<size_t>(a)].infinitive.c_str(),
                          verbs[static_cast<size_t>(b)].infinitive.c_str()) < 0;
    });
    m_rank.assign(kVerbCount, 0);
    for (int place = 0; place < kVerbCount; ++place)
        m_rank[static_cast<size_t>(order[static_cast<size_t>(place)])] = place;
}

void CVerbsListDlg::AddRows(std::vector<int> verbNumbers)
{
    // The list keeps its rows sorted and looks for each new row's place
    // from the top: rows that come last go in first, so that every row
    // finds its place at once.
    std::stable_sort(verbNumbers.begin(), verbNumbers.end(), [this](int a, int b) {
        return m_rank[static_cast<size_t>(a - 1)] > m_rank[static_cast<size_t>(b - 1)];
    });
    ListView_SetItemCount(m_hList, static_cast<int>(verbNumbers.size()));
    for (int n : verbNumbers)
        AddRow(n);
}

void CVerbsListDlg::AddRow(int verbNumber)
{
    VerbRecord& verb = Globals().m_verbs[static_cast<size_t>(verbNumber - 1)];
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = 0;
    item.pszText = verb.infinitive.data();
    // The list places the row by its sorted order.
    const int row = ListView_InsertItem(m_hList, &item);
    if (row < 0)
        return;
    ListView_SetItemText(m_hList, row, 1, verb.pastTense.data());
    ListView_SetItemText(m_hList, row, 2, verb.pastParticiple.data());
    ListView_SetItemText(m_hList, row, 3, verb.translation.data());
}

VerbListTable CVerbsListDlg::ShownTable() const
{
    VerbListTable table;
    table.groupName = m_strCurrentTabName;
    for (int column = 0; column < 4; ++column) {
        wchar_t title[kTitleChars] = {};
        LVCOLUMNW col{};
        col.mask = LVCF_TEXT;
        col.pszText = title;
        col.cchTextMax = kTitleChars;
        ListView_GetColumn(m_hList, column, &col);
        table.titles[static_cast<size_t>(column)] = title;
    }
    const int rows = ListView_GetItemCount(m_hList);
    table.rows.reserve(static_cast<size_t>(rows));
    for (int row = 0; row < rows; ++row)
        table.rows.push_back({ListText(m_hList, row, 0), ListText(m_hList, row, 1), ListText(m_hList, row, 2),
                              ListText(m_hList, row, 3)});
    return table;
}

void CVerbsListDlg::OnExport()
{
    VerbListTable table = ShownTable();
    CHtmlExport(m_hWnd, table).Run();
}

void CVerbsListDlg::OnHelp()
{
    OpenHelpTopic(L"verbs_learn");
}
