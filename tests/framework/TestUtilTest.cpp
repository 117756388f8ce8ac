// The shared test helpers that write: a write that fails fails the test, so
// that no test goes on from a state it did not set up.
#include "TestUtil.h"
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

TEST(TestHelpers, WritesThatFailFailTheTestAndSaySo)
{
    // A key name longer than 255 characters cannot be made.
    std::wstring tooLong(300, L'k');
    bool written = true;
    EXPECT_NONFATAL_FAILURE(written = testutil::WriteRegString(L"Software\\" + tooLong, L"v", L"1"),
                            "could not write HKCU\\Software\\kkk");
    EXPECT_FALSE(written);
    std::wstring nowhere = testutil::ExecutableFolder() + L"\\no such folder\\file.txt";
    EXPECT_NONFATAL_FAILURE(written = testutil::WriteFileBytes(nowhere, "x"), "could not write the file");
    EXPECT_FALSE(written);

    // And those that succeed say so without a failure.
    EXPECT_TRUE(testutil::WriteRegString(testutil::kSettingsKey, L"Probe", L"1"));
    std::wstring value;
    EXPECT_TRUE(testutil::ReadRegString(testutil::kSettingsKey, L"Probe", value));
    EXPECT_EQ(value, L"1");
    EXPECT_TRUE(testutil::DeleteSettingsKey());
    EXPECT_FALSE(testutil::SettingsKeyExists());
}
