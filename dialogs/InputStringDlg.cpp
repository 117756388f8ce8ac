#include "dialogs/InputStringDlg.h"
#include "app/Language.h"
#include "app/VerbsGlobals.h"
#include "framework/Text.h"
#include "framework/WinApp.h"
#include "resources/resource.h"

namespace {
const wchar_t* const kWhiteSpace = L" \t\n\v\f\r";
const wchar_t* const kRussianCaption = L"\u0412\u0432\u043E\u0434 \u0441\u0442\u0440\u043E\u043A\u0438"; // "Ввод строки"
} // namespace

const wchar_t* const CInputStringDlg::kForbiddenChars = L"\\/:*?\"<>|[]";

BEGIN_MESSAGE_MAP(CInputStringDlg, CDialog)
    ON_CONTROL(EN_CHANGE, IDC_INPUT_TEXT, OnTextChange)
END_MESSAGE_MAP()

CInputStringDlg::CInputStringDlg(HWND parent, bool readOnly) : CDialog(IDD_INPUT_STRING, parent), ReadOnly(readOnly)
{
}

std::wstring CInputStringDlg::Trim(const std::wstring& text)
{
    size_t first = text.find_first_not_of(kWhiteSpace);
    if (first == std::wstring::npos)
        return {};
    size_t last = text.find_last_not_of(kWhiteSpace);
    return text.substr(first, last - first + 1);
}

bool CInputStringDlg::HasForbiddenChar(const std::wstring& text)
{
    return text.find_first_of(kForbiddenChars) != std::wstring::npos;
}

void CInputStringDlg::DoDataExchange(CDataExchange* dx)
{
    DDX_Text(dx, IDC_INPUT_TEXT, Text);
    DDX_Text(dx, IDC_INPUT_PROMPT, Prompt);
}

BOOL CInputStringDlg::OnInitDialog()
{
    if (!IsEnglish())
        SetWindowText(kRussianCaption);
    HWND field = GetDlgItem(IDC_INPUT_TEXT);
    if (MaxLength > 0)
        ::SendMessageW(field, EM_SETLIMITTEXT, static_cast<WPARAM>(MaxLength), 0);
    CDialog::OnInitDialog();
    ::SendMessageW(field, EM_SETREADONLY, ReadOnly ? TRUE : FALSE, 0);
    EnableOk();
    return TRUE;
}

void CInputStringDlg::EnableOk()
{
    ::EnableWindow(GetDlgItem(IDOK), !Text.empty());
}

void CInputStringDlg::OnTextChange()
{
    Text = fw::WindowText(GetDlgItem(IDC_INPUT_TEXT));
    EnableOk();
}

void CInputStringDlg::OnOK()
{
    HWND field = GetDlgItem(IDC_INPUT_TEXT);
    Text = fw::WindowText(field);
    std::wstring trimmed = Trim(Text);
    if (trimmed.size() != Text.size()) {
        AppMessageBox(LoadLangString(IDS_STRING_TRIMMED, PairOrder::EnglishFirst), MB_OK);
        Text = trimmed;
        ::SetWindowTextW(field, Text.c_str()); // EN_CHANGE enables OK for it
        ::SetFocus(field);
        EnableOk();
        return; // the user confirms the trimmed text with a second OK
    }
    if (HasForbiddenChar(Text)) {
        AppMessageBox(fw::LoadResString(IsEnglish() ? IDS_FORBIDDEN_CHARS_EN : IDS_FORBIDDEN_CHARS_RU), MB_OK);
        ::SetFocus(field);
        return;
    }
    EndDialog(IDOK);
}
