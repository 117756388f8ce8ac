#include "view/TestPanel.h"
#include "base/Language.h"
#include "base/VerbsGlobals.h"
#include "resources/resource.h"
#include "view/PanelLayout.h"
#include "view/ViewMessages.h"
#include <algorithm>

namespace {
constexpr UINT kTestPanelId = 501;
constexpr UINT kButtonId = 505;
constexpr int kButtonHeight = 49;
// Narrowest button and the space between the two.
constexpr int kButtonWidth = 32;
constexpr int kButtonGap = 6;

// Width the toolbar needs to show its one button with the whole label.
int ButtonWidth(const CToolBar& bar, int narrowest)
{
    RECT rc{};
    if (!::SendMessageW(bar.m_hWnd, TB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&rc)))
        return narrowest;
    return std::max(narrowest, static_cast<int>(rc.right));
}
} // namespace

BEGIN_MESSAGE_MAP(CTestPanel, CWnd)
    ON_COMMAND(ID_TEST_READY_RU, OnReady)
    ON_COMMAND(ID_TEST_SKIP_RU, OnSkip)
    ON_MESSAGE(VM_READY, OnAnswerReady)
    ON_MESSAGE(VM_STOP, OnAnswerStop)
END_MESSAGE_MAP()

CTestPanel::CTestPanel() = default;
CTestPanel::~CTestPanel() = default;

BOOL CTestPanel::Create(HWND view, const TestOptions& options, AskedForms forms)
{
    const PanelLayout::Metrics m = PanelLayout::MetricsFor(view);
    RECT rect = PanelLayout::PanelsInView(view, m).test;
    // Made hidden and shown once whole: its parts are placed without a
    // repaint each, and the panel appears with all of them.
    if (!CreateEx(0, nullptr, L"", WS_CHILD | WS_DLGFRAME, rect, view, kTestPanelId))
        return FALSE;
    PanelLayout::UseButtonFaceBackground(m_hWnd, Globals().m_brButtonFace.get());
    if (!m_statusPanel.Create(m_hWnd, options.TimeLimited()) || !m_answerPanel.Create(m_hWnd, forms))
        return FALSE;
    m_readyButton = MakeButton(IDB_READY, IDB_READY_LARGE, ID_TEST_READY_RU, IDS_READY);
    m_skipButton = MakeButton(IDB_SKIP, IDB_SKIP_LARGE, ID_TEST_SKIP_RU, IDS_SKIP);
    PlaceButtons(m);
    if (options.showTranslate)
        m_translationPanel.Create(m_hWnd);
    return TRUE;
}

bool CTestPanel::Refill(const TestOptions& options, AskedForms forms)
{
    if (!m_statusPanel.Reset(options.TimeLimited()))
        return false;
    if (!m_answerPanel.Reset(forms)) {
        // Made again where it stood: after the status strip, before the buttons.
        m_answerPanel.DestroyWindow();
        if (!m_answerPanel.Create(m_hWnd, forms))
            return false;
        ::SetWindowPos(m_answerPanel.m_hWnd, m_statusPanel.m_hWnd, 0, 0, 0, 0,
                       SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    if (options.showTranslate && !m_translationPanel.IsWindow())
        m_translationPanel.Create(m_hWnd);
    else if (!options.showTranslate && m_translationPanel.IsWindow())
        m_translationPanel.DestroyWindow();
    return true;
}

void CTestPanel::Hide()
{
    if (!IsWindow())
        return;
    ShowWindow(SW_HIDE);
    m_answerPanel.HideLayoutTips();
    for (CToolBar* button : {m_readyButton.get(), m_skipButton.get()})
        if (button)
            button->DropHotItem();
}

std::unique_ptr<CToolBar> CTestPanel::MakeButton(UINT bitmapId, UINT largeBitmapId, UINT commandId, UINT textBase)
{
    auto button = std::make_unique<CToolBar>();
    if (!button->CreateEx(m_hWnd, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE, CBRS_TOOLTIPS | CBRS_FLYBY, kButtonId))
        return nullptr;
    // The buttons keep the Russian command ids in both languages; their
    // prompt and tip follow the interface language like their labels.
    std::wstring label = LoadLangString(textBase);
    button->SetLargeBitmap(largeBitmapId);
    button->SetSingleButton(bitmapId, commandId, label);
    button->SetCommandText(commandId, label + L'\n' + label);
    return button;
}

void CTestPanel::PlaceButtons(const PanelLayout::Metrics& m)
{
    if (!m_readyButton || !m_skipButton)
        return;
    // Side by side in the middle under the panels, each as wide as its
    // label needs ("Пропустить" does not fit a 32-pixel button).
    int readyWidth = ButtonWidth(*m_readyButton, m.S(kButtonWidth));
    int skipWidth = ButtonWidth(*m_skipButton, m.S(kButtonWidth));
    RECT client = GetClientRect();
    const int gap = m.S(kButtonGap), top = m.ButtonsTop(), height = m.S(kButtonHeight);
    int left = (client.right - (readyWidth + gap + skipWidth)) / 2;
    ::MoveWindow(m_readyButton->m_hWnd, left, top, readyWidth, height, TRUE);
    ::MoveWindow(m_skipButton->m_hWnd, left + readyWidth + gap, top, skipWidth, height, TRUE);
}

void CTestPanel::LayOut()
{
    if (!IsWindow())
        return;
    const HWND view = GetParent();
    const PanelLayout::Metrics m = PanelLayout::MetricsFor(view);
    MoveWindow(PanelLayout::PanelsInView(view, m).test);
    m_statusPanel.LayOut();
    m_answerPanel.LayOut();
    m_translationPanel.LayOut();
    PlaceButtons(m);
}

BOOL CTestPanel::DestroyWindow()
{
    // The buttons' windows go with the panel's. Their objects stay until the
    // next test (or the panel) replaces them: a click on Ready at the closing
    // display ends the test from inside the button's own handler, which must
    // not find its object deleted when it returns.
    return CWnd::DestroyWindow();
}

void CTestPanel::ShowFinished()
{
    if (m_translationPanel.IsWindow())
        m_translationPanel.DestroyWindow();
    m_answerPanel.ShowFinished(PanelLayout::MetricsFor(GetParent()).TranslationBottom(PanelLayout::Border()));
    // Enter or Esc typed now ends the test.
    m_answerPanel.SetFocus();
}

void CTestPanel::OnReady()
{
    TypedAnswer typed = Typed();
    ::SendMessageW(GetParent(), VM_READY, kTypedAnswerAttached, reinterpret_cast<LPARAM>(&typed));
}

void CTestPanel::OnSkip()
{
    ::SendMessageW(GetParent(), VM_SKIP, 0, 0);
}

LRESULT CTestPanel::OnAnswerReady(WPARAM wp, LPARAM lp)
{
    return ::SendMessageW(GetParent(), VM_READY, wp, lp);
}

LRESULT CTestPanel::OnAnswerStop(WPARAM wp, LPARAM lp)
{
    return ::SendMessageW(GetParent(), VM_STOP, wp, lp);
}
