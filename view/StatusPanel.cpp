#include "view/StatusPanel.h"
#include "base/Language.h"
#include "base/VerbsGlobals.h"
#include "resources/resource.h"
#include <cwchar>

namespace {

RECT OwnRect(const PanelLayout::Metrics& m, HWND testPanel)
{
    return {m.S(5), m.S(5), PanelLayout::OuterWidth(testPanel) - m.S(11), m.StatusBottom(PanelLayout::Border())};
}

} // namespace

BOOL CStatusPanel::Create(HWND testPanel, bool timeLimited)
{
    const PanelLayout::Metrics m = PanelLayout::MetricsFor(PanelLayout::ViewOf(testPanel));
    if (!CreateEx(WS_EX_STATICEDGE, nullptr, L"", WS_CHILD | WS_VISIBLE, OwnRect(m, testPanel), testPanel, 500))
        return FALSE;
    PanelLayout::UseButtonFaceBackground(m_hWnd, Globals().m_brButtonFace.get());
    std::wstring caption = LoadLangString(timeLimited ? IDS_TIME_LEFT : IDS_CURRENT_ATTEMPT);
    m_caption.CreatePlainControl(0, L"STATIC", caption.c_str(), WS_CHILD | WS_VISIBLE, CaptionRect(m), m_hWnd, 0xFFFF);
    m_value.Create(L"", SS_CENTER, ValueRect(m), m_hWnd);
    UseLabelFont(m.dpi);
    return TRUE;
}

bool CStatusPanel::Reset(bool timeLimited)
{
    const std::wstring caption = LoadLangString(timeLimited ? IDS_TIME_LEFT : IDS_CURRENT_ATTEMPT);
    m_caption.UpdateWindowText(caption);
    if (m_value.IsWindow())
        return true;
    // The answer's caption took the value's room: the value comes back
    // and the caption its own width.
    const PanelLayout::Metrics m = PanelLayout::MetricsFor(PanelLayout::ViewOf(m_hWnd));
    if (!m_value.Create(L"", SS_CENTER, ValueRect(m), m_hWnd))
        return false;
    UseLabelFont(m.dpi);
    m_caption.MoveWindow(CaptionRect(m));
    return true;
}

void CStatusPanel::UseLabelFont(UINT dpi)
{
    m_labelFont.Apply(dpi, {m_caption.m_hWnd, Globals().m_userFont ? nullptr : m_value.m_hWnd});
}

RECT CStatusPanel::CaptionRect(const PanelLayout::Metrics& m) const
{
    // The caption in the system font stands level with the middle of the
    // value, which is as tall as the user font makes it. Once the value has
    // gone, the longer caption of the answer takes its room ("Правильный
    // ответ:" does not fit the caption's own width).
    const int down = m.statusExtra / 2;
    const int right = m_value.IsWindow() || !m_caption.IsWindow() ? m.S(145)
                                                                   : PanelLayout::OuterWidth(m_hWnd) - m.S(11);
    return {m.S(5), m.S(5) + down, right, m.S(25) + down};
}

RECT CStatusPanel::ValueRect(const PanelLayout::Metrics& m) const
{
    return {m.S(158), m.S(5), PanelLayout::OuterWidth(m_hWnd) - m.S(11), m.S(25) + m.statusExtra};
}

void CStatusPanel::LayOut()
{
    if (!IsWindow())
        return;
    const PanelLayout::Metrics m = PanelLayout::MetricsFor(PanelLayout::ViewOf(m_hWnd));
    MoveWindow(OwnRect(m, GetParent()));
    UseLabelFont(m.dpi);
    if (m_caption.IsWindow())
        m_caption.MoveWindow(CaptionRect(m));
    if (m_value.IsWindow())
        m_value.MoveWindow(ValueRect(m));
}

void CStatusPanel::ShowTime(int seconds)
{
    wchar_t text[32];
    std::swprintf(text, 32, L"%02d:%02d", seconds / 60, seconds % 60);
    if (m_value.IsWindow())
        m_value.UpdateWindowText(text);
}

void CStatusPanel::ShowAttempt(int attempt)
{
    wchar_t text[32];
    std::swprintf(text, 32, L"- %d -", attempt);
    if (m_value.IsWindow())
        m_value.UpdateWindowText(text);
}

void CStatusPanel::ShowAnswerCaption()
{
    if (m_value.IsWindow())
        m_value.DestroyWindow();
    if (!m_caption.IsWindow())
        return;
    // Widened first: a caption that grows repaints only where it grew, and
    // the longer text drawn at the old width would stay broken off there.
    m_caption.MoveWindow(CaptionRect(PanelLayout::MetricsFor(PanelLayout::ViewOf(m_hWnd))));
    m_caption.SetWindowText(LoadLangString(IDS_RIGHT_ANSWER_CAPTION));
}
