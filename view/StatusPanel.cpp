#include "view/StatusPanel.h"
#include "base/Language.h"
#include "base/VerbsGlobals.h"
#include "resources/resource.h"
#include "view/PanelLayout.h"
#include <cwchar>

BOOL CStatusPanel::Create(HWND testPanel, bool timeLimited)
{
    const PanelLayout::Metrics m = PanelLayout::MetricsFor(PanelLayout::ViewOf(testPanel));
    const int w = PanelLayout::OuterWidth(testPanel);
    if (!CreateEx(WS_EX_STATICEDGE, nullptr, L"", WS_CHILD | WS_VISIBLE,
                  {m.S(5), m.S(5), w - m.S(11), m.StatusBottom(PanelLayout::Border())}, testPanel, 500))
        return FALSE;
    PanelLayout::UseButtonFaceBackground(m_hWnd, Globals().m_brButtonFace.get());
    const int ws = PanelLayout::OuterWidth(m_hWnd);
    // The caption in the system font stands level with the middle of the
    // value, which is as tall as the user font makes it.
    const int down = m.statusExtra / 2;
    std::wstring caption = LoadLangString(timeLimited ? IDS_TIME_LEFT : IDS_CURRENT_ATTEMPT);
    m_caption.CreateControl(0, L"STATIC", caption.c_str(), WS_CHILD | WS_VISIBLE,
                            {m.S(5), m.S(5) + down, m.S(145), m.S(25) + down}, m_hWnd, 0xFFFF);
    m_value.Create(L"", SS_CENTER, {m.S(158), m.S(5), ws - m.S(11), m.S(25) + m.statusExtra}, m_hWnd);
    return TRUE;
}

void CStatusPanel::ShowTime(int seconds)
{
    wchar_t text[32];
    std::swprintf(text, 32, L"%02d:%02d", seconds / 60, seconds % 60);
    if (m_value.IsWindow())
        m_value.SetWindowText(text);
}

void CStatusPanel::ShowAttempt(int attempt)
{
    wchar_t text[32];
    std::swprintf(text, 32, L"- %d -", attempt);
    if (m_value.IsWindow())
        m_value.SetWindowText(text);
}

void CStatusPanel::ShowAnswerCaption()
{
    if (m_value.IsWindow())
        m_value.DestroyWindow();
    if (!m_caption.IsWindow())
        return;
    m_caption.SetWindowText(LoadLangString(IDS_RIGHT_ANSWER_CAPTION));
    // The longer caption takes the value's room: "Правильный ответ:" does
    // not fit the caption's own width.
    RECT rc = m_caption.GetWindowRect();
    ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&rc), 2);
    const UINT dpi = fw::DpiOf(m_hWnd);
    ::SetWindowPos(m_caption.m_hWnd, nullptr, 0, 0, PanelLayout::OuterWidth(m_hWnd) - fw::Scale(11, dpi) - rc.left,
                   rc.bottom - rc.top, SWP_NOMOVE | SWP_NOZORDER);
}
