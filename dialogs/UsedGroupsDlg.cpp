#include "dialogs/UsedGroupsDlg.h"
#include "base/DialogTexts.h"
#include "base/Language.h"
#include "base/ReportProfileError.h"
#include "base/VerbsGlobals.h"
#include "data/VerbGroups.h"
#include "dialogs/GroupVerbsDlg.h"
#include "dialogs/InputStringDlg.h"
#include "framework/Text.h"
#include "framework/WaitCursor.h"
#include "framework/WinApp.h"
#include "resources/resource.h"
#include "settings/ProfileException.h"
#include "settings/RegProfile.h"

namespace {

// Equal as the store compares value names: letter case ignored, Cyrillic included.
bool SameName(const std::wstring& a, const std::wstring& b)
{
    return ::CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(), static_cast<int>(b.size()),
                                  TRUE) == CSTR_EQUAL;
}

} // namespace

namespace {
const DialogText kEnglishTexts[] = {
    {0, L"Selected groups"},
    {IDC_TOTAL_LABEL, L"&Total:"},
};
} // namespace

BEGIN_MESSAGE_MAP(CUsedGroupsDlg, CDialog)
    ON_CONTROL(LBN_SELCHANGE, IDC_CHECK_LIST, OnSelectionChange)
    ON_CONTROL(CLBN_CHKCHANGE, IDC_CHECK_LIST, OnCheckChange)
    ON_CONTROL(LBN_DBLCLK, IDC_CHECK_LIST, OnDoubleClick)
    ON_BN_CLICKED(IDC_NEW_GROUP, OnNewGroup)
    ON_BN_CLICKED(IDC_EDIT_GROUP, OnEditGroup)
    ON_BN_CLICKED(IDC_DELETE_GROUP, OnDeleteGroup)
END_MESSAGE_MAP()

CUsedGroupsDlg::CUsedGroupsDlg(Profile::RegProfile& store, HWND parent)
    : CDialog(IDD_USED_GROUPS, parent), m_section(store), m_store(store)
{
}

void CUsedGroupsDlg::DoDataExchange(CDataExchange* dx)
{
    if (!m_list.m_hWnd)
        m_list.AttachDlgItem(IDC_CHECK_LIST, dx->m_hDialog);
    DDX_Text(dx, IDC_TOTAL, Total);
}

BOOL CUsedGroupsDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    ShowDialogTexts(m_hWnd, kEnglishTexts, IsEnglish());
    m_allVerbsName = LoadLangString(IDS_ALL_VERBS);
    FillList();
    m_list.SetCurSel(0);
    OnSelectionChange();
    return TRUE;
}

void CUsedGroupsDlg::FillList()
{
    int allVerbs = m_list.AddString(m_allVerbsName, VerbGroups::IsAllVerbsChosen(m_store));
    m_list.SetItemTag(allVerbs, kAllVerbsTag);
    for (const std::wstring& name : VerbGroups::ListGroups(m_store))
        m_list.AddString(name, VerbGroups::IsTicked(VerbGroups::ReadGroup(m_store, name)));
}

bool CUsedGroupsDlg::IsAllVerbsLine(int index) const
{
    return index >= 0 && m_list.GetItemTag(index) == kAllVerbsTag;
}

int CUsedGroupsDlg::SelectedGroupLine() const
{
    int index = m_list.GetCurSel();
    return index >= 0 && !IsAllVerbsLine(index) ? index : -1;
}

void CUsedGroupsDlg::OnSelectionChange()
{
    // A selection alone changes nothing in the store: ticks are written
    // when they change (OnCheckChange).
    if (m_list.GetCurSel() < 0)
        return;
    EnableGroupButtons();
    RecomputeTotal();
}

void CUsedGroupsDlg::OnCheckChange()
{
    int index = m_list.GetCurSel();
    if (index < 0)
        return;
    WriteTick(index);
    EnableGroupButtons();
    RecomputeTotal();
}

void CUsedGroupsDlg::WriteTick(int index)
{
    bool ticked = m_list.GetCheck(index);
    try {
        if (IsAllVerbsLine(index))
            VerbGroups::SetAllVerbsChosen(m_store, ticked);
        else
            VerbGroups::SetGroupChosen(m_store, m_list.GetText(index), ticked);
    } catch (const Profile::RegException& e) {
        // The learner must never see a group as chosen that the test will
        // not use, not even behind the report.
        m_list.SetCheck(index, StoredTick(index));
        ReportProfileError(e);
    }
}

bool CUsedGroupsDlg::StoredTick(int index)
{
    if (IsAllVerbsLine(index))
        return VerbGroups::IsAllVerbsChosen(m_store);
    return VerbGroups::IsTicked(VerbGroups::ReadGroup(m_store, m_list.GetText(index)));
}

void CUsedGroupsDlg::EnableGroupButtons()
{
    bool group = SelectedGroupLine() >= 0;
    HWND focus = ::GetFocus();
    for (int id : {IDC_EDIT_GROUP, IDC_DELETE_GROUP}) {
        HWND button = GetDlgItem(id);
        if (!group && focus == button) // keep the keyboard somewhere useful
            SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(m_list.m_hWnd), TRUE);
        ::EnableWindow(button, group);
    }
}

void CUsedGroupsDlg::RecomputeTotal()
{
    CWaitCursor wait;
    // What the test will draw, as the store says: every tick is stored at
    // once (or taken back), and a mark between members, which shows no
    // tick, still counts for the test.
    Total = static_cast<int>(VerbGroups::ChosenVerbs(m_store).count());
    ::SetDlgItemInt(m_hWnd, IDC_TOTAL, static_cast<UINT>(Total), FALSE);
    ::EnableWindow(GetDlgItem(IDOK), Total != 0);
}

void CUsedGroupsDlg::OnDoubleClick()
{
    if (SelectedGroupLine() >= 0)
        OnEditGroup();
}

bool CUsedGroupsDlg::IsNameTaken(const std::wstring& name)
{
    int count = m_list.GetCount();
    for (int i = 0; i < count; ++i)
        if (SameName(m_list.GetText(i), name))
            return true;
    // The other language's All verbs name would become this one's after a switch.
    if (name == fw::LoadResString(IsEnglish() ? IDS_ALL_VERBS : IDS_ALL_VERBS + 1))
        return true;
    // The store may hold groups the list does not show; it decides by its own comparison.
    return m_store.ValueType(name).has_value();
}

void CUsedGroupsDlg::OnNewGroup()
{
    CInputStringDlg input(m_hWnd, false);
    input.Prompt = LoadLangString(IDS_GROUP_NAME, PairOrder::EnglishFirst);
    input.MaxLength = kMaxGroupNameLength;
    for (;;) {
        if (input.DoModal() != IDOK)
            return;
        if (!IsNameTaken(input.Text))
            break;
        AppMessageBox(LoadLangString(IDS_GROUP_EXISTS, PairOrder::EnglishFirst), MB_OK);
    }
    try {
        VerbGroups::WriteGroup(m_store, input.Text, L""); // empty, not chosen
    } catch (const Profile::RegException& e) {
        ReportProfileError(e);
        return;
    }
    int index = m_list.AddString(input.Text, false);
    if (index < 0)
        return;
    m_list.SetCurSel(index);
    EnableGroupButtons();
    OnEditGroup(); // the user fills the new group at once
}

void CUsedGroupsDlg::OnEditGroup()
{
    int index = SelectedGroupLine();
    if (index < 0)
        return;
    CGroupVerbsDlg members(m_store, m_list.GetText(index), m_hWnd);
    if (members.DoModal() != IDOK)
        return;
    // The members dialog keeps the chosen mark but puts it at the end of the
    // text, where it counts: a mark that stood between members (and showed
    // no tick) now chooses the group.
    m_list.SetCheck(index, StoredTick(index));
    RecomputeTotal();
}

void CUsedGroupsDlg::OnDeleteGroup()
{
    int index = SelectedGroupLine();
    if (index < 0)
        return;
    std::wstring name = m_list.GetText(index);
    if (AppMessageBox(fw::FormatString1(LoadLangString(IDS_DELETE_GROUP), name), MB_YESNO) != IDYES)
        return;
    // A group that is gone already (another writer deleted it) is as good as
    // deleted; one that stays keeps its line.
    if (!VerbGroups::DeleteGroup(m_store, name) && m_store.ValueType(name)) {
        ReportProfileError(Profile::RegException(Profile::RegException::kCannotPerform, L"Key: " + name));
        return;
    }
    m_list.DeleteString(index);
    m_list.SetCurSel(index < m_list.GetCount() ? index : 0);
    OnSelectionChange();
}
