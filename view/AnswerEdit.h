#pragma once
// A single-line answer field. Tab, Enter and Esc never reach the edit: they
// ask its panel to move to the other field, to answer, or to stop the test.
#include "framework/Wnd.h"

// Messages of an answer field to its panel.
constexpr UINT PM_NEXTFIELD = WM_USER + 1; // wParam: the sending field
constexpr UINT PM_READY = WM_USER + 2;
constexpr UINT PM_STOP = WM_USER + 3;

class CAnswerEdit : public CWnd {
public:
    // Static edge, no horizontal scrolling: a text wider than the field is refused.
    BOOL Create(DWORD style, const RECT& rect, HWND parent, UINT id);

protected:
    LRESULT OnChar(WPARAM wp, LPARAM lp);

    DECLARE_MESSAGE_MAP()
};
