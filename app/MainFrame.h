#pragma once
// The main window: fixed-size frame with the toolbar of the main commands and
// the status bar, whose toolbar follows the interface language.
#include "framework/FrameWnd.h"
#include "framework/StatusBar.h"
#include "framework/ToolBar.h"

// Sent to the main window after the language flag changed: re-points every
// toolbar button at the command id of the current language.
constexpr UINT WM_LANGUAGE_SWITCH = WM_USER + 4;

class CMainFrame : public CFrameWnd {
public:
    CMainFrame() = default;

    CToolBar& ToolBar() { return m_wndToolBar; }
    CStatusBar& StatusBar() { return m_wndStatusBar; }

protected:
    BOOL PreCreateWindow(CREATESTRUCTW& cs) override;
    LRESULT OnCreate(WPARAM wp, LPARAM lp);
    LRESULT OnLanguageSwitch(WPARAM wp, LPARAM lp);

    DECLARE_MESSAGE_MAP()

private:
    CStatusBar m_wndStatusBar;
    CToolBar m_wndToolBar;
};
