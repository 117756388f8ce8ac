// The program as a process: the single-instance guard and a normal end.
#include "ProcessUtil.h"
#include "data/AnswerHistoryFile.h"
#include "resources/resource.h"
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

namespace {

struct BoxSearch {
    DWORD process;
    HWND found;
};

// A result box of the process: a visible dialog with the box's text control.
BOOL CALLBACK MatchResultBox(HWND hwnd, LPARAM lp)
{
    auto* search = reinterpret_cast<BoxSearch*>(lp);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hwnd, &pid);
    wchar_t cls[16] = {};
    ::GetClassNameW(hwnd, cls, 16);
    if (pid == search->process && ::IsWindowVisible(hwnd) && std::wstring(cls) == L"#32770" &&
        ::GetDlgItem(hwnd, 1016)) {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

// Waits for a result box of the process; fails saying which windows it has.
HWND WaitForResultBox(const ChildProcess& child, DWORD timeoutMs)
{
    const DWORD start = ::GetTickCount();
    for (;;) {
        BoxSearch search{child.Id(), nullptr};
        ::EnumWindows(MatchResultBox, reinterpret_cast<LPARAM>(&search));
        if (search.found)
            return search.found;
        if (::GetTickCount() - start > timeoutMs) {
            ADD_FAILURE() << "no result box came within " << timeoutMs << " ms";
            return nullptr;
        }
        ::Sleep(20);
    }
}

} // namespace

TEST(ProgramProcess, AProgramKilledMidTestKeepsEveryAnswerItShowed)
{
    testutil::DeleteSettingsKey();
    const std::wstring history = AnswerHistoryFile::DefaultPath();
    ASSERT_FALSE(history.empty());
    ::DeleteFileW(history.c_str());
    ChildProcess program(testutil::ProgramPath());
    HWND mainWindow = program.WaitForWindow(L"Lexoria", 20000);
    ASSERT_NE(mainWindow, nullptr);
    ::PostMessageW(mainWindow, WM_COMMAND, MAKEWPARAM(ID_TEST_START_RU, 0), 0);
    // Three wrong answers (empty fields); each is in the file by the time
    // its box shows. The program is killed while the third box is open.
    for (size_t answer = 1; answer <= 3; ++answer) {
        SCOPED_TRACE(answer);
        ::PostMessageW(mainWindow, WM_COMMAND, MAKEWPARAM(ID_TEST_READY_RU, 0), 0);
        HWND box = WaitForResultBox(program, 10000);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(AnswerHistoryFile::Read(history).entries.size(), answer);
        if (answer < 3) {
            PressOk(box);
            ASSERT_TRUE(testutil::PumpUntil([&] { return !::IsWindow(box); }, 5000)) << "the box did not close";
        }
    }
    ASSERT_TRUE(::TerminateProcess(program.Handle(), 9));
    ASSERT_TRUE(program.WaitForExit(10000));
    HistoryContents kept = AnswerHistoryFile::Read(history);
    EXPECT_EQ(kept.damagedLines, 0);
    ASSERT_EQ(kept.entries.size(), 3u);
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(kept.entries[i].verdict, HistoryVerdict::Wrong);
        EXPECT_EQ(kept.entries[i].attempt, static_cast<int>(i + 1));
        EXPECT_EQ(kept.entries[i].verb, kept.entries[0].verb);
    }
    ::DeleteFileW(history.c_str());
}
