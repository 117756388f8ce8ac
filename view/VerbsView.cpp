#include "view/VerbsView.h"
#include "base/Language.h"
#include "base/Options.h"
#include "base/ReportProfileError.h"
#include "base/UserFont.h"
#include "base/VerbsDoc.h"
#include "base/VerbsGlobals.h"
#include "base/TestResultText.h"
#include "data/LayoutRetype.h"
#include "data/VerbGroups.h"
#include "data/VerbTableReader.h"
#include "framework/Dpi.h"
#include "framework/Text.h"
#include "framework/WaitCursor.h"
#include "framework/WinApp.h"
#include "resources/resource.h"
#include "session/MistakeReview.h"
#include "settings/ProfileException.h"
#include "view/BackgroundTiles.h"
#include "view/PictureMessageBox.h"
#include "view/ViewMessages.h"
#include <algorithm>
#include <stdexcept>
#include <string>

namespace {
constexpr UINT_PTR kCountdownTimer = 1;
constexpr UINT kCountdownPeriod = 1000;
// Fires once after a test has ended, when the view has painted: the hidden
// panels are then made ready for the next test.
constexpr UINT_PTR kRefillTimer = 2;
} // namespace

CView* NewVerbsView()
{
    return new CVerbsView;
}

BEGIN_MESSAGE_MAP(CVerbsView, CView)
    ON_MESSAGE(WM_PAINT, OnPaint)
    ON_MESSAGE(WM_SETFOCUS, OnSetFocus)
    ON_MESSAGE(WM_ERASEBKGND, OnEraseBackground)
    ON_MESSAGE(WM_TIMER, OnTimer)
    ON_MESSAGE(VM_READY, OnReadyMessage)
    ON_MESSAGE(VM_SKIP, OnSkipMessage)
    ON_MESSAGE(VM_STOP, OnStopMessage)
    ON_MESSAGE(fw::kDpiChangedAfterParentMessage, OnDpiChanged)
    ON_MESSAGE(WM_SIZE, OnSize)
    ON_COMMAND(ID_TEST_START_RU, OnTestStart)
    ON_COMMAND(ID_TEST_READY_RU, OnTestReady)
    ON_COMMAND(ID_TEST_SKIP_RU, OnTestSkip)
    ON_COMMAND(ID_TEST_STOP_RU, OnTestStop)
    ON_COMMAND(ID_APP_EXIT_RU, OnAppExit)
    ON_COMMAND(ID_TEST_DRILL_RU, OnDrillMistakes)
    ON_UPDATE_COMMAND_UI(ID_TEST_DRILL_RU, OnUpdateDrillMistakes)
    ON_BN_CLICKED(CAnswerPanel::kReviewButtonId, OnReviewButton)
    ON_UPDATE_COMMAND_UI(ID_TEST_START_RU, OnUpdateWhenIdle)
    ON_UPDATE_COMMAND_UI(ID_TEST_READY_RU, OnUpdateWhenRunning)
    ON_UPDATE_COMMAND_UI(ID_TEST_SKIP_RU, OnUpdateWhenRunning)
    ON_UPDATE_COMMAND_UI(ID_TEST_STOP_RU, OnUpdateWhenRunning)
END_MESSAGE_MAP()

CVerbsView::CVerbsView()
    : m_bmpBackground(static_cast<HBITMAP>(
          ::LoadImageW(fw::ResourceModule(), MAKEINTRESOURCEW(IDB_BACKGROUND), IMAGE_BITMAP, 0, 0, 0)))
{
}

CVerbsView::~CVerbsView() = default;

BOOL CVerbsView::Create(HWND parentFrame, UINT id, CCreateContext* context)
{
    {
        // The verb table is read once per run, before the view exists.
        CWaitCursor wait;
        LoadVerbTable(Globals().m_verbs, fw::ResourceModule());
    }
    LoadUserFont();
    return CView::Create(parentFrame, id, context);
}

// ---- Painting and focus

LRESULT CVerbsView::OnPaint(WPARAM, LPARAM)
{
    fw::PaintDc dc(m_hWnd);
    // Tiles start at the window's outer corner, left of and above the client
    // origin by the width of the view's edge.
    RECT area = GetWindowRect();
    ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&area), 2);
    TileBackground(dc.get(), m_bmpBackground.get(), area, Globals().m_brButtonFace.get());
    if (!PanelsShown())
        PaintStartHint(dc.get());
    return 0;
}

void CVerbsView::PaintStartHint(HDC dc)
{
    const std::wstring hint = LoadLangString(IDS_START_HINT);
    RECT client = GetClientRect();
    const UINT dpi = fw::DpiOf(m_hWnd);
    const int pad = fw::Scale(12, dpi);
    const int width = std::min(static_cast<int>(client.right) - 2 * pad, fw::Scale(420, dpi));
    if (width <= 2 * pad)
        return;
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    fw::UniqueFont font(::CreateFontIndirectW(&metrics.lfMessageFont));
    fw::SelectedObject selected(dc, font.get());
    RECT text{0, 0, width - 2 * pad, 0};
    ::DrawTextW(dc, hint.c_str(), -1, &text, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    const int boxHeight = text.bottom + 2 * pad;
    RECT box{(client.right - width) / 2, (client.bottom - boxHeight) / 2, 0, 0};
    box.right = box.left + width;
    box.bottom = box.top + boxHeight;
    ::FillRect(dc, &box, ::GetSysColorBrush(COLOR_INFOBK));
    ::DrawEdge(dc, &box, EDGE_ETCHED, BF_RECT);
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, ::GetSysColor(COLOR_INFOTEXT));
    RECT inner{box.left + pad, box.top + pad, box.right - pad, box.bottom - pad};
    ::DrawTextW(dc, hint.c_str(), -1, &inner, DT_WORDBREAK | DT_NOPREFIX);
}

LRESULT CVerbsView::OnEraseBackground(WPARAM, LPARAM)
{
    return TRUE; // the tiles cover everything
}

LRESULT CVerbsView::OnSetFocus(WPARAM, LPARAM)
{
    Default();
    // Typing goes on in the answer fields when the learner comes back; at
    // the closing display Enter or Esc end the test.
    if (PanelsShown() && !m_testPanel.Answers().FocusFirstField() && m_testPanel.Answers().IsWindow())
        m_testPanel.Answers().SetFocus();
    return 0;
}

// ---- The document's test

CVerbsDoc* CVerbsView::Document() const
{
    return dynamic_cast<CVerbsDoc*>(GetDocument());
}

const TestSession* CVerbsView::LastTest() const
{
    const CVerbsDoc* doc = Document();
    return doc ? doc->LastTest() : nullptr;
}

const TestSession* CVerbsView::RunningTest() const
{
    const CVerbsDoc* doc = Document();
    return doc ? doc->RunningTest() : nullptr;
}

TestSession* CVerbsView::ActiveTest()
{
    CVerbsDoc* doc = Document();
    return doc ? doc->RunningTest() : nullptr;
}

// ---- Start and questions

void CVerbsView::OnTestStart()
{
    CVerbsDoc* doc = Document();
    if (!doc || IsRunning() || m_bBoxOpen)
        return;
    TestOptions options = CurrentTestOptions();
    std::vector<int> testSet = ReadTestSet();
    if (static_cast<int>(testSet.size()) < options.numWords) {
        std::wstring text = fw::FormatString2(LoadLangString(IDS_TOO_FEW_VERBS), std::to_wstring(testSet.size()),
                                              std::to_wstring(options.numWords));
        AppMessageBox(text, MB_OK);
        return;
    }
    BeginTest(options, testSet, nullptr);
}

void CVerbsView::BeginTest(const TestOptions& options, const std::vector<int>& testSet, const QuestionDraw* draw)
{
    CVerbsDoc* doc = Document();
    TestSession& test = draw ? doc->StartTest(Globals().m_verbs, options, testSet, *draw)
                             : doc->StartTest(Globals().m_verbs, options, testSet);
    // The hint of the empty window goes.
    Invalidate();
    if (!ReadyPanels(test)) {
        // Out of window resources: say so rather than seem to ignore Start.
        std::string why = "The windows of the test could not be made (error " + std::to_string(::GetLastError()) +
                          ").";
        StopTest();
        fw::ReportException(std::make_exception_ptr(std::runtime_error(why)));
        return;
    }
    if (options.TimeLimited()) {
        m_testPanel.Status().ShowTime(test.TimeLeft());
        StartCountdown();
    }
    // The panels appear with the first question in them, painted once.
    FillQuestion(test);
    RevealPanels();
    m_testPanel.Answers().FocusFirstField();
}

std::vector<int> CVerbsView::ReadTestSet()
{
    CWaitCursor wait;
    try {
        return VerbGroups::ComputeTestSet(Globals().m_profile);
    } catch (const Profile::RegException& e) {
        ReportProfileError(e);
        return {}; // the test does not start; the message says 0 verbs
    }
}

bool CVerbsView::ReadyPanels(const TestSession& test)
{
    // Made once and kept: most of a test's windows look the same from one
    // test to the next, and making them is most of what a start costs.
    const bool kept = KeptPanelsFitTheView() && m_testPanel.Refill(test.Options(), test.Forms());
    if (kept)
        m_picturePanel.Restart(test.QuestionCount());
    else if (!CreatePanels(test))
        return false;
    m_centreOnNextSize = false;
    return true;
}

void CVerbsView::RevealPanels()
{
    m_picturePanel.ShowWindow(SW_SHOWNA);
    m_testPanel.ShowWindow(SW_SHOWNA);
    m_picturePanel.RedrawNow();
    m_testPanel.RedrawNow();
}

bool CVerbsView::KeptPanelsFitTheView() const
{
    if (!m_testPanel.IsWindow() || !m_picturePanel.IsWindow())
        return false;
    const RECT outer = GetWindowRect();
    return PanelLayout::ConditionsOf(m_hWnd) == m_panelsMadeFor && outer.bottom - outer.top == m_panelsViewHeight &&
           Globals().m_userFont.get() == m_panelsUserFont && Globals().m_clrUserFont == m_panelsFontColour;
}

bool CVerbsView::CreatePanels(const TestSession& test)
{
    DestroyPanels();
    // Panels made only in part must not serve a later test.
    m_panelsMadeFor = {};
    if (!m_picturePanel.Create(m_hWnd, test.QuestionCount()) ||
        !m_testPanel.Create(m_hWnd, test.Options(), test.Forms()))
        return false;
    m_panelsDpi = fw::DpiOf(m_hWnd);
    m_panelsMadeFor = PanelLayout::ConditionsOf(m_hWnd);
    const RECT outer = GetWindowRect();
    m_panelsViewHeight = outer.bottom - outer.top;
    m_panelsUserFont = Globals().m_userFont.get();
    m_panelsFontColour = Globals().m_clrUserFont;
    return true;
}

void CVerbsView::DestroyPanels()
{
    if (m_picturePanel.IsWindow())
        m_picturePanel.DestroyWindow();
    if (m_testPanel.IsWindow())
        m_testPanel.DestroyWindow();
}

void CVerbsView::LayOutPanels()
{
    m_panelsDpi = fw::DpiOf(m_hWnd);
    m_picturePanel.LayOut();
    m_testPanel.LayOut();
    // The result strip lies under the test panel, wherever that went.
    if (m_testPanel.Answers().ResultText().IsWindow())
        ShowTestResult();
    Invalidate();
}

void CVerbsView::FollowLanguage()
{
    if (m_testPanel.Answers().ResultText().IsWindow())
        ShowTestResult();
}

// ---- Scale

LRESULT CVerbsView::OnDpiChanged(WPARAM, LPARAM)
{
    Default();
    // Panels kept hidden are made anew at the next start, for the new scale.
    if (!PanelsShown() || fw::DpiOf(m_hWnd) == m_panelsDpi)
        return 0;
    // The picture and the buttons take their new sizes first: the panels
    // are laid out around them. The frame takes its new size next; the
    // panels centre themselves in the view once it has its own.
    fw::NotifyChildrenOfDpi(m_hWnd);
    LayOutPanels();
    m_centreOnNextSize = true;
    // Laid out again for this scale, they no longer are what they were made
    // for: were the view back there by the next start, they would not fit it.
    m_panelsMadeFor = {};
    return 0;
}

LRESULT CVerbsView::OnSize(WPARAM, LPARAM)
{
    Default();
    if (m_centreOnNextSize && PanelsShown())
        LayOutPanels();
    m_centreOnNextSize = false;
    return 0;
}

void CVerbsView::ShowQuestion(const TestSession& test)
{
    FillQuestion(test);
    m_testPanel.Answers().FocusFirstField();
}

void CVerbsView::FillQuestion(const TestSession& test)
{
    const VerbRecord& verb = test.Verb();
    CAnswerPanel& answers = m_testPanel.Answers();
    answers.ShowInfinitive(verb.infinitive);
    answers.ClearFields();
    answers.ShowForms(test.Forms());
    m_testPanel.Translation().ShowTranslation(verb.translation);
    if (!test.Options().TimeLimited())
        m_testPanel.Status().ShowAttempt(1);
}

std::vector<int> CVerbsView::DrillableVerbs() const
{
    const TestSession* last = LastTest();
    if (m_bBoxOpen || !last || (last->IsRunning() && !last->AllAsked()))
        return {};
    return MistakenVerbs(*last);
}

void CVerbsView::OnDrillMistakes()
{
    std::vector<int> verbs = DrillableVerbs();
    if (verbs.empty() || !Document())
        return;
    if (IsRunning())
        StopTest(); // the closing display of the test reviewed
    // The draw takes them all, whatever the number of questions set.
    const ListedQuestionDraw draw(verbs);
    BeginTest(CurrentTestOptions(), verbs, &draw);
}

void CVerbsView::OnReviewButton()
{
    m_testPanel.Answers().OnReviewClicked();
}

void CVerbsView::OnUpdateDrillMistakes(CCmdUI& ui)
{
    ui.Enable(!DrillableVerbs().empty());
}

// ---- Answers

void CVerbsView::OnTestReady()
{
    ProcessAnswer(true, m_testPanel.Typed());
}

void CVerbsView::OnTestSkip()
{
    ProcessAnswer(false, {});
}

LRESULT CVerbsView::OnReadyMessage(WPARAM wp, LPARAM lp)
{
    // The panels send the typed answer along; anyone else leaves the view
    // to read the fields, as the command does.
    if (wp == kTypedAnswerAttached && lp)
        ProcessAnswer(true, *reinterpret_cast<const TypedAnswer*>(lp));
    else
        OnTestReady();
    return 0;
}

LRESULT CVerbsView::OnSkipMessage(WPARAM, LPARAM)
{
    OnTestSkip();
    return 0;
}

LRESULT CVerbsView::OnStopMessage(WPARAM, LPARAM)
{
    OnTestStop();
    return 0;
}

void CVerbsView::ProcessAnswer(bool ready, const TypedAnswer& typed)
{
    // While a result box is open the answer it reports is not counted yet:
    // a Ready or Skip sent meanwhile would count it twice.
    TestSession* test = ActiveTest();
    if (!test || m_bBoxOpen)
        return;
    TypedAnswer taken = typed;
    if (ready && Globals().CyrillicAsEnglish) {
        // Keys typed with the Russian layout count as the English layout has them.
        taken.pastTense = RetypeInEnglishLayout(taken.pastTense);
        taken.participle = RetypeInEnglishLayout(taken.participle);
    }
    const TestSession::Result result = ready ? test->Answer(taken) : test->Skip();
    if (!ReportHistoryFailure())
        return;
    switch (result.step) {
    case TestSession::Step::EndOfTest:
        // The closing display, or the answer shown after the attempts or
        // the time ran out: the next Ready or Skip ends the test.
        StopTest();
        return;
    case TestSession::Step::Correct:
        if (ShowResultBox(IDS_CORRECT_ANSWER, IDB_CORRECT))
            ShowFinishedQuestion(result.cells);
        return;
    case TestSession::Step::Skipped:
        ShowFinishedQuestion(result.cells);
        return;
    case TestSession::Step::Wrong:
    case TestSession::Step::OutOfAttempts:
        ShowWrongAnswer(result.step);
        return;
    case TestSession::Step::None:
        return;
    }
}

bool CVerbsView::ReportHistoryFailure()
{
    CVerbsDoc* doc = Document();
    if (!doc || !doc->TakeHistoryFailure())
        return true;
    // Counted as a box: a Ready meanwhile must not answer again.
    m_bBoxOpen = true;
    ReportHistoryWriteFailure();
    m_bBoxOpen = false;
    return IsWindow() && RunningTest();
}

void CVerbsView::ShowFinishedQuestion(int cells)
{
    TestSession* test = ActiveTest();
    if (!test)
        return;
    m_picturePanel.SetProgress(test->FinishedQuestions());
    // The picture draws its cells before the next question draws its form.
    m_picturePanel.UncoverCells(cells);
    if (test->AllAsked()) {
        if (test->Options().TimeLimited())
            StopCountdown();
        m_testPanel.ShowFinished();
        ShowTestResult();
        return;
    }
    test->NextQuestion();
    // The random mode draws its field again before every next question, the
    // same form or not.
    if (IsRandomFormMode(test->Options().onlyOneForm, test->Options().whichForm))
        m_testPanel.Answers().ReplaceForm(test->Forms().pastTense);
    ShowQuestion(*test);
}

void CVerbsView::ShowTestResult()
{
    const TestSession* test = RunningTest();
    if (!test || !test->AllAsked())
        return;
    CAnswerPanel& answers = m_testPanel.Answers();
    const bool onButton = answers.ReviewButton().IsWindow() && ::GetFocus() == answers.ReviewButton().m_hWnd;
    answers.DestroyResult();
    answers.ShowResult(TestResultText(Summarize(*test)), !MistakenVerbs(*test).empty());
    if (onButton && answers.ReviewButton().IsWindow())
        ::SetFocus(answers.ReviewButton().m_hWnd);
    else if (onButton)
        answers.SetFocus();
}

void CVerbsView::ShowWrongAnswer(TestSession::Step step)
{
    if (!ShowResultBox(IDS_WRONG_ANSWER, IDB_WRONG))
        return;
    const TestSession* test = RunningTest();
    if (step == TestSession::Step::OutOfAttempts) {
        if (!ShowResultBox(IDS_NO_ATTEMPTS, IDB_NO_ATTEMPTS))
            return;
        if (test->Options().showRightAnswer)
            RevealAnswer();
        return;
    }
    m_testPanel.Answers().ClearFields();
    if (!test->Options().TimeLimited())
        m_testPanel.Status().ShowAttempt(test->Attempt() + 1);
}

void CVerbsView::RevealAnswer()
{
    const TestSession* test = RunningTest();
    if (!test)
        return;
    const TypedAnswer correct = test->CorrectForms();
    CAnswerPanel& answers = m_testPanel.Answers();
    m_testPanel.Status().ShowAnswerCaption();
    if (answers.HasPastTense()) {
        answers.PastTenseField().SetWindowText(correct.pastTense);
        answers.PastTenseField().SendMessage(EM_SETREADONLY, TRUE);
    }
    if (answers.ParticipleAsked()) {
        answers.ParticipleField().SetWindowText(correct.participle);
        answers.ParticipleField().SendMessage(EM_SETREADONLY, TRUE);
    }
}

bool CVerbsView::ShowResultBox(UINT textBase, UINT bitmapId)
{
    // The countdown runs unless the time is out (also while the answer this
    // box reports has finished its question).
    const TestSession* test = RunningTest();
    bool pause = test && test->Options().TimeLimited() && test->TimeLeft() > 0;
    if (pause)
        StopCountdown();
    CPictureMessageBox box(m_hWnd, LoadLangString(textBase), bitmapId);
    m_bBoxOpen = true;
    box.DoModal();
    m_bBoxOpen = false;
    // Exit, or the end of the window, may have ended the test meanwhile.
    bool goesOn = IsWindow() && RunningTest();
    // The next tick comes a full second after the box has closed.
    if (pause && goesOn)
        StartCountdown();
    return goesOn;
}

// ---- Countdown

void CVerbsView::StartCountdown()
{
    ::SetTimer(m_hWnd, kCountdownTimer, kCountdownPeriod, nullptr);
}

void CVerbsView::StopCountdown()
{
    ::KillTimer(m_hWnd, kCountdownTimer);
}

LRESULT CVerbsView::OnTimer(WPARAM wp, LPARAM)
{
    Default();
    if (wp == kRefillTimer) {
        RefillKeptPanels();
        return 0;
    }
    TestSession* test = ActiveTest();
    if (wp != kCountdownTimer || !test || m_bBoxOpen || !test->CountsDown())
        return 0;
    bool timeOver = test->Tick();
    m_testPanel.Status().ShowTime(test->TimeLeft());
    if (!timeOver)
        return 0;
    StopCountdown();
    if (!ShowResultBox(IDS_TIME_OVER, IDB_TIME_OVER))
        return 0;
    if (test->Options().showRightAnswer)
        RevealAnswer();
    else
        StopTest();
    return 0;
}

// ---- Stop and exit

void CVerbsView::OnTestStop()
{
    // The box's own answer finishes first; Exit still ends everything.
    if (!m_bBoxOpen)
        StopTest();
}

void CVerbsView::StopTest()
{
    if (CVerbsDoc* doc = Document())
        doc->EndTest();
    bool hadFocus = ::IsChild(m_hWnd, ::GetFocus()) != FALSE;
    m_testPanel.Answers().DestroyResult();
    // Kept, hidden, for the next test.
    m_picturePanel.Hide();
    m_testPanel.Hide();
    StopCountdown();
    // The hint of the empty window comes back.
    if (IsWindow())
        Invalidate();
    // The keyboard stays with the program when the field that had it goes.
    if (hadFocus && IsWindow())
        SetFocus();
    // A timer's turn comes after the paint: the window shows first.
    if (IsWindow())
        ::SetTimer(m_hWnd, kRefillTimer, 0, nullptr);
}

void CVerbsView::RefillKeptPanels()
{
    ::KillTimer(m_hWnd, kRefillTimer);
    const TestSession* last = LastTest();
    if (IsRunning() || m_bBoxOpen || !last || !KeptPanelsFitTheView())
        return;
    // What the closing display took away is made again now rather than at
    // the next start, for a test like the last one; another kind of test
    // still finds them fixed at its start.
    if (!m_testPanel.Refill(last->Options(), last->Forms()))
        DestroyPanels();
}

void CVerbsView::OnAppExit()
{
    StopTest();
    if (HWND frame = ::GetAncestor(m_hWnd, GA_ROOT))
        ::SendMessageW(frame, WM_CLOSE, 0, 0);
}

void CVerbsView::OnUpdateWhenIdle(CCmdUI& ui)
{
    ui.Enable(!IsRunning());
}

void CVerbsView::OnUpdateWhenRunning(CCmdUI& ui)
{
    ui.Enable(IsRunning());
}
