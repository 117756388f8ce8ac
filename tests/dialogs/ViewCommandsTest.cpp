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
    static void Choose(HWND dialog, int language)
    {
        Press(dialog, language);
        Press(dialog, IDOK);
    }
    testutil::ModalResponder responder;
};
} // namespace

TEST_F(ViewCommands, OptionsSwitchTheMenuOnlyAfterOkWithAnotherLanguage)
{
    CMainFrame& frame = Start(0);
    // Title (marked beforehand: a switch sets it again), first toolbar
    // button, the Options item of each menu, and the stored language.
    auto after = [&](UINT id, testutil::ModalResponder::Step step) {
        frame.SetWindowText(L"unchanged");
        Command(frame, id, std::move(step));
        return frame.GetWindowText() + L"|" + std::to_wstring(frame.ToolBar().GetItemID(0)) + L"|" +
               MenuText(frame, ID_OPTIONS_RU) + L"|" + MenuText(frame, ID_OPTIONS_EN) + L"|" + Setting(L"Language");
    };
    const std::wstring russian = L"|" + std::to_wstring(ID_TEST_START_RU) + L"|П&араметры...||";
    const std::wstring english = L"|" + std::to_wstring(ID_TEST_START_EN) + L"||&Options...|";
    EXPECT_EQ(after(ID_OPTIONS_RU,
                    [](HWND d) {
                        Press(d, IDC_LANGUAGE_ENGLISH);
                        Press(d, IDCANCEL);
                    }),
              L"unchanged" + russian + L"0");
    EXPECT_EQ(globals->Language, 0);
    EXPECT_EQ(after(ID_OPTIONS_RU, [](HWND d) { Choose(d, IDC_LANGUAGE_ENGLISH); }),
              fw::LoadResString(IDS_MAIN_TITLE + 1) + english + L"1");
    EXPECT_EQ(after(ID_OPTIONS_EN, [](HWND d) { Press(d, IDOK); }), L"unchanged" + english + L"1");
    EXPECT_EQ(after(ID_OPTIONS_EN,
                    [](HWND d) {
                        Press(d, IDC_LANGUAGE_RUSSIAN);
                        Press(d, IDCANCEL);
                    }),
              L"unchanged" + english + L"1");
    EXPECT_EQ(after(ID_OPTIONS_EN, [](HWND d) { Choose(d, IDC_LANGUAGE_RUSSIAN); }),
              fw::LoadResString(IDS_MAIN_TITLE) + russian + L"0");
}

TEST_F(ViewCommands, UsedGroupsOpensFromEitherIdAndGivesTheStoreBack)
{
    CMainFrame& frame = Start(1);
    for (UINT id : {ID_USED_GROUPS_EN, ID_USED_GROUPS_RU}) {
        Command(frame, id, [](HWND d) {
            EXPECT_EQ(fw::WindowText(d) + L"|" + Text(d, IDC_TOTAL), L"Selected groups|294");
            Press(d, IDOK);
        });
        EXPECT_EQ(globals->m_profile.Section(), kSettingsSection);
    }
}
