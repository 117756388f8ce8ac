#include "view/VerbsView.h"
#include "base/Language.h"
#include "base/Options.h"
#include "base/ReportProfileError.h"
#include "base/UserFont.h"
#include "base/VerbsGlobals.h"
#include "data/AnswerCheck.h"
#include "data/VerbGroups.h"
#include "data/VerbTableReader.h"
#include "framework/Text.h"
#include "framework/WaitCursor.h"
#include "framework/WinApp.h"
#include "resources/resource.h"
#include "settings/ProfileException.h"
#include "view/BackgroundTiles.h"
#include "view/PictureMessageBox.h"
#include "view/ViewMessages.h"
#include <cstdlib>
#include <ctime>
#include <stdexcept>
#include <string>

namespace {
constexpr UINT_PTR kCountdownTimer = 1;
constexpr UINT kCountdownPeriod = 1000;
constexpr int kPictureCells = 320;
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
    ON_COMMAND(ID_TEST_START_RU, OnTestStart)
    ON_COMMAND(ID_TEST_READY_RU, OnTestReady)
    ON_COMMAND(ID_TEST_SKIP_RU, OnTestSkip)
    ON_COMMAND(ID_TEST_STOP_RU, OnTestStop)
    ON_COMMAND(ID_APP_EXIT_RU, OnAppExit)
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
    std::srand(ClockSeed(static_cast<long long>(std::time(nullptr))));
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
    return 0;
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
    if (m_testPanel.IsWindow() && !m_testPanel.Answers().FocusFirstField() && m_testPanel.Answers().IsWindow())
        m_testPanel.Answers().SetFocus();
    return 0;
}

// ---- Start and questions

void CVerbsView::OnTestStart()
{
    if (m_bRunning || m_bBoxOpen)
        return;
    m_options = CurrentTestOptions();
    CVerbsGlobals& g = Globals();
    int available = CountTestSet();
    if (available < m_options.numWords) {
        std::wstring text = fw::FormatString2(LoadLangString(IDS_TOO_FEW_VERBS), std::to_wstring(available),
                                              std::to_wstring(m_options.numWords));
        AppMessageBox(text, MB_OK);
        return;
    }
    ChooseQuestions(g.m_verbs, m_options.numWords, m_order);
    m_nAsked = m_nCorrect = m_nUncovered = m_nAttempt = m_nTimeLeft = 0;
    m_bRunning = TRUE;
    if (!CreatePanels()) {
        // Out of window resources: say so rather than seem to ignore Start.
        std::string why = "The windows of the test could not be made (error " + std::to_string(::GetLastError()) +
                          ").";
        StopTest();
        fw::ReportException(std::make_exception_ptr(std::runtime_error(why)));
        return;
    }
    if (m_options.TimeLimited()) {
        m_nTimeLeft = m_options.limitTime * 60;
        m_testPanel.Status().ShowTime(m_nTimeLeft);
        StartCountdown();
    }
    ShowQuestion();
}

int CVerbsView::CountTestSet()
{
    CWaitCursor wait;
    CVerbsGlobals& g = Globals();
    try {
        return VerbGroups::ComputeTestSet(g.m_profile, g.m_verbs);
    } catch (const Profile::RegException& e) {
        ReportProfileError(e);
        return 0; // the test does not start; the message says 0 verbs
    }
}

bool CVerbsView::CreatePanels()
{
    if (!m_picturePanel.Create(m_hWnd, m_options.numWords) || !m_testPanel.Create(m_hWnd, m_options))
        return false;
    m_picturePanel.RedrawNow();
    m_testPanel.RedrawNow();
    return true;
}

void CVerbsView::ShowQuestion()
{
    m_nAttempt = 0;
    m_nCurVerb = m_order.at(static_cast<size_t>(m_nAsked));
    const VerbRecord& verb = Globals().m_verbs[static_cast<size_t>(m_nCurVerb)];
    CAnswerPanel& answers = m_testPanel.Answers();
    answers.ShowInfinitive(verb.infinitive);
    answers.ClearFields();
    m_testPanel.Translation().ShowTranslation(verb.translation);
    if (!m_options.TimeLimited())
        m_testPanel.Status().ShowAttempt(1);
    answers.FocusFirstField();
}

// ---- Answers

void CVerbsView::OnTestReady()
{
    ProcessAnswer(true);
}

void CVerbsView::OnTestSkip()
{
    ProcessAnswer(false);
}

LRESULT CVerbsView::OnReadyMessage(WPARAM, LPARAM)
{
    ProcessAnswer(true);
    return 0;
}

LRESULT CVerbsView::OnSkipMessage(WPARAM, LPARAM)
{
    ProcessAnswer(false);
    return 0;
}

LRESULT CVerbsView::OnStopMessage(WPARAM, LPARAM)
{
    OnTestStop();
    return 0;
}

bool CVerbsView::IsLocked() const
{
    return m_options.TimeLimited() ? m_nTimeLeft <= 0 : m_nAttempt >= m_options.maxAttempt;
}

void CVerbsView::ProcessAnswer(bool ready)
{
    // While a result box is open the answer it reports is not counted yet:
    // a Ready or Skip sent meanwhile would count it twice.
    if (!m_bRunning || m_bBoxOpen)
        return;
    // The closing display, or the answer shown after the attempts or the
    // time ran out: the next Ready or Skip ends the test.
    if (m_nAsked >= m_options.numWords || IsLocked()) {
        StopTest();
        return;
    }
    ++m_nAttempt;
    if (ready) {
        if (!AnswerIsCorrect()) {
            AnswerWasWrong();
            return;
        }
        if (!ShowResultBox(IDS_CORRECT_ANSWER, IDB_CORRECT))
            return;
    }
    CountFinishedQuestion(ready);
}

bool CVerbsView::AnswerIsCorrect()
{
    const VerbRecord& verb = Globals().m_verbs[static_cast<size_t>(m_nCurVerb)];
    CAnswerPanel& answers = m_testPanel.Answers();
    bool ok = true;
    if (answers.HasPastTense())
        ok = IsAnswerAccepted(verb, VerbForm::PastTense, answers.PastTenseField().GetWindowText());
    if (answers.HasParticiple())
        ok = IsAnswerAccepted(verb, VerbForm::PastParticiple, answers.ParticipleField().GetWindowText()) && ok;
    return ok;
}

void CVerbsView::CountFinishedQuestion(bool correct)
{
    ++m_nAsked;
    if (correct)
        ++m_nCorrect;
    m_picturePanel.SetProgress(m_nAsked);
    int target = m_nCorrect * kPictureCells / m_options.numWords;
    m_picturePanel.UncoverCells(target - m_nUncovered);
    m_nUncovered = target;
    if (m_nAsked >= m_options.numWords) {
        if (m_options.TimeLimited())
            StopCountdown();
        m_testPanel.ShowFinished();
        return;
    }
    if (IsRandomFormMode(m_options.onlyOneForm, m_options.whichForm))
        m_testPanel.Answers().RedrawRandomForm();
    ShowQuestion();
}

void CVerbsView::AnswerWasWrong()
{
    if (!ShowResultBox(IDS_WRONG_ANSWER, IDB_WRONG))
        return;
    if (m_options.TimeLimited()) {
        m_testPanel.Answers().ClearFields();
        return;
    }
    if (IsLocked()) {
        if (!ShowResultBox(IDS_NO_ATTEMPTS, IDB_NO_ATTEMPTS))
            return;
        if (m_options.showRightAnswer)
            RevealAnswer();
        return;
    }
    m_testPanel.Answers().ClearFields();
    m_testPanel.Status().ShowAttempt(m_nAttempt + 1);
}

void CVerbsView::RevealAnswer()
{
    const VerbRecord& verb = Globals().m_verbs[static_cast<size_t>(m_nCurVerb)];
    CAnswerPanel& answers = m_testPanel.Answers();
    m_testPanel.Status().ShowAnswerCaption();
    if (answers.HasPastTense()) {
        answers.PastTenseField().SetWindowText(verb.pastTense);
        answers.PastTenseField().SendMessage(EM_SETREADONLY, TRUE);
    }
    if (answers.HasParticiple()) {
        answers.ParticipleField().SetWindowText(verb.pastParticiple);
        answers.ParticipleField().SendMessage(EM_SETREADONLY, TRUE);
    }
}

bool CVerbsView::ShowResultBox(UINT textBase, UINT bitmapId)
{
    bool pause = m_options.TimeLimited() && m_nTimeLeft > 0;
    if (pause)
        StopCountdown();
    CPictureMessageBox box(m_hWnd, LoadLangString(textBase), bitmapId);
    m_bBoxOpen = true;
    box.DoModal();
    m_bBoxOpen = false;
    // Exit, or the end of the window, may have ended the test meanwhile.
    bool goesOn = m_bRunning && IsWindow();
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
    if (wp != kCountdownTimer || !m_bRunning || m_bBoxOpen || !m_options.TimeLimited() || m_nTimeLeft <= 0)
        return 0;
    --m_nTimeLeft;
    m_testPanel.Status().ShowTime(m_nTimeLeft);
    if (m_nTimeLeft != 0)
        return 0;
    StopCountdown();
    if (!ShowResultBox(IDS_TIME_OVER, IDB_TIME_OVER))
        return 0;
    if (m_options.showRightAnswer)
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
    m_bRunning = FALSE;
    m_nCorrect = 0;
    m_nAsked = 0;
    m_nUncovered = 0;
    bool hadFocus = ::IsChild(m_hWnd, ::GetFocus()) != FALSE;
    if (m_picturePanel.IsWindow())
        m_picturePanel.DestroyWindow();
    if (m_testPanel.IsWindow())
        m_testPanel.DestroyWindow();
    StopCountdown();
    for (VerbRecord& verb : Globals().m_verbs)
        verb.selectionMark = 0;
    // The keyboard stays with the program when the field that had it goes.
    if (hadFocus && IsWindow())
        SetFocus();
}

void CVerbsView::OnAppExit()
{
    StopTest();
    if (HWND frame = ::GetAncestor(m_hWnd, GA_ROOT))
        ::SendMessageW(frame, WM_CLOSE, 0, 0);
}

void CVerbsView::OnUpdateWhenIdle(CCmdUI& ui)
{
    ui.Enable(!m_bRunning);
}

void CVerbsView::OnUpdateWhenRunning(CCmdUI& ui)
{
    ui.Enable(m_bRunning != FALSE);
}
