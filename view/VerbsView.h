#pragma once
// The main view: tiled background outside a test; during one it shows the
// test its document runs (picture panel, test panel, result boxes), hands
// the test the learner's answers, and ticks its countdown.
#include "framework/Handles.h"
#include "framework/View.h"
#include "session/TestSession.h"
#include "view/PicturePanel.h"
#include "view/TestPanel.h"

class CVerbsDoc;

class CVerbsView : public CView {
public:
    CVerbsView();
    ~CVerbsView() override;

    BOOL Create(HWND parentFrame, UINT id, CCreateContext* context) override;

    bool IsRunning() const { return RunningTest() != nullptr; }
    // The panels of a test are on screen (between tests they are kept hidden).
    bool PanelsShown() const { return m_testPanel.IsWindowVisible() != FALSE; }
    // The test of the document while it runs, else null.
    const TestSession* RunningTest() const;
    // The running test or the last one; null before the first.
    const TestSession* LastTest() const;
    // The texts the view made itself, in the interface language now.
    void FollowLanguage();
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
    LRESULT OnDpiChanged(WPARAM wp, LPARAM lp);
    LRESULT OnSize(WPARAM wp, LPARAM lp);

    void OnTestStart();
    // A new test of the last test's mistaken verbs; at the closing display
    // it ends that test first.
    void OnDrillMistakes();
    void OnUpdateDrillMistakes(CCmdUI& ui);
    void OnReviewButton();
    void OnTestReady();
    void OnTestSkip();
    void OnTestStop();
    void OnAppExit();
    void OnUpdateWhenIdle(CCmdUI& ui);
    void OnUpdateWhenRunning(CCmdUI& ui);

    DECLARE_MESSAGE_MAP()

private:
    CVerbsDoc* Document() const;
    // The running test, to hand it input; null when none runs.
    TestSession* ActiveTest();
    // The verbs of the chosen groups; a store failure is reported and gives none.
    std::vector<int> ReadTestSet();
    // The panels of the test, still hidden: those kept from the last test
    // where they serve, else made anew. False when they could not be made.
    bool ReadyPanels(const TestSession& test);
    // Shows the readied panels and paints them at once.
    void RevealPanels();
    bool CreatePanels(const TestSession& test);
    // Whether the hidden panels kept from the last test were made for the
    // view's size, scale, language and font now.
    bool KeptPanelsFitTheView() const;
    void DestroyPanels();
    // After a test: the hidden panels made ready for a test like it.
    void RefillKeptPanels();
    // Starts a test of the draw's verbs and shows its first question; without
    // a draw, the document chooses them as for any test (weak verbs first
    // where the learner asked for it).
    void BeginTest(const TestOptions& options, const std::vector<int>& testSet, const QuestionDraw* draw);
    // The verbs of the last test's mistakes, while a drill of them may start.
    std::vector<int> DrillableVerbs() const;
    // The hint of the empty window, over the background.
    void PaintStartHint(HDC dc);
    // Both panels placed again for the view's scale and size now.
    void LayOutPanels();
    // Ends the test from any state (panels, countdown).
    void StopTest();
    // The question's texts and fields, then the caret in its first field.
    void ShowQuestion(const TestSession& test);
    void FillQuestion(const TestSession& test);
    // Ready (true) with the typed answer, or Skip (false), on the current question.
    void ProcessAnswer(bool ready, const TypedAnswer& typed);
    // Reports, once per run, an answer the history could not keep; false
    // when the test ended meanwhile.
    bool ReportHistoryFailure();
    // Progress and picture after a finished question, then the next question
    // or the closing display.
    void ShowFinishedQuestion(int cells);
    // The result strip of the closing display, made anew for the language,
    // scale and place of the panels now; the keyboard stays where it was.
    void ShowTestResult();
    void ShowWrongAnswer(TestSession::Step step);
    // Puts the correct forms into the fields, read-only, under their caption.
    void RevealAnswer();
    // A result box; a running countdown pauses while it is open, and Start,
    // Ready, Skip, Stop and ticks that arrive meanwhile are ignored. False
    // when the test did not survive the box (Exit, or the window closed).
    bool ShowResultBox(UINT textBase, UINT bitmapId);
    void StartCountdown();
    void StopCountdown();

    bool m_bBoxOpen = false;
    // The scale the panels of the running test are laid out for, and whether
    // the view is about to take its size at a new scale (the panels then
    // centre themselves in it again).
    UINT m_panelsDpi = 0;
    bool m_centreOnNextSize = false;
    // What the panels were made for: they are kept hidden between tests and
    // serve the next one while all of this holds.
    PanelLayout::Conditions m_panelsMadeFor;
    int m_panelsViewHeight = 0;
    HFONT m_panelsUserFont = nullptr; // the values and the infinitive hold it
    COLORREF m_panelsFontColour = 0;
    fw::UniqueBitmap m_bmpBackground;
    CPicturePanel m_picturePanel;
    CTestPanel m_testPanel;
};

// Makes the main view, for the document template.
CView* NewVerbsView();
