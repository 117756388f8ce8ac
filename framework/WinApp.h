#pragma once
// The application object: start-up, message loop with idle processing,
// document template and the framework's message box.
#include "framework/CmdTarget.h"
#include "framework/DocTemplate.h"
#include <memory>
#include <string>
#include <vector>

class CWnd;
class CCommandLineInfo;

class CWinApp : public CCmdTarget {
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

    // Parses the program's arguments (by default those of the process).
    void ParseCommandLine(CCommandLineInfo& info) const;
    void AddDocTemplate(std::unique_ptr<CSingleDocTemplate> docTemplate);
    // Standard command-line processing: a new document unless a file is named.
    BOOL ProcessShellCommand(const CCommandLineInfo& info);
    void OnFileNew();

    // Application title (string 57344), the caption of every message box.
    const std::wstring& Title() const { return m_title; }

    CWnd* m_pMainWnd = nullptr;
    int m_nWaitCursorCount = 0;
    std::vector<std::wstring> m_arguments; // the command line after the program name

protected:
    // Retrieves and dispatches one message; FALSE on WM_QUIT.
    BOOL PumpMessage(MSG& msg);

    DECLARE_MESSAGE_MAP()

private:
    std::wstring m_title;
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
int RunApplication();
