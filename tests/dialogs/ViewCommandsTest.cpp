// The view's Options and Used groups commands in the running program: both
// command ids open the dialogs, and the menu changes language only after OK
// with a changed language.
#include "../app/AppFixture.h"
#include "DialogTestSupport.h"

using namespace dlgtest;

namespace {

class ViewCommands : public AppFixture {
protected:
    static std::wstring MenuText(CMainFrame& frame, UINT id)
    {
        wchar_t text[64] = {};
        ::GetMenuStringW(::GetMenu(frame.m_hWnd), id, text, 64, MF_BYCOMMAND);
        return text;
    }
    void Command(CMainFrame& frame, UINT id, testutil::ModalResponder::Step step)
    {
        responder.Then(std::move(step));
        frame.SendMessage(WM_COMMAND, id, 0);
        EXPECT_TRUE(responder.Verify());
    }

    testutil::ModalResponder responder;
};

} // namespace

TEST_F(ViewCommands, OptionsSwitchTheMenuOnlyAfterOkWithAnotherLanguage)
{
    CMainFrame& frame = Start(0);
    const std::wstring russianOptions = MenuText(frame, ID_OPTIONS_RU);
    Command(frame, ID_OPTIONS_RU, [](HWND d) {
        Press(d, IDC_LANGUAGE_ENGLISH);
        Press(d, IDCANCEL);
    });
    EXPECT_EQ(MenuText(frame, ID_OPTIONS_RU), russianOptions);
    EXPECT_EQ(globals->Language, 0);

    Command(frame, ID_OPTIONS_RU, [](HWND d) {
        Press(d, IDC_LANGUAGE_ENGLISH);
        Press(d, IDOK);
    });
    EXPECT_EQ(MenuText(frame, ID_OPTIONS_EN), L"&Options...");
    EXPECT_EQ(Setting(L"Language"), L"1");

    frame.SetWindowText(L"unchanged"); // a rebuild would set the title again
    Command(frame, ID_OPTIONS_EN, [](HWND d) { Press(d, IDOK); });
    EXPECT_EQ(frame.GetWindowText(), L"unchanged");

    Command(frame, ID_OPTIONS_EN, [](HWND d) {
        Press(d, IDC_LANGUAGE_RUSSIAN);
        Press(d, IDOK);
    });
    EXPECT_EQ(MenuText(frame, ID_OPTIONS_RU), russianOptions);
    EXPECT_EQ(MenuText(frame, ID_OPTIONS_EN), L"");
}

TEST_F(ViewCommands, UsedGroupsOpensFromEitherIdAndGivesTheStoreBack)
{
    CMainFrame& frame = Start(1);
    for (UINT id : {ID_USED_GROUPS_EN, ID_USED_GROUPS_RU}) {
        Command(frame, id, [](HWND d) {
            EXPECT_EQ(fw::WindowText(d), L"Selected groups");
            EXPECT_EQ(Text(d, IDC_TOTAL), L"294");
            Press(d, IDOK);
        });
        EXPECT_EQ(globals->m_profile.Section(), kSettingsSection);
    }
}
