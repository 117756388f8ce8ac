#pragma once
// The application object: start-up, message loop with idle processing,
// document template and the framework's message box.
#include "framework/DocTemplate.h"
#include "framework/ExceptionReport.h"
#include "framework/WinThread.h"
#include <exception>
#include <memory>
#include <string>
#include <vector>

class CWnd;
class CCommandLineInfo;

class CWinApp : public CWinThread {
public:
    CWinApp();
    ~CWinApp() override;

    // The one application object of the process (null when none exists).
    static CWinApp* Current();

    virtual BOOL InitInstance();
    virtual int ExitInstance();
    // Runs the message loop until WM_QUIT; returns ExitInstance's result.
    virtual int Run();
    // First look at every message of the loop; TRUE when it was used up.
    virtual BOOL PreTranslateMessage(MSG* msg);
    // Called when the queue is empty; returns TRUE to be called again.
    virtual BOOL OnIdle(LONG count);
    // For a frame to call before it routes a command, so that work left to
    // the first idle moment is done for a command that comes before it.
    virtual void PrepareForCommand() {}
    // Tells the user of an exception that a handler (window, dialog, command,
    // idle time, message loop, start-up) let through to the framework, which
    // then goes on with the default processing. The default shows a plain
    // message; a program shows its own failures its own way.
    virtual void ReportException(std::exception_ptr error);

    // Parses the program's arguments (by default those of the process).
    void ParseCommandLine(CCommandLineInfo& info) const;
    void AddDocTemplate(std::unique_ptr<CSingleDocTemplate> docTemplate);
    // Standard command-line processing: a new document unless a file is named.
    BOOL ProcessShellCommand(const CCommandLineInfo& info);
    void OnFileNew();

    std::vector<std::wstring> m_arguments; // the command line after the program name

protected:
    // Retrieves and dispatches one message; FALSE on WM_QUIT.
    BOOL PumpMessage(MSG& msg);
    // OnIdle with its exceptions reported (and no more idle calls after one).
    BOOL GuardedOnIdle(LONG count);

    DECLARE_MESSAGE_MAP()

private:
    std::unique_ptr<CSingleDocTemplate> m_template;
    int m_exitCode = 0;
};

// Message box through the framework: owner is the main window (or the active
// popup), caption the application title; boxes with OK, OK/Cancel, Yes/No or
// Yes/No/Cancel that ask for no icon get the exclamation icon.
int AppMessageBox(const std::wstring& text, UINT type = MB_OK);
// The style AppMessageBox passes to the system for the given request.
UINT AppMessageBoxStyle(UINT type);

// Standard application entry: InitInstance, message loop, ExitInstance.
// An exception from any of them is reported and ends the run.
int RunApplication();
