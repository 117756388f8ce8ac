#pragma once
// Asks for one line of text (in this program the name of a new group). The
// text that comes back with OK is never empty, has a visible character, no
// white space at either end, none of the characters that cannot stand in a
// name and no more characters than MaxLength. A balloon under the field says
// so when the field is full. The object keeps the text after it closes, so
// running it again shows it once more.
#include "framework/Dialog.h"
#include <string>

class CInputStringDlg : public CDialog {
public:
    explicit CInputStringDlg(HWND parent, bool readOnly = false);

    std::wstring Text;
    std::wstring Prompt;
    bool ReadOnly;
    // Most characters the field accepts; 0 for no limit.
    int MaxLength = 0;

    // The eleven characters a name may not contain.
    static const wchar_t* const kForbiddenChars;
    // The text without white space (space, tab, line feed, vertical tab,
    // form feed, carriage return) at either end.
    static std::wstring Trim(const std::wstring& text);
    static bool HasForbiddenChar(const std::wstring& text);
    // Whether anything of the text shows: not only white space, no-break or
    // zero-width spaces and control characters.
    static bool HasVisibleChar(const std::wstring& text);

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void DoDataExchange(CDataExchange* dx) override;

    void OnTextChange();
    void OnMaxText();
    void HideLengthTip();
    LRESULT OnTimer(WPARAM wp, LPARAM lp);

    DECLARE_MESSAGE_MAP()

private:
    void EnableOk();
    bool IsTooLong() const { return MaxLength > 0 && Text.size() > static_cast<size_t>(MaxLength); }
    // The balloon under the field that gives the most characters it takes.
    void ShowLengthTip();

    CWnd m_lengthTip;
};
