#pragma once
// What every window of the program may ask of the running application: its
// main window, its title and the wait-cursor count, and the routing of
// commands to it. The application object derives from it; windows name only
// this, so they stand below the application.
#include "framework/CmdTarget.h"
#include <string>

class CWnd;

class CWinThread : public CCmdTarget {
public:
    CWinThread();
    ~CWinThread() override;
    CWinThread(const CWinThread&) = delete;
    CWinThread& operator=(const CWinThread&) = delete;

    // The one application object of the process (null when none exists).
    static CWinThread* Current();

    // Application title (string 57344), the caption of every message box.
    const std::wstring& Title() const { return m_title; }

    CWnd* m_pMainWnd = nullptr;
    int m_nWaitCursorCount = 0;

private:
    std::wstring m_title;
};
