#include "view/TranslationPanel.h"
#include "base/Language.h"
#include "base/VerbsGlobals.h"
#include "resources/resource.h"
#include "view/PanelLayout.h"

BOOL CTranslationPanel::Create(HWND testPanel)
{
    const int w = PanelLayout::OuterWidth(testPanel);
    if (!CreateEx(WS_EX_STATICEDGE, nullptr, L"", WS_CHILD | WS_VISIBLE,
                  {5, 213, w - 11, 285 + 2 * PanelLayout::Border()}, testPanel, 507))
        return FALSE;
    PanelLayout::UseButtonFaceBackground(m_hWnd, Globals().m_brButtonFace.get());
    const int r = w - 27;
    m_label.CreateControl(0, L"STATIC", LoadLangString(IDS_TRANSLATION).c_str(), WS_CHILD | WS_VISIBLE,
                          {5, 5, r, 23}, m_hWnd, 0xFFFF);
    m_value.Create(L"", 0, {72, 23, r, 65}, m_hWnd);
    return TRUE;
}

void CTranslationPanel::ShowTranslation(const std::wstring& translation)
{
    if (m_value.IsWindow())
        m_value.SetWindowText(translation);
}
