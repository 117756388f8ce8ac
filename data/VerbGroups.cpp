#include "data/VerbGroups.h"
#include "resources/resource.h"
#include "settings/ProfileException.h"
#include "settings/RegProfile.h"
#include <cwchar>
#include <cwctype>

namespace VerbGroups {

namespace {

// atoi rules: optional leading white space and sign, then decimal digits up
// to the first other character; no digits gives 0. Saturates instead of
// overflowing on absurdly long digit runs.
long ParseToken(const std::wstring& token)
{
    size_t i = 0;
    while (i < token.size() && std::iswspace(token[i]))
        ++i;
    bool negative = false;
    if (i < token.size() && (token[i] == L'+' || token[i] == L'-'))
        negative = token[i++] == L'-';
    long value = 0;
    for (; i < token.size() && token[i] >= L'0' && token[i] <= L'9'; ++i)
        value = value > 100000 ? value : value * 10 + (token[i] - L'0');
    return negative ? -value : value;
}

// The whole string resource, whatever its length; empty when it is missing.
std::wstring ResourceString(HMODULE module, UINT id)
{
    // With a zero buffer size LoadStringW hands out a pointer into the
    // resource itself, so no length limit applies.
    const wchar_t* text = nullptr;
    int length = ::LoadStringW(module, id, reinterpret_cast<LPWSTR>(&text), 0);
    if (length <= 0 || !text)
        return {};
    return std::wstring(text, static_cast<size_t>(length));
}

// Runs fn inside "Groups" and comes back to the section the store was in,
// also when a store call fails: a failed enter would leave the store in
// "Groups" without a key, where later settings writes do not belong.
template <typename Fn>
void InGroupSection(Profile::RegProfile& store, Fn fn)
{
    const std::wstring start = store.Section();
    try {
        store.EnterSection(kSection);
        fn();
        store.LeaveSection();
    } catch (const Profile::RegException&) {
        try {
            store.SetSection(start);
        } catch (const Profile::RegException&) {
            // The section is right even when its key cannot be opened now;
            // the next enter or leave opens keys afresh.
        }
        throw;
    }
}

template <typename Fn>
void ForEachMember(const std::wstring& text, Fn fn)
{
    size_t start = 0;
    for (;;) {
        size_t end = text.find(L';', start);
        std::wstring token = text.substr(start, end == std::wstring::npos ? std::wstring::npos : end - start);
        if (!token.empty()) {
            long n = ParseToken(token);
            if (n >= 1 && n <= kVerbCount)
                fn(static_cast<int>(n));
        }
        if (end == std::wstring::npos)
            break;
        start = end + 1;
    }
}

} // namespace

std::vector<int> MemberNumbers(const std::wstring& text)
{
    std::vector<int> numbers;
    ForEachMember(text, [&](int n) { numbers.push_back(n); });
    return numbers;
}

void AddMembers(const std::wstring& text, MemberFlags& flags)
{
    ForEachMember(text, [&](int n) { flags.set(static_cast<size_t>(n - 1)); });
}

size_t FindChosenMark(const std::wstring& text)
{
    // "-1" followed by a digit is the start of another number ("-15"), which
    // a member list ignores like any negative number; it is no mark.
    for (size_t pos = text.find(kChosenMark); pos != std::wstring::npos; pos = text.find(kChosenMark, pos + 1))
        if (pos + 2 >= text.size() || !std::iswdigit(text[pos + 2]))
            return pos;
    return std::wstring::npos;
}

bool IsChosen(const std::wstring& text)
{
    return FindChosenMark(text) != std::wstring::npos;
}

bool IsTicked(const std::wstring& text)
{
    size_t pos = FindChosenMark(text);
    return pos != std::wstring::npos && pos + 2 == text.size();
}

std::wstring WithChosenMark(const std::wstring& text, bool chosen)
{
    if (chosen) {
        if (IsTicked(text))
            return text;
        // A mark elsewhere (written by hand or by another program) goes, so
        // that the chosen text ends with it, as the groups dialog reads it.
        std::wstring result = IsChosen(text) ? WithChosenMark(text, false) : text;
        if (!result.empty() && result.back() != L';')
            result += L';';
        return result + kChosenMark;
    }
    std::wstring result = text;
    // The rest of the mark's token goes with it: no reader takes it as a
    // number (atoi ends at the mark or reads the mark itself), but left
    // behind, the " 5" of "-1 5" would read as member 5.
    for (size_t pos = FindChosenMark(result); pos != std::wstring::npos; pos = FindChosenMark(result)) {
        size_t end = result.find(L';', pos);
        result.erase(pos, end == std::wstring::npos ? std::wstring::npos : end - pos);
    }
    // A mark that stood between members leaves ";;" behind.
    std::wstring collapsed;
    collapsed.reserve(result.size());
    for (size_t i = 0; i < result.size(); ++i) {
        if (result[i] == L';' && i + 1 < result.size() && result[i + 1] == L';') {
            collapsed += L';';
            ++i;
        } else {
            collapsed += result[i];
        }
    }
    return collapsed == L";" ? std::wstring() : collapsed;
}

std::wstring MembersText(const MemberFlags& members, bool chosen)
{
    std::wstring text;
    for (int n = 1; n <= kVerbCount; ++n)
        if (members.test(static_cast<size_t>(n - 1)))
            text += std::to_wstring(n) + L';';
    if (chosen)
        text += kChosenMark;
    return text;
}

void EnsureVerbGroups(Profile::RegProfile& store, HMODULE resources)
{
    bool unfinished = store.ValueType(kUnfinishedNote).has_value();
    if (!unfinished && store.HasSection(kSection))
        return; // never re-created, even when the user emptied it
    // Until the last list is written the settings key carries a note, so that
    // a start after a failure finishes the store instead of taking it as made.
    store.SetString(kUnfinishedNote, L"1");
    const struct {
        const wchar_t* name;
        UINT stringId;
    } predefined[] = {
        {L"1-1-1", IDS_GROUP_111}, {L"1-1-2", IDS_GROUP_112}, {L"1-2-1", IDS_GROUP_121},
        {L"1-2-2", IDS_GROUP_122}, {L"1-2-3", IDS_GROUP_123},
    };
    InGroupSection(store, [&] {
        // What an earlier attempt wrote stays as it is.
        if (!store.ValueType(L""))
            store.SetString(L"", kChosenMark);
        for (const auto& group : predefined)
            if (!store.ValueType(group.name))
                store.SetString(group.name, ResourceString(resources, group.stringId));
    });
    if (!store.DeleteValue(kUnfinishedNote))
        throw Profile::RegException(Profile::RegException::kCannotSetValue,
                                    std::wstring(L"Key: ") + kUnfinishedNote + L" Value:");
}

std::vector<std::wstring> ListGroups(Profile::RegProfile& store)
{
    std::vector<std::wstring> names;
    store.GetValueNames(names);
    std::vector<std::wstring> groups;
    for (std::wstring& name : names)
        if (!name.empty())
            groups.push_back(std::move(name));
    return groups;
}

std::wstring ReadGroup(Profile::RegProfile& store, const std::wstring& name)
{
    return store.GetString(name, L"");
}

void WriteGroup(Profile::RegProfile& store, const std::wstring& name, const std::wstring& text)
{
    store.SetString(name, text);
}

bool DeleteGroup(Profile::RegProfile& store, const std::wstring& name)
{
    return store.DeleteValue(name);
}

bool IsAllVerbsChosen(Profile::RegProfile& store)
{
    return store.GetString(L"", L"") == kChosenMark;
}

void SetAllVerbsChosen(Profile::RegProfile& store, bool chosen)
{
    store.SetString(L"", chosen ? kChosenMark : L"");
}

void SetGroupChosen(Profile::RegProfile& store, const std::wstring& name, bool chosen)
{
    store.SetString(name, WithChosenMark(store.GetString(name, L""), chosen));
}

MemberFlags ChosenVerbs(Profile::RegProfile& store)
{
    MemberFlags chosen;
    if (IsAllVerbsChosen(store))
        return chosen.set();
    for (const std::wstring& name : ListGroups(store)) {
        std::wstring text = ReadGroup(store, name);
        if (IsChosen(text))
            AddMembers(text, chosen);
    }
    return chosen;
}

std::vector<int> ComputeTestSet(Profile::RegProfile& store)
{
    MemberFlags chosen;
    InGroupSection(store, [&] { chosen = ChosenVerbs(store); });
    std::vector<int> testSet;
    testSet.reserve(chosen.count());
    for (int i = 0; i < kVerbCount; ++i)
        if (chosen.test(static_cast<size_t>(i)))
            testSet.push_back(i);
    return testSet;
}

} // namespace VerbGroups
