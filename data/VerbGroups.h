#pragma once
// Verb groups. A group is a named string value in the subkey "Groups" of the
// settings key: member verb numbers each followed by ";", then "-1" when the
// group is chosen for testing. The unnamed value holds the chosen mark of
// the All verbs pseudo-group. The store is the groups' only home.
#include "data/VerbRecord.h"
#include <windows.h>
#include <bitset>
#include <string>
#include <vector>

namespace Profile {
class RegProfile;
}

namespace VerbGroups {

constexpr const wchar_t* kSection = L"Groups";
constexpr const wchar_t* kChosenMark = L"-1";
// Value of the settings key present while the first-run group store is being
// written (left behind when that failed).
constexpr const wchar_t* kUnfinishedNote = L"GroupsUnfinished";

// Membership by verb number: bit n - 1 stands for verb n.
using MemberFlags = std::bitset<kVerbCount>;

// Every valid verb number of a member list, in the order of the text
// (repeats kept). Tokens are read like atoi; only 1..294 count.
std::vector<int> MemberNumbers(const std::wstring& text);
// Sets the flag of every member of the list.
void AddMembers(const std::wstring& text, MemberFlags& flags);

// Where the chosen mark "-1" first stands in the text (npos when nowhere); a
// "-1" that begins a longer number such as "-15" is not the mark.
size_t FindChosenMark(const std::wstring& text);
// Chosen for the test set and the members dialog: the mark anywhere.
bool IsChosen(const std::wstring& text);
// Chosen as the groups dialog ticks it: the first mark ends the text.
bool IsTicked(const std::wstring& text);
// The text with the chosen mark set or cleared; a mark is cleared with the
// rest of its token, so that the members stay as they were. Setting it on a
// text that the groups dialog does not tick moves any mark to the end.
std::wstring WithChosenMark(const std::wstring& text, bool chosen);
// The text of a group with the given members, keeping a chosen mark.
std::wstring MembersText(const MemberFlags& members, bool chosen);

// First-run creation of the group store (the store is at the settings key
// and comes back there); the predefined lists are string resources of the
// given module. A store left unfinished by a failed attempt is completed:
// values written then stay. Throws Profile::RegException.
void EnsureVerbGroups(Profile::RegProfile& store, HMODULE resources);

// Operations on the store's current section, which must be "Groups".
std::vector<std::wstring> ListGroups(Profile::RegProfile& store); // unnamed value skipped
std::wstring ReadGroup(Profile::RegProfile& store, const std::wstring& name);
void WriteGroup(Profile::RegProfile& store, const std::wstring& name, const std::wstring& text); // may throw
bool DeleteGroup(Profile::RegProfile& store, const std::wstring& name);
bool IsAllVerbsChosen(Profile::RegProfile& store);
void SetAllVerbsChosen(Profile::RegProfile& store, bool chosen); // may throw
// Rewrites the group's text with its chosen mark set or cleared (may throw).
void SetGroupChosen(Profile::RegProfile& store, const std::wstring& name, bool chosen);
// The verbs a test draws from: all of them when All verbs is chosen, else
// the members of every group whose text holds the mark anywhere.
MemberFlags ChosenVerbs(Profile::RegProfile& store);

// The test set: the indices of the verbs of the chosen groups (or of all
// verbs), ascending, each once. On a store failure the store is back at the
// settings section and the Profile::RegException goes to the caller.
std::vector<int> ComputeTestSet(Profile::RegProfile& store);

} // namespace VerbGroups
