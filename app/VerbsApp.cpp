#include "app/VerbsApp.h"
#include "app/AboutDlg.h"
#include "base/HelpTopics.h"
#include "app/MainFrame.h"
#include "app/SplashWindow.h"
#include "base/VerbsDoc.h"
#include "base/VerbsGlobals.h"
#include "framework/CommandLineInfo.h"
#include "framework/Dpi.h"
#include "framework/Text.h"
#include "graphfmt/Image.h"
#include "resources/resource.h"
#include "app/SettingsMigration.h"
#include "base/PersistedSettings.h"
#include "settings/ProfileException.h"
#include "base/ReportProfileError.h"
#include "session/RandomDraw.h"
#include <commctrl.h>
#include <ctime>

const wchar_t* const kSingleInstanceMutexName = L"PreventVerbsSecondInstance";

namespace {
CDocument* NewVerbsDoc() { return new CVerbsDoc; }
CFrameWnd* NewMainFrame() { return new CMainFrame; }

// The link's hand at the screen's scale: above 100 % the drawing made at
// twice the size, brought down to the size needed rather than blown up.
HCURSOR LoadHandCursor()
{
    HINSTANCE module = fw::ResourceModule();
    const UINT dpi = fw::ScreenDpi();
    if (dpi <= fw::kDefaultDpi)
        return ::LoadCursorW(module, MAKEINTRESOURCEW(IDC_HAND_LINK));
    const int size = fw::Scale(32, dpi);
    return static_cast<HCURSOR>(
        ::LoadImageW(module, MAKEINTRESOURCEW(IDC_HAND_LINK_LARGE), IMAGE_CURSOR, size, size, LR_SHARED));
}
} // namespace

BEGIN_MESSAGE_MAP(CVerbsApp, CWinApp)
    ON_COMMAND(ID_HELP_CONTENTS_RU, OnHelpContents)
    ON_COMMAND(ID_HELP_LEARN_RU, OnHelpLearn)
    ON_COMMAND(ID_HELP_TEST_RU, OnHelpTest)
    ON_COMMAND(ID_HELP_OPTIONS_RU, OnHelpOptions)
    ON_COMMAND(ID_APP_ABOUT_RU, OnAppAbout)
END_MESSAGE_MAP()

CVerbsApp::CVerbsApp(const VerbsAppParts& parts) : m_parts(parts)
{
    // The run's one seeding: the first picture and every test draw from here on.
    SeedDraws(static_cast<long long>(std::time(nullptr)));
}

CVerbsApp::~CVerbsApp()
{
    // Older versions kept their settings in this file, and the framework its
    // own; it goes at the end of every run that leaves nothing in it behind.
    RemoveOldSettingsFile(m_oldSettings);
}

BOOL CVerbsApp::IsFirstInstance()
{
    m_instanceMutex.reset(::CreateMutexW(nullptr, TRUE, kSingleInstanceMutexName));
    DWORD error = ::GetLastError();
    if (m_instanceMutex)
        ::ReleaseMutex(m_instanceMutex.get()); // only the name matters
    return error != ERROR_ALREADY_EXISTS;
}

bool CVerbsApp::OpenSettingsStore()
{
    Profile::RegProfile& store = Globals().m_profile;
    try {
        store.SetName(L"CURRENT_USER");
        store.SetSection(L"Software");
        store.EnterSection(L"Tarnik");
        store.EnterSection(L"Verbs");
    } catch (const Profile::RegException& e) {
        ReportProfileError(e);
        return false;
    }
    return true;
}

bool CVerbsApp::CreateMainWindow()
{
    CCommandLineInfo cmdInfo;
    ParseCommandLine(cmdInfo);
    CSplashWindow::EnableSplash(cmdInfo.m_bShowSplash);
    AddDocTemplate(std::make_unique<CSingleDocTemplate>(IDR_MAINFRAME, NewVerbsDoc, NewMainFrame, m_parts.newView));
    return ProcessShellCommand(cmdInfo) != FALSE;
}

BOOL CVerbsApp::InitInstance()
{
    if (!IsFirstInstance()) {
        // Settings are not read yet, so the text carries both languages.
        ::MessageBoxW(nullptr, L"The program is already running\n\n\u041F\u0440\u043E\u0433\u0440\u0430\u043C\u043C\u0430 "
                               L"\u0443\u0436\u0435 \u0437\u0430\u043F\u0443\u0449\u0435\u043D\u0430!",
                      L"Verbs", MB_OK | MB_ICONSTOP);
        return FALSE;
    }
    if (!OpenSettingsStore())
        return FALSE;
    m_oldSettings = MigrateIniSettings();
    if (m_oldSettings == OldSettings::WriteFailed)
        return FALSE;
    if (m_parts.loadPictureThemes) {
        if (m_parts.storedThemeFile)
            m_currentThemeFile = m_parts.storedThemeFile();
        m_themesPending = true;
    }
    if (!LoadSettings())
        return FALSE;

    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES | ICC_BAR_CLASSES | ICC_TAB_CLASSES |
                                              ICC_PROGRESS_CLASS | ICC_UPDOWN_CLASS | ICC_LISTVIEW_CLASSES};
    ::InitCommonControlsEx(&icc);

    if (!CreateMainWindow())
        return FALSE;

    // Title, menu and toolbar in the chosen language before the window shows.
    if (auto* frame = dynamic_cast<CMainFrame*>(m_pMainWnd))
        frame->ApplyLanguage();
    Globals().m_hHandCursor = LoadHandCursor();
    m_pMainWnd->ShowWindow(SW_SHOWMAXIMIZED);
    m_pMainWnd->UpdateWindow();
    CSplashWindow::RevealSplash();
    return TRUE;
}

BOOL CVerbsApp::OnIdle(LONG count)
{
    BOOL more = CWinApp::OnIdle(count);
    // The picture decoder is bound at its first call so as not to slow the
    // start; it is loaded here, while the learner looks at the window,
    // rather than when the first test starts.
    if (count == 0) {
        EnsurePictureThemes();
        CImage::PrepareDecoding();
    }
    return more;
}

void CVerbsApp::EnsurePictureThemes()
{
    if (!m_themesPending)
        return;
    m_themesPending = false; // a library's own start-up code runs only once
    m_parts.loadPictureThemes(m_currentThemeFile);
}

BOOL CVerbsApp::PreTranslateMessage(MSG* msg)
{
    if (CSplashWindow::FilterSplashMessage(msg))
        return TRUE;
    return CWinApp::PreTranslateMessage(msg);
}

void CVerbsApp::ReportException(std::exception_ptr error)
{
    try {
        std::rethrow_exception(error);
    } catch (const Profile::RegException& e) {
        ReportProfileError(e);
    } catch (...) {
        CWinApp::ReportException(error);
    }
}

void CVerbsApp::OnHelpContents()
{
    OpenHelpTopic(L"verbs");
}

void CVerbsApp::OnHelpLearn()
{
    OpenHelpTopic(L"verbs_learn");
}

void CVerbsApp::OnHelpTest()
{
    OpenHelpTopic(L"verbs_test");
}

void CVerbsApp::OnHelpOptions()
{
    OpenHelpTopic(L"verbs_options");
}

void CVerbsApp::OnAppAbout()
{
    CAboutDlg dialog(m_pMainWnd ? m_pMainWnd->m_hWnd : nullptr);
    dialog.DoModal();
}

int CVerbsApp::ExitInstance()
{
    m_themesPending = false; // nothing is loaded after the end
    Globals().FreePictureThemes();
    return CWinApp::ExitInstance();
}
