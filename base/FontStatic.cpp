#include "base/FontStatic.h"
#include "base/VerbsGlobals.h"

BEGIN_MESSAGE_MAP(CFontStatic, CWnd)
    ON_REFLECTED(WM_CTLCOLORSTATIC, OnReflectedCtlColor)
END_MESSAGE_MAP()

CFontStatic::CFontStatic() : m_brush(::CreateSolidBrush(::GetSysColor(COLOR_BTNFACE)))
{
}

BOOL CFontStatic::Create(const std::wstring& text, DWORD style, const RECT& rect, HWND parent, UINT id)
{
    if (!CreateControl(WS_EX_STATICEDGE, L"STATIC", text.c_str(), style | WS_CHILD | WS_VISIBLE, rect, parent, id))
        return FALSE;
    CVerbsGlobals& g = Globals();
    if (g.m_userFont)
        SetFont(g.m_userFont.get(), TRUE);
    m_textColor = g.m_clrUserFont;
    return TRUE;
}

void CFontStatic::SetTextColor(COLORREF color)
{
    m_textColor = color;
    if (m_hWnd)
        Invalidate();
}

LRESULT CFontStatic::OnReflectedCtlColor(WPARAM wp, LPARAM)
{
    HDC dc = reinterpret_cast<HDC>(wp);
    ::SetTextColor(dc, m_textColor);
    ::SetBkMode(dc, TRANSPARENT);
    return reinterpret_cast<LRESULT>(m_brush.get());
}
