// The registry store against the real registry of the test prefix, below a
// key of its own; failures are injected through Profile::Registry().
#include "settings/ProfileException.h"
#include "settings/RegProfile.h"
#include "settings/RegistryApi.h"
#include "TestUtil.h"
#include <gtest/gtest.h>
#include <windows.h>
#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace {

const wchar_t* const kTestKey = L"Software\\Tarnik\\VerbsStoreTest";

void DeleteTestKey()
{
    ::RegDeleteTreeW(HKEY_CURRENT_USER, kTestKey);
    ::RegDeleteKeyW(HKEY_CURRENT_USER, kTestKey);
}

bool KeyExists(const std::wstring& path)
{
    HKEY key = nullptr;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    ::RegCloseKey(key);
    return true;
}

// Writes raw bytes of any type, bypassing the store.
void RawSet(const std::wstring& name, DWORD type, const void* data, DWORD bytes)
{
    HKEY key = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, ::RegCreateKeyExW(HKEY_CURRENT_USER, kTestKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                                               &key, nullptr));
    EXPECT_EQ(ERROR_SUCCESS, ::RegSetValueExW(key, name.c_str(), 0, type, static_cast<const BYTE*>(data), bytes));
    ::RegCloseKey(key);
}

// Type and bytes of a value as the registry holds them.
bool RawGet(const std::wstring& name, DWORD& type, std::vector<BYTE>& data)
{
    HKEY key = nullptr;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, kTestKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    DWORD size = 0;
    LSTATUS status = ::RegQueryValueExW(key, name.c_str(), nullptr, &type, nullptr, &size);
    data.resize(size);
    if (status == ERROR_SUCCESS && size)
        status = ::RegQueryValueExW(key, name.c_str(), nullptr, &type, data.data(), &size);
    ::RegCloseKey(key);
    return status == ERROR_SUCCESS;
}

std::vector<std::wstring> Sorted(std::vector<std::wstring> names)
{
    std::sort(names.begin(), names.end());
    return names;
}

template <typename F>
Profile::RegException CatchRegException(F f)
{
    try {
        f();
    } catch (const Profile::RegException& e) {
        return e;
    }
    ADD_FAILURE() << "no Profile::RegException";
    return Profile::RegException(-1, L"");
}

// Fakes are plain functions (the table holds function pointers); they reach
// the real functions and their settings through these globals.
namespace fake {
Profile::RegistryApi real;
int createCalls = 0;
int closeCalls = 0;
int createFailFrom = 1 << 30; // calls numbered from 1; this one and later fail
HKEY lastCreateBase = nullptr;
REGSAM lastCreateAccess = 0;
std::vector<BYTE> queryData;  // what the registry "returns"
BYTE queryFill = 0;           // and what it leaves in the rest of the buffer

void Reset(const Profile::RegistryApi& original)
{
    real = original;
    createCalls = closeCalls = 0;
    createFailFrom = 1 << 30;
    lastCreateBase = nullptr;
    lastCreateAccess = 0;
}

LSTATUS WINAPI CreateKeyEx(HKEY base, LPCWSTR sub, DWORD reserved, LPWSTR cls, DWORD options, REGSAM access,
                           LPSECURITY_ATTRIBUTES security, PHKEY result, LPDWORD disposition)
{
    ++createCalls;
    lastCreateBase = base;
    lastCreateAccess = access;
    if (createCalls >= createFailFrom)
        return ERROR_ACCESS_DENIED;
    return real.CreateKeyEx(base, sub, reserved, cls, options, access, security, result, disposition);
}

LSTATUS WINAPI CloseKey(HKEY key)
{
    ++closeCalls;
    return real.CloseKey(key);
}

LSTATUS WINAPI FailSetValue(HKEY, LPCWSTR, DWORD, DWORD, const BYTE*, DWORD)
{
    return ERROR_ACCESS_DENIED;
}

LSTATUS WINAPI FailQueryInfo(HKEY, LPWSTR, LPDWORD, LPDWORD, LPDWORD, LPDWORD, LPDWORD, LPDWORD, LPDWORD, LPDWORD,
                             LPDWORD, PFILETIME)
{
    return ERROR_ACCESS_DENIED;
}

LSTATUS WINAPI QueryValue(HKEY, LPCWSTR, LPDWORD, LPDWORD, LPBYTE data, LPDWORD size)
{
    if (*size < queryData.size()) {
        *size = static_cast<DWORD>(queryData.size());
        return ERROR_MORE_DATA;
    }
    std::memset(data, queryFill, *size);
    std::memcpy(data, queryData.data(), queryData.size());
    *size = static_cast<DWORD>(queryData.size());
    return ERROR_SUCCESS;
}

LSTATUS WINAPI FailConnect(LPCWSTR, HKEY, PHKEY)
{
    return ERROR_BAD_NETPATH;
}
} // namespace fake

class RegProfileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        DeleteTestKey();
        store_.SetName(L"CURRENT_USER");
        store_.SetSection(kTestKey);
    }
    void TearDown() override { DeleteTestKey(); }

    Profile::RegProfile store_;
};

TEST(RegProfileNames, AcceptsExactlyThePredefinedRootNames)
{
    for (const wchar_t* name : {L"CLASSES_ROOT", L"CURRENT_USER", L"LOCAL_MACHINE", L"USERS", L"CURRENT_CONFIG",
                                L"DYN_DATA", L"PERFORMANCE_DATA"}) {
        Profile::RegProfile store;
        EXPECT_NO_THROW(store.SetName(name)) << name;
        EXPECT_EQ(name, store.GetName());
    }
    for (const wchar_t* name : {L"HKEY_CURRENT_USER", L"current_user", L"", L"CURRENT_USER "}) {
        Profile::RegProfile store;
        Profile::RegException e = CatchRegException([&] { store.SetName(name); });
        EXPECT_EQ(1, e.Code()) << name;
        EXPECT_EQ(std::wstring(L"KeyName: ") + name, e.Detail());
        EXPECT_EQ(name, store.GetName()); // the name is kept even when rejected
    }
}

TEST(RegProfileNames, WithoutRootNothingOpensAndReadsFallBack)
{
    Profile::RegProfile store;
    Profile::RegException e = CatchRegException([&] { store.SetSection(L"Software"); });
    EXPECT_EQ(0, e.Code());
    EXPECT_EQ(L"Section: Software", e.Detail());
    EXPECT_EQ(L"Software", store.Section());
    EXPECT_EQ(L"fallback", store.GetString(L"x", L"fallback"));
    EXPECT_FALSE(store.DeleteValue(L"x"));
    std::vector<std::wstring> names;
    EXPECT_FALSE(store.GetValueNames(names));
    EXPECT_FALSE(store.HasSection(L"Microsoft"));
    EXPECT_EQ(4, CatchRegException([&] { store.SetString(L"x", L"y"); }).Code());

    // A rejected name after a good one does not keep writing under the old root.
    Profile::RegProfile renamed;
    renamed.SetName(L"CURRENT_USER");
    EXPECT_THROW(renamed.SetName(L"current_user"), Profile::RegException);
    EXPECT_EQ(0, CatchRegException([&] { renamed.SetSection(kTestKey); }).Code());
    EXPECT_FALSE(KeyExists(kTestKey));
}

TEST_F(RegProfileTest, SectionPathsAreBuiltAndCreated)
{
    Profile::RegProfile store;
    store.SetName(L"CURRENT_USER");
    EXPECT_TRUE(store.EnterSection(L"Software")); // no leading separator on an empty section
    EXPECT_EQ(L"Software", store.Section());
    std::wstring last;
    EXPECT_FALSE(store.GetSectionName(last));
    EXPECT_EQ(L"Software", last);

    store.EnterSection(L"Tarnik");
    store.EnterSection(L"VerbsStoreTest");
    store.EnterSection(L"Groups");
    EXPECT_EQ(std::wstring(kTestKey) + L"\\Groups", store.Section());
    EXPECT_TRUE(KeyExists(store.Section())); // entered sections exist, even when empty
    EXPECT_TRUE(store.GetSectionName(last));
    EXPECT_EQ(L"Groups", last);

    EXPECT_TRUE(store.LeaveSection());
    EXPECT_EQ(kTestKey, store.Section());
    store.SetString(L"Where", L"here");
    std::vector<BYTE> data;
    DWORD type = 0;
    EXPECT_TRUE(RawGet(L"Where", type, data)); // the re-opened key is the parent's
}

TEST_F(RegProfileTest, LeavingTheTopSectionKeepsItAndReopens)
{
    Profile::ScopedRegistryOverride scope;
    fake::Reset(scope.Original());
    scope->CreateKeyEx = fake::CreateKeyEx;

    store_.SetSection(L"Software");
    int opens = fake::createCalls;
    EXPECT_FALSE(store_.LeaveSection());
    EXPECT_EQ(L"Software", store_.Section());
    EXPECT_EQ(opens + 1, fake::createCalls);

    store_.SetSection(L"Software\\Tarnik");
    EXPECT_TRUE(store_.LeaveSection());
    EXPECT_EQ(L"Software", store_.Section());
}

TEST_F(RegProfileTest, FailuresRaiseWithWhatWasBeingAccessed)
{
    {
        Profile::ScopedRegistryOverride scope;
        scope->SetValueEx = fake::FailSetValue;
        Profile::RegException e = CatchRegException([&] { store_.SetString(L"NumWords", L"10"); });
        EXPECT_EQ(4, e.Code());
        EXPECT_EQ(L"Key: NumWords Value:10", e.Detail());
        EXPECT_EQ(L"Cannot set value { Key: NumWords Value:10 }", e.Description());
    }
    {
        // A failed open leaves the new section and no key.
        Profile::ScopedRegistryOverride scope;
        fake::Reset(scope.Original());
        scope->CreateKeyEx = fake::CreateKeyEx;

        fake::createFailFrom = 1;
        Profile::RegException e = CatchRegException([&] { store_.EnterSection(L"Sub"); });
        EXPECT_EQ(0, e.Code());
        EXPECT_EQ(std::wstring(L"Section: ") + kTestKey + L"\\Sub", e.Detail());
        EXPECT_EQ(L"Cannot open key { Section: Software\\Tarnik\\VerbsStoreTest\\Sub }", e.Description());
        EXPECT_EQ(std::wstring(kTestKey) + L"\\Sub", store_.Section());
        EXPECT_EQ(L"default", store_.GetString(L"any", L"default"));
        EXPECT_EQ(4, CatchRegException([&] { store_.SetString(L"a", L"b"); }).Code());

        // Entering opens twice; the second open failing is reported the same way.
        fake::createFailFrom = 1 << 30;
        store_.SetSection(kTestKey);
        fake::createFailFrom = fake::createCalls + 2;
        e = CatchRegException([&] { store_.EnterSection(L"Second"); });
        EXPECT_EQ(std::wstring(L"Section: ") + kTestKey + L"\\Second", e.Detail());

        fake::createFailFrom = fake::createCalls + 1;
        e = CatchRegException([&] { store_.LeaveSection(); });
        EXPECT_EQ(std::wstring(L"Section: ") + kTestKey, e.Detail());
    }
    // The next successful open repairs the store.
    store_.SetSection(kTestKey);
    EXPECT_TRUE(store_.SetString(L"a", L"b"));
    EXPECT_EQ(L"b", store_.GetString(L"a", L""));
}

TEST_F(RegProfileTest, OnlyOneKeyIsOpenAndDestructionClosesIt)
{
    Profile::ScopedRegistryOverride scope;
    fake::Reset(scope.Original());
    scope->CreateKeyEx = fake::CreateKeyEx;
    scope->CloseKey = fake::CloseKey;
    {
        Profile::RegProfile store;
        store.SetName(L"CURRENT_USER");
        store.SetSection(kTestKey);
        store.EnterSection(L"A");
        store.EnterSection(L"B");
        store.LeaveSection();
        EXPECT_EQ(fake::createCalls - 1, fake::closeCalls);
    }
    EXPECT_EQ(fake::createCalls, fake::closeCalls);
}

TEST_F(RegProfileTest, StringsRoundTripAndMissingValuesGiveTheDefault)
{
    EXPECT_EQ(L"dflt", store_.GetString(L"Missing", L"dflt"));

    EXPECT_TRUE(store_.SetString(L"Empty", L""));
    EXPECT_EQ(L"", store_.GetString(L"Empty", L"dflt"));
    DWORD type = 0;
    std::vector<BYTE> data;
    ASSERT_TRUE(RawGet(L"Empty", type, data));
    EXPECT_EQ(static_cast<DWORD>(REG_SZ), type);
    EXPECT_EQ(std::vector<BYTE>(2, 0), data); // just the terminator

    std::wstring longText;
    for (int i = 0; i < 3000; ++i)
        longText += static_cast<wchar_t>(L'a' + i % 26);
    store_.SetString(L"Long", longText); // well past the first 1024-byte read
    EXPECT_EQ(longText, store_.GetString(L"Long", L""));

    const std::wstring russian = L"\x0433\x043b\x0430\x0433\x043e\x043b";
    store_.SetString(L"Text", russian);
    EXPECT_EQ(russian, store_.GetString(L"Text", L""));
    store_.SetString(L"Text", L"replaced");
    EXPECT_EQ(L"replaced", store_.GetString(L"Text", L""));
    ASSERT_TRUE(RawGet(L"Text", type, data));
    EXPECT_EQ(static_cast<DWORD>(REG_SZ), type);
    EXPECT_EQ(9 * sizeof(wchar_t), data.size());

    EXPECT_TRUE(store_.DeleteValue(L"Text"));
    EXPECT_EQ(L"d", store_.GetString(L"Text", L"d"));
    EXPECT_FALSE(store_.DeleteValue(L"Text"));
}

TEST_F(RegProfileTest, GetStringReadsOnlyTheDataReturned)
{
    const wchar_t ab[] = {L'A', L'B', L'C', L'\0', L'D'};
    RawSet(L"OddBytes", REG_SZ, ab, 5);               // "AB" and half a character
    RawSet(L"Unterminated", REG_SZ, ab, 6);           // "ABC" without a zero
    RawSet(L"EmbeddedZero", REG_SZ, ab, sizeof(ab));  // stops at the zero
    RawSet(L"OneByte", REG_SZ, ab, 1);
    RawSet(L"Binary", REG_BINARY, ab, 4);
    DWORD dword = 0x00420041;
    RawSet(L"Dword", REG_DWORD, &dword, sizeof(dword));
    std::wstring exact(512, L'x');                    // fills the first buffer to the last byte
    RawSet(L"Exact", REG_SZ, exact.data(), 1024);
    std::wstring bigOdd(2000, L'y');
    RawSet(L"BigOdd", REG_EXPAND_SZ, bigOdd.data(), 3999);

    EXPECT_EQ(L"AB", store_.GetString(L"OddBytes", L"?"));
    EXPECT_EQ(L"ABC", store_.GetString(L"Unterminated", L"?"));
    EXPECT_EQ(L"ABC", store_.GetString(L"EmbeddedZero", L"?"));
    EXPECT_EQ(L"", store_.GetString(L"OneByte", L"?"));
    EXPECT_EQ(L"AB", store_.GetString(L"Binary", L"?"));
    EXPECT_EQ(L"AB", store_.GetString(L"Dword", L"?"));
    EXPECT_EQ(exact, store_.GetString(L"Exact", L"?"));
    EXPECT_EQ(std::wstring(1999, L'y'), store_.GetString(L"BigOdd", L"?"));

    // Whatever is left in the buffer beyond the returned size is not text.
    Profile::ScopedRegistryOverride scope;
    scope->QueryValueEx = fake::QueryValue;
    fake::queryFill = 'Z';
    fake::queryData = {'H', 0, 'i', 0};
    EXPECT_EQ(L"Hi", store_.GetString(L"Any", L"?"));
    fake::queryData.assign(1500, 'Q'); // larger than the first buffer, odd count
    fake::queryData.push_back('Q');
    EXPECT_EQ(std::wstring(750, L'\x5151'), store_.GetString(L"Any", L"?"));
}

TEST_F(RegProfileTest, EnumerationListsEveryNameWhateverItsSize)
{
    std::vector<BYTE> big(20000, 'b');
    RawSet(L"Big", REG_BINARY, big.data(), static_cast<DWORD>(big.size())); // first, and larger than any fixed buffer
    std::wstring longName(600, L'n');
    testutil::WriteRegString(kTestKey, L"Small", L"s");
    testutil::WriteRegString(kTestKey, longName, L"long name");
    testutil::WriteRegString(kTestKey, L"Last", L"l");

    std::vector<std::wstring> names{L"kept"};
    EXPECT_TRUE(store_.GetValueNames(names));
    EXPECT_EQ(L"kept", names.front()); // appended, not replaced
    names.erase(names.begin());
    EXPECT_EQ(Sorted({L"Big", L"Small", longName, L"Last"}), Sorted(names));

    // Without the key's maxima the buffer grows as names need it.
    Profile::ScopedRegistryOverride scope;
    scope->QueryInfoKey = fake::FailQueryInfo;
    names.clear();
    EXPECT_TRUE(store_.GetValueNames(names));
    EXPECT_EQ(4u, names.size());
    EXPECT_NE(names.end(), std::find(names.begin(), names.end(), longName));
}

TEST_F(RegProfileTest, SubkeysAreListedAndFoundIgnoringCase)
{
    std::vector<std::wstring> names;
    EXPECT_FALSE(store_.GetSubkeyNames(names));
    EXPECT_FALSE(store_.HasSection(L"Groups"));

    store_.EnterSection(L"Groups");
    store_.LeaveSection();
    store_.EnterSection(std::wstring(255, L'k')); // the longest key name there is
    store_.LeaveSection();
    store_.SetString(L"Groups2", L"a value, not a section");

    EXPECT_TRUE(store_.GetSubkeyNames(names));
    EXPECT_EQ(Sorted({L"Groups", std::wstring(255, L'k')}), Sorted(names));
    names.clear();
    EXPECT_TRUE(store_.GetSectionNames(names));
    EXPECT_EQ(2u, names.size());
    EXPECT_TRUE(store_.HasSection(L"groups"));
    EXPECT_TRUE(store_.HasSection(L"GROUPS"));
    EXPECT_FALSE(store_.HasSection(L"Group"));
    EXPECT_FALSE(store_.HasSection(L"Groups2"));
}

TEST_F(RegProfileTest, ConnectedStoreOpensBelowTheRemoteRoot)
{
    Profile::ScopedRegistryOverride scope;
    fake::Reset(scope.Original());
    scope->CreateKeyEx = fake::CreateKeyEx;
    store_.SetSection(kTestKey);
    EXPECT_EQ(HKEY_CURRENT_USER, fake::lastCreateBase);
    EXPECT_EQ(static_cast<REGSAM>(KEY_ALL_ACCESS), fake::lastCreateAccess);

    store_.Connect(L""); // the local machine
    store_.SetSection(kTestKey);
    EXPECT_EQ(static_cast<REGSAM>(KEY_READ | KEY_WRITE), fake::lastCreateAccess);
    store_.SetString(L"Remote", L"yes");
    EXPECT_EQ(L"yes", store_.GetString(L"Remote", L""));

    store_.SetSection(kTestKey);
    HKEY remoteBase = fake::lastCreateBase;
    scope->ConnectRegistry = fake::FailConnect;
    Profile::RegException e = CatchRegException([&] { store_.Connect(L"far-away"); });
    EXPECT_EQ(3, e.Code());
    EXPECT_EQ(L"MachineName: far-away", e.Detail());
    store_.SetSection(kTestKey); // the earlier connection stays in use
    EXPECT_EQ(remoteBase, fake::lastCreateBase);
    EXPECT_EQ(static_cast<REGSAM>(KEY_READ | KEY_WRITE), fake::lastCreateAccess);

    Profile::RegProfile unnamed;
    EXPECT_EQ(3, CatchRegException([&] { unnamed.Connect(L""); }).Code());
}

TEST(RegException, MessagesAndDescriptions)
{
    const wchar_t* texts[] = {L"Cannot open key", L"Invalid key name", L"Cannot perform operation",
                              L"Cannot connect", L"Cannot set value"};
    Profile::RegException e(2, L"");
    for (int code = 0; code < 5; ++code)
        EXPECT_EQ(texts[code], e.Message(code));
    EXPECT_EQ(L"Unknown", e.Message(5));
    EXPECT_EQ(L"Unknown", e.Message(-1));

    EXPECT_EQ(L"Cannot perform operation", e.Description()); // no braces without a detail
    Profile::RegException unknown(42, L"Section: X");
    EXPECT_EQ(L"Unknown { Section: X }", unknown.Description());

    Profile::RegException copy = unknown;
    const Profile::BaseException& base = copy;
    EXPECT_EQ(42, base.Code());
    EXPECT_EQ(L"Section: X", base.Detail());
    EXPECT_EQ(L"Unknown { Section: X }", base.Description());
}

} // namespace
