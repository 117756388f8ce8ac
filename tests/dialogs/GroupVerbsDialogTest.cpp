// The group members dialog on its real controls: every verb in table order,
// the group's members ticked, Total, All (+) and All (-), and what OK and
// Cancel leave in the store.
#include "DialogTestSupport.h"
#include "dialogs/GroupVerbsDlg.h"
#include "dialogs/GroupsSection.h"

using namespace dlgtest;

namespace {

class GroupVerbsDialog : public ProgramState {
protected:
    // Runs the dialog for a group inside "Groups", as the used groups dialog does.
    INT_PTR Open(int language, const std::wstring& group, testutil::ModalResponder::Step step)
    {
        globals->Language = language;
        responder.Then(std::move(step));
        CGroupsSection section(Store());
        CGroupVerbsDlg dialog(Store(), group, nullptr);
        INT_PTR result = dialog.DoModal();
        EXPECT_TRUE(responder.Verify());
        return result;
    }
    static std::vector<int> TickedVerbs(HWND d)
    {
        std::vector<int> numbers;
        std::vector<Line> lines = Lines(d);
        for (size_t i = 0; i < lines.size(); ++i)
            if (lines[i].checked)
                numbers.push_back(static_cast<int>(i) + 1);
        return numbers;
    }

};

} // namespace

TEST_F(GroupVerbsDialog, ShowsEveryVerbInTableOrderWithTheMembersTicked)
{
    EXPECT_EQ(Open(1, L"1-1-2", [&](HWND d) {
                  std::vector<Line> lines = Lines(d);
                  ASSERT_EQ(lines.size(), 294u);
                  for (size_t i = 0; i < lines.size(); ++i)
                      EXPECT_EQ(lines[i].text, globals->m_verbs[i].infinitive) << i;
                  EXPECT_EQ(TickedVerbs(d), (std::vector<int>{8, 34}));
                  EXPECT_EQ(Text(d, IDC_TOTAL), L"2");
                  EXPECT_EQ(fw::WindowText(d), L"Included verbs");
                  EXPECT_EQ(Text(d, IDC_GROUP_LABEL), L"Group: \"1-1-2\"");
                  EXPECT_EQ(Text(d, IDC_TOTAL_LABEL), L"&Total:");
                  EXPECT_EQ(Text(d, IDC_CHECK_ALL) + Text(d, IDC_UNCHECK_ALL), L"All (+)All (-)");
                  Press(d, IDOK);
              }),
              IDOK);
    EXPECT_EQ(Group(L"1-1-2"), L"8;34;");

    // The last verb of the table is a member of 1-2-3 like any other.
    Open(0, L"1-2-3", [&](HWND d) {
        EXPECT_EQ(Text(d, IDC_TOTAL), L"111");
        EXPECT_TRUE(List(d).GetCheck(293));
        EXPECT_EQ(Text(d, IDC_GROUP_LABEL), L"\u0413\u0440\u0443\u043F\u043F\u0430 \"1-2-3\"");
        EXPECT_EQ(fw::WindowText(d), L"\u0412\u044B\u0431\u0440\u0430\u043D\u043D\u044B\u0435 "
                                     L"\u0433\u043B\u0430\u0433\u043E\u043B\u044B");
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
    Open(1, L"Chosen", [](HWND d) {
        Press(d, IDC_UNCHECK_ALL);
        EXPECT_EQ(Text(d, IDC_TOTAL), L"0");
        Press(d, IDOK);
    });
    EXPECT_EQ(Group(L"Chosen"), L"-1") << "the chosen mark survives";
    Open(1, L"1-2-1", [](HWND d) {
        Press(d, IDC_UNCHECK_ALL);
        Press(d, IDOK);
    });
    EXPECT_EQ(Group(L"1-2-1"), L"");

    EXPECT_EQ(Open(1, L"1-1-2", [](HWND d) {
                  Press(d, IDC_CHECK_ALL);
                  EXPECT_EQ(Text(d, IDC_TOTAL), L"294");
                  EXPECT_EQ(List(d).CountChecked(), 294);
                  Key(d, VK_ESCAPE);
              }),
              IDCANCEL);
    EXPECT_EQ(Group(L"1-1-2"), L"8;34;");

    // A group that is missing reads as empty; OK creates it.
    Open(1, L"New", [](HWND d) {
        EXPECT_EQ(Text(d, IDC_TOTAL), L"0");
        Click(d, 2, true);
        Click(d, 0, true);
        Press(d, IDOK);
    });
    EXPECT_EQ(Group(L"New"), L"1;3;");
}

TEST_F(GroupVerbsDialog, AFailedWriteIsReportedAndTheGroupStaysAsItWas)
{
    FaultyRegistry registry;
    EXPECT_EQ(Open(1, L"1-1-2", [&](HWND d) {
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
    EXPECT_EQ(responder.Seen().back().text, L"Oops! Profile::RegException\n\nKey: 1-1-2 Value:" + all);
    EXPECT_EQ(Group(L"1-1-2"), L"8;34;");
}
