// Reading the nine settings with their corrections, and the migration of an
// old Verbs.ini, on the real registry and a real file in the Windows folder.
#include "ModalResponder.h"
#include "TestUtil.h"
#include "base/VerbsGlobals.h"
#include "data/VerbGroups.h"
#include "app/SettingsMigration.h"
#include "base/PersistedSettings.h"
#include "framework/Text.h"
#include "resources/resource.h"
#include "settings/RegistryApi.h"
#include <gtest/gtest.h>
#include <memory>

namespace {

class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        testutil::DeleteSettingsKey();
        ::DeleteFileW(IniPath().c_str());
        globals = std::make_unique<CVerbsGlobals>();
        Profile::RegProfile& store = globals->m_profile;
        store.SetName(L"CURRENT_USER");
        store.SetSection(L"Software");
        store.EnterSection(L"Tarnik");
        store.EnterSection(L"Verbs");
    }
    void TearDown() override
    {
        globals.reset();
        ::DeleteFileW(IniPath().c_str());
    }

    static std::wstring IniPath() { return testutil::WindowsDirectory() + L"\\Verbs.ini"; }
    static void Store(const wchar_t* name, const wchar_t* value)
    {
        testutil::WriteRegString(testutil::kSettingsKey, name, value);
    }
    static std::wstring Stored(const wchar_t* name)
    {
        std::wstring value;
        return testutil::ReadRegString(testutil::kSettingsKey, name, value) ? value : L"<missing>";
    }

    std::unique_ptr<CVerbsGlobals> globals;
};

struct Correction {
    const wchar_t* name;
    const wchar_t* stored;
    int loaded;
    const wchar_t* afterwards;
};

int CVerbsGlobals::*MemberOf(const std::wstring& name)
{
    if (name == L"NumWords") return &CVerbsGlobals::NumWords;
    if (name == L"LimitTime") return &CVerbsGlobals::LimitTime;
    if (name == L"MaxAttempt") return &CVerbsGlobals::MaxAttempt;
    if (name == L"WhichForm") return &CVerbsGlobals::WhichForm;
    if (name == L"Language") return &CVerbsGlobals::Language;
    if (name == L"OnlyOneForm") return &CVerbsGlobals::OnlyOneForm;
    return &CVerbsGlobals::ShowTranslate;
}

// Writes a value of any registry type into the settings key.
void StoreTyped(const wchar_t* name, DWORD type, const void* data, DWORD size)
{
    HKEY key = nullptr;
    ASSERT_EQ(::RegCreateKeyExW(HKEY_CURRENT_USER, testutil::kSettingsKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                                nullptr),
              ERROR_SUCCESS);
    LSTATUS status = ::RegSetValueExW(key, name, 0, type, static_cast<const BYTE*>(data), size);
    ::RegCloseKey(key);
    ASSERT_EQ(status, ERROR_SUCCESS) << name;
}

DWORD StoredType(const wchar_t* name)
{
    DWORD type = REG_NONE;
    HKEY key = nullptr;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, testutil::kSettingsKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return REG_NONE;
    ::RegQueryValueExW(key, name, nullptr, &type, nullptr, nullptr);
    ::RegCloseKey(key);
    return type;
}

// Refuses to write one value (by name), writes the others.
const wchar_t* refusedValue = L"";
LSTATUS WINAPI RefuseOneValue(HKEY key, LPCWSTR name, DWORD reserved, DWORD type, const BYTE* data, DWORD size)
{
    if (name && std::wstring(name) == refusedValue)
        return ERROR_ACCESS_DENIED;
    return ::RegSetValueExW(key, name, reserved, type, data, size);
}

LSTATUS WINAPI FailSetValue(HKEY, LPCWSTR, DWORD, DWORD, const BYTE*, DWORD)
{
    return ERROR_ACCESS_DENIED;
}

} // namespace

TEST_F(SettingsTest, LoadCorrectsOutOfRangeValuesAndWritesThemBack)
{
    const Correction cases[] = {
        {L"NumWords", L"0", 10, L"10"},        {L"NumWords", L"295", 10, L"10"},
        {L"NumWords", L"-5", 10, L"10"},       {L"NumWords", L"294", 294, L"294"},
        {L"LimitTime", L"60", 60, L"60"},      {L"LimitTime", L"61", 10, L"10"},
        {L"LimitTime", L"-1", 10, L"10"},      {L"LimitTime", L"abc", 10, L"10"},
        {L"LimitTime", L"7abc", 7, L"7abc"},   {L"MaxAttempt", L"10", 10, L"10"},
        {L"MaxAttempt", L"11", 3, L"3"},       {L"MaxAttempt", L"0", 3, L"3"},
        {L"WhichForm", L"7", 7, L"7"},         {L"Language", L"5", 5, L"5"},
        {L"ShowTranslate", L"", 1, L"1"},      {L"OnlyOneForm", L" 1", 1, L" 1"},
    };
    for (const Correction& c : cases) {
        SetUp(); // a fresh key and fresh in-memory settings for each case
        Store(c.name, c.stored);
        ASSERT_TRUE(LoadSettings()) << c.name;
        EXPECT_EQ((*globals).*MemberOf(c.name), c.loaded) << c.name << " stored as \"" << c.stored << "\"";
        EXPECT_EQ(Stored(c.name), c.afterwards) << c.name;
    }
}

TEST_F(SettingsTest, ValuesThatAreNotTextCountAsMissing)
{
    const DWORD five = 5;
    const DWORD looksLike37 = 0x00370033; // the bytes of the text "37"
    const wchar_t two[] = L"2";
    const wchar_t four[] = L"4";
    StoreTyped(L"ShowTranslate", REG_DWORD, &five, sizeof(five));
    StoreTyped(L"LimitTime", REG_DWORD, &looksLike37, sizeof(looksLike37));
    StoreTyped(L"WhichForm", REG_BINARY, two, sizeof(two));
    StoreTyped(L"MaxAttempt", REG_EXPAND_SZ, four, sizeof(four)); // text all the same
    ASSERT_TRUE(LoadSettings());

    EXPECT_EQ(globals->ShowTranslate, 1);
    EXPECT_EQ(globals->LimitTime, 10);
    EXPECT_EQ(globals->WhichForm, 0);
    EXPECT_EQ(globals->MaxAttempt, 4);
    for (const wchar_t* name : {L"ShowTranslate", L"LimitTime", L"WhichForm"})
        EXPECT_EQ(StoredType(name), static_cast<DWORD>(REG_SZ)) << name << " gets its default as text";
    EXPECT_EQ(Stored(L"ShowTranslate"), L"1");
    EXPECT_EQ(Stored(L"LimitTime"), L"10");
    EXPECT_EQ(Stored(L"WhichForm"), L"0");
    EXPECT_EQ(StoredType(L"MaxAttempt"), static_cast<DWORD>(REG_EXPAND_SZ));
}

TEST_F(SettingsTest, MissingValuesGetRegistryDefaultsAndGroupsAppearOnce)
{
    ASSERT_TRUE(LoadSettings());
    EXPECT_EQ(Stored(L"OnlyOneForm"), L"0");
    EXPECT_EQ(Stored(L"Language"), L"1");

    // The user deletes every group: they do not come back at the next start.
    std::wstring groups = std::wstring(testutil::kSettingsKey) + L"\\Groups";
    HKEY key = nullptr;
    ASSERT_EQ(::RegOpenKeyExW(HKEY_CURRENT_USER, groups.c_str(), 0, KEY_ALL_ACCESS, &key), ERROR_SUCCESS);
    for (const wchar_t* name : {L"", L"1-1-1", L"1-1-2", L"1-2-1", L"1-2-2", L"1-2-3"})
        ::RegDeleteValueW(key, name);
    ::RegCloseKey(key);
    ASSERT_TRUE(LoadSettings());
    std::wstring text;
    EXPECT_FALSE(testutil::ReadRegString(groups, L"1-1-1", text));
    EXPECT_FALSE(testutil::ReadRegString(groups, L"", text));
}

TEST_F(SettingsTest, GroupStoreLeftHalfMadeIsFinishedAtTheNextStart)
{
    const std::wstring groups = std::wstring(testutil::kSettingsKey) + L"\\Groups";
    {
        testutil::ModalResponder responder;
        Profile::ScopedRegistryOverride registry;
        refusedValue = L"1-2-1";
        registry->SetValueEx = RefuseOneValue;
        EXPECT_TRUE(responder.ExpectDialogs(1, [] { EXPECT_FALSE(LoadSettings()); }));
        ASSERT_EQ(responder.Seen().size(), 1u);
        EXPECT_EQ(responder.Seen()[0].text, L"Oops! Profile::RegException\n\nKey: 1-2-1 Value:" +
                                                fw::LoadResString(IDS_GROUP_121));
    }
    std::wstring text;
    ASSERT_TRUE(testutil::ReadRegString(groups, L"1-1-2", text)); // written before the failure
    EXPECT_FALSE(testutil::ReadRegString(groups, L"1-2-2", text));
    EXPECT_EQ(globals->m_profile.Section(), L"Software\\Tarnik\\Verbs");

    // The next start finishes the store.
    ASSERT_TRUE(LoadSettings());
    const std::pair<const wchar_t*, UINT> predefined[] = {{L"1-1-1", IDS_GROUP_111}, {L"1-1-2", IDS_GROUP_112},
                                                          {L"1-2-1", IDS_GROUP_121}, {L"1-2-2", IDS_GROUP_122},
                                                          {L"1-2-3", IDS_GROUP_123}};
    for (const auto& [name, id] : predefined) {
        ASSERT_TRUE(testutil::ReadRegString(groups, name, text)) << name;
        EXPECT_EQ(text, fw::LoadResString(id)) << name;
    }
    ASSERT_TRUE(testutil::ReadRegString(groups, L"", text));
    EXPECT_EQ(text, L"-1");
    EXPECT_EQ(Stored(VerbGroups::kUnfinishedNote), L"<missing>");

    // Finished, it is the user's: a group deleted now stays deleted.
    HKEY key = nullptr;
    ASSERT_EQ(::RegOpenKeyExW(HKEY_CURRENT_USER, groups.c_str(), 0, KEY_ALL_ACCESS, &key), ERROR_SUCCESS);
    ::RegDeleteValueW(key, L"1-2-1");
    ::RegCloseKey(key);
    ASSERT_TRUE(LoadSettings());
    EXPECT_FALSE(testutil::ReadRegString(groups, L"1-2-1", text));
}

TEST_F(SettingsTest, MigrationTakesOldIniValuesWithTheirOwnDefaultsAndKeepsTheSharedFile)
{
    // A line without a name does not hide the settings after it.
    testutil::WriteFileBytes(IniPath(), "[Verbs]\r\n=1\r\nShowTranslate=0\r\nWhichForm=3\r\nLanguage=2\r\n"
                                        "NumWords=25\r\nLimitTime=99\r\nMaxAttempt=x\r\n");
    ASSERT_EQ(MigrateIniSettings(), OldSettings::TakenOver);
    EXPECT_TRUE(testutil::FileExists(IniPath())) << "the other accounts take it over too";
    EXPECT_EQ(Stored(L"ShowTranslate"), L"0");
    EXPECT_EQ(Stored(L"MustLimitTime"), L"0");
    EXPECT_EQ(Stored(L"LimitTime"), L"10");  // out of range
    EXPECT_EQ(Stored(L"ShowRightAnswer"), L"1");
    EXPECT_EQ(Stored(L"NumWords"), L"25");
    EXPECT_EQ(Stored(L"OnlyOneForm"), L"1"); // the old default differs from the registry's
    EXPECT_EQ(Stored(L"WhichForm"), L"0");
    EXPECT_EQ(Stored(L"Language"), L"1");
    EXPECT_EQ(Stored(L"MaxAttempt"), L"3");  // no digits reads as 0, then corrected
    EXPECT_EQ(globals->NumWords, 25);
    EXPECT_EQ(globals->OnlyOneForm, 1);

    // The next load keeps what the migration wrote.
    ASSERT_TRUE(LoadSettings());
    EXPECT_EQ(globals->NumWords, 25);
    EXPECT_EQ(globals->ShowTranslate, 0);
}

TEST_F(SettingsTest, NoOldIniMeansNothingIsWritten)
{
    ASSERT_EQ(MigrateIniSettings(), OldSettings::None);
    EXPECT_EQ(Stored(L"ShowTranslate"), L"<missing>");
}

TEST_F(SettingsTest, FailedMigrationWriteIsReportedAndKeepsTheFile)
{
    testutil::WriteFileBytes(IniPath(), "[Verbs]\r\nNumWords=25\r\n");
    testutil::ModalResponder responder;
    {
        Profile::ScopedRegistryOverride registry;
        registry->SetValueEx = FailSetValue;
        EXPECT_TRUE(responder.ExpectDialogs(1, [] { EXPECT_EQ(MigrateIniSettings(), OldSettings::WriteFailed); }));
    }
    ASSERT_EQ(responder.Seen().size(), 1u);
    EXPECT_EQ(responder.Seen()[0].text, L"Oops! Profile::RegException\n\nKey: ShowTranslate Value:1");
    EXPECT_TRUE(testutil::FileExists(IniPath()));
    // Nothing was lost: a later start migrates the same file.
    ASSERT_EQ(MigrateIniSettings(), OldSettings::TakenOver);
    EXPECT_EQ(Stored(L"NumWords"), L"25");
    EXPECT_TRUE(testutil::FileExists(IniPath()));
}
