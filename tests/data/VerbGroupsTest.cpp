// Verb groups: the test set computed from the real store, the two readings of
// the chosen mark, and the texts written when a mark or the members change.
#include "base/VerbsGlobals.h"
#include "data/VerbGroups.h"
#include "framework/Text.h"
#include "resources/resource.h"
#include "settings/ProfileException.h"
#include "settings/RegProfile.h"
#include "settings/RegistryApi.h"
#include "ModalResponder.h"
#include "TestUtil.h"
#include <gtest/gtest.h>
#include <windows.h>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

const wchar_t* const kGroupsKey = L"Software\\Tarnik\\Verbs\\Groups";
const wchar_t* const kSettingsSection = L"Software\\Tarnik\\Verbs";

// Verb numbers of a stored list, read independently of the code under test.
std::set<int> Numbers(const std::wstring& list)
{
    std::set<int> numbers;
    for (size_t start = 0; start < list.size();) {
        size_t semi = list.find(L';', start);
        std::wstring token = list.substr(start, semi == std::wstring::npos ? semi : semi - start);
        if (!token.empty() && token != L"-1")
            numbers.insert(std::stoi(token));
        start = semi == std::wstring::npos ? list.size() : semi + 1;
    }
    return numbers;
}

class VerbGroupStore : public ::testing::Test {
protected:
    void SetUp() override
    {
        testutil::DeleteSettingsKey();
        globals_ = std::make_unique<CVerbsGlobals>();
        // Opened as start-up opens it, then the first-run group store.
        Store().SetName(L"CURRENT_USER");
        Store().SetSection(L"Software");
        Store().EnterSection(L"Tarnik");
        Store().EnterSection(L"Verbs");
        VerbGroups::EnsureVerbGroups(Store(), ::GetModuleHandleW(nullptr));
    }

    void TearDown() override
    {
        globals_.reset();
        testutil::DeleteSettingsKey();
    }

    Profile::RegProfile& Store() { return globals_->m_profile; }
    // Computes the test set; returns its size.
    int TestSet()
    {
        testSet_ = VerbGroups::ComputeTestSet(Store());
        return static_cast<int>(testSet_.size());
    }

    // Numbers of the verbs of the last test set, which lists each verb once in ascending order.
    std::set<int> Selected()
    {
        std::set<int> numbers;
        for (size_t i = 0; i < testSet_.size(); ++i) {
            EXPECT_TRUE(testSet_[i] >= 0 && testSet_[i] < kVerbCount) << testSet_[i];
            EXPECT_TRUE(i == 0 || testSet_[i - 1] < testSet_[i]) << "out of order at " << i;
            numbers.insert(testSet_[i] + 1);
        }
        return numbers;
    }

    static void Put(const std::wstring& name, const std::wstring& text)
    {
        testutil::WriteRegString(kGroupsKey, name, text);
    }

    static std::wstring Stored(const std::wstring& name)
    {
        std::wstring value;
        return testutil::ReadRegString(kGroupsKey, name, value) ? value : L"<missing>";
    }

    // Runs the group operations inside "Groups", as the dialogs do.
    template <typename Fn>
    void InGroups(Fn fn)
    {
        Store().EnterSection(VerbGroups::kSection);
        fn(Store());
        Store().LeaveSection();
    }

    std::unique_ptr<CVerbsGlobals> globals_;
    std::vector<int> testSet_;
};

TEST_F(VerbGroupStore, FreshStoreTestsAllVerbs)
{
    EXPECT_EQ(Stored(L""), L"-1");
    EXPECT_EQ(Stored(L"1-2-2"), fw::LoadResString(IDS_GROUP_122));
    EXPECT_EQ(TestSet(), 294);
    EXPECT_EQ(Selected().size(), 294u);
    EXPECT_EQ(Store().Section(), kSettingsSection);
}

TEST_F(VerbGroupStore, TwoChosenGroupsGiveTheUnionOfTheirMembers)
{
    InGroups([](Profile::RegProfile& store) {
        VerbGroups::SetAllVerbsChosen(store, false);
        VerbGroups::SetGroupChosen(store, L"1-1-1", true);
        VerbGroups::SetGroupChosen(store, L"1-2-2", true);
    });
    EXPECT_EQ(Stored(L""), L"");
    EXPECT_EQ(Stored(L"1-1-1"), fw::LoadResString(IDS_GROUP_111) + L"-1");

    EXPECT_EQ(TestSet(), 207);
    std::set<int> expected = Numbers(fw::LoadResString(IDS_GROUP_111));
    std::set<int> other = Numbers(fw::LoadResString(IDS_GROUP_122));
    expected.insert(other.begin(), other.end());
    EXPECT_EQ(Selected(), expected);
    EXPECT_EQ(Store().Section(), kSettingsSection);
}

TEST_F(VerbGroupStore, AllVerbsChosenMakesTheOtherGroupsIrrelevant)
{
    Put(L"1-1-2", L"8;34;-1");
    Put(L"Mine", L"5;-1");
    EXPECT_EQ(TestSet(), 294);
}

TEST_F(VerbGroupStore, NothingChosenGivesAnEmptySet)
{
    // All verbs is chosen only by exactly "-1": empty, absent or anything else is not.
    for (const wchar_t* allVerbs : {L"", L"<absent>", L"-1;", L" -1"}) {
        SCOPED_TRACE(::testing::PrintToString(std::wstring(allVerbs)));
        if (std::wstring(allVerbs) == L"<absent>")
            InGroups([](Profile::RegProfile& store) { EXPECT_TRUE(store.DeleteValue(L"")); });
        else
            Put(L"", allVerbs);
        EXPECT_EQ(TestSet(), 0);
        EXPECT_TRUE(Selected().empty());
    }
}

TEST_F(VerbGroupStore, ChosenEmptyGroupAddsNothing)
{
    Put(L"", L"");
    Put(L"Empty", L"-1");
    Put(L"1-1-2", L"8;34;-1");
    EXPECT_EQ(TestSet(), 2);
    EXPECT_EQ(Selected(), (std::set<int>{8, 34}));
}

TEST_F(VerbGroupStore, MarkBetweenMembersCountsButIsNotTicked)
{
    Put(L"", L"");
    Put(L"Odd", L"5;-1;7;");
    EXPECT_EQ(TestSet(), 2);
    EXPECT_EQ(Selected(), (std::set<int>{5, 7}));

    std::wstring text = Stored(L"Odd");
    EXPECT_TRUE(VerbGroups::IsChosen(text));
    EXPECT_FALSE(VerbGroups::IsTicked(text));

    // Clearing the (unticked) mark writes the members back in canonical form.
    InGroups([](Profile::RegProfile& store) { VerbGroups::SetGroupChosen(store, L"Odd", false); });
    EXPECT_EQ(Stored(L"Odd"), L"5;7;");
    EXPECT_EQ(TestSet(), 0);
    // Setting it writes the chosen text that the dialog ticks.
    Put(L"Odd", L"5;-1;7;");
    InGroups([](Profile::RegProfile& store) { VerbGroups::SetGroupChosen(store, L"Odd", true); });
    EXPECT_EQ(Stored(L"Odd"), L"5;7;-1");
    EXPECT_TRUE(VerbGroups::IsTicked(Stored(L"Odd")));
    EXPECT_EQ(TestSet(), 2);
}

TEST_F(VerbGroupStore, NumberThatStartsLikeTheMarkDoesNotChooseTheGroup)
{
    Put(L"", L"");
    Put(L"Minus", L"5;-15;");
    EXPECT_EQ(TestSet(), 0);
    // Choosing and clearing keep the number as it was, and the member 5.
    InGroups([](Profile::RegProfile& store) { VerbGroups::SetGroupChosen(store, L"Minus", true); });
    EXPECT_EQ(Stored(L"Minus"), L"5;-15;-1");
    EXPECT_EQ(TestSet(), 1);
    InGroups([](Profile::RegProfile& store) { VerbGroups::SetGroupChosen(store, L"Minus", false); });
    EXPECT_EQ(Stored(L"Minus"), L"5;-15;");
    EXPECT_EQ(TestSet(), 0);
}

TEST_F(VerbGroupStore, TokensAreReadLikeAtoiAndOnly1To294Count)
{
    Put(L"", L"");
    // 4294967297 would be verb 1 to a reader that wraps around.
    Put(L"Tokens", L"0;295;007;-5;;abc;12;12; 3;+9;5x;4294967297;-1");
    EXPECT_EQ(TestSet(), 5);
    EXPECT_EQ(Selected(), (std::set<int>{3, 5, 7, 9, 12}));

    EXPECT_EQ(VerbGroups::MemberNumbers(L"0;295;007;-5;;abc;12;12; 3;+9;5x;4294967297;-1"),
              (std::vector<int>{7, 12, 12, 3, 9, 5}));
    // The piece after the last ";" is a token too.
    EXPECT_EQ(VerbGroups::MemberNumbers(L"8;34"), (std::vector<int>{8, 34}));
}

TEST_F(VerbGroupStore, FirstAndLastVerbNumbersNameTheEndsOfTheTable)
{
    Put(L"", L"");
    Put(L"Ends", L"294;1;-1");
    EXPECT_EQ(TestSet(), 2);
    EXPECT_EQ(testSet_, (std::vector<int>{0, 293}));
}

LONG WINAPI FailCreateKey(HKEY, LPCWSTR, DWORD, LPWSTR, DWORD, REGSAM, LPSECURITY_ATTRIBUTES, PHKEY key, LPDWORD)
{
    if (key)
        *key = nullptr;
    return ERROR_ACCESS_DENIED;
}

// Opens every key but the settings key, so "Groups" is entered but cannot be left.
LONG WINAPI FailSettingsKey(HKEY root, LPCWSTR path, DWORD reserved, LPWSTR cls, DWORD options, REGSAM access,
                            LPSECURITY_ATTRIBUTES security, PHKEY key, LPDWORD disposition)
{
    if (path && std::wstring(path) == kSettingsSection)
        return FailCreateKey(root, path, reserved, cls, options, access, security, key, disposition);
    return ::RegCreateKeyExW(root, path, reserved, cls, options, access, security, key, disposition);
}

// The detail of the store failure that ComputeTestSet passes on ("" when none).
std::wstring TestSetFailure(Profile::RegProfile& store)
{
    try {
        VerbGroups::ComputeTestSet(store);
    } catch (const Profile::RegException& e) {
        return e.Detail();
    }
    return L"";
}

TEST_F(VerbGroupStore, GroupsThatCannotBeEnteredThrowWithNoVerbChosen)
{
    testutil::ModalResponder responder;
    {
        Profile::ScopedRegistryOverride registry;
        registry->CreateKeyEx = FailCreateKey;
        EXPECT_EQ(TestSetFailure(Store()), L"Section: Software\\Tarnik\\Verbs\\Groups");
    }
    EXPECT_TRUE(responder.Seen().empty()) << "the verb data shows no message of its own";

    // The store is back at the settings key: the next test start works.
    EXPECT_EQ(Store().Section(), kSettingsSection);
    EXPECT_EQ(TestSet(), 294);
    HKEY stray = nullptr;
    EXPECT_NE(::RegOpenKeyExW(HKEY_CURRENT_USER, (std::wstring(kGroupsKey) + L"\\Groups").c_str(), 0, KEY_READ, &stray),
              ERROR_SUCCESS)
        << "a key was made below Groups";
    if (stray)
        ::RegCloseKey(stray);
}

TEST_F(VerbGroupStore, FailureToLeaveGroupsThrowsAndReturnsToTheSettingsSection)
{
    {
        Profile::ScopedRegistryOverride registry;
        registry->CreateKeyEx = FailSettingsKey;
        EXPECT_EQ(TestSetFailure(Store()), L"Section: Software\\Tarnik\\Verbs");
    }
    EXPECT_EQ(Store().Section(), kSettingsSection);
    EXPECT_EQ(TestSet(), 294);
}

// ---- Texts of the chosen mark and of the members --------------------------

TEST(VerbGroupTexts, SettingAndClearingTheChosenMark)
{
    struct Case {
        const wchar_t* text;
        bool chosen;
        const wchar_t* result;
    };
    const Case cases[] = {
        {L"", true, L"-1"},
        {L"8;34;", true, L"8;34;-1"},
        {L"8;34", true, L"8;34;-1"},
        {L"8;34;-1", true, L"8;34;-1"},
        // A mark the groups dialog does not tick moves to the end.
        {L"5;-1;7;", true, L"5;7;-1"},
        {L"5;-1;7;-1", true, L"5;7;-1"},
        {L"-1;-1", true, L"-1"},
        {L"5;-1;7", true, L"5;7;-1"},
        {L"-1", false, L""},
        {L"8;34;-1", false, L"8;34;"},
        {L"8;34;", false, L"8;34;"},
        {L"", false, L""},
        {L"5;-1;7;", false, L"5;7;"},
        {L"-1;-1", false, L""},
        {L"8;-1;-1", false, L"8;"},
        {L"-1-1;", false, L""}, // removing one mark uncovers another
        {L"--11", false, L"--11"}, // "-11" is a number, not the mark
        // A number that starts like the mark is left alone, and is no mark.
        {L"5;-15;", false, L"5;-15;"},
        {L"5;-15;", true, L"5;-15;-1"},
        {L"5;-15;-1", false, L"5;-15;"},
        {L"5;-10", true, L"5;-10;-1"},
        // The rest of the mark's token goes with it: left behind, it would
        // read as a member the group never had (7, 25).
        {L"5;-1 7;", false, L"5;"},
        {L"-1\u00A025;3;", false, L";3;"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(VerbGroups::WithChosenMark(c.text, c.chosen), c.result)
            << ::testing::PrintToString(std::wstring(c.text)) << (c.chosen ? " set" : " cleared");
}

TEST(VerbGroupTexts, TwoReadingsOfTheChosenMark)
{
    struct Case {
        const wchar_t* text;
        bool chosen; // for the test set
        bool ticked; // in the groups dialog
    };
    const Case cases[] = {
        {L"8;34;-1", true, true}, {L"-1", true, true},       {L"8;34;", false, false},
        {L"", false, false},      {L"5;-1;7;", true, false}, {L"-1;-1", true, false},
        {L"5;-15;", false, false}, {L"-10", false, false},   {L"5;-15;-1", true, true},
        {L"8;34-1", true, true}, // written by hand without the ";": still the mark
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(std::wstring(c.text)));
        EXPECT_EQ(VerbGroups::IsChosen(c.text), c.chosen);
        EXPECT_EQ(VerbGroups::IsTicked(c.text), c.ticked);
    }
}

TEST(VerbGroupTexts, MembersTextListsNumbersInAscendingOrderAndKeepsTheMark)
{
    VerbGroups::MemberFlags members;
    EXPECT_EQ(VerbGroups::MembersText(members, false), L"");
    EXPECT_EQ(VerbGroups::MembersText(members, true), L"-1");
    members.set(33); // verb 34
    members.set(7);  // verb 8
    EXPECT_EQ(VerbGroups::MembersText(members, false), L"8;34;");
    EXPECT_EQ(VerbGroups::MembersText(members, true), L"8;34;-1");

    members.set();
    std::wstring all = VerbGroups::MembersText(members, false);
    EXPECT_EQ(all.substr(0, 6), L"1;2;3;");
    EXPECT_EQ(all.substr(all.size() - 8), L"293;294;");
    std::vector<int> numbers = VerbGroups::MemberNumbers(all);
    ASSERT_EQ(numbers.size(), 294u);
    EXPECT_EQ(numbers.front(), 1);
    EXPECT_EQ(numbers.back(), 294);
}

} // namespace
