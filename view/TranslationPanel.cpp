#include "view/TranslationPanel.h"
#include "base/Language.h"
#include "base/VerbsGlobals.h"
#include "resources/resource.h"
#include "view/PanelLayout.h"

BOOL CTranslationPanel::Create(HWND testPanel)
{
    const PanelLayout::Metrics m = PanelLayout::MetricsFor(PanelLayout::ViewOf(testPanel));
    const int w = PanelLayout::OuterWidth(testPanel);
    if (!CreateEx(WS_EX_STATICEDGE, nullptr, L"", WS_CHILD | WS_VISIBLE,
                  {m.S(5), m.TranslationTop(), w - m.S(11), m.TranslationBottom(PanelLayout::Border())}, testPanel,
                  507))
        return FALSE;
    PanelLayout::UseButtonFaceBackground(m_hWnd, Globals().m_brButtonFace.get());
    const int r = w - m.S(27);
    m_label.CreateControl(0, L"STATIC", LoadLangString(IDS_TRANSLATION).c_str(), WS_CHILD | WS_VISIBLE,
                          {m.S(5), m.S(5), r, m.S(23)}, m_hWnd, 0xFFFF);
    m_value.Create(L"", 0, {m.S(72), m.S(23), r, m.S(65) + m.translationExtra}, m_hWnd);
    return TRUE;
}

void CTranslationPanel::ShowTranslation(const std::wstring& translation)
{
    if (m_value.IsWindow())
        m_value.SetWindowText(translation);
}
