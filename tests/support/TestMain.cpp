// Entry point of every test executable: common controls as the program sets
// them up, then GoogleTest, with a guard around every test: a modal
// responder that fails and closes boxes nobody asked for, and a hard
// deadline that ends a test which hangs anyway, saying what was on screen.
#include "ModalResponder.h"
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

namespace {

// Longest a single test may take; VERBS_TEST_DEADLINE_MS sets another.
constexpr DWORD kDefaultDeadlineMs = 60000;

DWORD DeadlineMs()
{
    const char* text = std::getenv("VERBS_TEST_DEADLINE_MS");
    unsigned long ms = text ? std::strtoul(text, nullptr, 10) : 0;
    return ms > 0 ? static_cast<DWORD>(ms) : kDefaultDeadlineMs;
}

std::string Utf8(const std::wstring& text)
{
    int n = ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr,
                                  nullptr);
    std::string bytes(static_cast<size_t>(n), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), bytes.data(), n, nullptr,
                          nullptr);
    return bytes;
}

class TestGuard : public ::testing::EmptyTestEventListener {
public:
    void OnTestStart(const ::testing::TestInfo& test) override
    {
        name_ = std::string(test.test_suite_name()) + "." + test.name();
        testThread_ = ::GetCurrentThreadId();
        responder_ = std::make_unique<testutil::ModalResponder>(testutil::ModalResponder::ForWholeTest{});
        ended_ = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
        watcher_ = ::CreateThread(nullptr, 0, WatchDeadline, this, 0, nullptr);
    }

    void OnTestEnd(const ::testing::TestInfo&) override
    {
        ::SetEvent(ended_);
        ::WaitForSingleObject(watcher_, INFINITE);
        ::CloseHandle(watcher_);
        ::CloseHandle(ended_);
        responder_.reset();
    }

private:
    static DWORD WINAPI WatchDeadline(void* self)
    {
        static_cast<TestGuard*>(self)->EndIfTooLate();
        return 0;
    }

    void EndIfTooLate()
    {
        DWORD deadline = DeadlineMs();
        if (::WaitForSingleObject(ended_, deadline) != WAIT_TIMEOUT)
            return;
        std::string report = "\n[  FAILED  ] " + name_ + " did not end within " + std::to_string(deadline / 1000) +
                             " s: the test program is ended. On screen:\n" +
                             Utf8(testutil::DescribeThreadWindows(testThread_));
        std::fputs(report.c_str(), stdout);
        std::fflush(stdout);
        ::TerminateProcess(::GetCurrentProcess(), 3);
    }

    std::string name_;
    DWORD testThread_ = 0;
    std::unique_ptr<testutil::ModalResponder> responder_;
    HANDLE ended_ = nullptr;
    HANDLE watcher_ = nullptr;
};

} // namespace

int main(int argc, char** argv)
{
    // Nothing printed may wait in a buffer: a test program that is killed
    // still shows how far it got.
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES | ICC_BAR_CLASSES | ICC_TAB_CLASSES |
                                              ICC_PROGRESS_CLASS | ICC_UPDOWN_CLASS | ICC_LISTVIEW_CLASSES};
    ::InitCommonControlsEx(&icc);
    ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new TestGuard);
    int result = RUN_ALL_TESTS();
    ::CoUninitialize();
    return result;
}
