#include "dialogs/OptionsDlg.h"
#include "base/DialogTexts.h"
#include "base/HelpTopics.h"
#include "base/Options.h"
#include "base/PersistedSettings.h"
#include "base/ReportProfileError.h"
#include "base/VerbsGlobals.h"
#include "framework/Text.h"
#include "resources/resource.h"
#include "settings/ProfileException.h"
#include <commctrl.h>
#include <cwchar>
#include <iterator>
#include <vector>

namespace {

// The dialog's own texts that follow the language radio buttons; those of
// the options' controls come with the options.
const DialogText kEnglishTexts[] = {
    {0, L"Program options"},
    {IDC_GENERAL_BOX, L"&General options"},
    {IDC_FORM_BOX, L"Verb &form to ask"},
    {IDC_LANGUAGE_BOX, L"&Interface language"},
    {IDC_LIMIT_BOX, L"Time or attempts &limit"},
    {IDCANCEL, L"Cancel"},
    {IDHELP, L"Help"},
};

std::vector<DialogText> AllEnglishTexts()
{
    std::vector<DialogText> texts(std::begin(kEnglishTexts), std::end(kEnglishTexts));
    for (const OptionInfo& option : Options())
        for (const DialogText& text : option.englishTexts)
            if (text.IsSet())
                texts.push_back(text);
    return texts;
}

// Options of other dialogs have no control here and keep their values.
bool HasControl(const OptionInfo& option)
{
    return option.controlIds[0] != 0;
}

} // namespace

BEGIN_MESSAGE_MAP(COptionsDlg, CDialog)
    ON_BN_CLICKED(IDC_MUST_LIMIT_TIME, OnTimeLimitToggle)
    ON_BN_CLICKED(IDC_ONLY_ONE_FORM, OnOneFormToggle)
    ON_BN_CLICKED(IDC_LANGUAGE_RUSSIAN, OnRussian)
    ON_BN_CLICKED(IDC_LANGUAGE_ENGLISH, OnEnglish)
    ON_BN_CLICKED(IDHELP, OnHelp)
END_MESSAGE_MAP()

COptionsDlg::COptionsDlg(HWND parent)
    : CDialog(IDD_OPTIONS, parent), m_nLanguage(Globals().Language), m_nWhichForm(Globals().WhichForm),
      m_texts(AllEnglishTexts())
{
}

void COptionsDlg::DoDataExchange(CDataExchange* dx)
{
    DDX_Radio(dx, IDC_LANGUAGE_RUSSIAN, m_nLanguage);
    DDX_Radio(dx, IDC_FORM_PAST, m_nWhichForm);
}

bool COptionsDlg::IsChecked(int id) const
{
    return ::IsDlgButtonChecked(m_hWnd, id) == BST_CHECKED;
}

void COptionsDlg::SetChecked(int id, bool checked)
{
    ::CheckDlgButton(m_hWnd, id, checked ? BST_CHECKED : BST_UNCHECKED);
}

void COptionsDlg::SetNumber(int editId, int value)
{
    ::SetDlgItemTextW(m_hWnd, editId, std::to_wstring(value).c_str());
}

int COptionsDlg::Number(int editId) const
{
    // Leading decimal digits count; the edits are read-only and kept in range
    // by their spin buttons.
    return static_cast<int>(std::wcstol(fw::WindowText(GetDlgItem(editId)).c_str(), nullptr, 10));
}

void COptionsDlg::AttachSpin(int spinId, int editId, int low, int high)
{
    HWND spin = GetDlgItem(spinId);
    ::SendMessageW(spin, UDM_SETBUDDY, reinterpret_cast<WPARAM>(GetDlgItem(editId)), 0);
    ::SendMessageW(spin, UDM_SETRANGE32, static_cast<WPARAM>(low), static_cast<LPARAM>(high));
}

BOOL COptionsDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    for (const OptionInfo& option : Options())
        if (HasControl(option))
            ShowOption(option, Globals().*option.member);
    OnTimeLimitToggle();
    OnOneFormToggle();
    m_texts.Show(m_hWnd, IsEnglish());
    return TRUE;
}

void COptionsDlg::ShowOption(const OptionInfo& option, int value)
{
    const auto& ids = option.controlIds;
    switch (option.control) {
    case OptionControl::Check:
        SetChecked(ids[0], value != 0);
        break;
    case OptionControl::Number:
        AttachSpin(ids[1], ids[0], option.low, option.high);
        SetNumber(ids[0], value);
        break;
    case OptionControl::Choice: {
        // A value outside the radio buttons checks the last one.
        int last = option.ChoiceCount() - 1;
        int index = value >= 0 && value < last ? value : last;
        ::CheckRadioButton(m_hWnd, ids[0], ids[static_cast<size_t>(last)], ids[static_cast<size_t>(index)]);
        break;
    }
    }
}

int COptionsDlg::OptionValue(const OptionInfo& option) const
{
    const auto& ids = option.controlIds;
    switch (option.control) {
    case OptionControl::Check:
        return IsChecked(ids[0]) ? 1 : 0;
    case OptionControl::Number:
        return Number(ids[0]);
    case OptionControl::Choice: {
        // The first checked one, the last when none before it is.
        int last = option.ChoiceCount() - 1;
        for (int i = 0; i < last; ++i)
            if (IsChecked(ids[static_cast<size_t>(i)]))
                return i;
        return last;
    }
    }
    return 0;
}

void COptionsDlg::OnTimeLimitToggle()
{
    bool timeLimit = IsChecked(IDC_MUST_LIMIT_TIME);
    ::EnableWindow(GetDlgItem(IDC_LIMIT_TIME_SPIN), timeLimit);
    ::EnableWindow(GetDlgItem(IDC_MAX_ATTEMPT_SPIN), !timeLimit);
}

void COptionsDlg::OnOneFormToggle()
{
    bool oneForm = IsChecked(IDC_ONLY_ONE_FORM);
    for (int id : {IDC_FORM_PAST, IDC_FORM_PARTICIPLE, IDC_FORM_RANDOM})
        ::EnableWindow(GetDlgItem(id), oneForm);
}

void COptionsDlg::OnRussian()
{
    m_texts.Show(m_hWnd, false);
}

void COptionsDlg::OnEnglish()
{
    m_texts.Show(m_hWnd, true);
}

void COptionsDlg::OnHelp()
{
    OpenHelpTopic(L"verbs_options");
}

void COptionsDlg::OnOK()
{
    UpdateData(TRUE);
    for (const OptionInfo& option : Options())
        if (HasControl(option))
            Globals().*option.member = OptionValue(option);
    try {
        SaveAllSettings();
    } catch (const Profile::RegException& e) {
        // The new values are in use already; the store keeps what it had.
        ReportProfileError(e);
    }
    EndDialog(IDOK);
}
