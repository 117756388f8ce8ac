// The verb-table reader against resources built into test modules (one
// module per case, written by tests/data_module/VerbCaseWriter.cpp), and a
// few byte runs given to it directly.
#include "DataTestSupport.h"
#include "data/VerbResourceFormat.h"
#include "data/VerbTableReader.h"
#include <gtest/gtest.h>
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace {

using datatest::DataModule;
using datatest::ExpectRecord;
using datatest::IsEmpty;

// The table with records behind it, so that a reader writing past the
// table's end is seen instead of silently corrupting memory.
struct GuardedTable {
    VerbTable table;
    std::array<VerbRecord, 8> after;
};

class VerbReader : public ::testing::Test {
protected:
    // Loads the table from the test module of the case.
    VerbTable& Load(const std::wstring& caseName)
    {
        DataModule module(L"verbcase_" + caseName + L".dll");
        EXPECT_NE(module.Get(), nullptr) << "test module of " << ::testing::PrintToString(caseName) << " missing";
        if (module.Get())
            LoadVerbTable(guarded_->table, module.Get());
        for (const VerbRecord& record : guarded_->after)
            EXPECT_TRUE(IsEmpty(record)) << "written past the table";
        return guarded_->table;
    }

    // Records from index first on are untouched.
    void ExpectEmptyFrom(size_t first)
    {
        for (size_t i = first; i < guarded_->table.size(); ++i)
            ASSERT_TRUE(IsEmpty(guarded_->table[i])) << "record " << i;
    }

    std::unique_ptr<GuardedTable> guarded_ = std::make_unique<GuardedTable>();
};

// n letters a, b, c, ... z, a, ... as the case writer makes them.
std::wstring Letters(size_t n)
{
    std::wstring text;
    for (size_t i = 0; i < n; ++i)
        text += static_cast<wchar_t>(L'a' + i % 26);
    return text;
}

TEST_F(VerbReader, UnderscoresAndStoredBlanksBothReadAsBlanks)
{
    VerbTable& table = Load(L"underscore");
    ExpectRecord(table[0], L"look after", L"looked after", L"looked after", L"присматривать за");
    ExpectRecord(table[1], L"give up", L"gave up", L"given up", L"сдаваться");
    ExpectEmptyFrom(2);
}

TEST_F(VerbReader, TranslationIsReadFromDosCyrillicAndEnglishFormsAsStored)
{
    VerbTable& table = Load(L"codepages");
    // The first infinitive holds the Windows Cyrillic bytes of "идти"; read
    // as code page 866 they would be "шфтш".
    ExpectRecord(table[0], L"идти", L"went", L"gone", L"идти, ёж");
    ExpectRecord(table[1], L"a", L"b", L"c", L"АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ");
    ExpectRecord(table[2], L"d", L"e", L"f", L"абвгдеёжзийклмнопрстуфхцчшщъыьэюя");
    ExpectRecord(table[3], L"g", L"h", L"i", L"(устар.) 1-2, \"x\"; y!");
    ExpectEmptyFrom(4);
}

TEST_F(VerbReader, EmptyFieldsLeaveTheirSlotToTheNextField)
{
    VerbTable& table = Load(L"empty_fields");
    // go, (empty), went, gone, идти: the empty past tense shifts the record.
    ExpectRecord(table[0], L"go", L"went", L"gone", L"идти");
    // An empty translation still completes its record.
    ExpectRecord(table[1], L"be", L"was", L"been", L"");
    // An empty infinitive: the next field becomes the infinitive.
    ExpectRecord(table[2], L"do", L"did", L"done", L"делать");
    ExpectRecord(table[3], L"see", L"saw", L"seen", L"видеть");
    ExpectEmptyFrom(4);
}

TEST_F(VerbReader, BytesAfterTheLastSeparatorAreIgnored)
{
    VerbTable& table = Load(L"trailing");
    ExpectRecord(table[0], L"go", L"went", L"gone", L"идти");
    ExpectEmptyFrom(1);
}

TEST_F(VerbReader, FieldWithoutFinalSeparatorIsLost)
{
    VerbTable& table = Load(L"unterminated");
    ExpectRecord(table[0], L"go", L"went", L"gone", L"идти");
    ExpectRecord(table[1], L"be", L"was", L"been", L"");
    ExpectEmptyFrom(2);
}

TEST_F(VerbReader, LongFieldsAreCutAt51Bytes)
{
    VerbTable& table = Load(L"long_fields");
    // Fields of 51, 52 and 1000 bytes and a translation of 60 letters.
    ExpectRecord(table[0], Letters(51), Letters(51), Letters(51), std::wstring(51, L'ж'));
    // The rest of a long field is dropped, not carried into the next one.
    ExpectRecord(table[1], L"go", L"went", L"gone", L"идти");
    ExpectEmptyFrom(2);
}

TEST_F(VerbReader, RecordsBeyondTheTableAreIgnored)
{
    VerbTable& table = Load(L"over_294"); // 300 records
    for (size_t i = 0; i < table.size(); ++i) {
        std::wstring n = std::to_wstring(i + 1);
        SCOPED_TRACE(i);
        ExpectRecord(table[i], L"inf" + n, L"past" + n, L"part" + n, L"перевод " + n);
        if (::testing::Test::HasFailure())
            break;
    }
}

TEST_F(VerbReader, NoTableResourceLeavesTheTableAsItWas)
{
    // One module holds a well-formed table under identifier 155, the other an
    // empty resource 154.
    for (const wchar_t* caseName : {L"other_id", L"empty"}) {
        SCOPED_TRACE(::testing::PrintToString(std::wstring(caseName)));
        guarded_ = std::make_unique<GuardedTable>();
        Load(caseName);
        ExpectEmptyFrom(0);

        guarded_ = std::make_unique<GuardedTable>();
        VerbTable& table = guarded_->table;
        table[0] = VerbRecord{L"a", L"b", L"c", L"d"};
        table[293] = VerbRecord{L"e", L"f", L"g", L"h"};
        Load(caseName);
        ExpectRecord(table[0], L"a", L"b", L"c", L"d");
        ExpectRecord(table[293], L"e", L"f", L"g", L"h");
    }
}

// ---- Byte runs given to the reader directly -------------------------------

std::vector<std::uint8_t> Fields(const std::vector<std::string>& plainFields)
{
    std::vector<std::uint8_t> bytes;
    for (const std::string& field : plainFields) {
        for (char c : field)
            bytes.push_back(static_cast<std::uint8_t>(static_cast<std::uint8_t>(c) ^ VerbResource::kKey));
        bytes.push_back(VerbResource::kSeparator);
    }
    return bytes;
}

TEST(VerbReaderBytes, TextOfAFieldEndsAtAZeroByte)
{
    // The reader holds a field as zero-terminated text: a zero byte ends the
    // text, and a field that starts with one is empty, so its slot stays open.
    auto table = std::make_unique<VerbTable>();
    std::vector<std::uint8_t> bytes =
        Fields({"go", std::string("\0went", 5), "went", std::string("gone\0xx", 7), "\xA8\xA4\xE2\xA8"});
    FillVerbTable(bytes.data(), bytes.size(), *table);
    ExpectRecord((*table)[0], L"go", L"went", L"gone", L"идти");
    EXPECT_TRUE(IsEmpty((*table)[1]));
}

TEST(VerbReaderBytes, FormsAlsoAcceptedGoToTheVerbTheirNumberNames)
{
    auto guarded = std::make_unique<GuardedTable>();
    VerbTable& table = guarded->table;
    table[83].pastTense = L"got";
    std::vector<std::uint8_t> bytes = Fields({"84", "", "gotten",                  // get
                                              "1", "abode_x", std::string("y\0z", 3), // blank and zero as in the table
                                              "294", "a", "b",                     // the last verb
                                              "0", "c", "d", "295", "e", "f",       // no such verbs
                                              "084", "g", "h", "2a", "i", "j", "", "k", "l",
                                              "1000000000000000000002", "m", "n", // no overflow to a small number
                                              "3", std::string(60, 'x'), "o",
                                              "5", "p"}); // no participle field: ignored
    FillAlsoAccepted(bytes.data(), bytes.size(), table);
    EXPECT_EQ(table[83].alsoPastTense, L"");
    EXPECT_EQ(table[83].alsoPastParticiple, L"gotten");
    EXPECT_EQ(table[83].pastTense, L"got") << "the table's own forms stay";
    EXPECT_EQ(table[0].alsoPastTense, L"abode x");
    EXPECT_EQ(table[0].alsoPastParticiple, L"y");
    EXPECT_EQ(table[293].alsoPastTense, L"a");
    EXPECT_EQ(table[293].alsoPastParticiple, L"b");
    EXPECT_EQ(table[2].alsoPastTense, std::wstring(51, L'x')) << "cut as the table's fields are";
    EXPECT_EQ(table[2].alsoPastParticiple, L"o");
    for (size_t i : {size_t(1), size_t(4), size_t(82), size_t(84)}) {
        EXPECT_TRUE(table[i].alsoPastTense.empty() && table[i].alsoPastParticiple.empty()) << "record " << i;
    }
    for (const VerbRecord& record : guarded->after)
        EXPECT_TRUE(record.alsoPastTense.empty() && record.alsoPastParticiple.empty()) << "written past the table";
}

} // namespace
