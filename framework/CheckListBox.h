#pragma once
// A list box with a check box in front of every line. It is attached to an
// owner-drawn list (LBS_OWNERDRAWFIXED | LBS_HASSTRINGS) of a dialog and
// draws its lines itself (WM_DRAWITEM is reflected to it). A click on a
// line's check box, or Space on the selected line, toggles the tick and
// tells the parent with CLBN_CHKCHANGE; the toggled line is then always the
// selected line. Ticks travel with their lines when a sorted list re-orders.
// Besides its tick every line carries a small tag of the caller's choosing.
#include "framework/Wnd.h"
#include <string>

// Notification code (WM_COMMAND) after the user toggled a tick.
constexpr UINT CLBN_CHKCHANGE = 40;

class CCheckListBox : public CWnd {
public:
    CCheckListBox() = default;

    // Attaches the dialog's list and sizes its lines for the check box.
    BOOL AttachDlgItem(UINT id, HWND dialog);

    // Adds a line (at its sorted place in a sorted list); its index, or -1.
    int AddString(const std::wstring& text, bool checked = false);
    bool DeleteString(int index);
    // Room for this many lines at once, before a long fill.
    void InitStorage(int lines);
    // Stops (false) and resumes (true) drawing, around a long fill.
    void SetRedraw(bool redraw);
    void ResetContent();
    int GetCount() const;
    std::wstring GetText(int index) const;
    int GetCurSel() const;
    void SetCurSel(int index);
    RECT GetItemRect(int index) const;

    bool GetCheck(int index) const;
    void SetCheck(int index, bool checked);
    // Ticks or clears every line with one repaint.
    void SetAllChecks(bool checked);
    int CountChecked() const;

    // The caller's mark of a line (0 when never set); kept beside the tick.
    unsigned GetItemTag(int index) const;
    void SetItemTag(int index, unsigned tag);
    // The first line with the tag, or -1.
    int FindItemTag(unsigned tag) const;

    // Width of the check box column of a line, in pixels.
    int CheckColumnWidth() const;

protected:
    LRESULT OnDrawItem(WPARAM wp, LPARAM lp);
    LRESULT OnLButtonDown(WPARAM wp, LPARAM lp);
    LRESULT OnLButtonDblClk(WPARAM wp, LPARAM lp);
    LRESULT OnKeyDown(WPARAM wp, LPARAM lp);
    LRESULT OnChar(WPARAM wp, LPARAM lp);
    LRESULT OnSetFont(WPARAM wp, LPARAM lp);

    DECLARE_MESSAGE_MAP()

private:
    // Sends one of the list's own messages (LB_...) straight to the list's
    // class procedure. A message through a subclassed window costs a window
    // property lookup per layer, which under Wine is a trip to its server;
    // a fill of 294 lines would take far too long that way. The subclass
    // takes no part in these messages.
    LRESULT ListMessage(UINT msg, WPARAM wp = 0, LPARAM lp = 0) const;
    void UpdateItemHeight();
    // The line whose check box is at the point (client coordinates), or -1.
    int CheckBoxAt(LPARAM point) const;
    void ClickBox(int index, WPARAM wp, LPARAM lp);
    void ToggleAndNotify(int index);
    LRESULT ItemData(int index) const;
    void SetItemData(int index, LRESULT data);
    void InvalidateItem(int index);

    WNDPROC m_listProc = nullptr; // the list's class procedure
};
