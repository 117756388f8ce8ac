// The main window in both languages: menu, toolbar, title, status bar and
// command states, on the real windows of the program.
#include "AppFixture.h"
#include "ModalResponder.h"
#include "app/CommandSets.h"
#include "app/MainFrame.h"
#include "framework/BitmapScaling.h"
#include "framework/Dpi.h"
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

// What the toolbar looks like: its height in the frame, the size of its
// images and buttons, and the pixels of the first image where it is opaque.
struct ToolbarLook {
    long height;
    int image;
    int button;
    bool operator==(const ToolbarLook& o) const { return height == o.height && image == o.image && button == o.button; }
};

ToolbarLook LookOf(CToolBar& bar)
{
    RECT rc = bar.GetWindowRect();
    auto images = reinterpret_cast<HIMAGELIST>(bar.SendMessage(TB_GETIMAGELIST));
    int cx = 0, cy = 0;
    ::ImageList_GetIconSize(images, &cx, &cy);
    EXPECT_EQ(cx, cy);
    auto button = static_cast<DWORD>(bar.SendMessage(TB_GETBUTTONSIZE));
    EXPECT_EQ(LOWORD(button), HIWORD(button));
    return {rc.bottom - rc.top, cx, LOWORD(button)};
}

// Pixels of the opaque part of the first image of the bar that differ from
// the first image of the bitmap (magenta is transparent there).
int DifferentFromBitmap(CToolBar& bar, UINT bitmapId, int size)
{
    auto images = reinterpret_cast<HIMAGELIST>(bar.SendMessage(TB_GETIMAGELIST));
    fw::UniqueBitmap source(static_cast<HBITMAP>(
        ::LoadImageW(fw::ResourceModule(), MAKEINTRESOURCEW(bitmapId), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    fw::PixelImage expected = fw::ReadPixels(source.get());
    fw::PixelImage canvas;
    canvas.width = canvas.height = size;
    canvas.pixels.assign(static_cast<size_t>(size) * size, 0x00FF00);
    fw::UniqueBitmap drawn = fw::MakeBitmap(canvas);
    fw::UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
    {
        fw::SelectedObject selected(dc.get(), drawn.get());
        ::ImageList_Draw(images, 0, dc.get(), 0, 0, ILD_NORMAL);
    }
    fw::PixelImage shown = fw::ReadPixels(drawn.get());
    int different = 0;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            if (expected.At(x, y) != 0xFF00FF)
                different += shown.At(x, y) != expected.At(x, y);
    return different;
}

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
        {1, 32805, MFT_STRING, L"&Drill mistakes"},
        {1, 0, MFT_SEPARATOR, L""},
        {1, 32788, MFT_STRING, L"&Verbs list..."},
        {1, 0, MFT_SEPARATOR, L""},
        {1, 57667, MFT_STRING, L"E&xit"},
        {0, 0, MFT_STRING, L"&Service"},
        {1, 32774, MFT_STRING, L"&Options..."},
        {1, 32803, MFT_STRING, L"&Learning options..."},
        {1, 32811, MFT_STRING, L"S&tatistics..."},
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

TEST_F(MainWindowTest, AMoveToAMonitorOfAnotherScaleScalesTheToolbarAndTakesTheSuggestedRectangle)
{
    CMainFrame& frame = Start(1);
    ASSERT_EQ(fw::DpiOf(frame.m_hWnd), 96u) << "the tests run on a screen at 100 %";
    const ToolbarLook normal{32, 18, 25};
    EXPECT_EQ(LookOf(frame.ToolBar()), normal);
    EXPECT_EQ(DifferentFromBitmap(frame.ToolBar(), IDR_MAINFRAME, 18), 0);
    HWND view = frame.GetActiveView()->m_hWnd;

    // At 200 % the images are the large drawing as it is; at 150 % it is
    // reduced; back at 100 % everything is as it was.
    struct Case {
        UINT dpi;
        ToolbarLook look;
        UINT bitmap; // whose pixels the first image shows unchanged, 0: resampled
    };
    for (const Case& step : {Case{192, {64, 36, 50}, IDB_TOOLBAR_LARGE}, Case{144, {48, 27, 38}, 0},
                             Case{96, normal, IDR_MAINFRAME}}) {
        SCOPED_TRACE(step.dpi);
        RECT suggested{10, 20, 10 + fw::Scale(560, step.dpi), 20 + fw::Scale(440, step.dpi)};
        frame.SendMessage(fw::kDpiChangedMessage, MAKEWPARAM(step.dpi, step.dpi), reinterpret_cast<LPARAM>(&suggested));
        RECT now = frame.GetWindowRect();
        EXPECT_EQ(std::vector<long>({now.left, now.top, now.right, now.bottom}),
                  std::vector<long>({suggested.left, suggested.top, suggested.right, suggested.bottom}));
        EXPECT_EQ(fw::DpiOf(view), step.dpi);
        EXPECT_EQ(LookOf(frame.ToolBar()), step.look);
        if (step.bitmap) {
            EXPECT_EQ(DifferentFromBitmap(frame.ToolBar(), step.bitmap, step.look.image), 0);
        }
        // The view starts right under the bar.
        RECT viewRect = view ? CWnd::FromHandle(view)->GetWindowRect() : RECT{};
        RECT bar = frame.ToolBar().GetWindowRect();
        EXPECT_EQ(viewRect.top, bar.bottom);
    }
    EXPECT_EQ(ToolbarIds(frame), kEnglishToolbar) << "the buttons keep their commands";
}
