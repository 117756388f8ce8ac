#pragma once
// Base of the bars a frame lays out around its view (toolbar, status bar).
#include "framework/Wnd.h"

class CControlBar : public CWnd {
public:
    // Height the bar takes in the frame's client area.
    virtual int CalcHeight() const = 0;
    virtual bool DocksAtBottom() const { return false; }
    // Updates the state of the bar's command items (idle time).
    virtual void UpdateCommandUI(CCmdTarget& target) { (void)target; }
};
