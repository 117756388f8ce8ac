#pragma once
// A fresh program per test: its global state and application object, a
// clean settings key and no old settings file. The main window, when a test
// made one, is closed and the application's exit processing run.
#include "app/MainFrame.h"
#include "app/VerbsApp.h"
#include "base/VerbsGlobals.h"
#include "framework/Wnd.h"
#include "pictures/PictureThemes.h"
#include "TestUtil.h"
#include "view/VerbsView.h"
#include <gtest/gtest.h>
#include <memory>

class AppFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        testutil::DeleteSettingsKey();
        ::DeleteFileW(IniPath().c_str());
        ::DeleteFileW(OwnIniPath().c_str());
        globals = std::make_unique<CVerbsGlobals>();
        app = std::make_unique<CVerbsApp>(VerbsAppParts{NewVerbsView, StoredThemeFile, LoadProgramPictureThemes});
        // As an embedded start: no splash unless a test asks for one.
        app->m_arguments = {L"/Embedding"};
    }

    void TearDown() override
    {
        CloseProgram();
        globals.reset();
    }

    // Closes the main window (if any), runs the exit processing and destroys
    // the application object, as the end of a run does.
    void CloseProgram()
    {
        if (!app)
            return;
        if (app->m_pMainWnd && app->m_pMainWnd->IsWindow())
            app->m_pMainWnd->DestroyWindow();
        testutil::PumpMessages(20);
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
        app->ExitInstance();
        app.reset();
    }

    // Starts the program with the stored interface language (0 Russian,
    // 1 English) as a fresh run does, up to its first paint.
    CMainFrame& Start(int language)
    {
        testutil::WriteRegString(testutil::kSettingsKey, L"Language", std::to_wstring(language));
        EXPECT_TRUE(app->InitInstance());
        testutil::PumpMessages(50);
        return *dynamic_cast<CMainFrame*>(app->m_pMainWnd);
    }

    static std::wstring IniPath() { return testutil::WindowsDirectory() + L"\\Verbs.ini"; }
    // The user's copy that an older version without rights to the Windows folder used.
    static std::wstring OwnIniPath() { return testutil::VirtualStoreCopy(IniPath()); }
    static std::wstring Setting(const wchar_t* name)
    {
        std::wstring value;
        return testutil::ReadRegString(testutil::kSettingsKey, name, value) ? value : L"<missing>";
    }

    std::unique_ptr<CVerbsGlobals> globals;
    std::unique_ptr<CVerbsApp> app;
};
