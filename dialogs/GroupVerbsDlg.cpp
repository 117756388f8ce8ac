#include "dialogs/GroupVerbsDlg.h"
#include "base/DialogTexts.h"
#include "base/ReportProfileError.h"
#include "base/VerbsGlobals.h"
#include "data/VerbGroups.h"
#include "resources/resource.h"
#include "settings/ProfileException.h"
#include "settings/RegProfile.h"

namespace {
const DialogText kEnglishTexts[] = {
    {0, L"Included verbs"},
    {IDC_TOTAL_LABEL, L"&Total:"},
    {IDC_CHECK_ALL, L"All (+)"},
    {IDC_UNCHECK_ALL, L"All (-)"},
};
const wchar_t* const kRussianGroupWord = L"\u0413\u0440\u0443\u043F\u043F\u0430"; // "Группа", no colon
} // namespace

BEGIN_MESSAGE_MAP(CGroupVerbsDlg, CDialog)
    ON_BN_CLICKED(IDC_CHECK_ALL, OnCheckAll)
    ON_BN_CLICKED(IDC_UNCHECK_ALL, OnUncheckAll)
    ON_CONTROL(LBN_SELCHANGE, IDC_CHECK_LIST, OnListChange)
    ON_CONTROL(CLBN_CHKCHANGE, IDC_CHECK_LIST, OnListChange)
END_MESSAGE_MAP()

CGroupVerbsDlg::CGroupVerbsDlg(Profile::RegProfile& store, const std::wstring& groupName, HWND parent)
    : CDialog(IDD_GROUP_VERBS, parent), GroupName(groupName), m_store(store)
{
}

void CGroupVerbsDlg::DoDataExchange(CDataExchange* dx)
{
    if (!m_list.m_hWnd)
        m_list.AttachDlgItem(IDC_CHECK_LIST, dx->m_hDialog);
    DDX_Text(dx, IDC_TOTAL, Total);
}

BOOL CGroupVerbsDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    ShowDialogTexts(m_hWnd, kEnglishTexts, IsEnglish());
    std::wstring label = std::wstring(IsEnglish() ? L"Group:" : kRussianGroupWord) + L" \"" + GroupName + L"\"";
    ::SetDlgItemTextW(m_hWnd, IDC_GROUP_LABEL, label.c_str());

    std::wstring text = VerbGroups::ReadGroup(m_store, GroupName);
    WasChosen = VerbGroups::IsChosen(text);
    FillList(text);
    return TRUE;
}

void CGroupVerbsDlg::FillList(const std::wstring& groupText)
{
    VerbGroups::MemberFlags members; // bit n - 1: verb n
    VerbGroups::AddMembers(groupText, members);
    const VerbTable& verbs = Globals().m_verbs;
    m_list.SetRedraw(false);
    m_list.InitStorage(kVerbCount);
    int total = 0;
    for (int n = 1; n <= kVerbCount; ++n) {
        bool member = members.test(static_cast<size_t>(n - 1));
        m_list.AddString(verbs[static_cast<size_t>(n - 1)].infinitive, member);
        total += member ? 1 : 0;
    }
    m_list.SetRedraw(true);
    ShowTotal(total);
}

void CGroupVerbsDlg::ShowTotal(int total)
{
    Total = total;
    ::SetDlgItemInt(m_hWnd, IDC_TOTAL, static_cast<UINT>(Total), FALSE);
}

void CGroupVerbsDlg::OnCheckAll()
{
    m_list.SetAllChecks(true);
    ShowTotal(kVerbCount);
}

void CGroupVerbsDlg::OnUncheckAll()
{
    m_list.SetAllChecks(false);
    ShowTotal(0);
}

void CGroupVerbsDlg::OnListChange()
{
    ShowTotal(m_list.CountChecked());
}

void CGroupVerbsDlg::OnOK()
{
    VerbGroups::MemberFlags members;
    for (int i = 0; i < kVerbCount && i < m_list.GetCount(); ++i)
        if (m_list.GetCheck(i))
            members.set(static_cast<size_t>(i));
    try {
        VerbGroups::WriteGroup(m_store, GroupName, VerbGroups::MembersText(members, WasChosen));
    } catch (const Profile::RegException& e) {
        ReportProfileError(e); // the stored group stays as it was
    }
    EndDialog(IDOK);
}
