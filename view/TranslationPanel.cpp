#include "view/TranslationPanel.h"
#include "base/Language.h"
#include "base/VerbsGlobals.h"
#include "resources/resource.h"
#include "view/PanelLayout.h"

CTranslationPanel::Rects CTranslationPanel::RectsIn(HWND testPanel)
{
    const PanelLayout::Metrics m = PanelLayout::MetricsFor(PanelLayout::ViewOf(testPanel));
    const int w = PanelLayout::OuterWidth(testPanel);
    const int r = w - m.S(27);
    return {{m.S(5), m.TranslationTop(), w - m.S(11), m.TranslationBottom(PanelLayout::Border())},
            {m.S(5), m.S(5), r, m.S(23)},
            {m.S(72), m.S(23), r, m.S(65) + m.translationExtra}};
}

BOOL CTranslationPanel::Create(HWND testPanel)
{
    const Rects rects = RectsIn(testPanel);
    if (!CreateEx(WS_EX_STATICEDGE, nullptr, L"", WS_CHILD | WS_VISIBLE, rects.own, testPanel, 507))
        return FALSE;
    PanelLayout::UseButtonFaceBackground(m_hWnd, Globals().m_brButtonFace.get());
    m_label.CreatePlainControl(0, L"STATIC", LoadLangString(IDS_TRANSLATION).c_str(), WS_CHILD | WS_VISIBLE, rects.label,
                               m_hWnd, 0xFFFF);
    m_value.Create(L"", 0, rects.value, m_hWnd);
    UseLabelFont();
    return TRUE;
}

void CTranslationPanel::UseLabelFont()
{
    m_labelFont.Apply(fw::DpiOf(m_hWnd), {m_label.m_hWnd, Globals().m_userFont ? nullptr : m_value.m_hWnd});
}

void CTranslationPanel::LayOut()
{
    if (!IsWindow())
        return;
    const Rects rects = RectsIn(GetParent());
    MoveWindow(rects.own);
    UseLabelFont();
    if (m_label.IsWindow())
        m_label.MoveWindow(rects.label);
    if (m_value.IsWindow())
        m_value.MoveWindow(rects.value);
}

void CTranslationPanel::ShowTranslation(const std::wstring& translation)
{
    if (m_value.IsWindow())
        m_value.SetWindowText(translation);
}
