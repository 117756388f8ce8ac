// The program as a process: the single-instance guard and a normal end.
#include "ProcessUtil.h"
#include "TestUtil.h"
#include <gtest/gtest.h>

using testutil::ChildProcess;

namespace {

std::wstring IniPath()
{
    return testutil::WindowsDirectory() + L"\\Verbs.ini";
}

// Closes a message box of another process with its OK button.
void PressOk(HWND box)
{
    ::PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(box, IDOK)));
}

} // namespace

TEST(ProgramProcess, SecondStartIsRefusedWithoutTouchingTheRegistry)
{
    testutil::DeleteSettingsKey();
    ChildProcess first(testutil::ProgramPath());
    ASSERT_TRUE(first.Started());
    HWND mainWindow = first.WaitForWindow(L"Lexoria", 20000);
    ASSERT_NE(mainWindow, nullptr);
    EXPECT_TRUE(::IsZoomed(mainWindow));
    ASSERT_TRUE(testutil::SettingsKeyExists());

    // Whatever the second copy did to the registry would show in a key that
    // is gone now.
    testutil::DeleteSettingsKey();
    ChildProcess second(testutil::ProgramPath());
    ASSERT_TRUE(second.Started());
    HWND box = second.WaitForWindow(L"Verbs", 20000);
    ASSERT_NE(box, nullptr);
    wchar_t text[256] = {};
    ::GetWindowTextW(::GetDlgItem(box, 0xFFFF), text, 256);
    EXPECT_STREQ(text, L"The program is already running\n\n\u041F\u0440\u043E\u0433\u0440\u0430\u043C\u043C\u0430 "
                       L"\u0443\u0436\u0435 \u0437\u0430\u043F\u0443\u0449\u0435\u043D\u0430!");
    PressOk(box);
    DWORD exitCode = 0;
    ASSERT_TRUE(second.WaitForExit(10000, &exitCode));
    EXPECT_FALSE(testutil::SettingsKeyExists());
    EXPECT_EQ(second.FindWindowByCaption(L"Lexoria"), nullptr);

    // The first copy ends normally through its close box.
    ::PostMessageW(mainWindow, WM_CLOSE, 0, 0);
    ASSERT_TRUE(first.WaitForExit(10000, &exitCode));
    EXPECT_EQ(exitCode, 0u);
    EXPECT_FALSE(testutil::FileExists(IniPath()));

    // With the first copy gone, a new start succeeds.
    ChildProcess third(testutil::ProgramPath());
    HWND again = third.WaitForWindow(L"Lexoria", 20000);
    ASSERT_NE(again, nullptr);
    ::PostMessageW(again, WM_CLOSE, 0, 0);
    EXPECT_TRUE(third.WaitForExit(10000));
}
