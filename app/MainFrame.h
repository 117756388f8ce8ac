#pragma once
// The main window: fixed-size frame with toolbar and status bar.
#include "framework/FrameWnd.h"

class CMainFrame : public CFrameWnd {
public:
    CMainFrame() = default;

protected:
    BOOL PreCreateWindow(CREATESTRUCTW& cs) override;
    LRESULT OnCreate(WPARAM wp, LPARAM lp);

    DECLARE_MESSAGE_MAP()
};
