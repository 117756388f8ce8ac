#pragma once
// Static text drawn in the user's font and colour on the button face.
#include "framework/Handles.h"
#include "framework/Wnd.h"
#include <string>

class CFontStatic : public CWnd {
public:
    CFontStatic();

    // Creates the control (static edge) and gives it the user font and colour.
    BOOL Create(const std::wstring& text, DWORD style, const RECT& rect, HWND parent, UINT id = 0xFFFF);
    void SetTextColor(COLORREF color);
    COLORREF TextColor() const { return m_textColor; }

protected:
    LRESULT OnReflectedCtlColor(WPARAM wp, LPARAM lp);

    DECLARE_MESSAGE_MAP()

private:
    fw::UniqueBrush m_brush;
    COLORREF m_textColor = RGB(0, 0, 0);
};
