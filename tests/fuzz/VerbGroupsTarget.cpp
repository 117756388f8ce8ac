// The member-list reader of the verb groups: any text in the place of a
// group's stored value. Each byte of the input stands for one character:
// ASCII as it is, the upper half for characters a list may meet in the
// registry (other blanks, digits and minus signs of other scripts, surrogate
// halves). What is checked:
// - the members are the tokens between ";" read like atoi (blanks, sign,
//   ASCII digits) that lie in 1..294, in order, and the flags are the same;
// - the mark and its two readings agree (a tick is a mark that ends the text);
// - setting the mark makes the group ticked (a ticked text stays as it is,
//   a mark elsewhere moves to the end), and clearing it makes it unchosen;
//   neither changes the members;
// - the canonical text of any members reads back as those members.
#include "FuzzSupport.h"
#include "FuzzTarget.h"
#include "data/VerbGroups.h"
#include "resources/resource.h"
#include <algorithm>
#include <cwctype>
#include <set>

namespace fuzz {

namespace {

const wchar_t kUpperHalf[] = {
    0x00A0, 0x3000, 0x2007, 0x2002, 0x0085, 0x2028, 0x200B, 0xFEFF, // blanks and near-blanks
    0xFF10, 0xFF11, 0xFF15, 0xFF19, 0x0660, 0x0661, 0x0665, 0x06F1, // digits of other scripts
    0x00B9, 0x00B2, 0x2081, 0x2212, 0xFE63, 0xFF0D, 0x2010, 0xFF0B, // superscripts, minus and plus signs
    0xFF1B, 0x037E, 0xFE54, 0xD800, 0xDC00, 0xDBFF, 0xDFFF, 0xFFFF, // semicolons, surrogate halves
};

std::wstring TextOf(const std::string& input)
{
    std::wstring text;
    text.reserve(input.size());
    for (char c : input) {
        unsigned char b = static_cast<unsigned char>(c);
        if (b < 0x80)
            text += static_cast<wchar_t>(b);
        else if (b - 0x80u < sizeof kUpperHalf / sizeof kUpperHalf[0])
            text += kUpperHalf[b - 0x80];
        else
            text += static_cast<wchar_t>(0x0410 + (b & 0x1F)); // Cyrillic letters
    }
    return text;
}

// A token read like atoi; saturated well above the last verb number.
long Number(const std::wstring& token)
{
    size_t i = 0;
    while (i < token.size() && std::iswspace(token[i]))
        ++i;
    long sign = 1;
    if (i < token.size() && (token[i] == L'-' || token[i] == L'+'))
        sign = token[i++] == L'-' ? -1 : 1;
    long value = 0;
    for (; i < token.size() && token[i] >= L'0' && token[i] <= L'9'; ++i)
        value = std::min(value * 10 + (token[i] - L'0'), 1000000L);
    return sign * value;
}

std::vector<int> Members(const std::wstring& text)
{
    std::vector<int> members;
    std::wstring token;
    for (size_t i = 0; i <= text.size(); ++i) {
        if (i < text.size() && text[i] != L';') {
            token += text[i];
            continue;
        }
        long n = token.empty() ? 0 : Number(token);
        if (n >= 1 && n <= kVerbCount)
            members.push_back(static_cast<int>(n));
        token.clear();
    }
    return members;
}

std::set<int> MemberSet(const std::wstring& text)
{
    std::vector<int> members = Members(text);
    return std::set<int>(members.begin(), members.end());
}

bool EndsWithMark(const std::wstring& text)
{
    return text.size() >= 2 && text.compare(text.size() - 2, 2, L"-1") == 0;
}

class VerbGroupsTarget : public FuzzTarget {
public:
    const char* Name() const override { return "verb_groups"; }

    bool Prepare(std::string& problem) override
    {
        seeds_ = {"8;34;-1", "5;-1;7;", "", "-1", "007;0;295;-5;abc;;", "13;-15;-1", " 12 ;+7;\t9;"};
        ResourceModule program(ProgramFolder() + L"\\verbs.exe");
        for (UINT id = IDS_GROUP_111; id <= IDS_GROUP_123; ++id) {
            const wchar_t* text = nullptr;
            int length = program.get() ? ::LoadStringW(program.get(), id, reinterpret_cast<LPWSTR>(&text), 0) : 0;
            if (length <= 0 || !text) {
                problem = "verbs.exe holds no predefined group " + std::to_string(id);
                return false;
            }
            seeds_.emplace_back(text, text + length); // ASCII digits and ";"
        }
        dictionary_ = {";", "-1", "-1;", ";-1", "294;", "295;", "0;", "007;", " ", "\t", "+", "-", "99999999999;",
                       "\x80", "\x81", "\x88", "\x93", "\x98"};
        maxSize_ = 4096;
        return true;
    }

    std::string Check(const std::string& input) override
    {
        using namespace VerbGroups;
        const std::wstring text = TextOf(input);
        const std::vector<int> members = Members(text);
        if (MemberNumbers(text) != members)
            return "the members of " + Shown(text) + " are read wrong";
        MemberFlags flags;
        AddMembers(text, flags);
        const std::set<int> set(members.begin(), members.end());
        for (int n = 1; n <= kVerbCount; ++n)
            if (flags.test(static_cast<size_t>(n - 1)) != (set.count(n) != 0))
                return "the member flags of " + Shown(text) + " differ from its members at " + std::to_string(n);

        const bool chosen = IsChosen(text);
        const bool ticked = IsTicked(text);
        if (chosen != (FindChosenMark(text) != std::wstring::npos) || (chosen && text.find(L"-1") == std::wstring::npos))
            return "the mark of " + Shown(text) + " is found where there is none";
        if (ticked && (!chosen || !EndsWithMark(text)))
            return Shown(text) + " is ticked without its mark at the end";

        const std::wstring set1 = WithChosenMark(text, true);
        if (!IsChosen(set1) || !IsTicked(set1) || (ticked && set1 != text))
            return "setting the mark of " + Shown(text) + " gives " + Shown(set1);
        if (MemberSet(set1) != set)
            return "setting the mark of " + Shown(text) + " changes its members: " + Shown(set1);
        const std::wstring cleared = WithChosenMark(text, false);
        if (IsChosen(cleared))
            return "clearing the mark of " + Shown(text) + " leaves it chosen: " + Shown(cleared);
        if (MemberSet(cleared) != set)
            return "clearing the mark of " + Shown(text) + " changes its members: " + Shown(cleared);

        const std::wstring canonical = MembersText(flags, chosen);
        const std::vector<int> again = Members(canonical);
        if (std::set<int>(again.begin(), again.end()) != set || again.size() != set.size() ||
            IsTicked(canonical) != chosen)
            return "the canonical text of " + Shown(text) + " reads back otherwise: " + Shown(canonical);
        return {};
    }
};

} // namespace

std::unique_ptr<FuzzTarget> MakeVerbGroupsTarget()
{
    return std::make_unique<VerbGroupsTarget>();
}

} // namespace fuzz
