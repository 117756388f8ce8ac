#pragma once
// The main view: tiled background outside a test; during one the picture
// panel and the test panel, the questions, the answer checks, the attempts
// or the countdown, and the result boxes.
#include "framework/Handles.h"
#include "framework/View.h"
#include "view/PicturePanel.h"
#include "session/TestOptions.h"
#include "view/TestPanel.h"
#include "view/TestQuestions.h"

class CVerbsView : public CView {
public:
    CVerbsView();
    ~CVerbsView() override;

    BOOL Create(HWND parentFrame, UINT id, CCreateContext* context) override;

    bool IsRunning() const { return m_bRunning != FALSE; }
    // What a running test has reached (read by tests and tools).
    int FinishedQuestions() const { return m_nAsked; }
    int CorrectAnswers() const { return m_nCorrect; }
    int UncoveredCells() const { return m_nUncovered; }
    int CurrentVerb() const { return m_nCurVerb; }
    int Attempt() const { return m_nAttempt; }
    int TimeLeft() const { return m_nTimeLeft; }
    CPicturePanel& PicturePanel() { return m_picturePanel; }
    CTestPanel& TestPanel() { return m_testPanel; }

protected:
    LRESULT OnPaint(WPARAM wp, LPARAM lp);
    LRESULT OnSetFocus(WPARAM wp, LPARAM lp);
    LRESULT OnEraseBackground(WPARAM wp, LPARAM lp);
    LRESULT OnTimer(WPARAM wp, LPARAM lp);
    LRESULT OnReadyMessage(WPARAM wp, LPARAM lp);
    LRESULT OnSkipMessage(WPARAM wp, LPARAM lp);
    LRESULT OnStopMessage(WPARAM wp, LPARAM lp);

    void OnTestStart();
    void OnTestReady();
    void OnTestSkip();
    void OnTestStop();
    void OnAppExit();
    void OnUpdateWhenIdle(CCmdUI& ui);
    void OnUpdateWhenRunning(CCmdUI& ui);

    DECLARE_MESSAGE_MAP()

private:
    // Marks the verbs of the chosen groups; a store failure is reported and gives 0.
    int CountTestSet();
    bool CreatePanels();
    // Ends the test from any state (panels, countdown, selection marks).
    void StopTest();
    void ShowQuestion();
    // Ready (true) or Skip (false) on the current question.
    void ProcessAnswer(bool ready);
    bool AnswerIsCorrect();
    void CountFinishedQuestion(bool correct);
    void AnswerWasWrong();
    // Puts the correct forms into the fields, read-only, under their caption.
    void RevealAnswer();
    // A result box; a running countdown pauses while it is open, and Start,
    // Ready, Skip, Stop and ticks that arrive meanwhile are ignored. False
    // when the test did not survive the box (Exit, or the window closed).
    bool ShowResultBox(UINT textBase, UINT bitmapId);
    void StartCountdown();
    void StopCountdown();
    bool IsLocked() const;

    BOOL m_bRunning = FALSE;
    bool m_bBoxOpen = false;
    fw::UniqueBitmap m_bmpBackground;
    int m_nAsked = 0;
    int m_nCorrect = 0;
    int m_nCurVerb = 0;
    int m_nAttempt = 0;
    int m_nTimeLeft = 0;
    int m_nUncovered = 0;
    QuestionOrder m_order{};
    TestOptions m_options;
    CPicturePanel m_picturePanel;
    CTestPanel m_testPanel;
};

// Makes the main view, for the document template.
CView* NewVerbsView();
