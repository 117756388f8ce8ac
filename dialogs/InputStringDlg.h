#pragma once
// Asks for one line of text (in this program the name of a new group). The
// text that comes back with OK is never empty, has no white space at either
// end and none of the characters that cannot stand in a name. The object
// keeps the text after it closes, so running it again shows it once more.
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

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void DoDataExchange(CDataExchange* dx) override;

    void OnTextChange();

    DECLARE_MESSAGE_MAP()

private:
    void EnableOk();
};
