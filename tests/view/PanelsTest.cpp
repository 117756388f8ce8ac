// The panels of a test at their places, the end of a test from every state,
// a refused start, and the view's background.
#include "TestRunFixture.h"
#include "resources/resource.h"
#include "settings/RegistryApi.h"
#include "view/BackgroundTiles.h"
#include <tuple>

namespace {

std::vector<long> Rect(HWND window)
{
    RECT rc = InParent(window);
    return {rc.left, rc.top, rc.right, rc.bottom};
}

LONG WINAPI FailCreateKey(HKEY, LPCWSTR, DWORD, LPWSTR, DWORD, REGSAM, LPSECURITY_ATTRIBUTES, PHKEY key, LPDWORD)
{
    if (key)
        *key = nullptr;
    return ERROR_ACCESS_DENIED;
}

// While set, the system refuses to make any child window of this one, or
// any child window with this id.
HWND g_noChildrenOf = nullptr;
UINT g_noChildWithId = 0;
LRESULT CALLBACK RefuseChildren(int code, WPARAM wp, LPARAM lp)
{
    const CREATESTRUCTW* cs = code == HCBT_CREATEWND ? reinterpret_cast<CBT_CREATEWNDW*>(lp)->lpcs : nullptr;
    if (cs && (cs->hwndParent == g_noChildrenOf ||
               (g_noChildWithId && (cs->style & WS_CHILD) &&
                reinterpret_cast<UINT_PTR>(cs->hMenu) == g_noChildWithId)))
        return 1;
    return ::CallNextHookEx(nullptr, code, wp, lp);
}

// What the view showed when the main window was asked to close.
struct Closing {
    HWND frame = nullptr;
    CVerbsView* view = nullptr;
    bool seen = false, running = false, panels = false;
} g_closing;
// The texts of the question as the test panel appeared: the first
// question's already, nothing of the last test's.
struct Appearing {
    CVerbsView* view = nullptr;
    bool seen = false;
    std::wstring texts;
} g_appearing;
LRESULT CALLBACK WatchAppearing(int code, WPARAM wp, LPARAM lp)
{
    const auto* call = reinterpret_cast<CWPSTRUCT*>(lp);
    CTestPanel& panel = g_appearing.view->TestPanel();
    if (code == HC_ACTION && call->message == WM_SHOWWINDOW && call->wParam && call->hwnd == panel.m_hWnd) {
        g_appearing.seen = true;
        g_appearing.texts = panel.Answers().Infinitive().GetWindowText() + L"|" + panel.Status().ValueText() + L"|" +
                            (panel.Translation().IsWindow() ? panel.Translation().Value().GetWindowText() : L"");
    }
    return ::CallNextHookEx(nullptr, code, wp, lp);
}

LRESULT CALLBACK WatchClose(int code, WPARAM wp, LPARAM lp)
{
    const auto* call = reinterpret_cast<const CWPSTRUCT*>(lp);
    if (code == HC_ACTION && call->message == WM_CLOSE && call->hwnd == g_closing.frame && !g_closing.seen) {
        g_closing.seen = true;
        g_closing.running = g_closing.view->IsRunning();
        g_closing.panels = g_closing.view->TestPanel().IsWindowVisible() || g_closing.view->PicturePanel().IsWindowVisible();
    }
    return ::CallNextHookEx(nullptr, code, wp, lp);
}

} // namespace

TEST_F(TestRun, PanelsStandAtTheirPixelRectangles)
{
    Launch(0);
    globals->NumWords = 1;
    const long b2 = 2 * ::GetSystemMetrics(SM_CXBORDER);
    HWND view = View().m_hWnd;

    // A view exactly as wide as both panels leaves no gaps.
    ::SetWindowPos(view, nullptr, 0, 0, 518, 400, SWP_NOMOVE | SWP_NOZORDER);
    Command(ID_TEST_START_RU);
    EXPECT_EQ(Rect(View().PicturePanel().m_hWnd), (std::vector<long>{0, 27, 259, 372}));
    EXPECT_EQ(Rect(Panel().m_hWnd), (std::vector<long>{259, 27, 518, 372}));
    EXPECT_EQ(Rect(::GetDlgItem(View().PicturePanel().m_hWnd, 506)), (std::vector<long>{5, 314, 248, 334}));
    EXPECT_EQ(Rect(Panel().Status().m_hWnd), (std::vector<long>{5, 5, 248, 40 + b2}));
    EXPECT_EQ(Rect(Answers().m_hWnd), (std::vector<long>{5, 48, 248, 205 + b2}));
    EXPECT_EQ(Rect(Panel().Translation().m_hWnd), (std::vector<long>{5, 213, 248, 285 + b2}));
    EXPECT_EQ(Rect(Answers().Infinitive().m_hWnd), (std::vector<long>{72, 28, 232, 49}));
    EXPECT_EQ(Rect(PastTenseField()), (std::vector<long>{72, 77, 232, 98}));
    EXPECT_EQ(Rect(ParticipleField()), (std::vector<long>{72, 126, 232, 147}));
    EXPECT_EQ(Rect(Panel().Translation().Value().m_hWnd), (std::vector<long>{72, 23, 232, 65}));
    EXPECT_EQ(::GetWindowLongW(PastTenseField(), GWL_EXSTYLE) & WS_EX_STATICEDGE, WS_EX_STATICEDGE);
    EXPECT_EQ(::GetWindowLongW(PastTenseField(), GWL_STYLE) & ES_AUTOHSCROLL, 0) << "the field scrolls";
    // The typed text starts at the fields' edge.
    for (HWND field : {PastTenseField(), ParticipleField()})
        EXPECT_EQ(::SendMessageW(field, EM_GETMARGINS, 0, 0), 0);

    // The two buttons side by side under the panels, each label whole: they
    // are centred and as wide as their labels rather than 32 pixels at fixed
    // places, because "Пропустить" does not fit 32 pixels.
    HWND ready = Panel().ReadyButton()->m_hWnd, skip = Panel().SkipButton()->m_hWnd;
    std::vector<long> r = Rect(ready), s = Rect(skip);
    EXPECT_EQ(r[1], 291);
    EXPECT_EQ(r[3] - r[1], 49);
    EXPECT_EQ(s[1], 291);
    EXPECT_LE(r[2], s[0]);
    EXPECT_GE(r[0], 0);
    EXPECT_LE(s[2], Panel().GetClientRect().right);
    for (auto [bar, label] : {std::pair{ready, 131u}, std::pair{skip, 187u}}) {
        RECT item{};
        ::SendMessageW(bar, TB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item));
        EXPECT_LE(item.right, Rect(bar)[2] - Rect(bar)[0]) << "button cut off";
        EXPECT_GE(item.right - item.left, TextWidth(bar, fw::LoadResString(label))) << "label cut off";
    }
    Command(ID_TEST_STOP_RU);

    // A wide view splits the free width in three; without the translation
    // the closing text still grows the answer panel to the same bottom.
    ::SetWindowPos(view, nullptr, 0, 0, 1000, 700, SWP_NOMOVE | SWP_NOZORDER);
    globals->ShowTranslate = 0;
    globals->Language = 1;
    Command(ID_TEST_START_EN);
    EXPECT_EQ(Rect(View().PicturePanel().m_hWnd), (std::vector<long>{160, 177, 419, 522}));
    EXPECT_EQ(Rect(Panel().m_hWnd), (std::vector<long>{579, 177, 838, 522}));

    // In English the buttons (Russian command ids) tip and prompt in English,
    // and their images stand on the button face, not on a grey square.
    HWND statusBar = ::GetDlgItem(app->m_pMainWnd->m_hWnd, AFX_IDW_STATUS_BAR);
    auto statusText = [&] {
        wchar_t text[80] = {};
        ::SendMessageW(statusBar, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text));
        return std::wstring(text);
    };
    HDC screen = ::GetDC(nullptr);
    HDC dc = ::CreateCompatibleDC(screen);
    HBITMAP canvas = ::CreateCompatibleBitmap(screen, 18, 18);
    HGDIOBJ old = ::SelectObject(dc, canvas);
    for (auto [bar, tip, id] : {std::tuple{Panel().ReadyButton(), L"Ready", 32780u},
                                std::tuple{Panel().SkipButton(), L"Skip", 32801u}}) {
        NMTTDISPINFOW request{};
        request.hdr.hwndFrom = reinterpret_cast<HWND>(::SendMessageW(bar->m_hWnd, TB_GETTOOLTIPS, 0, 0));
        request.hdr.idFrom = id;
        request.hdr.code = TTN_GETDISPINFOW;
        request.lpszText = request.szText; // as the tooltip control asks
        ::SendMessageW(bar->m_hWnd, WM_NOTIFY, id, reinterpret_cast<LPARAM>(&request));
        EXPECT_STREQ(request.lpszText, tip);

        RECT all{0, 0, 18, 18};
        ::FillRect(dc, &all, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
        auto images = reinterpret_cast<HIMAGELIST>(::SendMessageW(bar->m_hWnd, TB_GETIMAGELIST, 0, 0));
        ASSERT_TRUE(::ImageList_Draw(images, 0, dc, 0, 0, ILD_NORMAL));
        EXPECT_EQ(::GetPixel(dc, 0, 0), ::GetSysColor(COLOR_BTNFACE)) << tip;
    }
    ::SelectObject(dc, old);
    ::DeleteObject(canvas);
    ::DeleteDC(dc);
    ::ReleaseDC(nullptr, screen);
    // The mouse on Skip prompts "Skip"; when the test ends under it the
    // status bar goes back to its idle text.
    RECT item{};
    HWND skipBar = Panel().SkipButton()->m_hWnd;
    ::SendMessageW(skipBar, TB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item));
    ::SendMessageW(skipBar, WM_MOUSEMOVE, 0, MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2));
    EXPECT_EQ(statusText(), L"Skip");
    Command(ID_TEST_STOP_EN);
    EXPECT_EQ(statusText(), L"Ready");
    Command(ID_TEST_START_EN);
    EXPECT_FALSE(Panel().Translation().IsWindow());
    TypeCorrectForms();
    ExpectBoxes(1, [&] { Type(L"\r"); });
    EXPECT_EQ(Rect(Answers().m_hWnd), (std::vector<long>{5, 48, 248, 285 + b2}));
    std::vector<long> closing = Rect(Answers().ClosingText().m_hWnd);
    EXPECT_EQ(closing, (std::vector<long>{6, 6, 235, 229 + b2})); // the panel less its edge and margins
    EXPECT_EQ(::GetWindowLongW(Answers().ClosingText().m_hWnd, GWL_STYLE) & SS_CENTER, SS_CENTER);
}

TEST_F(TestRun, StopEscAndExitEndTheTestFromEveryState)
{
    Launch(1);
    UseOnlyVerbs({L"go", L"be", L"see"});
    HWND view = View().m_hWnd;
    enum State { Asking, TimedAsking, Locked, Finished };
    auto reach = [&](State state) {
        globals->NumWords = state == Finished ? 1 : 3;
        globals->MustLimitTime = state == TimedAsking ? 1 : 0;
        globals->MaxAttempt = state == Locked ? 1 : 3;
        g_appearing = {&View()};
        HHOOK hook = ::SetWindowsHookExW(WH_CALLWNDPROC, WatchAppearing, nullptr, ::GetCurrentThreadId());
        Command(ID_TEST_START_EN);
        ::UnhookWindowsHookEx(hook);
        ASSERT_TRUE(View().IsRunning());
        EXPECT_TRUE(g_appearing.seen);
        EXPECT_EQ(g_appearing.texts, CurrentVerb().infinitive + L"|" + StatusValue() + L"|" + CurrentVerb().translation)
            << "the panel appeared without the first question's texts";
        std::vector<std::wstring> testSet;
        for (int verb : Test().TestSet())
            testSet.push_back(globals->m_verbs[static_cast<size_t>(verb)].infinitive);
        EXPECT_EQ(testSet, (std::vector<std::wstring>{L"be", L"go", L"see"})) << "the test set is the chosen group";
        if (state == Locked) {
            Type(L"x");
            ExpectBoxes(2, [&] { Type(L"\r"); });
        } else if (state == Finished) {
            TypeCorrectForms();
            ExpectBoxes(1, [&] { Type(L"\r"); });
        }
    };
    const std::wstring typedBefore = L"half";
    for (State state : {Asking, TimedAsking, Locked, Finished}) {
        for (int way = 0; way < 3; ++way) {
            SCOPED_TRACE(testing::Message() << "state " << state << " way " << way);
            reach(state);
            if (way == 0) {
                ExpectBoxes(0, [&] { Command(ID_TEST_STOP_EN); });
            } else if (way == 1) {
                ExpectBoxes(0, [&] { Command(ID_TEST_STOP_RU); });
            } else {
                // Esc in the field (or on the closing display) leaves its text alone.
                HWND field = PastTenseField();
                if (field && !(::GetWindowLongW(field, GWL_STYLE) & ES_READONLY))
                    Type(typedBefore);
                std::wstring before = field ? Text(field) : L"";
                ExpectBoxes(0, [&] {
                    if (field)
                        ::SendMessageW(field, WM_CHAR, 27, 1);
                    else
                        Type(L"\x1b");
                });
                if (field && ::IsWindow(field)) {
                    EXPECT_EQ(Text(field), before);
                }
            }
            ExpectIdle();
            EXPECT_FALSE(::KillTimer(view, 1)) << "the countdown still runs";
        }
    }
    // Stop without a test changes nothing; Exit during a timed test stops it
    // before the main window closes.
    Command(ID_TEST_STOP_EN);
    ExpectIdle();
    reach(TimedAsking);
    g_closing = {app->m_pMainWnd->m_hWnd, &View()};
    HHOOK hook = ::SetWindowsHookExW(WH_CALLWNDPROC, WatchClose, nullptr, ::GetCurrentThreadId());
    Command(ID_APP_EXIT_EN);
    ::UnhookWindowsHookEx(hook);
    EXPECT_EQ(app->m_pMainWnd, nullptr);
    EXPECT_FALSE(::IsWindow(view));
    ASSERT_TRUE(g_closing.seen) << "the main window was never asked to close";
    EXPECT_FALSE(g_closing.running) << "Exit did not stop the test before closing the window";
    EXPECT_FALSE(g_closing.panels) << "the panels were still there when the window was asked to close";
}

TEST_F(TestRun, StartRefusedForTooFewVerbsAStoreFailureOrPanelsThatCannotBeMade)
{
    Launch(1);
    ChooseNoGroup();
    HICON icon = nullptr;
    ExpectBoxes(1, [&] { Command(ID_TEST_START_EN); }, IDOK, [&](HWND box) {
        for (HWND child = ::GetWindow(box, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
            if ((::GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
                icon = reinterpret_cast<HICON>(::SendMessageW(child, STM_GETICON, 0, 0));
    });
    EXPECT_EQ(responder.Seen().back().caption, L"Lexoria");
    EXPECT_EQ(responder.Seen().back().text, L"There are 0 verbs in all chosen groups. There should be not less 10 ones "
                                            L"for testing. Change program settings");
    EXPECT_EQ(icon, ::LoadIconW(nullptr, IDI_EXCLAMATION));
    EXPECT_FALSE(View().IsRunning());
    EXPECT_FALSE(View().PanelsShown());

    globals->Language = 0;
    globals->NumWords = 3;
    UseOnlyVerbs({L"go", L"be"});
    ExpectBoxes(1, [&] { Command(ID_TEST_START_RU); });
    EXPECT_EQ(responder.Seen().back().text,
              L"\u0412\u043E \u0432\u0441\u0435\u0445 \u0432\u044B\u0431\u0440\u0430\u043D\u043D\u044B\u0445 "
              L"\u0433\u0440\u0443\u043F\u043F\u0430\u0445 2 \u0433\u043B\u0430\u0433\u043E\u043B\u043E\u0432. "
              L"\u0414\u043B\u044F \u0442\u0435\u0441\u0442\u0438\u0440\u043E\u0432\u0430\u043D\u0438\u044F "
              L"\u043D\u0435\u043E\u0431\u0445\u043E\u0434\u0438\u043C\u043E \u043D\u0435 \u043C\u0435\u043D\u0435\u0435 3. "
              L"\u0418\u0437\u043C\u0435\u043D\u0438\u0442\u0435 \u043D\u0430\u0441\u0442\u0440\u043E\u0439\u043A\u0443 "
              L"\u043F\u0440\u043E\u0433\u0440\u0430\u043C\u043C\u044B");
    EXPECT_FALSE(View().IsRunning());

    // The groups cannot be read: the failure is reported, then 0 verbs.
    globals->Language = 1;
    globals->NumWords = 2;
    {
        Profile::ScopedRegistryOverride registry;
        registry->CreateKeyEx = FailCreateKey;
        ExpectBoxes(2, [&] { Command(ID_TEST_START_EN); });
    }
    ASSERT_GE(responder.Seen().size(), 2u);
    EXPECT_EQ(responder.Seen().end()[-2].text.rfind(L"Oops! Profile::RegException\n\n", 0), 0u);
    EXPECT_EQ(responder.Seen().back().text.rfind(L"There are 0 verbs", 0), 0u)
        << fw::Narrow(responder.Seen().back().text, CP_UTF8);
    EXPECT_FALSE(View().IsRunning());

    // The panels cannot be made: that is reported and no test runs.
    g_noChildrenOf = View().m_hWnd;
    HHOOK hook = ::SetWindowsHookExW(WH_CBT, RefuseChildren, nullptr, ::GetCurrentThreadId());
    ExpectBoxes(1, [&] { Command(ID_TEST_START_EN); });
    ::UnhookWindowsHookEx(hook);
    g_noChildrenOf = nullptr;
    const std::wstring report = L"An unexpected error stopped the operation.\n\nThe windows of the test";
    EXPECT_EQ(responder.Seen().back().text.rfind(report, 0), 0u) << fw::Narrow(responder.Seen().back().text, CP_UTF8);
    ExpectIdle();
    Command(ID_TEST_START_EN);
    EXPECT_TRUE(View().IsRunning()) << "Start works again";

    // Panels made only in part, for another language, never serve a later
    // test: not even once the language they were last whole for is back.
    Command(ID_TEST_STOP_EN);
    globals->Language = 0;
    g_noChildWithId = 502; // the answer panel, made after the status strip
    hook = ::SetWindowsHookExW(WH_CBT, RefuseChildren, nullptr, ::GetCurrentThreadId());
    ExpectBoxes(1, [&] { Command(ID_TEST_START_RU); });
    ::UnhookWindowsHookEx(hook);
    g_noChildWithId = 0;
    ExpectIdle();
    globals->Language = 1;
    Command(ID_TEST_START_EN);
    ASSERT_TRUE(View().PanelsShown());
    EXPECT_TRUE(View().TestPanel().ReadyButton() && View().TestPanel().ReadyButton()->IsWindow());
    EXPECT_TRUE(View().TestPanel().SkipButton() && View().TestPanel().SkipButton()->IsWindow());
}

TEST(BackgroundTiles, RepeatFromTheOuterCornerOrFillWithTheBrushWithoutABitmap)
{
    HDC screen = ::GetDC(nullptr);
    HDC dc = ::CreateCompatibleDC(screen);
    HBITMAP target = ::CreateCompatibleBitmap(screen, 6, 6);
    HGDIOBJ old = ::SelectObject(dc, target);
    HBRUSH brush = ::CreateSolidBrush(RGB(10, 20, 30));

    TileBackground(dc, nullptr, {0, 0, 6, 6}, brush); // returns: no endless loop over a size of 0
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 6; ++x)
            ASSERT_EQ(::GetPixel(dc, x, y), RGB(10, 20, 30)) << x << "," << y;

    // A 2 x 3 tile with a colour per pixel, laid from (-1, -1).
    HBITMAP tile = ::CreateCompatibleBitmap(screen, 2, 3);
    HDC tileDc = ::CreateCompatibleDC(screen);
    HGDIOBJ oldTile = ::SelectObject(tileDc, tile);
    auto colour = [](int x, int y) { return RGB(40 * x + 1, 50 * y + 1, 7); };
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 2; ++x)
            ::SetPixel(tileDc, x, y, colour(x, y));
    ::SelectObject(tileDc, oldTile);
    TileBackground(dc, tile, {-1, -1, 6, 6}, brush);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 6; ++x)
            ASSERT_EQ(::GetPixel(dc, x, y), colour((x + 1) % 2, (y + 1) % 3)) << x << "," << y;

    ::DeleteDC(tileDc);
    ::DeleteObject(tile);
    ::DeleteObject(brush);
    ::SelectObject(dc, old);
    ::DeleteObject(target);
    ::DeleteDC(dc);
    ::ReleaseDC(nullptr, screen);
}
