#pragma once
// The review button of a test's closing display. It lies in the view, out of
// any dialog, so the keys a dialog would give it are its own: Enter presses
// it as Space does, Esc ends the test, Tab gives the keyboard back to the
// answer panel.
#include "framework/Wnd.h"

class CReviewButton : public CWnd {
public:
    // The panel Tab goes back to.
    void SetPanel(HWND panel) { m_panel = panel; }

protected:
    LRESULT OnChar(WPARAM wp, LPARAM lp);

    DECLARE_MESSAGE_MAP()

private:
    HWND m_panel = nullptr;
};
