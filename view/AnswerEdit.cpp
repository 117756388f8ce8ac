#include "view/AnswerEdit.h"

BEGIN_MESSAGE_MAP(CAnswerEdit, CWnd)
    ON_MESSAGE(WM_CHAR, OnChar)
END_MESSAGE_MAP()

BOOL CAnswerEdit::Create(DWORD style, const RECT& rect, HWND parent, UINT id)
{
    return CreateControl(WS_EX_STATICEDGE, L"EDIT", L"", style | WS_CHILD | WS_VISIBLE, rect, parent, id);
}

LRESULT CAnswerEdit::OnChar(WPARAM wp, LPARAM)
{
    HWND panel = GetParent();
    switch (wp) {
    case L'\t':
        ::SendMessageW(panel, PM_NEXTFIELD, reinterpret_cast<WPARAM>(m_hWnd), 0);
        return 0;
    case L'\r':
        ::SendMessageW(panel, PM_READY, 0, 0);
        return 0;
    case 27:
        ::SendMessageW(panel, PM_STOP, 0, 0);
        return 0;
    default:
        return Default();
    }
}
