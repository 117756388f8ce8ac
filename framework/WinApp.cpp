#include "framework/WinApp.h"
#include "framework/CommandLineInfo.h"
#include "framework/FrameWnd.h"
#include "framework/Text.h"
#include "framework/Wnd.h"
#include <shellapi.h>
#include <stdexcept>

namespace {
CWinApp* gApp = nullptr;
}

BEGIN_MESSAGE_MAP(CWinApp, CCmdTarget)
    ON_COMMAND(ID_FILE_NEW, OnFileNew)
END_MESSAGE_MAP()

CWinApp::CWinApp()
{
    m_title = fw::LoadResString(AFX_IDS_APP_TITLE);
    int argc = 0;
    if (LPWSTR* argv = ::CommandLineToArgvW(::GetCommandLineW(), &argc)) {
        for (int i = 1; i < argc; ++i)
            m_arguments.emplace_back(argv[i]);
        ::LocalFree(argv);
    }
    // Last: an object whose construction failed is never the application.
    gApp = this;
}

void CWinApp::ParseCommandLine(CCommandLineInfo& info) const
{
    std::vector<const wchar_t*> argv;
    for (const std::wstring& arg : m_arguments)
        argv.push_back(arg.c_str());
    info.ParseArguments(static_cast<int>(argv.size()), argv.data());
}

CWinApp::~CWinApp()
{
    if (gApp == this)
        gApp = nullptr;
}

CWinApp* CWinApp::Current()
{
    return gApp;
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

int CWinApp::ExitInstance()
{
    return m_exitCode;
}

void CWinApp::AddDocTemplate(std::unique_ptr<CSingleDocTemplate> docTemplate)
{
    m_template = std::move(docTemplate);
}

void CWinApp::OnFileNew()
{
    if (!m_template)
        return;
    if (CFrameWnd* frame = m_template->OpenNewDocument())
        m_pMainWnd = frame;
    else
        AppMessageBox(fw::LoadResString(AFX_IDP_FAILED_TO_CREATE_DOC), MB_OK);
}

BOOL CWinApp::ProcessShellCommand(const CCommandLineInfo& info)
{
    switch (info.m_nShellCommand) {
    case CCommandLineInfo::FileNew:
    case CCommandLineInfo::FileOpen: // the document keeps no data: open as new
    case CCommandLineInfo::FileDDE:
        OnFileNew();
        return m_pMainWnd != nullptr;
    case CCommandLineInfo::AppUnregister:
    case CCommandLineInfo::FilePrint:
        return FALSE;
    }
    return FALSE;
}

BOOL CWinApp::PreTranslateMessage(MSG* msg)
{
    // Offer the message to the target window and its parents, up to the
    // main window.
    HWND stop = m_pMainWnd ? m_pMainWnd->m_hWnd : nullptr;
    for (HWND hwnd = msg->hwnd; hwnd; hwnd = ::GetParent(hwnd)) {
        if (CWnd* wnd = CWnd::FromHandle(hwnd))
            if (wnd->PreTranslateMessage(msg))
                return TRUE;
        if (hwnd == stop)
            break;
    }
    return FALSE;
}

BOOL CWinApp::OnIdle(LONG count)
{
    if (count == 0 && m_pMainWnd && m_pMainWnd->IsWindow())
        m_pMainWnd->SendMessage(fw::WM_IDLEUPDATECMDUI);
    return FALSE;
}

void CWinApp::ReportException(std::exception_ptr error)
{
    AppMessageBox(fw::DescribeException(error), MB_OK | MB_ICONSTOP);
}

BOOL CWinApp::PumpMessage(MSG& msg)
{
    BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
    if (got <= 0) {
        m_exitCode = got == 0 ? static_cast<int>(msg.wParam) : -1;
        return FALSE;
    }
    BOOL used = FALSE;
    try {
        used = PreTranslateMessage(&msg);
    } catch (...) {
        fw::ReportException(std::current_exception());
    }
    if (!used) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    return TRUE;
}

BOOL CWinApp::GuardedOnIdle(LONG count)
{
    try {
        return OnIdle(count);
    } catch (...) {
        fw::ReportException(std::current_exception());
        return FALSE;
    }
}

// Messages that arrive all the time without changing any command state.
static bool IsIdleMessage(const MSG& msg)
{
    static POINT lastMouse{-1, -1};
    if (msg.message == WM_MOUSEMOVE || msg.message == WM_NCMOUSEMOVE) {
        if (msg.pt.x == lastMouse.x && msg.pt.y == lastMouse.y)
            return false;
        lastMouse = msg.pt;
        return true;
    }
    return msg.message != WM_PAINT && msg.message != 0x0118 /* system caret blink */;
}

int CWinApp::Run()
{
    LONG idleCount = 0;
    bool idle = true;
    for (;;) {
        MSG msg;
        while (idle && !::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            if (!GuardedOnIdle(idleCount++))
                idle = false;
        }
        do {
            if (!PumpMessage(msg))
                return ExitInstance();
            if (IsIdleMessage(msg)) {
                idle = true;
                idleCount = 0;
            }
        } while (::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE));
    }
}

UINT AppMessageBoxStyle(UINT type)
{
    UINT buttons = type & MB_TYPEMASK;
    bool wantsDefaultIcon = (type & MB_ICONMASK) == 0 &&
                            (buttons == MB_OK || buttons == MB_OKCANCEL || buttons == MB_YESNO ||
                             buttons == MB_YESNOCANCEL);
    return wantsDefaultIcon ? (type | MB_ICONEXCLAMATION) : type;
}

int AppMessageBox(const std::wstring& text, UINT type)
{
    CWinApp* app = CWinApp::Current();
    HWND owner = nullptr;
    if (app && app->m_pMainWnd && app->m_pMainWnd->IsWindow())
        owner = ::GetLastActivePopup(app->m_pMainWnd->m_hWnd);
    else
        owner = ::GetActiveWindow();
    std::wstring caption = app ? app->Title() : fw::LoadResString(AFX_IDS_APP_TITLE);
    return ::MessageBoxW(owner, text.c_str(), caption.c_str(), AppMessageBoxStyle(type));
}

namespace {
int ExitAfterFailedStart(CWinApp& app)
{
    // The window may exist already (a failure after it was created).
    if (app.m_pMainWnd && app.m_pMainWnd->IsWindow())
        app.m_pMainWnd->DestroyWindow();
    return app.ExitInstance();
}
} // namespace

int RunApplication()
{
    CWinApp* app = CWinApp::Current();
    if (!app) {
        fw::ReportException(std::make_exception_ptr(std::logic_error("no application object")));
        return -1;
    }
    bool started = false;
    try {
        started = app->InitInstance() != FALSE;
    } catch (...) {
        fw::ReportException(std::current_exception());
    }
    try {
        return started ? app->Run() : ExitAfterFailedStart(*app);
    } catch (...) {
        fw::ReportException(std::current_exception());
        return -1;
    }
}

namespace fw {

std::wstring DescribeException(std::exception_ptr error)
{
    std::wstring text = L"An unexpected error stopped the operation.";
    try {
        if (error)
            std::rethrow_exception(error);
    } catch (const std::exception& e) {
        // what() has no known encoding: its ASCII is shown, the rest as '?'.
        text += L"\n\n";
        for (const char* c = e.what(); *c; ++c)
            text += static_cast<unsigned char>(*c) < 0x80 ? static_cast<wchar_t>(*c) : L'?';
    } catch (...) {
    }
    return text;
}

namespace {

// Takes a pending WM_QUIT off the queue for as long as the object lives and
// posts it again afterwards: a modal loop that sees it ends at once, and a
// report box would vanish before anyone read it.
class QuitHeldBack {
public:
    QuitHeldBack()
    {
        MSG msg;
        held_ = ::PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != FALSE;
        code_ = static_cast<int>(msg.wParam);
    }
    ~QuitHeldBack()
    {
        if (held_)
            ::PostQuitMessage(code_);
    }
    QuitHeldBack(const QuitHeldBack&) = delete;
    QuitHeldBack& operator=(const QuitHeldBack&) = delete;

private:
    bool held_ = false;
    int code_ = 0;
};

void ShowReport(std::exception_ptr error)
{
    if (CWinApp* app = CWinApp::Current())
        app->ReportException(error);
    else
        ::MessageBoxW(nullptr, DescribeException(error).c_str(), LoadResString(AFX_IDS_APP_TITLE).c_str(),
                      MB_OK | MB_ICONSTOP | MB_TASKMODAL);
}

} // namespace

void ReportException(std::exception_ptr error) noexcept
{
    // Failures while a report is on screen (a paint that keeps failing under
    // it, say) get no box each: one more box afterwards counts them.
    static bool reporting = false;
    static int missed = 0;
    static std::exception_ptr lastMissed;
    if (reporting) {
        ::OutputDebugStringW(L"An exception was reported while another report was on screen\n");
        ++missed;
        lastMissed = error;
        return;
    }
    reporting = true;
    try {
        QuitHeldBack quit;
        ShowReport(error);
        if (missed > 0) {
            std::wstring more = L"And " + std::to_wstring(missed) +
                                L" more error(s) came while that report was on screen. The last one:\n\n" +
                                DescribeException(lastMissed);
            missed = 0;
            lastMissed = nullptr;
            AppMessageBox(more, MB_OK | MB_ICONSTOP);
        }
    } catch (...) {
        ::OutputDebugStringW(L"The report of an exception failed\n");
    }
    missed = 0;
    lastMissed = nullptr;
    reporting = false;
}

} // namespace fw
