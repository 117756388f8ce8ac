// The panels of a test on a screen at twice the scale, and with a large font
// of the user's own: every text the panels can show has room in its box.
#include "TestRunFixture.h"
#include "base/Language.h"
#include "base/UserFont.h"
#include "framework/Dpi.h"
#include "resources/resource.h"
#include <cwchar>

namespace {

std::vector<long> Rect(HWND window)
{
    RECT rc = InParent(window);
    return {rc.left, rc.top, rc.right, rc.bottom};
}

// The size a text takes in the font a window draws with, on one line or
// wrapped at words to the window's width.
SIZE TextSize(HWND window, const std::wstring& text, bool wrap)
{
    HDC dc = ::GetDC(window);
    auto font = reinterpret_cast<HFONT>(::SendMessageW(window, WM_GETFONT, 0, 0));
    HGDIOBJ old = ::SelectObject(dc, font ? font : ::GetStockObject(SYSTEM_FONT));
    RECT client{};
    ::GetClientRect(window, &client);
    RECT rc{0, 0, wrap ? client.right : 0, 0};
    ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rc,
                DT_CALCRECT | (wrap ? DT_WORDBREAK : DT_SINGLELINE));
    ::SelectObject(dc, old);
    ::ReleaseDC(window, dc);
    return {rc.right, rc.bottom};
}

// Whether the text shows whole in the window's client area, with a few
// pixels besides for glyphs that reach past their advance (italics).
::testing::AssertionResult HasRoom(HWND window, const std::wstring& text, bool wrap, int overhang = 3)
{
    RECT client{};
    ::GetClientRect(window, &client);
    SIZE size = TextSize(window, text, wrap);
    if (size.cx + (wrap ? 0 : overhang) <= client.right && size.cy <= client.bottom)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "\"" << fw::Narrow(text, CP_UTF8) << "\" needs " << size.cx << " x "
                                         << size.cy << ", has " << client.right << " x " << client.bottom;
}

// Height of the font a window draws its text in.
int FontHeight(HWND window)
{
    HDC dc = ::GetDC(window);
    auto font = reinterpret_cast<HFONT>(::SendMessageW(window, WM_GETFONT, 0, 0));
    HGDIOBJ old = ::SelectObject(dc, font ? font : ::GetStockObject(SYSTEM_FONT));
    TEXTMETRICW tm{};
    ::GetTextMetricsW(dc, &tm);
    ::SelectObject(dc, old);
    ::ReleaseDC(window, dc);
    return tm.tmHeight;
}

// The rectangles of a window and of every window below it, each in its
// parent, in the order the windows stand.
void CollectRects(HWND window, std::vector<std::vector<long>>& rects)
{
    rects.push_back(Rect(window));
    for (HWND child = ::GetWindow(window, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        CollectRects(child, rects);
}

// Whether every child of a window lies inside its client area and no two
// overlap (the picture, its progress bar, the strips and the buttons).
::testing::AssertionResult ChildrenInsideApart(HWND parent)
{
    RECT client{};
    ::GetClientRect(parent, &client);
    std::vector<RECT> seen;
    for (HWND child = ::GetWindow(parent, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        RECT rc = InParent(child), inside{};
        ::IntersectRect(&inside, &rc, &client);
        if (!::EqualRect(&inside, &rc))
            return ::testing::AssertionFailure() << "a child at " << rc.left << "," << rc.top << "-" << rc.right << ","
                                                 << rc.bottom << " leaves its parent's " << client.right << " x "
                                                 << client.bottom;
        for (const RECT& other : seen) {
            RECT common{};
            if (::IntersectRect(&common, &rc, &other))
                return ::testing::AssertionFailure() << "children overlap at " << common.left << "," << common.top
                                                     << "-" << common.right << "," << common.bottom;
        }
        seen.push_back(rc);
    }
    return ::testing::AssertionSuccess();
}

} // namespace

TEST_F(TestRun, OnAScreenAtTwiceTheScaleThePanelsAreTwiceTheirSize)
{
    Launch(1);
    globals->NumWords = 1;
    fw::SetWindowDpi(app->m_pMainWnd->m_hWnd, 192);
    ::SetWindowPos(View().m_hWnd, nullptr, 0, 0, 1036, 800, SWP_NOMOVE | SWP_NOZORDER);
    Command(ID_TEST_START_EN);
    const long b2 = 2 * ::GetSystemMetrics(SM_CXBORDER);
    EXPECT_EQ(Rect(View().PicturePanel().m_hWnd), (std::vector<long>{0, 55, 518, 745}));
    EXPECT_EQ(Rect(Panel().m_hWnd), (std::vector<long>{518, 55, 1036, 745}));
    EXPECT_EQ(Rect(View().PicturePanel().Picture().m_hWnd), (std::vector<long>{10, 10, 496, 616}));
    EXPECT_EQ(Rect(::GetDlgItem(View().PicturePanel().m_hWnd, 506)), (std::vector<long>{10, 628, 496, 668}));
    EXPECT_EQ(Rect(Panel().Status().m_hWnd), (std::vector<long>{10, 10, 496, 80 + b2}));
    EXPECT_EQ(Rect(Answers().m_hWnd), (std::vector<long>{10, 96, 496, 410 + b2}));
    EXPECT_EQ(Rect(Answers().Infinitive().m_hWnd), (std::vector<long>{144, 56, 464, 98}));
    EXPECT_EQ(Rect(PastTenseField()), (std::vector<long>{144, 154, 464, 196}));
    EXPECT_EQ(Rect(ParticipleField()), (std::vector<long>{144, 252, 464, 294}));
    EXPECT_EQ(Rect(Panel().Translation().m_hWnd), (std::vector<long>{10, 426, 496, 570 + b2}));
    EXPECT_EQ(Rect(Panel().Translation().Value().m_hWnd), (std::vector<long>{144, 46, 464, 130}));
    // The buttons under the strips, their images twice the size.
    for (CToolBar* bar : {Panel().ReadyButton(), Panel().SkipButton()}) {
        EXPECT_EQ(Rect(bar->m_hWnd)[1], 582);
        EXPECT_EQ(Rect(bar->m_hWnd)[3], 680);
        int cx = 0, cy = 0;
        ::ImageList_GetIconSize(reinterpret_cast<HIMAGELIST>(bar->SendMessage(TB_GETIMAGELIST)), &cx, &cy);
        EXPECT_EQ(cx, 36);
    }
    Command(ID_TEST_STOP_EN);
    fw::SetWindowDpi(app->m_pMainWnd->m_hWnd, 96);
}

TEST_F(TestRun, WithAFontOf20Or36PixelsEveryTextATestCanShowHasRoom)
{
    Launch(0);
    for (int pixels : {20, 36})
    for (int language : {0, 1}) {
        SCOPED_TRACE(testing::Message() << pixels << " pixels, " << (language ? "English" : "Russian"));
        LOGFONTW font{};
        font.lfHeight = -pixels;
        font.lfWeight = FW_BOLD;
        font.lfItalic = TRUE;
        font.lfCharSet = RUSSIAN_CHARSET;
        std::wcscpy(font.lfFaceName, L"Tahoma");
        UseUserFont(font, RGB(0, 0, 128));
        globals->Language = language;
        globals->NumWords = 1;
        globals->ShowTranslate = 1;
        globals->OnlyOneForm = 0;
        globals->MustLimitTime = language; // the time in English, the attempt in Russian
        Command(language ? ID_TEST_START_EN : ID_TEST_START_RU);
        ASSERT_TRUE(View().IsRunning());

        // Every infinitive on one line, every translation wrapped, the
        // status values of any test.
        HWND infinitive = Answers().Infinitive().m_hWnd, translation = Panel().Translation().Value().m_hWnd;
        int cut = 0;
        for (const VerbRecord& verb : globals->m_verbs) {
            ::testing::AssertionResult whole = HasRoom(infinitive, verb.infinitive, false);
            ::testing::AssertionResult wrapped = HasRoom(translation, verb.translation, true);
            cut += !whole + !wrapped;
            if (cut < 4) {
                EXPECT_TRUE(whole);
                EXPECT_TRUE(wrapped);
            }
        }
        EXPECT_EQ(cut, 0);
        HWND status = ::GetWindow(Panel().Status().m_hWnd, GW_CHILD);
        for (HWND child = status; child; child = ::GetWindow(child, GW_HWNDNEXT))
            if (child != Panel().Status().Caption().m_hWnd)
                status = child;
        for (const wchar_t* value : {L"60:00", L"- 10 -"})
            EXPECT_TRUE(HasRoom(status, value, false));
        // The caption is in the upright system font, as before.
        EXPECT_TRUE(HasRoom(Panel().Status().Caption().m_hWnd, StatusCaption(), false, 0));

        // The panels stay inside the view, side by side.
        RECT view = View().GetClientRect();
        std::vector<long> picture = Rect(View().PicturePanel().m_hWnd), test = Rect(Panel().m_hWnd);
        EXPECT_GE(picture[0], 0);
        EXPECT_LE(picture[2], test[0]);
        EXPECT_LE(test[2], view.right);
        EXPECT_GE(test[1], 0);
        EXPECT_LE(test[3], view.bottom);

        // The closing text, whole.
        TypeCorrectForms();
        ExpectBoxes(1, [&] { Type(L"\r"); });
        EXPECT_TRUE(HasRoom(Answers().ClosingText().m_hWnd, LoadLangString(IDS_TEST_FINISHED), true));
        Command(language ? ID_TEST_STOP_EN : ID_TEST_STOP_RU);
        ExpectIdle();
    }
}

TEST_F(TestRun, MovedToAMonitorAtTwiceTheScaleDuringATestThePanelsFollowAndTheTestGoesOn)
{
    Launch(1);
    globals->NumWords = 3;
    globals->ShowTranslate = 1;
    globals->OnlyOneForm = 0;
    globals->MustLimitTime = 0;
    CWnd& frame = *app->m_pMainWnd;
    RECT suggested{0, 0, 1300, 1100};
    Command(ID_TEST_START_EN);
    ASSERT_TRUE(View().IsRunning());
    // One question answered, a wrong answer to the next, then half an answer
    // typed when the window moves.
    TypeCorrectForms();
    ExpectBoxes(1, [&] { Type(L"\r"); });
    Type(L"x\ty");
    ExpectBoxes(1, [&] { Type(L"\r"); });
    ASSERT_EQ(StatusValue(), L"- 2 -");
    Type(L"ab");
    const HWND typedInto = ::GetFocus();
    ASSERT_TRUE(typedInto == PastTenseField() || typedInto == ParticipleField());
    const int cells = UncoveredCells();
    const std::wstring infinitive = Text(Answers().Infinitive().m_hWnd);
    const std::wstring translation = Text(Panel().Translation().Value().m_hWnd);
    ASSERT_GT(cells, 0);
    // What the panels show in the system font: the labels, the fields and,
    // without a font of the user's own, the values.
    auto systemFontHeights = [&] {
        std::vector<int> heights;
        for (auto [panel, label] : {std::pair{Answers().m_hWnd, L"Infinitive:"}, {Answers().m_hWnd, L"Past Tense:"},
                                    {Answers().m_hWnd, L"Past Participle:"},
                                    {Panel().Translation().m_hWnd, L"Translation:"}}) {
            HWND window = ::FindWindowExW(panel, nullptr, L"Static", label);
            EXPECT_TRUE(window) << fw::Narrow(label, CP_UTF8);
            heights.push_back(window ? FontHeight(window) : 0);
        }
        for (HWND window : {Panel().Status().Caption().m_hWnd, PastTenseField(), ParticipleField(),
                            Answers().Infinitive().m_hWnd, Panel().Translation().Value().m_hWnd})
            heights.push_back(FontHeight(window));
        return heights;
    };
    const std::vector<int> heightsAt100 = systemFontHeights();

    frame.SendMessage(fw::kDpiChangedMessage, MAKEWPARAM(192, 192), reinterpret_cast<LPARAM>(&suggested));

    // The test goes on where it was.
    EXPECT_EQ(StatusValue(), L"- 2 -");
    EXPECT_EQ(::GetFocus(), typedInto);
    EXPECT_EQ(Text(typedInto), L"ab");
    EXPECT_EQ(Progress(), 1);
    EXPECT_EQ(UncoveredCells(), cells);
    EXPECT_EQ(Text(Answers().Infinitive().m_hWnd), infinitive);
    EXPECT_EQ(Text(Panel().Translation().Value().m_hWnd), translation);
    // Their text twice the size.
    const std::vector<int> heightsAt200 = systemFontHeights();
    ASSERT_EQ(heightsAt200.size(), heightsAt100.size());
    for (size_t i = 0; i < heightsAt100.size(); ++i)
        EXPECT_NEAR(heightsAt200[i], 2 * heightsAt100[i], 2) << "text " << i << " of the system font";
    // Nothing covers anything else, and all is inside the view.
    HWND picturePanel = View().PicturePanel().m_hWnd;
    EXPECT_TRUE(ChildrenInsideApart(View().m_hWnd));
    for (HWND panel : {picturePanel, Panel().m_hWnd, Panel().Status().m_hWnd, Answers().m_hWnd,
                       Panel().Translation().m_hWnd})
        EXPECT_TRUE(ChildrenInsideApart(panel));
    // Laid out as a test started on that monitor is.
    std::vector<std::vector<long>> moved, fresh;
    CollectRects(picturePanel, moved);
    CollectRects(Panel().m_hWnd, moved);
    Command(ID_TEST_STOP_EN);
    Command(ID_TEST_START_EN);
    ASSERT_TRUE(View().IsRunning());
    CollectRects(View().PicturePanel().m_hWnd, fresh);
    CollectRects(Panel().m_hWnd, fresh);
    EXPECT_EQ(moved, fresh);
    EXPECT_EQ(systemFontHeights(), heightsAt200);
    EXPECT_EQ(Rect(View().PicturePanel().Picture().m_hWnd), (std::vector<long>{10, 10, 496, 616}));
    Command(ID_TEST_STOP_EN);

    // Back to 100 % at the closing display: the closing text fills the
    // answer panel down to where the translation strip ended, as there, and
    // the result strip with its review button is laid out again under the
    // test panel at that scale.
    globals->NumWords = 2;
    Command(ID_TEST_START_EN);
    ExpectBoxes(0, [&] { Command(ID_TEST_SKIP_EN); });
    TypeCorrectForms();
    ExpectBoxes(1, [&] { Type(L"\r"); });
    ASSERT_TRUE(Answers().ClosingText().IsWindow());
    ASSERT_TRUE(Answers().ReviewButton().IsWindow());
    frame.SendMessage(fw::kDpiChangedMessage, MAKEWPARAM(96, 96), reinterpret_cast<LPARAM>(&suggested));
    const std::vector<long> strip = Rect(Answers().ResultText().m_hWnd), button = Rect(Answers().ReviewButton().m_hWnd);
    const std::vector<long> testPanel = Rect(Panel().m_hWnd);
    EXPECT_TRUE(strip[0] == testPanel[0] && strip[2] == testPanel[2] && strip[1] > testPanel[3])
        << strip[0] << "," << strip[1] << "," << strip[2] << " under " << testPanel[0] << "," << testPanel[3] << ","
        << testPanel[2];
    EXPECT_EQ(button[3] - button[1], 24) << "the button's height at 100 %";
    EXPECT_TRUE(button[0] > strip[0] && button[2] < strip[2] && button[1] > strip[1] && button[3] < strip[3]);
    const long b2 = 2 * ::GetSystemMetrics(SM_CXBORDER);
    EXPECT_EQ(Rect(Panel().m_hWnd)[2] - Rect(Panel().m_hWnd)[0], 259);
    EXPECT_EQ(Rect(Answers().m_hWnd), (std::vector<long>{5, 48, 248, 285 + b2}));
    EXPECT_TRUE(ChildrenInsideApart(Answers().m_hWnd));
    EXPECT_TRUE(ChildrenInsideApart(View().PicturePanel().m_hWnd));
    EXPECT_EQ(::GetFocus(), Answers().m_hWnd);
    // The caption and the closing text back at the size they had at 100 %.
    EXPECT_EQ(FontHeight(Panel().Status().Caption().m_hWnd), heightsAt100[4]);
    EXPECT_EQ(FontHeight(Answers().ClosingText().m_hWnd), heightsAt100[4]);
    Command(ID_TEST_STOP_EN);

    // Back at twice the scale between tests, where these panels were made:
    // the next test finds them at that scale, not as laid out at 100 %.
    frame.SendMessage(fw::kDpiChangedMessage, MAKEWPARAM(192, 192), reinterpret_cast<LPARAM>(&suggested));
    Command(ID_TEST_START_EN);
    ASSERT_TRUE(View().PanelsShown());
    std::vector<std::vector<long>> again;
    CollectRects(View().PicturePanel().m_hWnd, again);
    CollectRects(Panel().m_hWnd, again);
    EXPECT_EQ(again, fresh);
    EXPECT_EQ(systemFontHeights(), heightsAt200);
    Command(ID_TEST_STOP_EN);
    frame.SendMessage(fw::kDpiChangedMessage, MAKEWPARAM(96, 96), reinterpret_cast<LPARAM>(&suggested));
}
