#pragma once
// The right panel of a test: status strip, answer panel, translation strip
// (when the translation is shown) and the Ready and Skip buttons.
#include "framework/ToolBar.h"
#include "session/TestOptions.h"
#include "view/AnswerPanel.h"
#include "view/PanelLayout.h"
#include "view/StatusPanel.h"
#include "view/TranslationPanel.h"
#include <memory>

class CTestPanel : public CWnd {
public:
    CTestPanel();
    ~CTestPanel() override;

    // Creates the panel at its place in the view, hidden, with all its
    // children, the answer fields those of the first question's forms.
    BOOL Create(HWND view, const TestOptions& options, AskedForms forms);
    // Destroys the panel with all its children, the two buttons included.
    BOOL DestroyWindow() override;
    // The panel kept from the last test made ready for the next one, as
    // Create would make it: the parts a test changed are made again. False
    // when a part could not be made.
    bool Refill(const TestOptions& options, AskedForms forms);
    // Hides the panel between tests.
    void Hide();

    // After the last question: the closing text in place of the question.
    void ShowFinished();
    // Places the panel and everything in it again, for the scale and size
    // the view has now; the question, the typed texts and the focus stay.
    void LayOut();

    CStatusPanel& Status() { return m_statusPanel; }
    CAnswerPanel& Answers() { return m_answerPanel; }
    CTranslationPanel& Translation() { return m_translationPanel; }
    // What the answer fields hold now.
    TypedAnswer Typed() const { return m_answerPanel.Typed(); }
    // The buttons while the panel's window exists, else null.
    CToolBar* ReadyButton() const { return IsWindow() ? m_readyButton.get() : nullptr; }
    CToolBar* SkipButton() const { return IsWindow() ? m_skipButton.get() : nullptr; }

protected:
    void OnReady();
    void OnSkip();
    // The answer panel's requests (Enter with the typed answer, Esc), passed on to the view.
    LRESULT OnAnswerReady(WPARAM wp, LPARAM lp);
    LRESULT OnAnswerStop(WPARAM wp, LPARAM lp);

    DECLARE_MESSAGE_MAP()

private:
    std::unique_ptr<CToolBar> MakeButton(UINT bitmapId, UINT largeBitmapId, UINT commandId, UINT textBase);
    void PlaceButtons(const PanelLayout::Metrics& m);

    std::unique_ptr<CToolBar> m_readyButton;
    std::unique_ptr<CToolBar> m_skipButton;
    CAnswerPanel m_answerPanel;
    CStatusPanel m_statusPanel;
    CTranslationPanel m_translationPanel;
};
