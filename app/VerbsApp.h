#pragma once
// The application object: start-up in its fixed order, the help and about
// commands, and the clean-up at the end of the run.
#include "app/SettingsMigration.h"
#include "framework/Handles.h"
#include "framework/WinApp.h"
#include <string>

// The main view and the theme loading that start-up uses, handed in by the
// entry point (a test may leave the theme loading out).
struct VerbsAppParts {
    CSingleDocTemplate::ViewFactory newView = nullptr; // the main view
    // Which theme is current, as stored (read during start-up).
    std::wstring (*storedThemeFile)() = nullptr;
    // Finds the theme libraries beside the program, the named one current.
    void (*loadPictureThemes)(const std::wstring& current) = nullptr;
};

class CVerbsApp : public CWinApp {
public:
    explicit CVerbsApp(const VerbsAppParts& parts);
    ~CVerbsApp() override;

    BOOL InitInstance() override;
    int ExitInstance() override;
    BOOL PreTranslateMessage(MSG* msg) override;
    // Once the main window is up: loads ahead what the first test needs.
    BOOL OnIdle(LONG count) override;
    // A store failure that no handler caught is shown as every other store
    // failure is; anything else gets the framework's plain message.
    void ReportException(std::exception_ptr error) override;

    // Whether no other copy of the program runs; the mutex that says so for
    // later starts is kept until this object goes.
    BOOL IsFirstInstance();

    // Loads the theme libraries unless that is done. Start-up reads only
    // which theme is current and leaves the libraries to the first idle
    // moment, so that the window shows sooner; a command that comes before
    // it calls this first.
    void EnsurePictureThemes();
    void PrepareForCommand() override { EnsurePictureThemes(); }

protected:
    void OnHelpContents();
    void OnHelpLearn();
    void OnHelpTest();
    void OnHelpOptions();
    void OnAppAbout();

    DECLARE_MESSAGE_MAP()

private:
    bool OpenSettingsStore();
    bool CreateMainWindow();

    VerbsAppParts m_parts;
    bool m_themesPending = false;   // read at start-up, not loaded yet
    std::wstring m_currentThemeFile; // the stored name they are loaded with
    OldSettings m_oldSettings = OldSettings::Unexamined;
    fw::UniqueKernelHandle m_instanceMutex;
};

// Name of the mutex by which a second copy of the program recognises the first.
extern const wchar_t* const kSingleInstanceMutexName;
