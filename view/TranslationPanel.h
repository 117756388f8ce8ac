#pragma once
// The strip under the answer panel that shows the asked verb's translation.
#include "base/FontStatic.h"
#include "view/PanelLayout.h"
#include <string>

class CTranslationPanel : public CWnd {
public:
    BOOL Create(HWND testPanel);
    void ShowTranslation(const std::wstring& translation);
    // Places the strip and its texts again, for the scale the view has now.
    void LayOut();
    const CFontStatic& Value() const { return m_value; }
    const CWnd& Label() const { return m_label; }

protected:
    // The label is a plain control: its object learns here that it went.
    void PostNcDestroy() override { m_label.DestroyWindow(); }

private:
    struct Rects {
        RECT own, label, value;
    };
    static Rects RectsIn(HWND testPanel);
    // The label, and the value without a font of the user's own, in the
    // system font for the scale the view has now.
    void UseLabelFont();

    CWnd m_label;
    CFontStatic m_value;
    PanelLayout::LabelFont m_labelFont;
};
