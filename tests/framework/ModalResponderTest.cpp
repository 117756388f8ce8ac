// The modal responder's watchdog: a dialog that never goes, never comes or
// was never asked for fails the test within seconds, says what was on screen
// and lets the test go on; a test that hangs all the same is ended by the
// test program's deadline.
#include "ModalResponder.h"
#include "TestUtil.h"
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>
#include <cstdio>
#include <string>
#include <vector>

using testutil::ModalResponder;

namespace {

constexpr DWORD kShortTimeoutMs = 1500;
constexpr DWORD kMustFailWithinMs = 10000;

// Runs fn and returns the messages of the failures it caused, which then do
// not count against this test.
template <typename Fn>
std::vector<std::string> FailuresOf(Fn fn)
{
    ::testing::TestPartResultArray results;
    {
        ::testing::ScopedFakeTestPartResultReporter reporter(
            ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &results);
        fn();
    }
    std::vector<std::string> messages;
    for (int i = 0; i < results.size(); ++i)
        messages.push_back(results.GetTestPartResult(i).message());
    return messages;
}

bool Contains(const std::string& text, const char* part)
{
    return text.find(part) != std::string::npos;
}

WNDPROC gStaticProc = nullptr;
LRESULT CALLBACK IgnoreClose(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    return msg == WM_CLOSE ? 0 : ::CallWindowProcW(gStaticProc, hwnd, msg, wp, lp);
}

// A modal loop of a plain window, not a dialog: it ends when the window goes.
void RunModalLoopOfPlainWindow(const wchar_t* caption, bool ignoresClose = false)
{
    HWND window = ::CreateWindowExW(0, L"STATIC", caption, WS_POPUP | WS_VISIBLE | WS_CAPTION, 10, 10, 300, 100,
                                    nullptr, nullptr, nullptr, nullptr);
    if (ignoresClose)
        gStaticProc = reinterpret_cast<WNDPROC>(
            ::SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(IgnoreClose)));
    MSG msg;
    while (::IsWindow(window) && ::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

} // namespace

TEST(ModalResponderWatchdog, MessageBoxThatNeverGoesFailsQuicklyWithItsTextsAndIsClosed)
{
    int answer = 0;
    DWORD start = ::GetTickCount();
    std::vector<std::string> failures = FailuresOf([&] {
        ModalResponder responder(kShortTimeoutMs);
        responder.Then([](HWND) {}); // looks at the box and never presses anything
        answer = ::MessageBoxW(nullptr, L"Nobody answers me", L"Stuck box", MB_YESNO);
        EXPECT_TRUE(responder.Seen().at(0).closedByWatchdog);
    });
    EXPECT_LT(::GetTickCount() - start, kMustFailWithinMs);
    EXPECT_EQ(answer, IDCANCEL);
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_TRUE(Contains(failures[0], "\"Stuck box\": \"Nobody answers me\" was still open")) << failures[0];
    // What was on screen: the box with its controls.
    EXPECT_TRUE(Contains(failures[0], "[#32770] \"Stuck box\"")) << failures[0];
    EXPECT_TRUE(Contains(failures[0], "[Button 6] \"&Yes\"")) << failures[0];

    // Ended by its step, but the step never lets its loop return.
    start = ::GetTickCount();
    failures = FailuresOf([&] {
        ModalResponder responder(kShortTimeoutMs);
        responder.Then([](HWND box) {
            ::EndDialog(box, IDOK);
            testutil::PumpUntil([box] { return !::IsWindow(box); }, 4 * kMustFailWithinMs);
        });
        ::MessageBoxW(nullptr, L"Ended", L"Lingering box", MB_OK);
    });
    EXPECT_LT(::GetTickCount() - start, kMustFailWithinMs);
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_TRUE(Contains(failures[0], "\"Lingering box\": \"Ended\" was ended but still there")) << failures[0];
}

TEST(ModalResponderWatchdog, DialogThatNeverComesFailsQuicklyAndTheActionIsLetOut)
{
    DWORD start = ::GetTickCount();
    bool returned = false;
    std::vector<std::string> failures = FailuresOf([&] {
        ModalResponder responder(kShortTimeoutMs);
        responder.ThenPress(IDOK);
        EXPECT_FALSE(responder.ExpectDialogs(1, [] { RunModalLoopOfPlainWindow(L"Not a dialog"); }));
        returned = true;
    });
    EXPECT_TRUE(returned);
    EXPECT_LT(::GetTickCount() - start, kMustFailWithinMs);
    // Once for the wait, once for the step no dialog used.
    ASSERT_EQ(failures.size(), 2u);
    EXPECT_TRUE(Contains(failures[0], "No dialog came within")) << failures[0];
    EXPECT_TRUE(Contains(failures[0], "\"Not a dialog\"")) << failures[0];
    EXPECT_TRUE(Contains(failures[1], "1 step(s) given to the modal responder were never used")) << failures[1];

    // A loop whose window will not close is let out by destroying the window.
    start = ::GetTickCount();
    failures = FailuresOf([&] {
        ModalResponder responder(kShortTimeoutMs);
        EXPECT_FALSE(responder.ExpectNoDialog([] { RunModalLoopOfPlainWindow(L"Stubborn", true); }));
    });
    EXPECT_LT(::GetTickCount() - start, kMustFailWithinMs);
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_TRUE(Contains(failures[0], "\"Stubborn\"")) << failures[0];
}

TEST(ModalResponderWatchdog, UnaskedBoxFailsTheTestAndIsClosedUnlessAllowed)
{
    // No responder of the test's own: every test has one all the same.
    int answer = 0;
    std::vector<std::string> failures =
        FailuresOf([&] { answer = ::MessageBoxW(nullptr, L"Nobody asked", L"Unasked", MB_OKCANCEL); });
    EXPECT_EQ(answer, IDOK);
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_TRUE(Contains(failures[0], "did not ask for: \"Unasked\": \"Nobody asked\"")) << failures[0];
    EXPECT_TRUE(Contains(failures[0], "[Button 2] \"Cancel\"")) << failures[0];

    // A responder of the test's own with no step for it: the same.
    failures = FailuresOf([] {
        ModalResponder responder(kShortTimeoutMs);
        ::MessageBoxW(nullptr, L"Nobody asked", L"Unasked", MB_OK);
    });
    EXPECT_EQ(failures.size(), 1u);

    ModalResponder responder(kShortTimeoutMs);
    responder.AllowUnasked();
    EXPECT_EQ(::MessageBoxW(nullptr, L"Expected somehow", L"Allowed", MB_OK), IDOK);
    ASSERT_EQ(responder.Seen().size(), 1u);
    EXPECT_EQ(responder.Seen()[0].caption, L"Allowed");
}

// Run only by the test below, in a test program of its own.
TEST(TestDeadline, DISABLED_HangsWithAWindowOnScreen)
{
    ::CreateWindowExW(0, L"STATIC", L"Left on screen", WS_POPUP | WS_VISIBLE, 10, 10, 200, 50, nullptr, nullptr,
                      nullptr, nullptr);
    std::printf("Hanging now\n");
    ::Sleep(INFINITE);
}

TEST(TestDeadline, HungTestIsEndedWithWhatWasOnScreenAndNoOutputIsLost)
{
    constexpr DWORD kDeadlineMs = 3000;
    wchar_t self[MAX_PATH];
    ::GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring command = L"\"" + std::wstring(self) +
                           L"\" --gtest_also_run_disabled_tests --gtest_filter=TestDeadline.DISABLED_*";
    SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    ASSERT_TRUE(::CreatePipe(&readEnd, &writeEnd, &inherit, 0));
    ::SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW si{sizeof(si)};
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdOutput = si.hStdError = writeEnd;
    PROCESS_INFORMATION child{};
    ::SetEnvironmentVariableW(L"VERBS_TEST_DEADLINE_MS", std::to_wstring(kDeadlineMs).c_str());
    BOOL started = ::CreateProcessW(self, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si, &child);
    ::SetEnvironmentVariableW(L"VERBS_TEST_DEADLINE_MS", nullptr);
    ::CloseHandle(writeEnd);
    ASSERT_TRUE(started);

    // Read until the pipe breaks (the child ended), or give up and kill it.
    std::string output;
    DWORD printedAt = 0, endedAt = 0;
    DWORD start = ::GetTickCount();
    for (;;) {
        DWORD ready = 0;
        if (!::PeekNamedPipe(readEnd, nullptr, 0, nullptr, &ready, nullptr))
            break;
        if (ready == 0 && ::GetTickCount() - start > 4 * kMustFailWithinMs)
            break;
        if (ready == 0) {
            ::Sleep(20);
            continue;
        }
        std::string chunk(ready, '\0');
        DWORD read = 0;
        ::ReadFile(readEnd, chunk.data(), ready, &read, nullptr);
        output.append(chunk, 0, read);
        // Unbuffered, what the test printed comes when printed, seconds
        // before the end; buffered, it would come with the end.
        if (!printedAt && Contains(output, "Hanging now"))
            printedAt = ::GetTickCount();
        if (!endedAt && Contains(output, "did not end"))
            endedAt = ::GetTickCount();
    }
    DWORD exitCode = 0;
    bool ended = ::WaitForSingleObject(child.hProcess, 0) == WAIT_OBJECT_0;
    if (!ended)
        ::TerminateProcess(child.hProcess, 99);
    ::GetExitCodeProcess(child.hProcess, &exitCode);
    ::CloseHandle(child.hThread);
    ::CloseHandle(child.hProcess);
    ::CloseHandle(readEnd);

    EXPECT_TRUE(ended) << output;
    EXPECT_EQ(exitCode, 3u);
    EXPECT_TRUE(printedAt && endedAt - printedAt > kDeadlineMs / 2) << output;
    EXPECT_TRUE(Contains(output, "[  FAILED  ] TestDeadline.DISABLED_HangsWithAWindowOnScreen did not end within 3 s"))
        << output;
    EXPECT_TRUE(Contains(output, "\"Left on screen\"")) << output;
}

TEST(ModalResponderWatchdog, CountOfDialogsIsCheckedWhenTheActionReturns)
{
    std::vector<std::string> failures = FailuresOf([] {
        ModalResponder responder(kShortTimeoutMs);
        EXPECT_FALSE(responder.ExpectDialogs(1, [] {}));
        EXPECT_FALSE(responder.ExpectNoDialog([] { ::MessageBoxW(nullptr, L"Surprise", L"Extra", MB_OK); }));
    });
    ASSERT_EQ(failures.size(), 2u);
    EXPECT_TRUE(Contains(failures[0], "Expected 1 dialog(s), 0 came")) << failures[0];
    EXPECT_TRUE(Contains(failures[1], "Expected 0 dialog(s), 1 came:\n  \"Extra\": \"Surprise\"")) << failures[1];
}

TEST(ModalResponderWatchdog, AnsweredDialogsPassWithoutFailures)
{
    ModalResponder responder(kShortTimeoutMs);
    responder.ThenPress(IDNO);
    int first = 0, second = 0, inner = 0;
    // The second box opens a third from its step; the outer one waits longer
    // than the timeout in all, but never on its own.
    responder.Then([&](HWND dialog) {
        testutil::PumpMessages(kShortTimeoutMs / 2);
        inner = ::MessageBoxW(dialog, L"Inner", L"Nested", MB_OKCANCEL);
        ModalResponder::Press(dialog, IDOK);
    });
    responder.Then([](HWND dialog) {
        testutil::PumpMessages(kShortTimeoutMs * 2 / 3);
        ModalResponder::Press(dialog, IDCANCEL);
    });
    EXPECT_TRUE(responder.ExpectDialogs(3, [&] {
        first = ::MessageBoxW(nullptr, L"One", L"First", MB_YESNO);
        second = ::MessageBoxW(nullptr, L"Two", L"Second", MB_OK);
    }));
    EXPECT_EQ(first, IDNO);
    EXPECT_EQ(second, IDOK);
    EXPECT_EQ(inner, IDCANCEL);
    ASSERT_EQ(responder.Seen().size(), 3u);
    EXPECT_EQ(responder.Seen()[2].caption, L"Nested");
    EXPECT_FALSE(responder.Seen()[1].closedByWatchdog);
    EXPECT_TRUE(responder.Verify());
}
