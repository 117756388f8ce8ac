#pragma once
// The main window: fixed-size frame with the toolbar of the main commands and
// the status bar, whose title, menu and toolbar follow the interface
// language. It runs the commands that open the settings dialogs.
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

    // Puts up the title, menu and toolbar of the current interface language
    // (the window starts with the Russian ones of the resources).
    void ApplyLanguage();
    // Both ids of a command reach its one handler, under the Russian id.
    UINT MapCommandId(UINT id) const override;
    // Every command finds what the application leaves to its first idle
    // moment done, even one that comes before it.
    bool OnCmdMsg(UINT id, UINT code) override;

protected:
    BOOL PreCreateWindow(CREATESTRUCTW& cs) override;
    LRESULT OnCreate(WPARAM wp, LPARAM lp);
    LRESULT OnLanguageSwitch(WPARAM wp, LPARAM lp);

    void OnOptions();
    void OnLearningOptions();
    // The review of the last test's mistakes; its Drill starts their drill.
    void OnReviewMistakes();
    void OnUsedGroups();
    void OnVerbsList();
    void OnFont();
    void OnPictureTheme();
    void OnStatistics();
    // The settings commands are off while a test runs.
    void OnUpdateWhenIdle(CCmdUI& ui);

    DECLARE_MESSAGE_MAP()

private:
    // Whether the view runs a test.
    bool TestRuns() const;

    CStatusBar m_wndStatusBar;
    CToolBar m_wndToolBar;
};
