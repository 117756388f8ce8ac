// The shipped verb table: the resource built into the program reads back as
// data/resources/verbs.txt, and the predefined groups fit the table's forms.
#include "DataTestSupport.h"
#include "data/AnswerCheck.h"
#include "data/VerbResourceFormat.h"
#include "data/VerbTableReader.h"
#include "framework/Text.h"
#include "resources/resource.h"
#include "TestUtil.h"
#include <gtest/gtest.h>
#include <windows.h>
#include <algorithm>
#include <array>
#include <functional>
#include <iterator>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#ifndef VERBS_SOURCE_DIR
#error VERBS_SOURCE_DIR must name the source folder
#endif

namespace {

using datatest::DataModule;

// A source path as the test process must open it. A cross build knows the
// Unix path; under Wine the file system root is drive Z:.
std::wstring SourcePath(const std::wstring& relative)
{
    std::string dir = VERBS_SOURCE_DIR;
    std::wstring path(dir.begin(), dir.end());
    if (!path.empty() && path[0] == L'/')
        path = L"Z:" + path;
    path += L"/" + relative;
    std::replace(path.begin(), path.end(), L'/', L'\\');
    return path;
}

std::wstring FromUtf8(const std::string& text)
{
    if (text.empty())
        return {};
    int n = ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(n), L'\0');
    ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), static_cast<int>(text.size()), wide.data(), n);
    return wide;
}

std::string Trim(const std::string& text)
{
    size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

struct SourceVerb {
    int line = 0;
    std::vector<std::wstring> fields; // infinitive, past tense, past participle, translation
};

// The data lines of a source file: "infinitive | past | participle | ...",
// '#' comments and blank lines skipped.
std::vector<SourceVerb> ReadVerbSource(const wchar_t* file = L"data/resources/verbs.txt")
{
    std::string text = testutil::ReadFileBytes(SourcePath(file));
    if (text.compare(0, 3, "\xEF\xBB\xBF") == 0)
        text.erase(0, 3);
    std::vector<SourceVerb> verbs;
    int lineNumber = 0;
    for (size_t start = 0; start < text.size();) {
        size_t end = text.find('\n', start);
        std::string line = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        start = end == std::string::npos ? text.size() : end + 1;
        ++lineNumber;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        line = Trim(line);
        if (line.empty() || line[0] == '#')
            continue;
        SourceVerb verb;
        verb.line = lineNumber;
        for (size_t from = 0;;) {
            size_t bar = line.find('|', from);
            verb.fields.push_back(FromUtf8(Trim(line.substr(from, bar == std::string::npos ? bar : bar - from))));
            if (bar == std::string::npos)
                break;
            from = bar + 1;
        }
        verbs.push_back(verb);
    }
    return verbs;
}

void ExpectTableEqualsSource(const VerbTable& table, const std::vector<SourceVerb>& source)
{
    ASSERT_EQ(source.size(), table.size());
    for (size_t i = 0; i < source.size(); ++i) {
        SCOPED_TRACE("verb " + std::to_string(i + 1) + ", verbs.txt line " + std::to_string(source[i].line));
        ASSERT_EQ(source[i].fields.size(), 4u);
        datatest::ExpectRecord(table[i], source[i].fields[0], source[i].fields[1], source[i].fields[2],
                               source[i].fields[3]);
    }

    // The forms also accepted: those of also_accepted.txt ("-" for none) on
    // their verbs, nothing on the others.
    std::map<std::wstring, std::pair<std::wstring, std::wstring>> also;
    for (const SourceVerb& line : ReadVerbSource(L"data/resources/also_accepted.txt")) {
        ASSERT_EQ(line.fields.size(), 3u) << "also_accepted.txt line " << line.line;
        auto form = [](const std::wstring& field) { return field == L"-" ? std::wstring() : field; };
        also[line.fields[0]] = {form(line.fields[1]), form(line.fields[2])};
    }
    ASSERT_FALSE(also.empty()) << "also_accepted.txt not found";
    size_t withForms = 0;
    for (const VerbRecord& verb : table) {
        auto found = also.find(verb.infinitive);
        EXPECT_EQ(verb.alsoPastTense, found == also.end() ? L"" : found->second.first) << ::testing::PrintToString(verb.infinitive);
        EXPECT_EQ(verb.alsoPastParticiple, found == also.end() ? L"" : found->second.second)
            << ::testing::PrintToString(verb.infinitive);
        withForms += found != also.end();
    }
    EXPECT_EQ(withForms, also.size()) << "a line of also_accepted.txt names no verb";
}

TEST(VerbTable, ProgramResourceReadsBackAsTheSourceFile)
{
    std::vector<SourceVerb> source = ReadVerbSource();
    ASSERT_EQ(source.size(), 294u) << "verbs.txt not found or not complete";

    DataModule program(L"verbs.exe");
    ASSERT_NE(program.Get(), nullptr) << "verbs.exe not beside the test";
    auto table = std::make_unique<VerbTable>();
    LoadVerbTable(*table, program.Get());
    ExpectTableEqualsSource(*table, source);

    // The test executable links the same resources.
    auto own = std::make_unique<VerbTable>();
    LoadVerbTable(*own, ::GetModuleHandleW(nullptr));
    ExpectTableEqualsSource(*own, source);
}

TEST(VerbTable, ProgramResourceIsRussianAndEndsWithTheLastSeparator)
{
    DataModule program(L"verbs.exe");
    ASSERT_NE(program.Get(), nullptr);
    HRSRC info = ::FindResourceExW(program.Get(), VerbResource::kTypeNameW, MAKEINTRESOURCEW(IDR_VERB_TABLE),
                                   MAKELANGID(LANG_RUSSIAN, SUBLANG_DEFAULT));
    ASSERT_NE(info, nullptr);
    const auto* data = static_cast<const unsigned char*>(::LockResource(::LoadResource(program.Get(), info)));
    DWORD size = ::SizeofResource(program.Get(), info);
    ASSERT_NE(data, nullptr);
    ASSERT_GT(size, 0u);
    // 1176 fields, none longer than the reader keeps, and nothing after the
    // last separator.
    size_t separators = 0, fieldLength = 0, longest = 0;
    for (DWORD i = 0; i < size; ++i) {
        if (data[i] == VerbResource::kSeparator) {
            ++separators;
            longest = std::max(longest, fieldLength);
            fieldLength = 0;
        } else {
            ++fieldLength;
        }
    }
    EXPECT_EQ(separators, 294u * 4u);
    EXPECT_LE(longest, VerbResource::kMaxFieldBytes);
    EXPECT_EQ(data[size - 1], VerbResource::kSeparator);
}

// ---- The predefined groups against the table ------------------------------

struct Pattern {
    const wchar_t* group;
    UINT stringId;
    size_t members;
    std::function<bool(const std::wstring&, const std::wstring&, const std::wstring&)> fits;
};

const Pattern kPatterns[] = {
    {L"1-1-1", IDS_GROUP_111, 43, [](auto& a, auto& b, auto& c) { return a == b && b == c; }},
    {L"1-1-2", IDS_GROUP_112, 2, [](auto& a, auto& b, auto& c) { return a == b && c != a; }},
    {L"1-2-1", IDS_GROUP_121, 7, [](auto& a, auto& b, auto& c) { return a == c && b != a; }},
    {L"1-2-2", IDS_GROUP_122, 176, [](auto& a, auto& b, auto& c) { return b == c && a != b; }},
    {L"1-2-3", IDS_GROUP_123, 111, [](auto& a, auto& b, auto& c) { return a != b && b != c && a != c; }},
};

// "read": one spelling for all three forms, but the past forms are said
// differently, so the verb stands in 1-2-2 by pronunciation only.
constexpr int kReadVerb = 172;
const wchar_t* const kReadVerbGroup = L"1-2-2";

// The variants of a form written "A; B".
std::vector<std::wstring> Variants(const std::wstring& form)
{
    std::vector<std::wstring> variants;
    for (size_t start = 0;;) {
        size_t semi = form.find(L';', start);
        std::wstring variant = form.substr(start, semi == std::wstring::npos ? semi : semi - start);
        size_t first = variant.find_first_not_of(L' ');
        variants.push_back(first == std::wstring::npos ? std::wstring()
                                                       : variant.substr(first, variant.find_last_not_of(L' ') - first + 1));
        if (semi == std::wstring::npos)
            return variants;
        start = semi + 1;
    }
}

// Some choice of one variant per form satisfies the pattern.
bool Fits(const Pattern& pattern, const VerbRecord& verb)
{
    for (const std::wstring& a : Variants(verb.infinitive))
        for (const std::wstring& b : Variants(verb.pastTense))
            for (const std::wstring& c : Variants(verb.pastParticiple))
                if (pattern.fits(a, b, c))
                    return true;
    return false;
}

// The patterns of the variants paired in order: the n-th past tense with the
// n-th participle, a form with fewer variants repeating its last one. So
// "learned; learnt | learned; learnt" makes 1-2-2 only (a learner who mixes
// the two is still right, but that does not make the verb one of 1-2-3),
// while "dived; dove | dived" makes 1-2-2 and 1-2-3.
std::set<std::wstring> PairedPatterns(const VerbRecord& verb)
{
    const std::vector<std::wstring> past = Variants(verb.pastTense), participle = Variants(verb.pastParticiple);
    std::set<std::wstring> made;
    for (size_t i = 0; i < std::max(past.size(), participle.size()); ++i) {
        const std::wstring& a = past[std::min(i, past.size() - 1)];
        const std::wstring& b = participle[std::min(i, participle.size() - 1)];
        for (const Pattern& pattern : kPatterns)
            if (pattern.fits(verb.infinitive, a, b))
                made.insert(pattern.group);
    }
    return made;
}

// A stored list in canonical form: "n;" for each member, nothing else.
std::vector<int> ParseCanonicalList(const std::wstring& text, bool& canonical)
{
    std::vector<int> numbers;
    canonical = !text.empty() && text.back() == L';';
    for (size_t start = 0; start < text.size();) {
        size_t semi = text.find(L';', start);
        std::wstring token = text.substr(start, semi == std::wstring::npos ? semi : semi - start);
        start = semi == std::wstring::npos ? text.size() : semi + 1;
        if (token.empty() || token.find_first_not_of(L"0123456789") != std::wstring::npos || token[0] == L'0') {
            canonical = false;
            continue;
        }
        numbers.push_back(std::stoi(token));
    }
    return numbers;
}

TEST(VerbTable, EveryMemberOfThePredefinedGroupsHasItsPattern)
{
    auto table = std::make_unique<VerbTable>();
    LoadVerbTable(*table, ::GetModuleHandleW(nullptr));
    ASSERT_FALSE((*table)[293].translation.empty()) << "verb table not loaded";

    std::map<int, std::set<std::wstring>> groupsOfVerb;
    for (const Pattern& pattern : kPatterns) {
        SCOPED_TRACE(pattern.group);
        bool canonical = false;
        std::vector<int> members = ParseCanonicalList(fw::LoadResString(pattern.stringId), canonical);
        EXPECT_TRUE(canonical);
        EXPECT_EQ(members.size(), pattern.members);
        EXPECT_TRUE(std::is_sorted(members.begin(), members.end()));
        EXPECT_EQ(std::adjacent_find(members.begin(), members.end()), members.end()) << "repeated number";
        for (int n : members) {
            ASSERT_TRUE(n >= 1 && n <= kVerbCount) << n;
            groupsOfVerb[n].insert(pattern.group);
            if (n == kReadVerb && std::wstring(pattern.group) == kReadVerbGroup)
                continue;
            const VerbRecord& verb = (*table)[static_cast<size_t>(n - 1)];
            EXPECT_TRUE(Fits(pattern, verb)) << "verb " << n << ": " << ::testing::PrintToString(verb.infinitive)
                                             << " " << ::testing::PrintToString(verb.pastTense) << " "
                                             << ::testing::PrintToString(verb.pastParticiple);
        }
    }

    // Together the lists cover the table; 45 verbs stand in two, none in three.
    std::vector<int> inTwo;
    for (int n = 1; n <= kVerbCount; ++n) {
        EXPECT_GE(groupsOfVerb[n].size(), 1u) << "verb " << n << " is in no predefined group";
        EXPECT_LE(groupsOfVerb[n].size(), 2u) << "verb " << n;
        if (groupsOfVerb[n].size() == 2)
            inTwo.push_back(n);
    }
    EXPECT_EQ(inTwo.size(), 45u);

    // The variants paired in order make exactly the patterns of the verb's
    // groups: a variant that made another pattern would put the verb where
    // its group tabs do not show it, and one a group needs must pair up with
    // the right partner, not just stand somewhere in the record.
    for (int n = 1; n <= kVerbCount; ++n) {
        const VerbRecord& verb = (*table)[static_cast<size_t>(n - 1)];
        std::set<std::wstring> expected = groupsOfVerb[n];
        if (n == kReadVerb)
            expected.erase(kReadVerbGroup);
        EXPECT_EQ(PairedPatterns(verb), expected)
            << "verb " << n << ": " << ::testing::PrintToString(verb.infinitive) << " | "
            << ::testing::PrintToString(verb.pastTense) << " | " << ::testing::PrintToString(verb.pastParticiple);
    }
}

// ---- What a learner may type ------------------------------------------------

// Every stored form is one word or words written "A; B", so that the answer
// check takes each variant whole: no empty variant, no stray blank or ";"
// in one, and the list itself is never an answer.
TEST(VerbTable, EveryStoredVariantIsAnAnswerTheCheckAccepts)
{
    DataModule program(L"verbs.exe");
    ASSERT_NE(program.Get(), nullptr) << "verbs.exe not beside the test";
    auto table = std::make_unique<VerbTable>();
    LoadVerbTable(*table, program.Get());
    for (int n = 1; n <= kVerbCount; ++n) {
        const VerbRecord& verb = (*table)[static_cast<size_t>(n - 1)];
        EXPECT_EQ(verb.infinitive.find(L';'), std::wstring::npos) << "verb " << n;
        for (const std::wstring* form : {&verb.pastTense, &verb.pastParticiple}) {
            SCOPED_TRACE("verb " + std::to_string(n) + " " + ::testing::PrintToString(*form));
            std::vector<std::wstring> variants;
            for (size_t start = 0;;) {
                size_t end = form->find(L"; ", start);
                variants.push_back(form->substr(start, end == std::wstring::npos ? end : end - start));
                if (end == std::wstring::npos)
                    break;
                start = end + 2;
            }
            for (const std::wstring& variant : variants) {
                EXPECT_FALSE(variant.empty());
                EXPECT_EQ(variant.find_first_of(L"; "), std::wstring::npos) << ::testing::PrintToString(variant);
                EXPECT_TRUE(IsAnswerCorrect(variant, *form)) << ::testing::PrintToString(variant);
            }
            if (variants.size() > 1) {
                EXPECT_FALSE(IsAnswerCorrect(*form, *form));
            }
        }
    }
}

// Standard forms of current British or American English that the table once
// refused, and obsolete ones it no longer takes.
struct LearnerAnswers {
    int number;
    const wchar_t* infinitive;
    std::vector<std::wstring> accepted; // as the past tense and as the participle
    std::vector<std::wstring> refused;
};

const LearnerAnswers kLearnerAnswers[] = {
    {1, L"abide", {L"abided", L"abode"}, {}},
    {16, L"bereave", {L"bereaved", L"bereft"}, {}},
    {17, L"beseech", {L"beseeched", L"besought"}, {}},
    {36, L"burn", {L"burned", L"burnt"}, {}},
    {43, L"chide", {L"chided", L"chid"}, {}},
    {45, L"cleave", {L"cleaved", L"cleft"}, {}},
    {59, L"dream", {L"dreamed", L"dreamt"}, {}},
    {62, L"dwell", {L"dwelled", L"dwelt"}, {}},
    {71, L"floodlight", {L"floodlighted", L"floodlit"}, {}},
    {85, L"gild", {L"gilded", L"gilt"}, {}},
    {86, L"gird", {L"girded", L"girt"}, {}},
    {93, L"hang", {L"hanged", L"hung"}, {}},
    {96, L"heave", {L"heaved", L"hove"}, {}},
    {108, L"kneel", {L"kneeled", L"knelt"}, {}},
    {114, L"lean", {L"leaned", L"leant"}, {}},
    {115, L"leap", {L"leaped", L"leapt"}, {}},
    {116, L"learn", {L"learned", L"learnt"}, {}},
    {121, L"light", {L"lighted", L"lit"}, {}},
    {135, L"misspell", {L"misspelled", L"misspelt"}, {}},
    {147, L"outshine", {L"outshined", L"outshone"}, {}},
    {167, L"plead", {L"pleaded", L"pled"}, {}},
    {206, L"shine", {L"shined", L"shone"}, {}},
    {207, L"shoe", {L"shoed", L"shod"}, {}},
    {223, L"smell", {L"smelled", L"smelt"}, {}},
    {227, L"speed", {L"speeded", L"sped"}, {}},
    {228, L"spell", {L"spelled", L"spelt"}, {}},
    {230, L"spill", {L"spilled", L"spilt"}, {}},
    {234, L"spoil", {L"spoiled", L"spoilt"}, {}},
    {235, L"spotlight", {L"spotlighted", L"spotlit"}, {}},
    {238, L"stave", {L"staved", L"stove"}, {}},
    // "staid" is an adjective today.
    {239, L"stay", {L"stayed"}, {L"staid"}},
    {292, L"work", {L"worked", L"wrought"}, {}},
    // "gotten" would add the pattern 1-2-3 to a verb of 1-2-2 only: not a
    // form of the table, but one of those also accepted (below).
    {84, L"get", {L"got"}, {L"gotten"}},
};

TEST(VerbTable, StandardFormsALearnerTypesAreAccepted)
{
    DataModule program(L"verbs.exe");
    ASSERT_NE(program.Get(), nullptr) << "verbs.exe not beside the test";
    auto table = std::make_unique<VerbTable>();
    LoadVerbTable(*table, program.Get());
    for (const LearnerAnswers& answers : kLearnerAnswers) {
        const VerbRecord& verb = (*table)[static_cast<size_t>(answers.number - 1)];
        ASSERT_EQ(verb.infinitive, answers.infinitive) << "verb " << answers.number;
        for (const std::wstring& typed : answers.accepted) {
            EXPECT_TRUE(IsAnswerCorrect(typed, verb.pastTense)) << ::testing::PrintToString(typed) << " as the past of "
                                                                << ::testing::PrintToString(verb.infinitive);
            EXPECT_TRUE(IsAnswerCorrect(typed, verb.pastParticiple))
                << ::testing::PrintToString(typed) << " as the participle of " << ::testing::PrintToString(verb.infinitive);
        }
        for (const std::wstring& typed : answers.refused) {
            EXPECT_FALSE(IsAnswerCorrect(typed, verb.pastTense))
                << ::testing::PrintToString(typed) << " as the past of " << ::testing::PrintToString(verb.infinitive);
            EXPECT_FALSE(IsAnswerCorrect(typed, verb.pastParticiple))
                << ::testing::PrintToString(typed) << " as the participle of " << ::testing::PrintToString(verb.infinitive);
        }
    }
}

// Standard forms that the table cannot list without changing the patterns of
// its verbs, which a test takes all the same.
struct AlsoAccepted {
    int number;
    const wchar_t* infinitive;
    const wchar_t* pastTense;      // null: nothing more for the past tense
    const wchar_t* pastParticiple; // null: nothing more for the participle
};

const AlsoAccepted kAlsoAccepted[] = {
    {5, L"backslide", nullptr, L"backslidden"},
    {8, L"beat", nullptr, L"beat"},
    {11, L"beget", nullptr, L"begot"},
    {28, L"bless", L"blest", nullptr},
    {33, L"broadcast", L"broadcasted", L"broadcasted"},
    {74, L"forbid", L"forbad", nullptr},
    {84, L"get", nullptr, L"gotten"},
    {104, L"inset", L"insetted", L"insetted"},
    {105, L"interweave", L"interweaved", L"interweaved"},
    {192, L"rive", nullptr, L"rived"},
    {210, L"shred", L"shred", L"shred"},
    {215, L"sink", L"sunk", nullptr},
    {217, L"slay", L"slayed", nullptr},
    {224, L"smite", nullptr, L"smote"},
    {246, L"strike", nullptr, L"stricken"},
    {248, L"strive", L"strived", L"strived"},
};

TEST(VerbTable, FormsAlsoAcceptedCountForTheirVerbAndFormOnly)
{
    DataModule program(L"verbs.exe");
    ASSERT_NE(program.Get(), nullptr) << "verbs.exe not beside the test";
    auto table = std::make_unique<VerbTable>();
    LoadVerbTable(*table, program.Get());
    auto name = [](VerbForm form) { return form == VerbForm::PastTense ? " as the past of " : " as the participle of "; };
    size_t withForms = 0;
    for (const VerbRecord& verb : *table)
        withForms += !verb.alsoPastTense.empty() || !verb.alsoPastParticiple.empty();
    EXPECT_EQ(withForms, std::size(kAlsoAccepted)) << "also_accepted.txt and this list differ";

    for (const AlsoAccepted& also : kAlsoAccepted) {
        const VerbRecord& verb = (*table)[static_cast<size_t>(also.number - 1)];
        ASSERT_EQ(verb.infinitive, also.infinitive) << "verb " << also.number;
        // Another verb, the next one, never takes them.
        const VerbRecord& other = (*table)[static_cast<size_t>(also.number % kVerbCount)];
        const std::pair<VerbForm, const wchar_t*> forms[] = {{VerbForm::PastTense, also.pastTense},
                                                             {VerbForm::PastParticiple, also.pastParticiple}};
        for (const auto& [form, typed] : forms) {
            if (!typed)
                continue;
            const VerbForm otherForm = form == VerbForm::PastTense ? VerbForm::PastParticiple : VerbForm::PastTense;
            const wchar_t* listedForOther = form == VerbForm::PastTense ? also.pastParticiple : also.pastTense;
            const std::wstring& tableOther = form == VerbForm::PastTense ? verb.pastParticiple : verb.pastTense;
            SCOPED_TRACE(::testing::PrintToString(std::wstring(typed)) + name(form) + ::testing::PrintToString(verb.infinitive));
            EXPECT_EQ(MatchAnswer(verb, form, typed), AnswerMatch::AlsoAccepted);
            EXPECT_TRUE(IsAnswerAccepted(verb, form, typed));
            EXPECT_FALSE(IsAnswerCorrect(typed, form == VerbForm::PastTense ? verb.pastTense : verb.pastParticiple))
                << "a form of the table itself";
            // The other form takes it only where it is listed there too, or
            // where the table has it ("sunk" is the participle of sink).
            if (!listedForOther || std::wstring(listedForOther) != typed) {
                EXPECT_EQ(MatchAnswer(verb, otherForm, typed),
                          IsAnswerCorrect(typed, tableOther) ? AnswerMatch::TableForm : AnswerMatch::Wrong)
                    << "taken for the other form";
            }
            EXPECT_EQ(MatchAnswer(other, form, typed), AnswerMatch::Wrong) << "taken for " << ::testing::PrintToString(other.infinitive);
            EXPECT_EQ(MatchAnswer(other, otherForm, typed), AnswerMatch::Wrong) << "taken for " << ::testing::PrintToString(other.infinitive);
        }
    }
}

// A translation gives no answer away: it holds none of the forms a test asks
// for, as a whole word, not even one only also accepted.
TEST(VerbTable, NoTranslationNamesAFormItsVerbIsAskedFor)
{
    DataModule program(L"verbs.exe");
    ASSERT_NE(program.Get(), nullptr) << "verbs.exe not beside the test";
    auto table = std::make_unique<VerbTable>();
    LoadVerbTable(*table, program.Get());
    auto latin = [](wchar_t c) { return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z'); };
    size_t englishWords = 0;
    for (const VerbRecord& verb : *table) {
        std::vector<std::wstring> words;
        for (size_t start = 0; start < verb.translation.size();) {
            while (start < verb.translation.size() && !latin(verb.translation[start]))
                ++start;
            size_t end = start;
            while (end < verb.translation.size() && latin(verb.translation[end]))
                ++end;
            if (end > start)
                words.push_back(verb.translation.substr(start, end - start));
            start = end;
        }
        englishWords += words.size();
        for (const std::wstring& word : words) {
            for (VerbForm form : {VerbForm::PastTense, VerbForm::PastParticiple})
                EXPECT_FALSE(IsAnswerAccepted(verb, form, word))
                    << ::testing::PrintToString(verb.translation) << " names " << ::testing::PrintToString(word);
        }
    }
    // Some translations do hold English ("stave off"): hints, never forms.
    EXPECT_GT(englishWords, 0u) << "the check saw no English word at all";
}

} // namespace
