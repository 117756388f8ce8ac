// The dialog layout check again on screens at 150 % and 200 %: the screen's
// scale is read once when a program starts, so this test program runs its
// own layout test in a second process with the scale set, then puts the
// setting back.
#include "ProcessUtil.h"
#include "TestUtil.h"
#include "framework/Dpi.h"
#include <gtest/gtest.h>
#include <cstdlib>
#include <string>

namespace {

constexpr const wchar_t* kDesktopKey = L"Control Panel\\Desktop";
constexpr const wchar_t* kExpectedDpi = L"VERBS_EXPECT_DPI";

// The screen scale that programs started from now on read; the previous
// setting (or its absence) comes back when the object goes.
class ScreenScale {
public:
    explicit ScreenScale(DWORD dpi)
    {
        had_ = ::RegGetValueW(HKEY_CURRENT_USER, kDesktopKey, L"LogPixels", RRF_RT_REG_DWORD, nullptr, &previous_,
                              &size_) == ERROR_SUCCESS;
        Set(dpi);
    }
    ~ScreenScale()
    {
        if (had_)
            Set(previous_);
        else
            ::RegDeleteKeyValueW(HKEY_CURRENT_USER, kDesktopKey, L"LogPixels");
    }
    ScreenScale(const ScreenScale&) = delete;
    ScreenScale& operator=(const ScreenScale&) = delete;

private:
    static void Set(DWORD dpi)
    {
        EXPECT_EQ(::RegSetKeyValueW(HKEY_CURRENT_USER, kDesktopKey, L"LogPixels", REG_DWORD, &dpi, sizeof(dpi)),
                  ERROR_SUCCESS);
    }
    bool had_ = false;
    DWORD previous_ = 0;
    DWORD size_ = sizeof(DWORD);
};

} // namespace

// Run inside the second process: it really is at the scale it was started for.
TEST(DialogScale, TheScreenIsAtTheScaleTheProcessWasStartedFor)
{
    const char* expected = std::getenv("VERBS_EXPECT_DPI");
    if (!expected)
        GTEST_SKIP() << "only in the process started at another scale";
    EXPECT_EQ(fw::ScreenDpi(), static_cast<UINT>(std::atoi(expected)));
}

TEST(DialogScale, NoTextIsCutAt150And200Percent)
{
    if (std::getenv("VERBS_EXPECT_DPI"))
        GTEST_SKIP() << "already the second process";
    wchar_t self[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, self, MAX_PATH);
    for (DWORD dpi : {144u, 192u}) {
        SCOPED_TRACE(dpi);
        DWORD exitCode = 0;
        {
            ScreenScale scale(dpi);
            ::SetEnvironmentVariableW(kExpectedDpi, std::to_wstring(dpi).c_str());
            testutil::ChildProcess child(self, L"--gtest_filter=DialogLayout.*:DialogScale.TheScreen*");
            ::SetEnvironmentVariableW(kExpectedDpi, nullptr);
            ASSERT_TRUE(child.Started());
            ASSERT_TRUE(child.WaitForExit(50000, &exitCode)) << "the layout test did not end at " << dpi << " DPI";
        }
        EXPECT_EQ(exitCode, 0u) << "a text is cut at " << dpi << " DPI: the second process said which, above";
    }
}
