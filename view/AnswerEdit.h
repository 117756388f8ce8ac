#pragma once
// A single-line answer field. Tab, Enter and Esc never reach the edit: they
// ask its panel to move to the other field, to answer, or to stop the test.
// While it has the focus the keyboard is on an English layout when one is
// installed (the learner's own comes back when the focus leaves); Cyrillic
// letters that reach it all the same bring up a balloon that says how to
// switch and what the same keys spell in the English layout.
#include "framework/Wnd.h"
#include <string>

// Messages of an answer field to its panel.
constexpr UINT PM_NEXTFIELD = WM_USER + 1; // wParam: the sending field
constexpr UINT PM_READY = WM_USER + 2;
constexpr UINT PM_STOP = WM_USER + 3;

class CAnswerEdit : public CWnd {
public:
    // Static edge, no horizontal scrolling: a text wider than the field is refused.
    BOOL Create(DWORD style, const RECT& rect, HWND parent, UINT id);

    // The layout balloon while it shows, else null.
    HWND LayoutTip() const;
    std::wstring LayoutTipText() const { return m_tipText; }
    void HideLayoutTip();

protected:
    LRESULT OnChar(WPARAM wp, LPARAM lp);
    LRESULT OnSetFocus(WPARAM wp, LPARAM lp);
    LRESULT OnKillFocus(WPARAM wp, LPARAM lp);
    LRESULT OnTimer(WPARAM wp, LPARAM lp);
    LRESULT OnDestroy(WPARAM wp, LPARAM lp);

    DECLARE_MESSAGE_MAP()

private:
    // The balloon follows the text: shown while it holds Cyrillic letters.
    void UpdateLayoutTip();
    void ShowLayoutTip(const std::wstring& title, const std::wstring& text);

    HKL m_learnersLayout = nullptr; // put back when the focus leaves; null when nothing was switched
    CWnd m_tip;
    bool m_tipShown = false;
    std::wstring m_tipText;
};
