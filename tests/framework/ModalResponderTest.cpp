// The modal responder's watchdog: a dialog that never goes, or never comes,
// fails the test within seconds, says what was on screen and lets the test
// go on.
#include "ModalResponder.h"
#include "TestUtil.h"
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>
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

// A modal loop of a plain window, not a dialog: it ends when the window goes.
void RunModalLoopOfPlainWindow(const wchar_t* caption)
{
    HWND window = ::CreateWindowExW(0, L"STATIC", caption, WS_POPUP | WS_VISIBLE | WS_CAPTION, 10, 10, 300, 100,
                                    nullptr, nullptr, nullptr, nullptr);
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
