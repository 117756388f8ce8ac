// Typed values, lists, bulk reads and section deletion of the registry store.
#include "settings/ProfileException.h"
#include "settings/RegProfile.h"
#include "settings/RegistryApi.h"
#include <gtest/gtest.h>
#include <windows.h>
#include <algorithm>
#include <climits>
#include <cmath>
#include <string>
#include <vector>

namespace {

const wchar_t* const kTestKey = L"Software\\Tarnik\\VerbsStoreTest";
using Strings = std::vector<std::wstring>;

bool KeyExists(const std::wstring& path)
{
    HKEY key = nullptr;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    ::RegCloseKey(key);
    return true;
}

std::vector<HKEY> deletedKeys;
LSTATUS WINAPI RecordAndFailDeleteKey(HKEY key, LPCWSTR)
{
    deletedKeys.push_back(key);
    return ERROR_ACCESS_DENIED;
}

LSTATUS WINAPI FailDeleteValue(HKEY, LPCWSTR)
{
    return ERROR_ACCESS_DENIED;
}

LSTATUS WINAPI FailEnumKey(HKEY, DWORD, LPWSTR, LPDWORD, LPDWORD, LPWSTR, LPDWORD, PFILETIME)
{
    return ERROR_ACCESS_DENIED;
}

// Lets the first writes through, then refuses every one.
int writesAllowed = 0;
LSTATUS WINAPI FailAfterSomeWrites(HKEY key, LPCWSTR name, DWORD reserved, DWORD type, const BYTE* data, DWORD size)
{
    if (writesAllowed-- <= 0)
        return ERROR_ACCESS_DENIED;
    return ::RegSetValueExW(key, name, reserved, type, data, size);
}

class ProfileConveniences : public ::testing::Test {
protected:
    void SetUp() override
    {
        ::RegDeleteTreeW(HKEY_CURRENT_USER, kTestKey);
        ::RegDeleteKeyW(HKEY_CURRENT_USER, kTestKey);
        store_.SetName(L"CURRENT_USER");
        store_.SetSection(kTestKey);
    }
    void TearDown() override
    {
        ::RegDeleteTreeW(HKEY_CURRENT_USER, kTestKey);
        ::RegDeleteKeyW(HKEY_CURRENT_USER, kTestKey);
    }
    std::wstring Text(const std::wstring& name) { return store_.GetString(name, L"<missing>"); }
    std::wstring Below(const std::wstring& path) { return std::wstring(kTestKey) + L"\\" + path; }

    Profile::RegProfile store_;
};

TEST_F(ProfileConveniences, IntegersAreDecimalTextAndMissingOnesGiveTheDefault)
{
    store_.SetInt(L"Int", -42);
    store_.SetLong(L"Long", LONG_MIN);
    store_.SetULong(L"ULong", 4294967295UL);
    EXPECT_EQ(L"-42", Text(L"Int"));
    EXPECT_EQ(L"-2147483648", Text(L"Long"));
    EXPECT_EQ(L"4294967295", Text(L"ULong"));
    EXPECT_EQ(-42, store_.GetInt(L"Int", 0));
    EXPECT_EQ(LONG_MIN, store_.GetLong(L"Long", 0));
    EXPECT_EQ(4294967295UL, store_.GetULong(L"ULong", 0));

    EXPECT_EQ(-7, store_.GetInt(L"Missing", -7));
    EXPECT_EQ(123456L, store_.GetLong(L"Missing", 123456L));
    EXPECT_EQ(4000000000UL, store_.GetULong(L"Missing", 4000000000UL));

    store_.SetString(L"Mixed", L"7abc");
    store_.SetString(L"Letters", L"abc");
    EXPECT_EQ(7, store_.GetInt(L"Mixed", 99));
    EXPECT_EQ(0, store_.GetLong(L"Letters", 99));
}

TEST_F(ProfileConveniences, BooleansAreOneOrZero)
{
    store_.SetBool(L"Yes", true);
    store_.SetBool(L"No", false);
    EXPECT_EQ(L"1", Text(L"Yes"));
    EXPECT_EQ(L"0", Text(L"No"));
    EXPECT_TRUE(store_.GetBool(L"Yes", false));
    EXPECT_FALSE(store_.GetBool(L"No", true));
    EXPECT_TRUE(store_.GetBool(L"Missing", true));
    EXPECT_FALSE(store_.GetBool(L"Missing", false));
    store_.SetString(L"Five", L"5");
    EXPECT_TRUE(store_.GetBool(L"Five", false));
}

TEST_F(ProfileConveniences, HexValuesRoundTripIncludingNegativeOnes)
{
    store_.SetHexInt(L"Byte", 255);
    store_.SetHexInt(L"MinusOne", -1);
    store_.SetHexLong(L"Min", LONG_MIN);
    EXPECT_EQ(L"ff", Text(L"Byte"));
    EXPECT_EQ(L"ffffffff", Text(L"MinusOne"));
    EXPECT_EQ(L"80000000", Text(L"Min"));
    EXPECT_EQ(255, store_.GetHexInt(L"Byte", 0));
    EXPECT_EQ(-1, store_.GetHexInt(L"MinusOne", 0));
    EXPECT_EQ(LONG_MIN, store_.GetHexLong(L"Min", 0));
    EXPECT_EQ(-2, store_.GetHexInt(L"Missing", -2)); // the default goes through "fffffffe"
    EXPECT_EQ(0x7fffffffL, store_.GetHexLong(L"Missing", 0x7fffffffL));

    store_.SetString(L"Signed", L"-1f");
    store_.SetString(L"Upper", L"ABC");
    EXPECT_EQ(-31, store_.GetHexLong(L"Signed", 0));
    EXPECT_EQ(0xabc, store_.GetHexInt(L"Upper", 0));
}

TEST(ProfileNumberText, DoublesUseSignificantDigitsAndKeepThePoint)
{
    using Profile::BaseProfile;
    EXPECT_EQ(L"2.", BaseProfile::FormatDouble(2.0, 15));
    EXPECT_EQ(L"0.", BaseProfile::FormatDouble(0.0, 15));
    EXPECT_EQ(L"1.5", BaseProfile::FormatDouble(1.5, 15));
    EXPECT_EQ(L"-0.25", BaseProfile::FormatDouble(-0.25, 2));
    EXPECT_EQ(L"0.5", BaseProfile::FormatDouble(0.5, 6));       // exponent -1: still fixed
    EXPECT_EQ(L"5.e-002", BaseProfile::FormatDouble(0.05, 6));  // exponent -2: scientific
    EXPECT_EQ(L"12.", BaseProfile::FormatDouble(12.0, 2));
    EXPECT_EQ(L"1.2e+002", BaseProfile::FormatDouble(123.456, 2)); // exponent not below digits
    EXPECT_EQ(L"1.23e+005", BaseProfile::FormatDouble(123456.0, 3));
    EXPECT_EQ(L"1000.", BaseProfile::FormatDouble(999.96, 4));   // rounding raises the exponent
    EXPECT_EQ(L"1.e+004", BaseProfile::FormatDouble(9999.6, 4));
    EXPECT_EQ(L"1.e+020", BaseProfile::FormatDouble(1e20, 15));
    EXPECT_EQ(L"-1.5e-300", BaseProfile::FormatDouble(-1.5e-300, 15));
    EXPECT_EQ(L"0.333333333333333", BaseProfile::FormatDouble(1.0 / 3.0, 15));
}

TEST_F(ProfileConveniences, DoublesAndFloatsAreStoredAsText)
{
    store_.SetDouble(L"Pi", 3.14159265358979, 5);
    EXPECT_EQ(L"3.1416", Text(L"Pi"));
    EXPECT_DOUBLE_EQ(3.1416, store_.GetDouble(L"Pi", 0));
    store_.SetFloat(L"Tenth", 0.1f, 7);
    EXPECT_EQ(L"0.1", Text(L"Tenth"));
    EXPECT_EQ(0.1f, store_.GetFloat(L"Tenth", 0));

    // A missing value gives the default after 15 significant digits.
    EXPECT_EQ(0.333333333333333, store_.GetDouble(L"Missing", 1.0 / 3.0));
    EXPECT_EQ(0.1f, store_.GetFloat(L"Missing", 0.1f));
    EXPECT_EQ(-2.5e-10, store_.GetDouble(L"Missing", -2.5e-10));

    store_.SetDouble(L"Huge", -HUGE_VAL, 15);
    EXPECT_EQ(L"-inf", Text(L"Huge"));
    EXPECT_EQ(-HUGE_VAL, store_.GetDouble(L"Huge", 0));
}

TEST_F(ProfileConveniences, ListsInOneValue)
{
    store_.SetList(L"Three", {L"a", L"b", L"c"}, L';', 0);
    store_.SetList(L"Two", {L"a", L"b", L"c"}, L';', 2);
    store_.SetList(L"All", {L"a", L"", L"c"}, L',', -1);
    store_.SetList(L"None", {}, L',', 0);
    EXPECT_EQ(L"a;b;c", Text(L"Three"));
    EXPECT_EQ(L"a;b", Text(L"Two"));
    EXPECT_EQ(L"a,,c", Text(L"All"));
    EXPECT_EQ(L"", Text(L"None"));

    store_.SetString(L"Gaps", L"a,,b,");
    store_.SetString(L"Leading", L",a");
    store_.SetString(L"Single", L"x");
    Strings out{L"kept"};
    store_.GetList(L"Gaps", out, L',');
    EXPECT_EQ((Strings{L"kept", L"a", L"", L"b"}), out);
    out.clear();
    store_.GetList(L"Leading", out, L',');
    EXPECT_EQ((Strings{L"", L"a"}), out);
    out.clear();
    store_.GetList(L"Single", out, L',');
    store_.GetList(L"None", out, L',');
    store_.GetList(L"Missing", out, L',');
    EXPECT_EQ((Strings{L"x"}), out);
}

TEST_F(ProfileConveniences, NumberedValuesReplaceTheSection)
{
    store_.SetString(L"Other", L"o");
    store_.SetString(L"Item9", L"old");
    store_.SetNumberedValues(L"Item", {L"one", L"two", L"three"});
    Strings names;
    store_.GetValueNames(names);
    EXPECT_EQ(3u, names.size());
    EXPECT_EQ(L"three", Text(L"Item3"));
    EXPECT_EQ(L"<missing>", Text(L"Other"));

    Strings out{L"stale"};
    store_.GetValues(L"Item", out, true);
    EXPECT_EQ((Strings{L"one", L"two", L"three"}), out);

    store_.DeleteValue(L"Item3");
    store_.SetString(L"Item4", L"four");
    store_.GetValues(L"Item", out, true); // stops at the first gap
    EXPECT_EQ((Strings{L"one", L"two"}), out);

    store_.SetString(L"Item2", L"NoKey");
    store_.GetValues(L"Item", out, true);
    EXPECT_EQ((Strings{L"one"}), out);
}

TEST_F(ProfileConveniences, NumberedValuesThatCannotBeWrittenLoseNothing)
{
    store_.SetString(L"Item1", L"a");
    store_.SetString(L"Item2", L"b");
    store_.SetString(L"Other", L"o");
    {
        Profile::ScopedRegistryOverride scope;
        writesAllowed = 1;
        scope->SetValueEx = FailAfterSomeWrites;
        EXPECT_THROW(store_.SetNumberedValues(L"Item", {L"one", L"two", L"three"}), Profile::RegException);
    }
    EXPECT_EQ(L"one", Text(L"Item1"));
    EXPECT_EQ(L"b", Text(L"Item2"));
    EXPECT_EQ(L"o", Text(L"Other"));

    // A value whose name differs only in case is the same value, and stays.
    store_.SetNumberedValues(L"ITEM", {L"x"});
    Strings names;
    store_.GetValueNames(names);
    EXPECT_EQ(1u, names.size());
    EXPECT_EQ(L"x", Text(L"Item1"));

    // A leftover that cannot be removed is no success.
    store_.SetString(L"Other", L"o");
    {
        Profile::ScopedRegistryOverride scope;
        scope->DeleteValue = FailDeleteValue;
        EXPECT_THROW(store_.SetNumberedValues(L"Item", {L"y"}), Profile::RegException);
    }
    EXPECT_EQ(L"y", Text(L"Item1"));
    EXPECT_EQ(L"o", Text(L"Other"));
}

TEST_F(ProfileConveniences, AllValuesOfTheSection)
{
    Strings out{L"kept"};
    EXPECT_TRUE(store_.GetAllValues(out)); // true even with nothing to add
    EXPECT_EQ((Strings{L"kept"}), out);

    store_.SetString(L"A", L"alpha");
    store_.SetString(L"B", L"Failed");
    store_.SetString(L"C", L"");
    Strings names;
    store_.GetValueNames(names);
    Strings expected{L"kept"};
    for (const std::wstring& name : names)
        expected.push_back(Text(name));
    EXPECT_TRUE(store_.GetAllValues(out));
    EXPECT_EQ(expected, out);

    // The unnumbered form skips what reads as "Failed" and clears first.
    store_.GetValues(L"ignored", out, false);
    EXPECT_EQ(2u, out.size());
    EXPECT_EQ(out.end(), std::find(out.begin(), out.end(), L"Failed"));
    EXPECT_NE(out.end(), std::find(out.begin(), out.end(), L"alpha"));
}

TEST_F(ProfileConveniences, DeleteSectionRemovesOneKey)
{
    store_.EnterSection(L"Groups");
    store_.SetString(L"v", L"1");
    EXPECT_TRUE(store_.DeleteSection(L""));
    EXPECT_EQ(kTestKey, store_.Section()); // left to the parent
    EXPECT_FALSE(KeyExists(Below(L"Groups")));

    store_.EnterSection(L"A");
    store_.EnterSection(L"B");
    store_.SetSection(Below(L"Keep"));
    EXPECT_FALSE(store_.DeleteSection(Below(L"A"))); // it still has a subkey
    EXPECT_TRUE(KeyExists(Below(L"A\\B")));
    EXPECT_EQ(Below(L"Keep"), store_.Section());
    EXPECT_TRUE(store_.DeleteSection(Below(L"A\\B")));
    EXPECT_FALSE(KeyExists(Below(L"A\\B")));
    EXPECT_TRUE(KeyExists(Below(L"A")));
    EXPECT_EQ(Below(L"Keep"), store_.Section());

    Profile::ScopedRegistryOverride scope;
    scope->DeleteKey = RecordAndFailDeleteKey;
    EXPECT_FALSE(store_.DeleteSection(L""));
    EXPECT_EQ(kTestKey, store_.Section()); // leaves even when the delete failed
}

TEST_F(ProfileConveniences, DeletingTheCurrentSectionByPathDoesNotMakeItAgain)
{
    store_.SetSection(Below(L"Gone"));
    store_.SetString(L"v", L"1");
    EXPECT_TRUE(store_.DeleteSection(Below(L"GONE")));
    EXPECT_FALSE(KeyExists(Below(L"Gone")));
    EXPECT_EQ(kTestKey, store_.Section()); // its parent
    store_.SetString(L"w", L"2");          // and the store works there
    EXPECT_EQ(L"2", Text(L"w"));

    // Separators at the end or doubled name the same key.
    for (const wchar_t* path : {L"Gone\\", L"\\Gone\\\\"}) {
        store_.SetSection(Below(L"Gone"));
        EXPECT_TRUE(store_.DeleteSection(Below(path)));
        EXPECT_FALSE(KeyExists(Below(L"Gone"))) << path;
        EXPECT_EQ(kTestKey, store_.Section());
    }
    EXPECT_FALSE(store_.DeleteSection(L"\\"));
    EXPECT_TRUE(KeyExists(kTestKey));

    // A sibling whose name starts alike is no part of the deleted key.
    store_.SetSection(Below(L"Gone"));
    store_.SetSection(Below(L"Gone2"));
    EXPECT_TRUE(store_.DeleteSection(Below(L"Gone")));
    EXPECT_EQ(Below(L"Gone2"), store_.Section());
    EXPECT_TRUE(KeyExists(Below(L"Gone2")));
    EXPECT_FALSE(KeyExists(Below(L"Gone")));
}

TEST_F(ProfileConveniences, DeleteSectionTreeSaysWhenKeysStay)
{
    store_.SetSection(Below(L"A\\B"));
    store_.SetSection(kTestKey);
    {
        Profile::ScopedRegistryOverride scope;
        scope->DeleteKey = RecordAndFailDeleteKey;
        EXPECT_FALSE(store_.DeleteSectionTree(false));
        EXPECT_EQ(kTestKey, store_.Section());
        EXPECT_FALSE(store_.DeleteSectionTree(true));
        // Keys that cannot be listed are not gone.
        scope->DeleteKey = scope.Original().DeleteKey;
        scope->EnumKeyEx = FailEnumKey;
        EXPECT_FALSE(store_.DeleteSectionTree(false));
    }
    EXPECT_TRUE(KeyExists(Below(L"A\\B")));
    store_.SetSection(kTestKey);
    EXPECT_TRUE(store_.DeleteSectionTree(true));
    EXPECT_FALSE(KeyExists(kTestKey));
}

TEST_F(ProfileConveniences, DeleteSectionTreeRemovesEverythingBelow)
{
    for (const wchar_t* path : {L"A\\A1\\Deep", L"A\\A2", L"B"}) {
        store_.SetSection(Below(path));
        store_.SetString(L"v", path);
    }
    store_.SetSection(kTestKey);
    store_.SetString(L"Own", L"stays");

    EXPECT_TRUE(store_.DeleteSectionTree(false));
    EXPECT_EQ(kTestKey, store_.Section());
    Strings names;
    EXPECT_FALSE(store_.GetSubkeyNames(names));
    EXPECT_EQ(L"stays", Text(L"Own"));

    store_.EnterSection(L"C");
    store_.EnterSection(L"D");
    store_.SetSection(Below(L"C"));
    EXPECT_TRUE(store_.DeleteSectionTree(true));
    EXPECT_EQ(kTestKey, store_.Section());
    EXPECT_FALSE(KeyExists(Below(L"C")));
    EXPECT_TRUE(KeyExists(kTestKey));
}

TEST_F(ProfileConveniences, TheRootKeyIsNeverDeleted)
{
    Profile::ScopedRegistryOverride scope;
    deletedKeys.clear();
    scope->DeleteKey = RecordAndFailDeleteKey; // a safety net should the store try
    store_.SetSection(L"");
    EXPECT_FALSE(store_.DeleteSection(L""));
    EXPECT_FALSE(store_.DeleteSectionTree(true));
    EXPECT_TRUE(deletedKeys.empty());
}

} // namespace
