// The main window in both languages: menu, toolbar, title, status bar and
// command states, on the real windows of the program.
#include "AppFixture.h"
#include "ModalResponder.h"
#include "app/CommandSets.h"
#include "app/MainFrame.h"
#include "framework/FrameWnd.h"
#include "framework/Text.h"
#include "resources/resource.h"
#include "view/VerbsView.h"
#include <commctrl.h>
#include <vector>

namespace {

struct MenuEntry {
    int depth;
    UINT id;     // 0 for separators and pop-ups
    UINT type;   // MFT_ flags
    std::wstring text;
    bool operator==(const MenuEntry& o) const
    {
        return depth == o.depth && id == o.id && type == o.type && text == o.text;
    }
};

void Snapshot(HMENU menu, int depth, std::vector<MenuEntry>& out)
{
    int count = ::GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        wchar_t text[256] = {};
        MENUITEMINFOW info{sizeof(info)};
        info.fMask = MIIM_ID | MIIM_FTYPE | MIIM_STRING | MIIM_SUBMENU;
        info.dwTypeData = text;
        info.cch = 256;
        ::GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info);
        out.push_back({depth, info.hSubMenu ? 0u : info.wID, info.fType, text});
        if (info.hSubMenu)
            Snapshot(info.hSubMenu, depth + 1, out);
    }
}

std::vector<MenuEntry> Snapshot(HMENU menu)
{
    std::vector<MenuEntry> entries;
    Snapshot(menu, 0, entries);
    return entries;
}

std::vector<MenuEntry> ResourceMenu()
{
    HMENU menu = ::LoadMenuW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME));
    std::vector<MenuEntry> entries = Snapshot(menu);
    ::DestroyMenu(menu);
    return entries;
}

class MainWindowTest : public AppFixture {
protected:
    static std::vector<UINT> ToolbarIds(CMainFrame& frame)
    {
        std::vector<UINT> ids;
        for (int i = 0; i < frame.ToolBar().GetCount(); ++i)
            ids.push_back(frame.ToolBar().GetItemID(i));
        return ids;
    }

    static std::wstring StatusText(CMainFrame& frame) { return frame.StatusBar().GetPaneText(0); }
};

const std::vector<UINT> kRussianToolbar = {32772, 32780, 32801, 32773, 32779, 57665, 0,
                                           32771, 32793, 32795, 32797, 0,     57664};
const std::vector<UINT> kEnglishToolbar = {32775, 32789, 32799, 32781, 32788, 57667, 0,
                                           32774, 32794, 32796, 32798, 0,     57666};

} // namespace

TEST_F(MainWindowTest, EnglishStartSwitchesMenuToolbarAndTitleBeforeTheWindowShows)
{
    CMainFrame& frame = Start(1);
    EXPECT_EQ(frame.GetWindowText(), fw::LoadResString(156));
    EXPECT_EQ(ToolbarIds(frame), kEnglishToolbar);

    std::vector<MenuEntry> menu = Snapshot(::GetMenu(frame.m_hWnd));
    std::vector<MenuEntry> expected = {
        {0, 0, MFT_STRING, L"&Test"},
        {1, 32775, MFT_STRING, L"&Start"},
        {1, 32789, MFT_STRING, L"&Ready"},
        {1, 32799, MFT_STRING, L"S&kip"},
        {1, 32781, MFT_STRING, L"S&top"},
        {1, 0, MFT_SEPARATOR, L""},
        {1, 32788, MFT_STRING, L"&Verbs list..."},
        {1, 0, MFT_SEPARATOR, L""},
        {1, 57667, MFT_STRING, L"E&xit"},
        {0, 0, MFT_STRING, L"&Service"},
        {1, 32774, MFT_STRING, L"&Options..."},
        {1, 32794, MFT_STRING, L"&Font..."},
        {1, 32796, MFT_STRING, L"&Pictures theme..."},
        {1, 32798, MFT_STRING, L"&Used groups..."},
        {0, 0, MFT_STRING, L"&Help"},
        {1, 32787, MFT_STRING, L"&Content"},
        {1, 0, MFT_SEPARATOR, L""},
        {1, 32790, MFT_STRING, L"&Study of verbs"},
        {1, 32791, MFT_STRING, L"&Knowlege check-up"},
        {1, 32792, MFT_STRING, L"S&etting mode"},
        {1, 0, MFT_SEPARATOR, L""},
        {1, 57666, MFT_STRING, L"&About..."},
    };
    ASSERT_EQ(menu.size(), expected.size());
    for (size_t i = 0; i < menu.size(); ++i)
        EXPECT_TRUE(menu[i] == expected[i]) << "item " << i << " id " << menu[i].id;
}

TEST_F(MainWindowTest, RussianStartKeepsTheResourceMenuAndLaterPaintsDoNotTouchIt)
{
    CMainFrame& frame = Start(0);
    EXPECT_EQ(ToolbarIds(frame), kRussianToolbar);
    EXPECT_EQ(Snapshot(::GetMenu(frame.m_hWnd)), ResourceMenu());
    // A language change behind the program's back is not picked up by paints.
    globals->Language = 1;
    frame.RedrawNow();
    testutil::PumpMessages(20);
    EXPECT_EQ(Snapshot(::GetMenu(frame.m_hWnd)), ResourceMenu());
}

TEST_F(MainWindowTest, RussianEnglishRussianRestoresMenuAndToolbarExactly)
{
    CMainFrame& frame = Start(0);
    globals->Language = 1;
    BuildEnglishMenu();
    EXPECT_EQ(ToolbarIds(frame), kEnglishToolbar);
    EXPECT_NE(Snapshot(::GetMenu(frame.m_hWnd)), ResourceMenu());
    globals->Language = 0;
    BuildRussianMenu();
    EXPECT_EQ(Snapshot(::GetMenu(frame.m_hWnd)), ResourceMenu());
    EXPECT_EQ(ToolbarIds(frame), kRussianToolbar);
    EXPECT_EQ(frame.GetWindowText(), fw::LoadResString(155));
}

TEST_F(MainWindowTest, PromptsFollowTheCommandIdAndTheBarIdlesOnReady)
{
    CMainFrame& frame = Start(1);
    EXPECT_EQ(StatusText(frame), L"Ready");
    frame.SendMessage(WM_MENUSELECT, MAKEWPARAM(32775, MF_STRING), reinterpret_cast<LPARAM>(::GetMenu(frame.m_hWnd)));
    EXPECT_EQ(StatusText(frame), L"Begin test");
    frame.SendMessage(WM_MENUSELECT, MAKEWPARAM(32787, MF_STRING), reinterpret_cast<LPARAM>(::GetMenu(frame.m_hWnd)));
    EXPECT_EQ(StatusText(frame), L"Help content");
    frame.SendMessage(WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
    EXPECT_EQ(StatusText(frame), L"Ready");

    globals->Language = 0;
    BuildRussianMenu();
    frame.SendMessage(WM_MENUSELECT, MAKEWPARAM(32793, MF_STRING), reinterpret_cast<LPARAM>(::GetMenu(frame.m_hWnd)));
    EXPECT_EQ(StatusText(frame), L"\u0417\u0430\u0434\u0430\u043D\u0438\u0435 \u0448\u0440\u0438\u0444\u0442\u0430 "
                                 L"\u043E\u0442\u043E\u0431\u0440\u0430\u0436\u0435\u043D\u0438\u044F "
                                 L"\u043F\u0435\u0440\u0435\u0432\u043E\u0434\u0430");
    frame.SendMessage(WM_EXITMENULOOP, 0, 0);
    EXPECT_EQ(StatusText(frame), L"Ready"); // the idle text is English in both languages
}

TEST_F(MainWindowTest, ToolbarTipsAndFlyByPromptsComeFromTheButtonsCommand)
{
    CMainFrame& frame = Start(1);
    HWND toolbar = frame.ToolBar().m_hWnd;

    wchar_t tip[80] = {};
    NMTBGETINFOTIPW request{};
    request.hdr.hwndFrom = toolbar;
    request.hdr.idFrom = AFX_IDW_TOOLBAR;
    request.hdr.code = TBN_GETINFOTIPW;
    request.pszText = tip;
    request.cchTextMax = 80;
    request.iItem = 32794; // Font, English
    frame.SendMessage(WM_NOTIFY, AFX_IDW_TOOLBAR, reinterpret_cast<LPARAM>(&request));
    EXPECT_STREQ(tip, L"Font");

    NMTBHOTITEM hot{};
    hot.hdr = request.hdr;
    hot.hdr.code = TBN_HOTITEMCHANGE;
    hot.idNew = 32794;
    hot.dwFlags = HICF_MOUSE;
    frame.SendMessage(WM_NOTIFY, AFX_IDW_TOOLBAR, reinterpret_cast<LPARAM>(&hot));
    EXPECT_EQ(StatusText(frame), L"Set translating viewer font");
    hot.dwFlags = HICF_LEAVING;
    frame.SendMessage(WM_NOTIFY, AFX_IDW_TOOLBAR, reinterpret_cast<LPARAM>(&hot));
    EXPECT_EQ(StatusText(frame), L"Ready");
}

TEST_F(MainWindowTest, IdleCommandsEnabledAndTestCommandsDisabledWithoutATest)
{
    CMainFrame& frame = Start(1);
    app->OnIdle(0);
    HWND toolbar = frame.ToolBar().m_hWnd;
    auto enabled = [&](UINT id) { return ::SendMessageW(toolbar, TB_ISBUTTONENABLED, id, 0) != 0; };
    EXPECT_TRUE(enabled(32775));  // Start
    EXPECT_FALSE(enabled(32789)); // Ready
    EXPECT_FALSE(enabled(32799)); // Skip
    EXPECT_FALSE(enabled(32781)); // Stop
    EXPECT_TRUE(enabled(57667));  // Exit
    EXPECT_TRUE(enabled(32794));  // Font
    EXPECT_TRUE(enabled(57666));  // About

    HMENU test = ::GetSubMenu(::GetMenu(frame.m_hWnd), 0);
    frame.SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(test), 0);
    EXPECT_FALSE(::GetMenuState(test, 32775, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_TRUE(::GetMenuState(test, 32789, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_TRUE(::GetMenuState(test, 32781, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_FALSE(::GetMenuState(test, 57667, MF_BYCOMMAND) & MF_GRAYED);
    HMENU help = ::GetSubMenu(::GetMenu(frame.m_hWnd), 2);
    frame.SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(help), 2);
    EXPECT_FALSE(::GetMenuState(help, 32787, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_FALSE(::GetMenuState(help, 57666, MF_BYCOMMAND) & MF_GRAYED);
}

TEST_F(MainWindowTest, ExitClosesTheMainWindowInEitherLanguage)
{
    for (UINT exitId : {57667u, 57665u}) {
        CMainFrame& frame = Start(exitId == 57667u ? 1 : 0);
        HWND hwnd = frame.m_hWnd;
        frame.SendMessage(WM_COMMAND, exitId, 0);
        EXPECT_FALSE(::IsWindow(hwnd));
        MSG msg;
        EXPECT_TRUE(::PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)); // the loop would end
        CloseProgram();
        testutil::DeleteSettingsKey();
        app = std::make_unique<CVerbsApp>(VerbsAppParts{NewVerbsView});
        app->m_arguments = {L"/Embedding"};
    }
}
