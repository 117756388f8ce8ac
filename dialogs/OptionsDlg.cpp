#include "dialogs/OptionsDlg.h"
#include "base/HelpTopics.h"
#include "base/PersistedSettings.h"
#include "base/ReportProfileError.h"
#include "base/VerbsGlobals.h"
#include "data/VerbRecord.h"
#include "framework/Text.h"
#include "resources/resource.h"
#include "settings/ProfileException.h"
#include <commctrl.h>
#include <cwchar>

namespace {

// The texts that follow the language radio buttons; 0 stands for the caption.
struct Caption {
    int id;
    const wchar_t* english;
};
const Caption kCaptions[] = {
    {0, L"Program options"},
    {IDC_GENERAL_BOX, L"&General options"},
    {IDC_SHOW_TRANSLATE, L"S&how translation"},
    {IDC_SHOW_RIGHT_ANSWER, L"Show &correct answer"},
    {IDC_NUM_WORDS_LABEL, L"Number of &questions"},
    {IDC_FORM_BOX, L"Verb &form to ask"},
    {IDC_ONLY_ONE_FORM, L"A&sk only one verb form"},
    {IDC_FORM_PAST, L"O&nly past"},
    {IDC_FORM_PARTICIPLE, L"Onl&y past participle"},
    {IDC_FORM_RANDOM, L"At rando&m"},
    {IDC_LANGUAGE_BOX, L"&Interface language"},
    {IDC_LIMIT_BOX, L"Time or attempts &limit"},
    {IDC_MUST_LIMIT_TIME, L"&Time limit"},
    {IDC_MINUTES_LABEL, L"minutes"},
    {IDC_MAX_ATTEMPT_LABEL, L"Number of &attempts"},
    {IDCANCEL, L"Cancel"},
    {IDHELP, L"Help"},
};

constexpr int kMaxLimitTime = 60;
constexpr int kMaxAttempts = 10;

} // namespace

BEGIN_MESSAGE_MAP(COptionsDlg, CDialog)
    ON_BN_CLICKED(IDC_MUST_LIMIT_TIME, OnTimeLimitToggle)
    ON_BN_CLICKED(IDC_ONLY_ONE_FORM, OnOneFormToggle)
    ON_BN_CLICKED(IDC_LANGUAGE_RUSSIAN, OnRussian)
    ON_BN_CLICKED(IDC_LANGUAGE_ENGLISH, OnEnglish)
    ON_BN_CLICKED(IDHELP, OnHelp)
END_MESSAGE_MAP()

COptionsDlg::COptionsDlg(HWND parent)
    : CDialog(IDD_OPTIONS, parent), m_nLanguage(Globals().Language), m_nWhichForm(Globals().WhichForm)
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
    for (const Caption& c : kCaptions)
        m_russianTexts[c.id] = fw::WindowText(c.id ? GetDlgItem(c.id) : m_hWnd);
    CDialog::OnInitDialog();

    const CVerbsGlobals& g = Globals();
    AttachSpin(IDC_LIMIT_TIME_SPIN, IDC_LIMIT_TIME, 1, kMaxLimitTime);
    AttachSpin(IDC_NUM_WORDS_SPIN, IDC_NUM_WORDS, 1, kVerbCount);
    AttachSpin(IDC_MAX_ATTEMPT_SPIN, IDC_MAX_ATTEMPT, 1, kMaxAttempts);

    SetChecked(IDC_SHOW_TRANSLATE, g.ShowTranslate != 0);
    SetChecked(IDC_MUST_LIMIT_TIME, g.MustLimitTime != 0);
    SetChecked(IDC_SHOW_RIGHT_ANSWER, g.ShowRightAnswer != 0);
    SetChecked(IDC_ONLY_ONE_FORM, g.OnlyOneForm != 0);
    OnTimeLimitToggle();

    SetNumber(IDC_LIMIT_TIME, g.LimitTime);
    SetNumber(IDC_NUM_WORDS, g.NumWords);
    SetNumber(IDC_MAX_ATTEMPT, g.MaxAttempt);

    int form = g.WhichForm == 0 ? IDC_FORM_PAST : g.WhichForm == 1 ? IDC_FORM_PARTICIPLE : IDC_FORM_RANDOM;
    ::CheckRadioButton(m_hWnd, IDC_FORM_PAST, IDC_FORM_RANDOM, form);
    OnOneFormToggle();

    bool english = g.Language != 0;
    ::CheckRadioButton(m_hWnd, IDC_LANGUAGE_RUSSIAN, IDC_LANGUAGE_ENGLISH,
                       english ? IDC_LANGUAGE_ENGLISH : IDC_LANGUAGE_RUSSIAN);
    if (english)
        ApplyCaptions(true);
    return TRUE;
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

void COptionsDlg::ApplyCaptions(bool english)
{
    for (const Caption& c : kCaptions) {
        const std::wstring& text = english ? std::wstring(c.english) : m_russianTexts[c.id];
        ::SetWindowTextW(c.id ? GetDlgItem(c.id) : m_hWnd, text.c_str());
    }
}

void COptionsDlg::OnRussian()
{
    ApplyCaptions(false);
}

void COptionsDlg::OnEnglish()
{
    ApplyCaptions(true);
}

void COptionsDlg::OnHelp()
{
    OpenHelpTopic(L"verbs_options");
}

void COptionsDlg::OnOK()
{
    UpdateData(TRUE);
    CVerbsGlobals& g = Globals();
    g.ShowTranslate = IsChecked(IDC_SHOW_TRANSLATE) ? 1 : 0;
    g.MustLimitTime = IsChecked(IDC_MUST_LIMIT_TIME) ? 1 : 0;
    g.LimitTime = Number(IDC_LIMIT_TIME);
    g.ShowRightAnswer = IsChecked(IDC_SHOW_RIGHT_ANSWER) ? 1 : 0;
    g.NumWords = Number(IDC_NUM_WORDS);
    g.OnlyOneForm = IsChecked(IDC_ONLY_ONE_FORM) ? 1 : 0;
    g.WhichForm = IsChecked(IDC_FORM_PAST) ? 0 : IsChecked(IDC_FORM_PARTICIPLE) ? 1 : 2;
    g.Language = IsChecked(IDC_LANGUAGE_ENGLISH) ? 1 : 0;
    g.MaxAttempt = Number(IDC_MAX_ATTEMPT);
    try {
        SaveAllSettings();
    } catch (const Profile::RegException& e) {
        // The new values are in use already; the store keeps what it had.
        ReportProfileError(e);
    }
    EndDialog(IDOK);
}
