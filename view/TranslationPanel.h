#pragma once
// The strip under the answer panel that shows the asked verb's translation.
#include "base/FontStatic.h"
#include <string>

class CTranslationPanel : public CWnd {
public:
    BOOL Create(HWND testPanel);
    void ShowTranslation(const std::wstring& translation);
    const CFontStatic& Value() const { return m_value; }

private:
    CWnd m_label;
    CFontStatic m_value;
};
