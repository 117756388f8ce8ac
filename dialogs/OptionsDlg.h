#pragma once
// The options of the test, as the options table declares them. OK puts them
// into the program's option variables and writes all of them to the settings
// store; the dialog's own texts follow the language radio buttons at once,
// but the interface language itself changes only with OK (the caller
// rebuilds the menu).
#include "base/DialogTexts.h"
#include "framework/Dialog.h"

struct OptionInfo;

class COptionsDlg : public CDialog {
public:
    explicit COptionsDlg(HWND parent);

    // Radio groups: language (0 Russian, 1 English) and asked form (0..2).
    int m_nLanguage;
    int m_nWhichForm;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void DoDataExchange(CDataExchange* dx) override;

    void OnTimeLimitToggle();
    void OnOneFormToggle();
    void OnRussian();
    void OnEnglish();
    void OnHelp();

    DECLARE_MESSAGE_MAP()

private:
    void AttachSpin(int spinId, int editId, int low, int high);
    void SetNumber(int editId, int value);
    int Number(int editId) const;
    bool IsChecked(int id) const;
    void SetChecked(int id, bool checked);
    // An option on its controls, and read back from them.
    void ShowOption(const OptionInfo& option, int value);
    int OptionValue(const OptionInfo& option) const;

    CDialogTexts m_texts;
};
