#pragma once
// The members of one group: every verb of the table with a check box, in
// table order (line i stands for verb number i + 1). OK writes the ticked
// verbs as the group's new member list and keeps its chosen mark; Cancel
// writes nothing. Works in the store's current section, which the caller
// holds at "Groups".
#include "framework/CheckListBox.h"
#include "framework/Dialog.h"
#include <string>

namespace Profile {
class RegProfile;
}

class CGroupVerbsDlg : public CDialog {
public:
    CGroupVerbsDlg(Profile::RegProfile& store, const std::wstring& groupName, HWND parent);

    const std::wstring GroupName;
    // Whether the group's text held the chosen mark when the dialog opened.
    bool WasChosen = false;
    // Number of ticked lines.
    int Total = 0;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void DoDataExchange(CDataExchange* dx) override;

    void OnCheckAll();
    void OnUncheckAll();
    void OnListChange();

    DECLARE_MESSAGE_MAP()

private:
    void FillList(const std::wstring& groupText);
    void ShowTotal(int total);

    Profile::RegProfile& m_store;
    CCheckListBox m_list;
};
