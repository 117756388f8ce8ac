// Whole tests played on the real windows of the program: commands, typed
// answers with Tab, Enter and Esc, the Ready and Skip buttons, and every
// result box answered through its dialog.
#include "TestRunFixture.h"
#include "app/MainFrame.h"
#include "framework/Handles.h"
#include "resources/resource.h"
#include "view/ViewMessages.h"
#include <commctrl.h>

namespace {

// The pixels of a window's client area as the screen shows them.
std::vector<DWORD> ClientPixels(HWND window)
{
    RECT client{};
    ::GetClientRect(window, &client);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), client.right, -client.bottom, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HDC screen = ::GetDC(window);
    fw::UniqueMemoryDc memory(::CreateCompatibleDC(screen));
    fw::UniqueBitmap bitmap(::CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    std::vector<DWORD> pixels;
    if (memory && bitmap && bits) {
        fw::SelectedObject selected(memory.get(), bitmap.get());
        ::BitBlt(memory.get(), 0, 0, client.right, client.bottom, screen, 0, 0, SRCCOPY);
        ::GdiFlush();
        const auto* first = static_cast<const DWORD*>(bits);
        pixels.assign(first, first + static_cast<size_t>(client.right) * static_cast<size_t>(client.bottom));
    }
    ::ReleaseDC(window, screen);
    return pixels;
}

} // namespace


TEST_F(TestRun, AllCorrectAnswersUncoverThePictureInThirdsAndTheClosingTextEndsWithEnter)
{
    Launch(1);
    UseOnlyVerbsWithBothForms();
    globals->NumWords = 3;
    Command(ID_TEST_START_EN);
    ASSERT_TRUE(View().IsRunning());
    EXPECT_EQ(Progress(), 0);
    const RECT newAnswers = InParent(Answers().m_hWnd);
    const int firstPicture = View().PicturePanel().Picture().PictureIndex();
    const int cells[] = {106, 213, 320};
    for (int question = 0; question < 3; ++question) {
        SCOPED_TRACE(question);
        EXPECT_EQ(Answers().Infinitive().GetWindowText(), CurrentVerb().infinitive);
        EXPECT_EQ(Panel().Translation().Value().GetWindowText(), CurrentVerb().translation);
        EXPECT_EQ(StatusValue(), L"- 1 -");
        ASSERT_EQ(::GetFocus(), PastTenseField());
        // Tab goes to the other field and back.
        Type(L"\t");
        EXPECT_EQ(::GetFocus(), ParticipleField());
        Type(L"\t");
        EXPECT_EQ(::GetFocus(), PastTenseField());
        TypeCorrectForms();
        EXPECT_EQ(::GetFocus(), ParticipleField());
        // Ready sent by another program: its wParam and lParam mean nothing
        // to the view, which judges what the fields hold.
        const TypedAnswer decoy{L"decoy", L"decoy"};
        auto ready = [&] {
            if (question == 1)
                ::SendMessageW(View().m_hWnd, VM_READY, 0, reinterpret_cast<LPARAM>(&decoy));
            else
                Type(L"\r");
        };
        auto boxes = ExpectBoxes(1, ready);
        EXPECT_EQ(boxes, std::vector<SeenBox>{Box(IDS_CORRECT_ANSWER, IDB_CORRECT)});
        EXPECT_EQ(UncoveredCells(), cells[question]);
        EXPECT_EQ(Progress(), question + 1);
    }
    // The closing display: the translation strip gone, the answer panel grown
    // down to where it ended, only the closing text in it.
    EXPECT_FALSE(Answers().HasPastTense() || Answers().HasParticiple());
    EXPECT_FALSE(Panel().Translation().IsWindow());
    EXPECT_EQ(Panel().Translation().Label().m_hWnd, nullptr) << "the label's object keeps the handle of a window gone";
    EXPECT_EQ(Answers().ClosingText().GetWindowText(), fw::LoadResString(143));
    EXPECT_EQ(InParent(Answers().m_hWnd).bottom, 285 + 2 * ::GetSystemMetrics(SM_CXBORDER));
    EXPECT_TRUE(Panel().Status().IsWindow());
    EXPECT_TRUE(Panel().ReadyButton() && Panel().SkipButton());
    EXPECT_TRUE(View().IsRunning());
    // Coming back to the program puts the keyboard on the closing display,
    // where Enter ends the test without another box.
    ::SetFocus(View().m_hWnd);
    EXPECT_EQ(::GetFocus(), Answers().m_hWnd);
    ExpectBoxes(0, [&] { Type(L"\r"); });
    ExpectIdle();

    // The panels are kept for the next tests, which find them as new ones:
    // once readied by the view after the closing display had gone, once
    // started at once after it.
    globals->NumWords = 1;
    for (int next = 1; next <= 2; ++next) {
        SCOPED_TRACE(next);
        if (next == 1)
            testutil::PumpMessages(100);
        Command(ID_TEST_START_EN);
        ASSERT_TRUE(View().PanelsShown());
        EXPECT_EQ(Answers().Infinitive().GetWindowText(), CurrentVerb().infinitive);
        EXPECT_EQ(Panel().Translation().Value().GetWindowText(), CurrentVerb().translation);
        const RECT answers = InParent(Answers().m_hWnd);
        EXPECT_TRUE(::EqualRect(&answers, &newAnswers)) << "the answer panel is not where a new one stands";
        ASSERT_TRUE(PastTenseField() && ParticipleField());
        EXPECT_EQ(::GetFocus(), PastTenseField());
        EXPECT_EQ(Text(PastTenseField()) + Text(ParticipleField()), L"");
        EXPECT_EQ(UncoveredCells(), 0);
        EXPECT_EQ(Progress(), 0);
        HWND bar = ::GetDlgItem(View().PicturePanel().m_hWnd, 506);
        EXPECT_EQ(::SendMessageW(bar, PBM_GETRANGE, FALSE, 0), 1) << "the bar counts the old test's questions";
        EXPECT_EQ(View().PicturePanel().Picture().PictureIndex(), (firstPicture + next) % CPictureCtrl::kPictures);
        TypeCorrectForms();
        ExpectBoxes(1, [&] { Type(L"\r"); });
        EXPECT_EQ(UncoveredCells(), CPictureCtrl::kCells);
        ExpectBoxes(0, [&] { Type(L"\r"); });
        ExpectIdle();
    }
}

TEST_F(TestRun, SkippedQuestionsAdvanceTheProgressButUncoverNothing)
{
    Launch(0);
    globals->NumWords = 3;
    Command(ID_TEST_START_RU);
    ASSERT_TRUE(View().IsRunning());
    // The commands follow the test: Start off, Ready, Skip and Stop on, the
    // panel's own Skip button too (made disabled first, so that only the
    // command update can turn it on).
    HWND skip = Panel().SkipButton()->m_hWnd;
    ::SendMessageW(skip, TB_ENABLEBUTTON, ID_TEST_SKIP_RU, FALSE);
    app->OnIdle(0);
    HWND toolbar = dynamic_cast<CMainFrame*>(app->m_pMainWnd)->ToolBar().m_hWnd;
    EXPECT_FALSE(::SendMessageW(toolbar, TB_ISBUTTONENABLED, ID_TEST_START_RU, 0));
    EXPECT_TRUE(::SendMessageW(toolbar, TB_ISBUTTONENABLED, ID_TEST_STOP_RU, 0));
    EXPECT_TRUE(::SendMessageW(skip, TB_ISBUTTONENABLED, ID_TEST_SKIP_RU, 0));

    Type(L"nonsense");
    ExpectBoxes(0, [&] { Click(Panel().SkipButton()); });
    EXPECT_EQ(Progress(), 1);
    EXPECT_EQ(UncoveredCells(), 0);
    EXPECT_EQ(Text(PastTenseField()), L"");
    EXPECT_EQ(StatusValue(), L"- 1 -");

    TypeCorrectForms();
    auto boxes = ExpectBoxes(1, [&] { Click(Panel().ReadyButton()); });
    EXPECT_EQ(boxes, std::vector<SeenBox>{Box(IDS_CORRECT_ANSWER, IDB_CORRECT)});
    EXPECT_EQ(UncoveredCells(), 106);

    ExpectBoxes(0, [&] { Command(ID_TEST_SKIP_RU); });
    EXPECT_EQ(Progress(), 3);
    EXPECT_EQ(UncoveredCells(), 106);
    EXPECT_EQ(Test().CorrectAnswers(), 1);
    EXPECT_EQ(Answers().ClosingText().GetWindowText(), fw::LoadResString(142));
    // The Skip button on the closing display ends the test, its own click
    // taking the button away.
    ExpectBoxes(0, [&] { Click(Panel().SkipButton()); });
    ExpectIdle();
}

TEST_F(TestRun, CommandsSentWhileAResultBoxIsOpenAreIgnoredButExitStillEndsTheProgram)
{
    Launch(1);
    HWND view = View().m_hWnd;
    // What a tool or a queued message could send while the frame is disabled.
    auto sendEverything = [&](HWND) {
        for (UINT id : {ID_TEST_SKIP_EN, ID_TEST_READY_EN, ID_TEST_STOP_EN, ID_TEST_START_EN})
            Command(id);
        for (UINT message : {VM_SKIP, VM_READY, VM_STOP})
            ::SendMessageW(view, message, 0, 0);
    };
    // The only question is finished once: the closing display comes.
    globals->NumWords = 1;
    Command(ID_TEST_START_EN);
    TypeCorrectForms();
    ExpectBoxes(1, [&] { Type(L"\r"); }, IDOK, sendEverything);
    EXPECT_EQ(Test().FinishedQuestions(), 1);
    EXPECT_EQ(Test().CorrectAnswers(), 1);
    EXPECT_EQ(UncoveredCells(), 320);
    EXPECT_EQ(Answers().ClosingText().GetWindowText(), fw::LoadResString(143));
    Command(ID_TEST_READY_EN);
    ExpectIdle();

    // The test goes on to its second question, and the next one starts afresh.
    globals->NumWords = 2;
    Command(ID_TEST_START_EN);
    TypeCorrectForms();
    ExpectBoxes(1, [&] { Type(L"\r"); }, IDOK, sendEverything);
    ASSERT_TRUE(View().IsRunning());
    EXPECT_EQ(Test().FinishedQuestions(), 1);
    EXPECT_EQ(Progress(), 1);
    EXPECT_EQ(Test().Attempt(), 0);
    Command(ID_TEST_STOP_EN);
    Command(ID_TEST_START_EN);
    EXPECT_EQ(Test().FinishedQuestions(), 0);
    EXPECT_EQ(Test().CorrectAnswers(), 0);

    // Exit while a box is open ends the test and closes the program.
    Type(L"wrong");
    ExpectBoxes(1, [&] { Type(L"\r"); }, IDOK, [&](HWND) { Command(ID_APP_EXIT_EN); });
    EXPECT_EQ(app->m_pMainWnd, nullptr);
    EXPECT_FALSE(::IsWindow(view));
}

TEST_F(TestRun, WrongAnswersUseUpTheAttemptsThenTheAnswerIsShownReadOnly)
{
    Launch(0);
    UseOnlyVerbsWithBothForms();
    globals->NumWords = 2;
    globals->MaxAttempt = 3;
    globals->ShowRightAnswer = 1;
    Command(ID_TEST_START_RU);
    EXPECT_EQ(StatusCaption(), fw::LoadResString(153));
    const LONG freshCaptionWidth = Panel().Status().Caption().GetClientRect().right;

    Type(L"xxx\tyyy");
    // Esc closes the box as OK does.
    auto boxes = ExpectBoxes(1, [&] { Type(L"\r"); }, IDCANCEL);
    EXPECT_EQ(boxes, std::vector<SeenBox>{Box(IDS_WRONG_ANSWER, IDB_WRONG)});
    EXPECT_EQ(StatusValue(), L"- 2 -");
    EXPECT_EQ(Text(PastTenseField()), L"");
    EXPECT_EQ(Text(ParticipleField()), L"");
    EXPECT_EQ(Test().Attempt(), 1);

    // A right past tense with a wrong participle is still wrong; the close box acts as OK.
    const VerbRecord& verb = CurrentVerb();
    ::SetFocus(PastTenseField());
    Type(verb.pastTense.substr(0, verb.pastTense.find(L';')) + L"\tzzz");
    boxes = ExpectBoxes(1, [&] { Type(L"\r"); }, 0);
    EXPECT_EQ(boxes, std::vector<SeenBox>{Box(IDS_WRONG_ANSWER, IDB_WRONG)});
    EXPECT_EQ(StatusValue(), L"- 3 -");

    boxes = ExpectBoxes(2, [&] { Command(ID_TEST_READY_RU); });
    EXPECT_EQ(boxes, (std::vector<SeenBox>{Box(IDS_WRONG_ANSWER, IDB_WRONG), Box(IDS_NO_ATTEMPTS, IDB_NO_ATTEMPTS)}));
    EXPECT_EQ(StatusCaption(), fw::LoadResString(160));
    HWND caption = Panel().Status().Caption().m_hWnd;
    EXPECT_LE(TextWidth(caption, StatusCaption()), Panel().Status().Caption().GetClientRect().right)
        << "the caption is cut";
    // Drawn whole at its new width, not only where it grew.
    testutil::PumpMessages(30);
    const std::vector<DWORD> shown = ClientPixels(caption);
    ::RedrawWindow(caption, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    EXPECT_FALSE(shown.empty());
    EXPECT_TRUE(shown == ClientPixels(caption)) << "the caption shows other pixels than its whole repaint";
    EXPECT_FALSE(Panel().Status().HasValue());
    EXPECT_EQ(Text(PastTenseField()), verb.pastTense);
    EXPECT_EQ(Text(ParticipleField()), verb.pastParticiple);
    EXPECT_TRUE(ReadOnly(PastTenseField()) && ReadOnly(ParticipleField()));
    EXPECT_EQ(UncoveredCells(), 0);
    // Enter in the read-only field is Ready, and Ready now ends the test unchecked.
    ::SetFocus(PastTenseField());
    ExpectBoxes(0, [&] { Type(L"\r"); });
    ExpectIdle();

    // The next test, timed and without the translation, finds the panels
    // kept from this one as new ones: the fields writable and empty, the
    // value back beside its caption.
    globals->MustLimitTime = 1;
    globals->ShowTranslate = 0;
    Command(ID_TEST_START_RU);
    ASSERT_TRUE(View().PanelsShown());
    EXPECT_EQ(StatusCaption(), fw::LoadResString(IDS_TIME_LEFT));
    EXPECT_EQ(Panel().Status().Caption().GetClientRect().right, freshCaptionWidth);
    EXPECT_TRUE(Panel().Status().HasValue());
    EXPECT_FALSE(Panel().Translation().IsWindow());
    EXPECT_FALSE(ReadOnly(PastTenseField()) || ReadOnly(ParticipleField()));
    EXPECT_EQ(Text(PastTenseField()) + Text(ParticipleField()), L"");
    Command(ID_TEST_STOP_RU);
}

TEST_F(TestRun, WithoutTheRightAnswerTypedTextsStayAndOneAttemptGivesBothBoxes)
{
    Launch(1);
    UseOnlyVerbsWithBothForms();
    globals->NumWords = 2;
    globals->MaxAttempt = 2;
    globals->ShowRightAnswer = 0;
    Command(ID_TEST_START_EN);
    Type(L"one\ttwo");
    EXPECT_EQ(ExpectBoxes(1, [&] { Type(L"\r"); }).size(), 1u);
    Type(L"three\tfour");
    auto boxes = ExpectBoxes(2, [&] { Type(L"\r"); });
    EXPECT_EQ(boxes, (std::vector<SeenBox>{Box(IDS_WRONG_ANSWER, IDB_WRONG), Box(IDS_NO_ATTEMPTS, IDB_NO_ATTEMPTS)}));
    EXPECT_EQ(Text(PastTenseField()), L"three");
    EXPECT_EQ(Text(ParticipleField()), L"four");
    EXPECT_FALSE(ReadOnly(PastTenseField()));
    EXPECT_EQ(StatusCaption(), L"Current attempt:");
    EXPECT_EQ(StatusValue(), L"- 2 -"); // never advanced past the limit
    ExpectBoxes(0, [&] { Command(ID_TEST_SKIP_EN); });
    ExpectIdle();

    globals->MaxAttempt = 1;
    Command(ID_TEST_START_EN);
    Type(L"wrong");
    boxes = ExpectBoxes(2, [&] { Type(L"\r"); });
    EXPECT_EQ(boxes, (std::vector<SeenBox>{Box(IDS_WRONG_ANSWER, IDB_WRONG), Box(IDS_NO_ATTEMPTS, IDB_NO_ATTEMPTS)}));
    ExpectBoxes(0, [&] { Command(ID_TEST_READY_EN); });
    ExpectIdle();
}

TEST_F(TestRun, TimeLimitCountsDownPausesAroundEveryBoxAndEndsAtZero)
{
    Launch(1);
    UseOnlyVerbsWithBothForms();
    globals->NumWords = 2;
    globals->MustLimitTime = 1;
    globals->LimitTime = 1;
    globals->ShowRightAnswer = 1;
    Command(ID_TEST_START_EN);
    HWND view = View().m_hWnd;
    EXPECT_EQ(StatusCaption(), L"Time left:");
    EXPECT_EQ(StatusValue(), L"01:00");
    ::SendMessageW(view, WM_TIMER, 1, 0);
    EXPECT_EQ(StatusValue(), L"00:59");

    // Any number of wrong answers: no attempts are counted or shown.
    for (int i = 0; i < 4; ++i) {
        Type(L"bad\tbad");
        EXPECT_EQ(ExpectBoxes(1, [&] { Type(L"\r"); }), std::vector<SeenBox>{Box(IDS_WRONG_ANSWER, IDB_WRONG)});
        EXPECT_EQ(Text(PastTenseField()), L"");
    }
    // The countdown stands still while a box is open and runs a second after.
    int atOpen = 0, afterWait = 0;
    Type(L"bad");
    ExpectBoxes(1, [&] { Type(L"\r"); }, IDOK, [&](HWND) {
        atOpen = Test().TimeLeft();
        testutil::PumpMessages(1500);
        afterWait = Test().TimeLeft();
    });
    EXPECT_EQ(afterWait, atOpen);
    EXPECT_TRUE(testutil::PumpUntil([&] { return Test().TimeLeft() < atOpen; }, 3000)) << "no tick after the box";
    std::wstring whileOpen;

    // The time runs out: 00:00 is on screen with the box, then the answer.
    auto boxes = ExpectBoxes(1, [&] {
        while (Test().TimeLeft() > 0)
            ::SendMessageW(view, WM_TIMER, 1, 0);
    }, IDOK, [&](HWND) { whileOpen = StatusValue(); });
    EXPECT_EQ(whileOpen, L"00:00");
    EXPECT_EQ(boxes, std::vector<SeenBox>{Box(IDS_TIME_OVER, IDB_TIME_OVER)});
    EXPECT_EQ(StatusCaption(), L"Correct answer:");
    EXPECT_EQ(Text(PastTenseField()), CurrentVerb().pastTense);
    EXPECT_EQ(Text(ParticipleField()), CurrentVerb().pastParticiple);
    EXPECT_TRUE(ReadOnly(ParticipleField()));
    EXPECT_FALSE(::KillTimer(view, 1)) << "the countdown runs on after the time-out";
    EXPECT_EQ(Test().TimeLeft(), 0);
    ExpectBoxes(0, [&] { Command(ID_TEST_READY_EN); });
    ExpectIdle();

    // An hour shows as 60 minutes; the last answer stops the countdown.
    globals->LimitTime = 60;
    globals->NumWords = 1;
    Command(ID_TEST_START_EN);
    EXPECT_EQ(StatusValue(), L"60:00");
    TypeCorrectForms();
    ExpectBoxes(1, [&] { Type(L"\r"); });
    EXPECT_FALSE(::KillTimer(view, 1)) << "the countdown runs on the closing display";
    Command(ID_TEST_STOP_EN);

    // Without the right answer the time-out ends the test.
    globals->LimitTime = 1;
    globals->ShowRightAnswer = 0;
    Command(ID_TEST_START_EN);
    ExpectBoxes(1, [&] {
        while (View().IsRunning() && Test().TimeLeft() > 0)
            ::SendMessageW(view, WM_TIMER, 1, 0);
    });
    ExpectIdle();
}
