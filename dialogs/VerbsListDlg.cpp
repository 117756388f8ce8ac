#include "dialogs/VerbsListDlg.h"
#include "base/DialogTexts.h"
#include "base/HelpTopics.h"
#include "base/Language.h"
#include "base/ReportProfileError.h"
#include "base/VerbsGlobals.h"
#include "data/VerbGroups.h"
#include "framework/Dpi.h"
#include "framework/Handles.h"
#include "framework/Text.h"
#include "framework/WaitCursor.h"
#include "resources/resource.h"
#include "settings/ProfileException.h"
#include <commctrl.h>
#include <algorithm>
#include <numeric>

namespace {
const DialogText kEnglishTexts[] = {
    {0, nullptr, IDS_LIST_TITLE + 1},
    {IDC_EXPORT, L"&Export..."},
    {IDHELP, L"&Help"},
};

// Header titles of the four columns (Russian ids; English is the next one).
constexpr UINT kColumnTitles[4] = {IDS_INFINITIVE, IDS_PAST_TENSE, IDS_PAST_PARTICIPLE, IDS_TRANSLATION};
// The header's titles are read into buffers of this size.
constexpr int kTitleChars = 127;
// Room beside the columns for the list's edge and vertical scroll bar, at
// the least.
constexpr int kScrollBarRoom = 20;
// Room a column leaves beside its text (at 96 DPI), as the list and its
// header draw it: the margins of the text and the gap before the next.
constexpr int kCellPadding = 12;
// Rows a list in a larger font of the user's own shows at once where the
// screen has room (in the dialog's own font it shows a few more).
constexpr int kRowsShown = 12;

RECT RectIn(HWND parent, HWND child)
{
    RECT rc{};
    ::GetWindowRect(child, &rc);
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

// Moves a child right by dx and makes it wider by dw and taller by dh.
void Reshape(HWND parent, HWND child, int dx, int dw, int dh)
{
    const RECT rc = RectIn(parent, child);
    ::MoveWindow(child, rc.left + dx, rc.top, rc.right - rc.left + dw, rc.bottom - rc.top + dh, FALSE);
}

// Width of a text in the font a window draws with.
int TextWidth(HWND window, const std::wstring& text)
{
    fw::WindowDc dc(window);
    fw::SelectedObject font(dc.get(), reinterpret_cast<HGDIOBJ>(::SendMessageW(window, WM_GETFONT, 0, 0)));
    SIZE size{};
    ::GetTextExtentPoint32W(dc.get(), text.c_str(), static_cast<int>(text.size()), &size);
    return size.cx;
}

// Pixels a slanted font's last glyph reaches past its advance.
int ItalicSlack(HWND window)
{
    fw::WindowDc dc(window);
    fw::SelectedObject font(dc.get(), reinterpret_cast<HGDIOBJ>(::SendMessageW(window, WM_GETFONT, 0, 0)));
    TEXTMETRICW tm{};
    ::GetTextMetricsW(dc.get(), &tm);
    return tm.tmItalic ? tm.tmHeight / 5 : 0;
}

} // namespace

BEGIN_MESSAGE_MAP(CVerbsListDlg, CDialog)
    ON_NOTIFY(TCN_SELCHANGE, IDC_GROUP_TABS, OnTabChange)
    ON_NOTIFY(LVN_GETDISPINFOW, IDC_VERB_LIST, OnGetCellText)
    ON_NOTIFY(LVN_ODFINDITEMW, IDC_VERB_LIST, OnFindRow)
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
    ShowDialogTexts(m_hWnd, kEnglishTexts, IsEnglish());
    InsertTabs();
    RankVerbs();
    FillList();
    if (Globals().m_userFont)
        GrowToRows();
    ::EnableWindow(GetDlgItem(IDC_EXPORT), TRUE);
    return TRUE;
}

void CVerbsListDlg::InsertColumns()
{
    // Four equal columns beside the vertical scroll bar, so that no
    // horizontal one is needed; in a font of the user's own each column is
    // as wide as its longest text, and the dialog grows for them.
    const RECT list = RectIn(m_hWnd, m_hList);
    const int listWidth = list.right - list.left;
    const int scrollRoom = ScrollBarRoom();
    const bool userFont = Globals().m_userFont.get() != nullptr;
    std::array<std::wstring, 4> titles;
    for (int column = 0; column < 4; ++column) {
        titles[static_cast<size_t>(column)] = LoadLangString(kColumnTitles[column]);
        LVCOLUMNW col{};
        col.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
        col.fmt = LVCFMT_LEFT;
        col.cx = (listWidth - scrollRoom) / 4;
        col.pszText = titles[static_cast<size_t>(column)].data();
        col.iSubItem = column;
        ListView_InsertColumn(m_hList, column, &col);
    }
    if (!userFont)
        return;
    const std::array<int, 4> widths = FittedWidths(titles, (listWidth - scrollRoom) / 4);
    int total = scrollRoom;
    for (int column = 0; column < 4; ++column) {
        ListView_SetColumnWidth(m_hList, column, widths[static_cast<size_t>(column)]);
        total += widths[static_cast<size_t>(column)];
    }
    GrowBy(total - listWidth, 0);
}

int CVerbsListDlg::ScrollBarRoom() const
{
    RECT window{}, client{};
    ::GetWindowRect(m_hList, &window);
    ::GetClientRect(m_hList, &client);
    const int edges = (window.right - window.left) - client.right;
    return std::max(kScrollBarRoom, edges + fw::SystemMetric(SM_CXVSCROLL, fw::DpiOf(m_hList)));
}

std::array<int, 4> CVerbsListDlg::FittedWidths(const std::array<std::wstring, 4>& titles, int narrowest) const
{
    const HWND header = ListView_GetHeader(m_hList);
    const int padding = fw::Scale(kCellPadding, fw::DpiOf(m_hList));
    std::array<int, 4> widths{};
    for (size_t column = 0; column < 4; ++column)
        widths[column] = TextWidth(header, titles[column]) + ItalicSlack(header);
    const int slack = ItalicSlack(m_hList);
    for (const VerbRecord& verb : Globals().m_verbs) {
        const std::wstring* cells[4] = {&verb.infinitive, &verb.pastTense, &verb.pastParticiple, &verb.translation};
        for (size_t column = 0; column < 4; ++column)
            widths[column] = std::max(widths[column], ListView_GetStringWidth(m_hList, cells[column]->c_str()) + slack);
    }
    for (int& width : widths)
        width = std::max(narrowest, width + padding);
    return widths;
}

void CVerbsListDlg::GrowToRows()
{
    RECT row{}, header{}, client{};
    if (!ListView_GetItemRect(m_hList, 0, &row, LVIR_BOUNDS))
        return;
    ::GetWindowRect(ListView_GetHeader(m_hList), &header);
    ::GetClientRect(m_hList, &client);
    GrowBy(0, (header.bottom - header.top) + kRowsShown * (row.bottom - row.top) - client.bottom);
}

void CVerbsListDlg::GrowBy(int wider, int taller)
{
    // Within the work area of the dialog's monitor; beyond it the list
    // scrolls.
    MONITORINFO monitor{sizeof(monitor)};
    if (!::GetMonitorInfoW(::MonitorFromWindow(m_hWnd, MONITOR_DEFAULTTONEAREST), &monitor))
        return;
    const RECT work = monitor.rcWork;
    const RECT dialog = GetWindowRect();
    const int width = dialog.right - dialog.left, height = dialog.bottom - dialog.top;
    wider = std::min(wider, static_cast<int>(work.right - work.left) - width);
    taller = std::min(taller, static_cast<int>(work.bottom - work.top) - height);
    wider = std::max(wider, 0);
    taller = std::max(taller, 0);
    if (!wider && !taller)
        return;
    Reshape(m_hWnd, m_hTabs, 0, wider, taller);
    Reshape(m_hWnd, m_hList, 0, wider, taller);
    for (int id : {IDOK, IDC_EXPORT, IDHELP})
        Reshape(m_hWnd, GetDlgItem(id), wider, 0, 0);
    // Grown about its middle, kept inside the work area.
    // (A dialog larger than the work area already keeps its top left corner
    // there.)
    const int left = std::max(static_cast<int>(work.left), std::min(static_cast<int>(dialog.left) - wider / 2,
                                                                      static_cast<int>(work.right) - (width + wider)));
    const int top = std::max(static_cast<int>(work.top), std::min(static_cast<int>(dialog.top) - taller / 2,
                                                                   static_cast<int>(work.bottom) - (height + taller)));
    ::MoveWindow(m_hWnd, left, top, width + wider, height + taller, TRUE);
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
    // Tabs are told apart by position, so a group named like All verbs is
    // still a group, and long names are kept whole.
    const int tab = TabCtrl_GetCurSel(m_hTabs);
    if (tab <= 0 || tab > static_cast<int>(m_tabGroups.size())) {
        m_strCurrentTabName = m_strAllVerbsName;
        std::vector<int> all(kVerbCount);
        std::iota(all.begin(), all.end(), 1);
        ShowRows(std::move(all));
    } else {
        m_strCurrentTabName = m_tabGroups[static_cast<size_t>(tab - 1)];
        ShowRows(VerbGroups::MemberNumbers(VerbGroups::ReadGroup(Globals().m_profile, m_strCurrentTabName)));
    }
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

void CVerbsListDlg::ShowRows(std::vector<int> verbNumbers)
{
    std::stable_sort(verbNumbers.begin(), verbNumbers.end(), [this](int a, int b) {
        return m_rank[static_cast<size_t>(a - 1)] < m_rank[static_cast<size_t>(b - 1)];
    });
    m_rows = std::move(verbNumbers);
    // A new table: nothing selected, the first row at the top. (Clearing
    // the states of all rows at once would visit every row.)
    for (UINT state : {LVNI_SELECTED, LVNI_FOCUSED}) {
        const int row = ListView_GetNextItem(m_hList, -1, state);
        if (row >= 0)
            ListView_SetItemState(m_hList, row, 0, LVIS_SELECTED | LVIS_FOCUSED);
    }
    ListView_SetItemCountEx(m_hList, static_cast<int>(m_rows.size()), 0);
    ListView_EnsureVisible(m_hList, 0, FALSE);
    ::InvalidateRect(m_hList, nullptr, TRUE);
}

LRESULT CVerbsListDlg::OnGetCellText(NMHDR& header)
{
    LVITEMW& item = reinterpret_cast<NMLVDISPINFOW&>(header).item;
    if (!(item.mask & LVIF_TEXT) || !item.pszText || item.cchTextMax <= 0)
        return 0;
    item.pszText[0] = L'\0';
    if (item.iItem < 0 || item.iItem >= static_cast<int>(m_rows.size()))
        return 0;
    const VerbRecord& verb = Globals().m_verbs[static_cast<size_t>(m_rows[static_cast<size_t>(item.iItem)] - 1)];
    const std::wstring* cells[4] = {&verb.infinitive, &verb.pastTense, &verb.pastParticiple, &verb.translation};
    if (item.iSubItem >= 0 && item.iSubItem < 4)
        ::lstrcpynW(item.pszText, cells[item.iSubItem]->c_str(), item.cchTextMax);
    return 0;
}

LRESULT CVerbsListDlg::OnFindRow(NMHDR& header)
{
    // Typing in the list goes to the next row whose infinitive begins so.
    const NMLVFINDITEMW& find = reinterpret_cast<NMLVFINDITEMW&>(header);
    if (!(find.lvfi.flags & (LVFI_STRING | LVFI_PARTIAL)) || !find.lvfi.psz)
        return -1;
    const bool partial = (find.lvfi.flags & LVFI_PARTIAL) != 0;
    const int typed = lstrlenW(find.lvfi.psz);
    const int count = static_cast<int>(m_rows.size());
    const int start = find.iStart >= 0 && find.iStart < count ? find.iStart : 0;
    const int steps = (find.lvfi.flags & LVFI_WRAP) ? count : count - start;
    for (int i = 0; i < steps; ++i) {
        const int row = (start + i) % count;
        const std::wstring& infinitive = Globals().m_verbs[static_cast<size_t>(m_rows[static_cast<size_t>(row)] - 1)].infinitive;
        if (partial && static_cast<int>(infinitive.size()) < typed)
            continue;
        if (::CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, infinitive.c_str(), partial ? typed : -1,
                             find.lvfi.psz, -1) == CSTR_EQUAL)
            return row;
    }
    return -1;
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
    table.rows.reserve(m_rows.size());
    for (int n : m_rows) {
        const VerbRecord& verb = Globals().m_verbs[static_cast<size_t>(n - 1)];
        table.rows.push_back({verb.infinitive, verb.pastTense, verb.pastParticiple, verb.translation});
    }
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
