#pragma once
// The application object: start-up in its fixed order, the help and about
// commands, and the clean-up at the end of the run.
#include "app/PersistedSettings.h"
#include "framework/Handles.h"
#include "framework/WinApp.h"
#include <string>

// What start-up takes from the layers above the application shell. The
// program's entry point hands them in, so the shell names none of them.
struct VerbsAppParts {
    CSingleDocTemplate::ViewFactory newView = nullptr; // the main view
};

class CVerbsApp : public CWinApp {
public:
    explicit CVerbsApp(const VerbsAppParts& parts);
    ~CVerbsApp() override;

    BOOL InitInstance() override;
    int ExitInstance() override;
    BOOL PreTranslateMessage(MSG* msg) override;
    // A store failure that no handler caught is shown as every other store
    // failure is; anything else gets the framework's plain message.
    void ReportException(std::exception_ptr error) override;

    // Whether no other copy of the program runs; the mutex that says so for
    // later starts is kept until this object goes.
    BOOL IsFirstInstance();

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
    void FreePictureThemes();

    VerbsAppParts m_parts;
    OldSettings m_oldSettings = OldSettings::Unexamined;
    fw::UniqueKernelHandle m_instanceMutex;
};

// Name of the mutex by which a second copy of the program recognises the first.
extern const wchar_t* const kSingleInstanceMutexName;
