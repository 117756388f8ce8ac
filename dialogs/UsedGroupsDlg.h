#pragma once
// Which verb groups a test uses: All verbs and every stored group, each with
// a check box (ticked: chosen for testing), and the number of distinct verbs
// in the chosen groups. Groups are created ("+"), filled ("?", or a double
// click) and deleted ("-") here. Every change goes to the store at once; the
// dialog holds the store's "Groups" section while it exists.
#include "dialogs/GroupsSection.h"
#include "framework/CheckListBox.h"
#include "framework/Dialog.h"
#include <string>

namespace Profile {
class RegProfile;
}

class CUsedGroupsDlg : public CDialog {
public:
    // Longest group name accepted at creation: with the widest letters it
    // still fits the members dialog's heading, a line of the list and a tab
    // of the verbs list, far below what the store can list.
    static constexpr int kMaxGroupNameLength = 18;

    CUsedGroupsDlg(Profile::RegProfile& store, HWND parent);

    // Number of distinct verbs in the chosen groups.
    int Total = 0;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;

    void OnSelectionChange();
    void OnCheckChange();
    void OnDoubleClick();
    void OnNewGroup();
    void OnEditGroup();
    void OnDeleteGroup();

    DECLARE_MESSAGE_MAP()

private:
    // Tag of the All verbs line (group lines keep tag 0).
    static constexpr unsigned kAllVerbsTag = 1;

    void FillList();
    bool IsAllVerbsLine(int index) const;
    // The selected line when it is a group's, else -1.
    int SelectedGroupLine() const;
    // Stores the tick of a line; on failure the line shows what the store holds.
    void WriteTick(int index);
    bool StoredTick(int index);
    void EnableGroupButtons();
    void RecomputeTotal();
    bool IsNameTaken(const std::wstring& name);

    CGroupsSection m_section; // first: entered before and left after everything else
    Profile::RegProfile& m_store;
    CCheckListBox m_list;
    std::wstring m_allVerbsName;
};
