#include "view/AnswerPanel.h"
#include "base/Language.h"
#include "base/VerbsGlobals.h"
#include "data/LayoutRetype.h"
#include "framework/Dpi.h"
#include "resources/resource.h"
#include "view/PanelLayout.h"
#include "view/ViewMessages.h"
#include <algorithm>
#include <cwctype>
#include <utility>

namespace {

constexpr UINT kPanelId = 502;
constexpr UINT kPastTenseFieldId = 503;
constexpr UINT kParticipleFieldId = 504;
constexpr UINT kNoId = 0xFFFF;

BOOL CreateLabel(CWnd& label, UINT textBase, const RECT& rect, HWND parent)
{
    // A label needs nothing of ours: a plain control paints without the
    // framework's detour on each of its messages.
    return label.CreatePlainControl(0, L"STATIC", LoadLangString(textBase).c_str(), WS_CHILD | WS_VISIBLE, rect,
                                    parent, kNoId);
}

// The rectangle of a child window in its parent's client coordinates.
RECT ChildRect(const CWnd& child)
{
    RECT rc = child.GetWindowRect();
    ::MapWindowPoints(nullptr, child.GetParent(), reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

// The label and the field of the first (slot 0) or second asked form, in a
// panel whose texts end at right.
struct FormRects {
    RECT label, field;
};
FormRects FormSlot(const PanelLayout::Metrics& m, int right, int slot)
{
    const int y = m.infinitiveExtra + slot * m.S(49);
    return {{m.S(5), y + m.S(59), right, y + m.S(77)}, {m.S(72), y + m.S(77), right, y + m.S(98)}};
}

RECT InfinitiveLabelRect(const PanelLayout::Metrics& m, int right)
{
    return {m.S(5), m.S(10), right, m.S(28)};
}

RECT InfinitiveRect(const PanelLayout::Metrics& m, int right)
{
    return {m.S(72), m.S(28), right, m.S(49) + m.infinitiveExtra};
}

void DestroyIfThere(CWnd& window)
{
    if (window.IsWindow())
        window.DestroyWindow();
}

} // namespace

BEGIN_MESSAGE_MAP(CAnswerPanel, CWnd)
    ON_MESSAGE(PM_NEXTFIELD, OnNextField)
    ON_MESSAGE(PM_READY, OnReady)
    ON_MESSAGE(PM_STOP, OnStop)
    ON_MESSAGE(WM_CHAR, OnChar)
    ON_MESSAGE(WM_SYSCHAR, OnSysChar)
END_MESSAGE_MAP()

BOOL CAnswerPanel::Create(HWND testPanel, AskedForms forms)
{
    const PanelLayout::Metrics m = PanelLayout::MetricsFor(PanelLayout::ViewOf(testPanel));
    const int w = PanelLayout::OuterWidth(testPanel);
    if (!CreateEx(WS_EX_STATICEDGE, nullptr, L"", WS_CHILD | WS_VISIBLE,
                  {m.S(5), m.AnswerTop(), w - m.S(11), m.AnswerBottom(PanelLayout::Border())}, testPanel, kPanelId))
        return FALSE;
    PanelLayout::UseButtonFaceBackground(m_hWnd, Globals().m_brButtonFace.get());

    // The infinitive, in the user font, is as tall as that font needs; the
    // fields below, in the system font, keep their height.
    const int r = w - m.S(27);
    CreateLabel(m_infinitiveLabel, IDS_INFINITIVE, InfinitiveLabelRect(m, r), m_hWnd);
    m_infinitive.Create(L"", 0, InfinitiveRect(m, r), m_hWnd);
    int slot = 0;
    if (forms.pastTense) {
        const FormRects rects = FormSlot(m, r, slot++);
        CreateForm(true, rects.label, rects.field, 0);
    }
    if (forms.pastParticiple || forms.noParticiple) {
        const FormRects rects = FormSlot(m, r, slot);
        CreateForm(false, rects.label, rects.field, 0);
    }
    UseLabelFont();
    return TRUE;
}

bool CAnswerPanel::Reset(AskedForms forms)
{
    const bool twoWanted = forms.pastTense && (forms.pastParticiple || forms.noParticiple);
    if (m_closingText.IsWindow() || !m_infinitive.IsWindow() || (HasPastTense() && HasParticiple()) != twoWanted ||
        !(HasPastTense() || HasParticiple())) // a field that could not be drawn again
        return false;
    // A single field of either form is right (the question's forms put the
    // asked one in its place), but not one the random mode drew again with
    // a frame of its own.
    for (CAnswerEdit* field : {&m_pastField, &m_participleField}) {
        if (!field->IsWindow())
            continue;
        const auto style = static_cast<DWORD>(::GetWindowLongW(field->m_hWnd, GWL_STYLE));
        if (style & kDrawnAgainStyle)
            return false;
        if (style & ES_READONLY)
            field->SendMessage(EM_SETREADONLY, FALSE);
        if (style & WS_DISABLED) // a participle the last verb had none of
            field->EnableWindow(TRUE);
        field->SetWindowText(L"");
    }
    return true;
}

void CAnswerPanel::PostNcDestroy()
{
    for (CWnd* label : {&m_infinitiveLabel, &m_pastLabel, &m_participleLabel})
        label->DestroyWindow();
}

void CAnswerPanel::HideLayoutTips()
{
    for (CAnswerEdit* field : {&m_pastField, &m_participleField})
        if (field->IsWindow())
            field->HideLayoutTip();
}

void CAnswerPanel::UseLabelFont()
{
    const bool userFont = Globals().m_userFont.get() != nullptr;
    const bool given = m_labelFont.Apply(
        fw::DpiOf(m_hWnd), {m_infinitiveLabel.m_hWnd, m_pastLabel.m_hWnd, m_participleLabel.m_hWnd,
                            m_pastField.m_hWnd, m_participleField.m_hWnd, userFont ? nullptr : m_infinitive.m_hWnd,
                            userFont ? nullptr : m_closingText.m_hWnd});
    if (!given)
        return;
    // A font given to an edit control sets margins from the font; the
    // fields' text starts at their edge, as without one.
    for (const CAnswerEdit* field : {&m_pastField, &m_participleField})
        if (field->IsWindow())
            ::SendMessageW(field->m_hWnd, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(0, 0));
}

void CAnswerPanel::ShowForms(AskedForms forms)
{
    const bool oneField = HasPastTense() != HasParticiple();
    if (oneField && HasPastTense() != forms.pastTense) {
        // The field put in the other's place looks as the other did: a field
        // drawn again by the random mode has a frame, one made with the panel none.
        const HWND old = HasPastTense() ? m_pastField.m_hWnd : m_participleField.m_hWnd;
        ReplaceForm(forms.pastTense, static_cast<DWORD>(::GetWindowLongW(old, GWL_STYLE)) & kDrawnAgainStyle);
    }
    if (HasPastTense() && HasParticiple()) {
        // A verb without a participle keeps the field, with a dash, out of reach.
        m_participleField.UpdateWindowText(forms.noParticiple ? L"\u2014" : L"");
        m_participleField.EnableWindow(!forms.noParticiple);
    }
}

bool CAnswerPanel::ParticipleAsked() const
{
    return HasParticiple() && ::IsWindowEnabled(m_participleField.m_hWnd);
}

void CAnswerPanel::CreateForm(bool pastTense, const RECT& labelRect, const RECT& fieldRect, DWORD fieldStyle)
{
    if (pastTense) {
        CreateLabel(m_pastLabel, IDS_PAST_TENSE, labelRect, m_hWnd);
        m_pastField.Create(fieldStyle, fieldRect, m_hWnd, kPastTenseFieldId);
    } else {
        CreateLabel(m_participleLabel, IDS_PAST_PARTICIPLE, labelRect, m_hWnd);
        m_participleField.Create(fieldStyle, fieldRect, m_hWnd, kParticipleFieldId);
    }
}

void CAnswerPanel::ShowInfinitive(const std::wstring& infinitive)
{
    if (m_infinitive.IsWindow())
        m_infinitive.SetWindowText(infinitive);
}

bool CAnswerPanel::FocusFirstField()
{
    if (HasPastTense())
        m_pastField.SetFocus();
    else if (HasParticiple())
        m_participleField.SetFocus();
    else
        return false;
    return true;
}

void CAnswerPanel::ClearFields()
{
    if (HasPastTense())
        m_pastField.UpdateWindowText(L"");
    if (ParticipleAsked())
        m_participleField.UpdateWindowText(L"");
}

TypedAnswer CAnswerPanel::Typed() const
{
    TypedAnswer typed;
    if (HasPastTense())
        typed.pastTense = m_pastField.GetWindowText();
    if (ParticipleAsked())
        typed.participle = m_participleField.GetWindowText();
    return typed;
}

void CAnswerPanel::ReplaceForm(bool pastTense, DWORD fieldStyle)
{
    bool hadPastTense = m_pastLabel.IsWindow();
    CWnd& oldLabel = hadPastTense ? m_pastLabel : m_participleLabel;
    CWnd& oldField = hadPastTense ? static_cast<CWnd&>(m_pastField) : m_participleField;
    if (!oldLabel.IsWindow() || !oldField.IsWindow())
        return;
    RECT labelRect = ChildRect(oldLabel);
    RECT fieldRect = ChildRect(oldField);
    oldLabel.DestroyWindow();
    oldField.DestroyWindow();
    CreateForm(pastTense, labelRect, fieldRect, fieldStyle);
    UseLabelFont();
}

void CAnswerPanel::ShowFinished(int bottom)
{
    RECT rc = ChildRect(*this);
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, rc.right - rc.left, bottom - rc.top, SWP_NOMOVE | SWP_NOZORDER);
    for (CWnd* child : {static_cast<CWnd*>(&m_infinitiveLabel), static_cast<CWnd*>(&m_infinitive), &m_pastLabel,
                        static_cast<CWnd*>(&m_pastField), &m_participleLabel, static_cast<CWnd*>(&m_participleField)})
        DestroyIfThere(*child);
    m_closingText.Create(LoadLangString(IDS_TEST_FINISHED), SS_CENTER, ClosingRect(), m_hWnd);
    UseLabelFont();
}

RECT CAnswerPanel::ClosingRect() const
{
    RECT own = GetWindowRect();
    const UINT dpi = fw::DpiOf(m_hWnd);
    return {fw::Scale(6, dpi), fw::Scale(6, dpi), own.right - own.left - fw::Scale(8, dpi),
            own.bottom - own.top - fw::Scale(8, dpi)};
}

void CAnswerPanel::LayOut()
{
    if (!IsWindow())
        return;
    const PanelLayout::Metrics m = PanelLayout::MetricsFor(PanelLayout::ViewOf(m_hWnd));
    const int w = PanelLayout::OuterWidth(GetParent());
    const int border = PanelLayout::Border();
    const bool finished = m_closingText.IsWindow();
    MoveWindow({m.S(5), m.AnswerTop(), w - m.S(11), finished ? m.TranslationBottom(border) : m.AnswerBottom(border)});
    UseLabelFont();
    if (finished) {
        m_closingText.MoveWindow(ClosingRect());
        return;
    }
    const int r = w - m.S(27);
    if (m_infinitiveLabel.IsWindow())
        m_infinitiveLabel.MoveWindow(InfinitiveLabelRect(m, r));
    if (m_infinitive.IsWindow())
        m_infinitive.MoveWindow(InfinitiveRect(m, r));
    // The forms there are take the first places, in their order.
    int slot = 0;
    for (auto form : {std::pair<CWnd*, CWnd*>{&m_pastLabel, &m_pastField}, {&m_participleLabel, &m_participleField}})
        if (form.first->IsWindow() && form.second->IsWindow()) {
            const FormRects rects = FormSlot(m, r, slot++);
            form.first->MoveWindow(rects.label);
            form.second->MoveWindow(rects.field);
        }
}

void CAnswerPanel::SendUp(UINT message, WPARAM wp, LPARAM lp)
{
    if (HWND testPanel = GetParent())
        ::SendMessageW(testPanel, message, wp, lp);
}

LRESULT CAnswerPanel::OnNextField(WPARAM wp, LPARAM)
{
    if (!HasPastTense() || !ParticipleAsked())
        return 0;
    if (reinterpret_cast<HWND>(wp) == m_pastField.m_hWnd)
        m_participleField.SetFocus();
    else
        m_pastField.SetFocus();
    return 0;
}

LRESULT CAnswerPanel::OnReady(WPARAM, LPARAM)
{
    // The answer travels with the request.
    TypedAnswer typed = Typed();
    SendUp(VM_READY, kTypedAnswerAttached, reinterpret_cast<LPARAM>(&typed));
    return 0;
}

LRESULT CAnswerPanel::OnStop(WPARAM, LPARAM)
{
    SendUp(VM_STOP);
    return 0;
}

LRESULT CAnswerPanel::OnChar(WPARAM wp, LPARAM)
{
    if (!HasPastTense() && !HasParticiple() && (wp == 27 || wp == L'\r')) {
        SendUp(VM_STOP);
        return 0;
    }
    if (m_reviewButton.IsWindow() && wp == L'\t') {
        m_reviewButton.SetFocus();
        return 0;
    }
    if (m_reviewButton.IsWindow() && IsReviewKey(static_cast<wchar_t>(wp))) {
        OnReviewClicked();
        return 0;
    }
    return Default();
}

LRESULT CAnswerPanel::OnSysChar(WPARAM wp, LPARAM)
{
    if (m_reviewButton.IsWindow() && IsReviewKey(static_cast<wchar_t>(wp))) {
        OnReviewClicked();
        return 0;
    }
    return Default();
}

// ---- The result of the test

bool CAnswerPanel::IsReviewKey(wchar_t c) const
{
    std::wstring label = m_reviewButton.GetWindowText();
    size_t amp = label.find(L'&');
    if (amp == std::wstring::npos || amp + 1 >= label.size())
        return false;
    auto key = [](wchar_t k) { return EnglishKeyOf(static_cast<wchar_t>(std::towlower(k))); };
    return key(c) == key(label[amp + 1]);
}

void CAnswerPanel::ShowResult(const std::wstring& result, bool reviewButton)
{
    // A strip of its own under the test panel, as wide: the closing text
    // keeps its place and every line of it.
    HWND testPanel = GetParent();
    HWND view = PanelLayout::ViewOf(testPanel);
    if (!testPanel || !view)
        return;
    const UINT dpi = fw::DpiOf(m_hWnd);
    RECT panel{};
    ::GetWindowRect(testPanel, &panel);
    ::MapWindowPoints(nullptr, view, reinterpret_cast<POINT*>(&panel), 2);
    RECT client{};
    ::GetClientRect(view, &client);
    const HFONT font = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    const int pad = fw::Scale(6, dpi), gap = fw::Scale(8, dpi);
    const int width = panel.right - panel.left;
    int textHeight = 0, buttonWidth = 0;
    const std::wstring label = LoadLangString(IDS_REVIEW_BUTTON);
    {
        fw::WindowDc dc(view);
        fw::SelectedObject selected(dc.get(), font);
        RECT needed{0, 0, width - 2 * pad, 0};
        ::DrawTextW(dc.get(), result.c_str(), -1, &needed, DT_CALCRECT | DT_WORDBREAK | DT_CENTER | DT_NOPREFIX);
        textHeight = needed.bottom;
        RECT labelSize{};
        ::DrawTextW(dc.get(), label.c_str(), -1, &labelSize, DT_CALCRECT | DT_SINGLELINE);
        buttonWidth = std::max(fw::Scale(120, dpi), static_cast<int>(labelSize.right) + fw::Scale(24, dpi));
    }
    const int buttonHeight = reviewButton ? fw::Scale(24, dpi) : 0;
    const int height = textHeight + 2 * pad + (reviewButton ? buttonHeight + pad : 0);
    // Below the panel, or above it where the view has no room below.
    int top = panel.bottom + gap;
    if (top + height > client.bottom)
        top = std::max(0, static_cast<int>(panel.top) - gap - height);
    // The strip does not paint over the button that lies on it.
    m_resultText.CreateControl(WS_EX_STATICEDGE, L"STATIC", result.c_str(),
                               WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | SS_CENTER | SS_NOPREFIX,
                               {panel.left, top, panel.right, top + height}, view, kNoId);
    m_resultText.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    if (!reviewButton)
        return;
    const int left = (panel.left + panel.right - buttonWidth) / 2;
    const int buttonTop = top + height - pad - buttonHeight;
    m_reviewButton.CreateControl(0, L"BUTTON", label.c_str(), WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON,
                                 {left, buttonTop, left + buttonWidth, buttonTop + buttonHeight}, view,
                                 kReviewButtonId);
    m_reviewButton.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    m_reviewButton.SetPanel(m_hWnd);
    ::SetWindowPos(m_reviewButton.m_hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void CAnswerPanel::DestroyResult()
{
    DestroyIfThere(m_reviewButton);
    DestroyIfThere(m_resultText);
}

void CAnswerPanel::OnReviewClicked()
{
    // Posted: the review may end this test, and with it this panel.
    if (HWND frame = ::GetAncestor(m_hWnd, GA_ROOT))
        ::PostMessageW(frame, WM_COMMAND, ID_TEST_REVIEW, 0);
}
