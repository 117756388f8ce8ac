#include "dialogs/InputStringDlg.h"
#include "base/DialogTexts.h"
#include "base/Language.h"
#include "base/VerbsGlobals.h"
#include "framework/Text.h"
#include "framework/WinApp.h"
#include "resources/resource.h"
#include <commctrl.h>

namespace {
const wchar_t* const kWhiteSpace = L" \t\n\v\f\r";
// The template is English.
const DialogText kRussianTexts[] = {
    {0, L"\u0412\u0432\u043E\u0434 \u0441\u0442\u0440\u043E\u043A\u0438"}, // "Ввод строки"
};
const wchar_t* const kLengthTipEnglish = L"At most %1 characters";
const wchar_t* const kLengthTipRussian = L"\u041D\u0435 \u0431\u043E\u043B\u0435\u0435 %1 \u0441\u0438\u043C\u0432\u043E\u043B\u043E\u0432"; // "Не более %1 символов"
constexpr UINT_PTR kHideTipTimer = 1;
constexpr UINT kTipShownMs = 4000;
} // namespace

const wchar_t* const CInputStringDlg::kForbiddenChars = L"\\/:*?\"<>|[]";

BEGIN_MESSAGE_MAP(CInputStringDlg, CDialog)
    ON_CONTROL(EN_CHANGE, IDC_INPUT_TEXT, OnTextChange)
    ON_CONTROL(EN_MAXTEXT, IDC_INPUT_TEXT, OnMaxText)
    ON_CONTROL(EN_KILLFOCUS, IDC_INPUT_TEXT, HideLengthTip)
    ON_MESSAGE(WM_TIMER, OnTimer)
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

bool CInputStringDlg::HasVisibleChar(const std::wstring& text)
{
    for (wchar_t c : text) {
        WORD type = 0;
        if (!::GetStringTypeW(CT_CTYPE1, &c, 1, &type) || !(type & (C1_SPACE | C1_CNTRL)))
            return true;
    }
    return false;
}

void CInputStringDlg::DoDataExchange(CDataExchange* dx)
{
    DDX_Text(dx, IDC_INPUT_TEXT, Text);
    DDX_Text(dx, IDC_INPUT_PROMPT, Prompt);
}

BOOL CInputStringDlg::OnInitDialog()
{
    ShowDialogTexts(m_hWnd, kRussianTexts, IsEnglish(), CDialogTexts::Template::English);
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
    // A paste cut at the limit changes the text after the field said it is full.
    if (MaxLength <= 0 || Text.size() < static_cast<size_t>(MaxLength))
        HideLengthTip();
}

void CInputStringDlg::OnMaxText()
{
    // The field just stops taking characters: say why.
    ShowLengthTip();
}

void CInputStringDlg::ShowLengthTip()
{
    HWND field = GetDlgItem(IDC_INPUT_TEXT);
    std::wstring text =
        fw::FormatString1(IsEnglish() ? kLengthTipEnglish : kLengthTipRussian, std::to_wstring(MaxLength));
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.uFlags = TTF_IDISHWND | TTF_TRACK | TTF_ABSOLUTE;
    tool.hwnd = m_hWnd;
    tool.uId = reinterpret_cast<UINT_PTR>(field);
    tool.lpszText = text.data();
    if (!m_lengthTip.m_hWnd) {
        if (!m_lengthTip.CreateControl(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                       WS_POPUP | TTS_BALLOON | TTS_NOPREFIX | TTS_ALWAYSTIP, RECT{}, m_hWnd, 0))
            return;
        m_lengthTip.SendMessage(TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    } else {
        m_lengthTip.SendMessage(TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    RECT fieldRect{};
    ::GetWindowRect(field, &fieldRect);
    // Its stem at the field's right end: the balloon then leaves OK and Cancel free.
    m_lengthTip.SendMessage(TTM_TRACKPOSITION, 0, MAKELPARAM(fieldRect.right - 16, fieldRect.bottom - 2));
    m_lengthTip.SendMessage(TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
    ::SetTimer(m_hWnd, kHideTipTimer, kTipShownMs, nullptr);
}

void CInputStringDlg::HideLengthTip()
{
    if (!m_lengthTip.m_hWnd)
        return;
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.hwnd = m_hWnd;
    tool.uId = reinterpret_cast<UINT_PTR>(GetDlgItem(IDC_INPUT_TEXT));
    m_lengthTip.SendMessage(TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
    ::KillTimer(m_hWnd, kHideTipTimer);
}

LRESULT CInputStringDlg::OnTimer(WPARAM wp, LPARAM)
{
    if (wp == kHideTipTimer)
        HideLengthTip();
    return 0;
}

void CInputStringDlg::OnOK()
{
    HWND field = GetDlgItem(IDC_INPUT_TEXT);
    Text = fw::WindowText(field);
    // Nothing visible (no-break or zero-width spaces, control characters) is
    // as blank as spaces alone: a name must show in the lists.
    std::wstring trimmed = HasVisibleChar(Text) ? Trim(Text) : std::wstring();
    if (trimmed.size() != Text.size()) {
        AppMessageBox(LoadLangString(IDS_STRING_TRIMMED, PairOrder::EnglishFirst), MB_OK);
        Text = trimmed;
        ::SetWindowTextW(field, Text.c_str()); // EN_CHANGE enables OK for it
        ::SetFocus(field);
        EnableOk();
        return; // the user confirms the trimmed text with a second OK
    }
    // OK is disabled for empty text and the field takes no more than
    // MaxLength, but an OK sent from outside or a longer text set before
    // opening must not pass either.
    if (Text.empty() || IsTooLong()) {
        ::SetFocus(field);
        if (IsTooLong())
            ShowLengthTip();
        return;
    }
    if (HasForbiddenChar(Text)) {
        AppMessageBox(fw::LoadResString(IsEnglish() ? IDS_FORBIDDEN_CHARS_EN : IDS_FORBIDDEN_CHARS_RU), MB_OK);
        ::SetFocus(field);
        return;
    }
    EndDialog(IDOK);
}
