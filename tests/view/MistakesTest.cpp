// Learning from mistakes on the real windows: the result at the closing
// display, the review opened from the keyboard, the drill of the mistaken
// verbs, and answers typed with the Russian layout.
#include "TestRunFixture.h"
#include "app/CommandSets.h"
#include "dialogs/MistakesReviewDlg.h"
#include "resources/resource.h"
#include <set>

namespace {

std::wstring ListText(HWND list, int row, int column)
{
    wchar_t text[256] = {};
    ListView_GetItemText(list, row, column, text, 256);
    return text;
}

// Whether a colour shows anywhere in a window's client area, as drawn now.
bool ShowsColour(HWND window, COLORREF colour)
{
    ::UpdateWindow(window);
    RECT client{};
    ::GetClientRect(window, &client);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = client.right;
    info.bmiHeader.biHeight = -client.bottom;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC screen = ::GetDC(window);
    fw::UniqueMemoryDc memory(::CreateCompatibleDC(screen));
    fw::UniqueBitmap bitmap(::CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    bool found = false;
    if (memory && bitmap && bits) {
        fw::SelectedObject selected(memory.get(), bitmap.get());
        ::BitBlt(memory.get(), 0, 0, client.right, client.bottom, screen, 0, 0, SRCCOPY);
        ::GdiFlush();
        const auto* pixels = static_cast<const DWORD*>(bits);
        const DWORD wanted = (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
        for (long i = 0; i < static_cast<long>(client.right) * client.bottom && !found; ++i)
            found = (pixels[i] & 0xFFFFFF) == wanted;
    }
    ::ReleaseDC(window, screen);
    return found;
}

} // namespace

TEST_F(TestRun, TwoMistakesAreReviewedAndTheirDrillPlaysToItsClosingDisplay)
{
    Launch(1);
    UseOnlyVerbs({L"go", L"be", L"see"});
    globals->NumWords = 3;
    globals->MaxAttempt = 2;
    Command(ID_TEST_START_EN);
    ASSERT_TRUE(View().IsRunning());
    // The first question right later, the second skipped, the third right.
    std::set<std::wstring> mistaken;
    const VerbRecord first = CurrentVerb();
    mistaken.insert(first.infinitive);
    // Each form without its first letter, the past tense with a letter too many.
    const std::wstring past = first.pastTense.substr(1, first.pastTense.find(L';') - 1);
    const std::wstring participle = first.pastParticiple.substr(1, first.pastParticiple.find(L';') - 1);
    Type(past + L"q\t" + participle);
    ExpectBoxes(1, [&] { Type(L"\r"); });
    TypeCorrectForms();
    ExpectBoxes(1, [&] { Type(L"\r"); });
    mistaken.insert(CurrentVerb().infinitive);
    ExpectBoxes(0, [&] { Command(ID_TEST_SKIP_EN); });
    TypeCorrectForms();
    ExpectBoxes(1, [&] { Type(L"\r"); });

    // The closing display keeps its text and tells how it went.
    EXPECT_EQ(Answers().ClosingText().GetWindowText(), fw::LoadResString(143));
    const std::wstring result = Answers().ResultText().GetWindowText();
    EXPECT_EQ(result.substr(0, 64), L"Right at the first attempt: 1, right later: 1, skipped or missed");
    EXPECT_NE(result.find(L"skipped or missed: 1. Time: 0 min "), std::wstring::npos) << result;
    ASSERT_TRUE(Answers().ReviewButton().IsWindow());
    EXPECT_EQ(Answers().ReviewButton().GetWindowText(), L"&Review mistakes");
    // Both in a strip under the test panel, in the view, the button inside it.
    const RECT strip = InParent(Answers().ResultText().m_hWnd), button = InParent(Answers().ReviewButton().m_hWnd);
    const RECT panel = InParent(Panel().m_hWnd), view = View().GetClientRect();
    EXPECT_EQ(::GetParent(Answers().ResultText().m_hWnd), View().m_hWnd);
    EXPECT_TRUE(strip.left == panel.left && strip.right == panel.right && strip.top > panel.bottom &&
                strip.bottom <= view.bottom);
    EXPECT_TRUE(button.left > strip.left && button.right < strip.right && button.top > strip.top &&
                button.bottom < strip.bottom);
    HMENU testMenu = ::GetSubMenu(::GetMenu(View().GetParent()), 0);
    ::SendMessageW(View().GetParent(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(testMenu), 0);
    EXPECT_FALSE(::GetMenuState(testMenu, ID_TEST_DRILL_EN, MF_BYCOMMAND) & MF_GRAYED);

    // The strip follows the interface language, the keyboard staying on its
    // button; and back.
    Type(L"\t");
    ASSERT_EQ(::GetFocus(), Answers().ReviewButton().m_hWnd);
    globals->Language = 0;
    BuildRussianMenu();
    const std::wstring russian = L"Правильно с первой попытки: 1, позже: 1, пропущено или не отвечено: 1. Время: 0 мин ";
    EXPECT_EQ(Answers().ResultText().GetWindowText().substr(0, russian.size()), russian);
    EXPECT_EQ(Answers().ReviewButton().GetWindowText(), L"&Разбор ошибок");
    EXPECT_EQ(::GetFocus(), Answers().ReviewButton().m_hWnd);
    globals->Language = 1;
    BuildEnglishMenu();
    EXPECT_EQ(Answers().ResultText().GetWindowText(), result);
    const RECT stripAgain = InParent(Answers().ResultText().m_hWnd);
    const RECT buttonAgain = InParent(Answers().ReviewButton().m_hWnd);
    EXPECT_TRUE(::EqualRect(&stripAgain, &strip) && ::EqualRect(&buttonAgain, &button));
    ASSERT_EQ(::GetFocus(), Answers().ReviewButton().m_hWnd);
    Type(L"\t");

    // R (the button's underlined letter) opens the review; Drill starts the drill.
    std::vector<std::vector<std::wstring>> rows;
    std::wstring summary;
    bool wrongTinted = false, rightTinted = false;
    responder.Then([&](HWND d) {
        HWND list = ::GetDlgItem(d, IDC_REVIEW_LIST);
        // The marked letters in colour: the typed extra letter and the
        // correct form's missing one.
        wrongTinted = ShowsColour(list, CMistakesReviewDlg::kWrongTint);
        rightTinted = ShowsColour(list, CMistakesReviewDlg::kRightTint);
        for (int r = 0; r < ListView_GetItemCount(list); ++r) {
            rows.emplace_back();
            for (int c = 0; c < 5; ++c)
                rows.back().push_back(ListText(list, r, c));
        }
        summary = fw::WindowText(::GetDlgItem(d, IDC_REVIEW_SUMMARY));
        EXPECT_EQ(fw::WindowText(d), L"Review mistakes");
        ::SendMessageW(d, WM_COMMAND, IDC_DRILL, 0);
    });
    ASSERT_TRUE(responder.ExpectDialogs(1, [&] {
        Type(L"r");
        testutil::PumpUntil([&] { return View().IsRunning() && Test().QuestionCount() == 2; });
    }));
    EXPECT_EQ(summary, result);
    EXPECT_TRUE(wrongTinted && rightTinted) << wrongTinted << rightTinted;
    ASSERT_EQ(rows.size(), 4u) << "two forms of two questions";
    std::set<std::wstring> reviewed{rows[0][0], rows[2][0]};
    EXPECT_EQ(reviewed, mistaken);
    EXPECT_EQ(rows[0][2], L"Past Tense");
    EXPECT_EQ(rows[1][2], L"Past Participle");
    EXPECT_TRUE(rows[1][0].empty() && rows[1][1].empty()) << "the verb stands on its first row";
    // The first question's typed texts in order, its forms with the letter
    // the wrong texts lacked marked.
    const bool firstOnTop = rows[0][0] == first.infinitive;
    const auto& firstPast = rows[firstOnTop ? 0 : 2];
    const auto& firstParticiple = rows[firstOnTop ? 1 : 3];
    const std::wstring rightPast = first.pastTense.substr(0, first.pastTense.find(L';'));
    const std::wstring rightParticiple = first.pastParticiple.substr(0, first.pastParticiple.find(L';'));
    EXPECT_EQ(firstPast[3], past + L"[q] \u2192 " + rightPast) << "the extra letter marked";
    EXPECT_EQ(firstPast[4], L"[" + first.pastTense.substr(0, 1) + L"]" + first.pastTense.substr(1));
    EXPECT_EQ(firstParticiple[3], participle + L" \u2192 " + rightParticiple);
    EXPECT_EQ(firstParticiple[4], L"[" + first.pastParticiple.substr(0, 1) + L"]" + first.pastParticiple.substr(1));
    const auto& skipped = rows[firstOnTop ? 2 : 0];
    EXPECT_EQ(skipped[3], L"(skipped)");
    EXPECT_EQ(skipped[4].find(L'['), std::wstring::npos) << "nothing typed, nothing marked";

    // The drill: exactly the two verbs, fewer than the questions set.
    ASSERT_TRUE(View().IsRunning());
    std::set<std::wstring> drilled;
    for (int question = 0; question < 2; ++question) {
        drilled.insert(CurrentVerb().infinitive);
        TypeCorrectForms();
        ExpectBoxes(1, [&] { Type(L"\r"); });
    }
    EXPECT_EQ(drilled, mistaken);
    EXPECT_EQ(UncoveredCells(), 320) << "the whole picture";
    EXPECT_EQ(Answers().ResultText().GetWindowText().substr(0, 54),
              L"Right at the first attempt: 2, right later: 0, skipped");
    EXPECT_FALSE(Answers().ReviewButton().IsWindow()) << "nothing to review";
    ExpectBoxes(0, [&] { Type(L"r\r"); });
    ExpectIdle();
    ::SendMessageW(View().GetParent(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(testMenu), 0);
    EXPECT_TRUE(::GetMenuState(testMenu, ID_TEST_DRILL_EN, MF_BYCOMMAND) & MF_GRAYED);

    // Stopped on a question after a wrong answer: it is reviewed as not
    // finished, and drilled.
    Command(ID_TEST_START_EN);
    ASSERT_TRUE(View().IsRunning());
    const std::wstring stoppedOn = CurrentVerb().infinitive;
    Type(L"x\ty");
    ExpectBoxes(1, [&] { Type(L"\r"); });
    Command(ID_TEST_STOP_EN);
    ASSERT_FALSE(View().IsRunning());
    ::SendMessageW(View().GetParent(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(testMenu), 0);
    EXPECT_FALSE(::GetMenuState(testMenu, ID_TEST_DRILL_EN, MF_BYCOMMAND) & MF_GRAYED);
    rows.clear();
    responder.Then([&](HWND d) {
        HWND list = ::GetDlgItem(d, IDC_REVIEW_LIST);
        for (int r = 0; r < ListView_GetItemCount(list); ++r)
            rows.push_back({ListText(list, r, 0), ListText(list, r, 3)});
        ::SendMessageW(d, WM_COMMAND, IDCANCEL, 0);
    });
    ASSERT_TRUE(responder.ExpectDialogs(1, [&] { Command(ID_TEST_REVIEW); }));
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0][0], stoppedOn);
    EXPECT_EQ(rows[0][1], L"[x] \u2192 (not finished)");
    EXPECT_EQ(rows[1][1], L"[y] \u2192 (not finished)");
    ExpectIdle();
}

TEST_F(TestRun, RussianLayoutLettersBringTheBalloonAndCountAsEnglishWhenChosen)
{
    Launch(0);
    UseOnlyVerbs({L"sing"});
    globals->NumWords = 1;
    globals->OnlyOneForm = 1;
    globals->WhichForm = 0; // the past tense
    for (int asEnglish : {0, 1}) {
        SCOPED_TRACE(asEnglish);
        globals->CyrillicAsEnglish = asEnglish;
        Command(ID_TEST_START_RU);
        ASSERT_TRUE(View().IsRunning());
        CAnswerEdit& field = Answers().PastTenseField();
        Type(L"\u044B\u0444\u0442\u043F"); // ыфтп: "sang" on the Russian layout
        ASSERT_NE(field.LayoutTip(), nullptr);
        EXPECT_TRUE(::IsWindowVisible(field.LayoutTip()));
        const std::wstring tip = field.LayoutTipText();
        EXPECT_EQ(tip.substr(0, 12), L"\u0412\u043A\u043B\u044E\u0447\u0435\u043D\u0430 \u0440\u0443\u0441"); // Включена рус
        EXPECT_NE(tip.find(L"Alt+Shift"), std::wstring::npos) << fw::Narrow(tip, CP_UTF8);
        EXPECT_EQ(tip.substr(tip.size() - 4), L"sang");
        auto boxes = ExpectBoxes(1, [&] { Type(L"\r"); });
        EXPECT_EQ(boxes, std::vector<SeenBox>{asEnglish ? Box(IDS_CORRECT_ANSWER, IDB_CORRECT)
                                                        : Box(IDS_WRONG_ANSWER, IDB_WRONG)});
        if (!asEnglish) {
            // The field is cleared for the next attempt and the balloon goes with the letters.
            EXPECT_EQ(field.LayoutTip(), nullptr);
            Type(L"sang");
            EXPECT_EQ(field.LayoutTip(), nullptr);
            ExpectBoxes(1, [&] { Type(L"\r"); });
        }
        ExpectBoxes(0, [&] { Type(L"\r"); });
        ExpectIdle();
    }
}

TEST_F(TestRun, AnAnswerFieldTakesTheEnglishLayoutAndGivesTheLearnersBackWhenTheTestStops)
{
    Launch(1);
    UseOnlyVerbs({L"sing"});
    globals->NumWords = 1;
    const HKL english = ::LoadKeyboardLayoutW(L"00000409", 0);
    const HKL russian = ::LoadKeyboardLayoutW(L"00000419", KLF_ACTIVATE);
    if (!english || !russian || ::GetKeyboardLayout(0) != russian)
        GTEST_SKIP() << "no Russian layout to switch from";
    Command(ID_TEST_START_EN);
    ASSERT_TRUE(View().IsRunning());
    EXPECT_EQ(::GetKeyboardLayout(0), english);
    Command(ID_TEST_STOP_EN);
    EXPECT_FALSE(View().IsRunning());
    EXPECT_EQ(::GetKeyboardLayout(0), russian);
    ::ActivateKeyboardLayout(english, 0);
}

TEST_F(TestRun, TheReviewButtonTabbedToAnswersEnterEscAndTab)
{
    Launch(1);
    UseOnlyVerbs({L"sing"});
    globals->NumWords = 1;
    Command(ID_TEST_START_EN);
    ASSERT_TRUE(View().IsRunning());
    ExpectBoxes(0, [&] { Command(ID_TEST_SKIP_EN); });
    const HWND button = Answers().ReviewButton().m_hWnd;
    ASSERT_TRUE(::IsWindow(button));
    Type(L"\t");
    ASSERT_EQ(::GetFocus(), button);
    // Enter presses it, as Space does.
    bool reviewed = false;
    responder.Then([&](HWND d) {
        reviewed = true;
        ::SendMessageW(d, WM_COMMAND, IDCANCEL, 0);
    });
    ASSERT_TRUE(responder.ExpectDialogs(1, [&] {
        Type(L"\r");
        testutil::PumpUntil([&] { return reviewed; });
    }));
    // Tab leaves it for the panel and comes back.
    ::SetFocus(button);
    Type(L"\t");
    EXPECT_NE(::GetFocus(), button);
    Type(L"\t");
    ASSERT_EQ(::GetFocus(), button);
    // Esc ends the test, as on the closing display.
    ExpectBoxes(0, [&] { Type(L"\x1b"); });
    EXPECT_FALSE(View().IsRunning());
    ExpectIdle();
}
