// The group members dialog on its real controls: every verb in table order,
// the members ticked, Total, All (+) and All (-), and what OK and Cancel
// leave in the store.
#include "DialogTestSupport.h"
#include "dialogs/GroupVerbsDlg.h"
#include "dialogs/GroupsSection.h"

using namespace dlgtest;

namespace {
class GroupVerbsDialog : public ProgramState {
protected:
    // Runs the dialog for a group inside "Groups", as the used groups dialog does.
    INT_PTR Open(const std::wstring& group, testutil::ModalResponder::Step step)
    {
        CGroupsSection section(Store());
        CGroupVerbsDlg dialog(Store(), group, nullptr);
        return Run(dialog, std::move(step));
    }
    static std::wstring Ticked(HWND d)
    {
        std::wstring numbers;
        for (int i = 0; i < List(d).GetCount(); ++i)
            if (List(d).GetCheck(i))
                numbers += std::to_wstring(i + 1) + L";";
        return numbers;
    }
};
} // namespace

TEST_F(GroupVerbsDialog, ShowsEveryVerbInTableOrderWithTheMembersTicked)
{
    EXPECT_EQ(Open(L"1-1-2", [&](HWND d) {
                  ASSERT_EQ(List(d).GetCount(), 294);
                  for (int i = 0; i < 294; ++i)
                      EXPECT_EQ(List(d).GetText(i), globals->m_verbs[i].infinitive) << i;
                  EXPECT_EQ(Ticked(d), L"8;34;");
                  EXPECT_EQ(Text(d, IDC_TOTAL), L"2");
                  EXPECT_EQ(fw::WindowText(d) + L"|" + Text(d, IDC_GROUP_LABEL) + L"|" + Text(d, IDC_TOTAL_LABEL) +
                                L"|" + Text(d, IDC_CHECK_ALL) + L"|" + Text(d, IDC_UNCHECK_ALL),
                            L"Included verbs|Group: \"1-1-2\"|&Total:|All (+)|All (-)");
                  Press(d, IDOK);
              }),
              IDOK);
    EXPECT_EQ(Group(L"1-1-2"), L"8;34;");

    // The table's last verb is a member of 1-2-3 like any other.
    globals->Language = 0;
    Open(L"1-2-3", [&](HWND d) {
        EXPECT_EQ(Ticked(d) + L"|" + Text(d, IDC_TOTAL), fw::LoadResString(IDS_GROUP_123) + L"|111");
        EXPECT_EQ(fw::WindowText(d) + L"|" + Text(d, IDC_GROUP_LABEL), L"Выбранные глаголы|Группа \"1-2-3\"");
        Click(d, 293, true);
        EXPECT_EQ(Text(d, IDC_TOTAL), L"110");
        Key(d, VK_SPACE); // the line just clicked is selected: Space ticks it again
        EXPECT_EQ(Text(d, IDC_TOTAL), L"111");
        Press(d, IDOK);
    });
    EXPECT_EQ(Group(L"1-2-3"), fw::LoadResString(IDS_GROUP_123));
}

TEST_F(GroupVerbsDialog, AllButtonsAndWhatOkAndCancelStore)
{
    PutGroup(L"Chosen", L"5;9;-1");
    auto untickAll = [](HWND d) {
        Press(d, IDC_UNCHECK_ALL);
        EXPECT_EQ(Text(d, IDC_TOTAL), L"0");
        Press(d, IDOK);
    };
    Open(L"Chosen", untickAll);
    Open(L"1-2-1", untickAll);
    EXPECT_EQ(Group(L"Chosen") + L"|" + Group(L"1-2-1"), L"-1|") << "the chosen mark survives";

    EXPECT_EQ(Open(L"1-1-2", [](HWND d) {
                  Press(d, IDC_CHECK_ALL);
                  EXPECT_EQ(Text(d, IDC_TOTAL) + L"|" + std::to_wstring(List(d).CountChecked()), L"294|294");
                  Key(d, VK_ESCAPE);
              }),
              IDCANCEL);
    EXPECT_EQ(Group(L"1-1-2"), L"8;34;");

    // A missing group reads as empty; OK creates it.
    Open(L"New", [](HWND d) {
        Click(d, 2, true);
        Click(d, 0, true);
        Press(d, IDOK);
    });
    EXPECT_EQ(Group(L"New"), L"1;3;");
}

TEST_F(GroupVerbsDialog, AFailedWriteIsReportedAndTheGroupStaysAsItWas)
{
    FaultyRegistry registry;
    EXPECT_EQ(Open(L"1-1-2", [&](HWND d) {
                  Press(d, IDC_CHECK_ALL);
                  Faults::setValue = true;
                  responder.ThenPress(IDOK);
                  Press(d, IDOK);
              }),
              IDOK);
    Faults::setValue = false;
    std::wstring all;
    for (int n = 1; n <= 294; ++n)
        all += std::to_wstring(n) + L";";
    EXPECT_EQ(Box(), L"Oops! Profile::RegException\n\nKey: 1-1-2 Value:" + all);
    EXPECT_EQ(Group(L"1-1-2"), L"8;34;");
}
