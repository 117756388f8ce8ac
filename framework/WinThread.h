#pragma once
// What every window of the program may ask of the running application: its
// main window, its title, the wait-cursor count, and how an exception that
// reached the framework is shown. The application object derives from it;
// windows name only this, so they stand below the application.
#include "framework/CmdTarget.h"
#include <exception>
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

    // The main window's handle while it exists, else null.
    virtual HWND MainWindowHandle() const = 0;
    // Tells the user of an exception that a handler (window, dialog, command,
    // idle time, message loop, start-up) let through to the framework, which
    // then goes on with the default processing. The default shows a plain
    // message; a program shows its own failures its own way.
    virtual void ReportException(std::exception_ptr error);

    // Application title (string 57344), the caption of every message box.
    const std::wstring& Title() const { return m_title; }

    CWnd* m_pMainWnd = nullptr;
    int m_nWaitCursorCount = 0;

private:
    std::wstring m_title;
};

// Message box through the framework: owner is the main window (or the active
// popup), caption the application title; boxes with OK, OK/Cancel, Yes/No or
// Yes/No/Cancel that ask for no icon get the exclamation icon.
int AppMessageBox(const std::wstring& text, UINT type = MB_OK);
// The style AppMessageBox passes to the system for the given request.
UINT AppMessageBoxStyle(UINT type);

namespace fw {
// The framework's plain text for an exception: a sentence saying that an
// unexpected error stopped the operation, and what() when it has one.
std::wstring DescribeException(std::exception_ptr error);
// For the framework's catch blocks: hands the exception to the application's
// ReportException (or shows the plain text when there is no application).
// Never throws. A pending WM_QUIT waits until the report is closed. Reports
// asked for while another one is on screen are counted, and one more box
// afterwards says how many came and shows the last, so that a failing paint
// cannot pile up boxes and no failure goes unmentioned.
void ReportException(std::exception_ptr error) noexcept;
} // namespace fw
