#pragma once
// The learning options, as the options table declares them for this dialog:
// check boxes in the interface language. OK puts them into the program's
// option variables and writes them to the settings store; Help opens the
// help page at its section on them.
#include "base/DialogTexts.h"
#include "framework/Dialog.h"

class CLearningOptionsDlg : public CDialog {
public:
    explicit CLearningOptionsDlg(HWND parent);

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnHelp();

    DECLARE_MESSAGE_MAP()

private:
    CDialogTexts m_texts;
};
