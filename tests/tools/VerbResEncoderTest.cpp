// The verb-table resource writer: encoding, refusals, and the shipped table.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "data/VerbResourceFormat.h"
#include "tools/verbres/VerbResEncoder.h"

using VerbResource::EncodeResult;
using VerbResource::EncodeVerbTable;

namespace {

// Reference reader: the fields of a resource, unscrambled, in order. A field
// is only returned when its separator was seen.
std::vector<std::string> DecodeFields(const std::vector<std::uint8_t>& bytes,
                                      std::uint8_t key = VerbResource::kKey) {
    std::vector<std::string> fields;
    std::string current;
    for (std::uint8_t b : bytes) {
        if (b == VerbResource::kSeparator) {
            fields.push_back(current);
            current.clear();
        } else {
            current.push_back(static_cast<char>(b ^ key));
        }
    }
    return fields;
}

std::size_t CountSeparators(const std::vector<std::uint8_t>& bytes) {
    std::size_t n = 0;
    for (std::uint8_t b : bytes)
        if (b == VerbResource::kSeparator) ++n;
    return n;
}

std::string Repeat(const std::string& s, std::size_t n) {
    std::string out;
    for (std::size_t i = 0; i < n; ++i) out += s;
    return out;
}

// Expects a refusal on the given line whose problem mentions `fragment`.
void ExpectRefused(const EncodeResult& r, std::size_t line, const std::string& fragment) {
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(line, r.line);
    EXPECT_TRUE(r.bytes.empty());
    const std::string prefix = "line " + std::to_string(line) + ": ";
    EXPECT_EQ(prefix, r.Message().substr(0, prefix.size())) << r.Message();
    EXPECT_NE(std::string::npos, r.problem.find(fragment)) << r.problem;
}

const std::string kGoodLine = u8"beat | beat | beaten | бить\n";

}  // namespace

TEST(VerbResEncoder, RoundTripOfSmallInput) {
    const std::string text = u8"# two verbs\n"
                             u8"beat | beat | beaten | бить\n"
                             u8"\n"
                             u8"bet|bet; betted|bet; betted|держать пари\n";
    const EncodeResult r = EncodeVerbTable(text);
    ASSERT_TRUE(r.ok) << r.Message();
    EXPECT_EQ(2u, r.records);
    EXPECT_EQ("", r.Message());

    // Every field is its bytes XOR the key followed by one separator.
    std::vector<std::uint8_t> expected;
    const auto add = [&](const std::string& plain) {
        for (char c : plain) expected.push_back(static_cast<std::uint8_t>(static_cast<unsigned char>(c) ^ 0x4A));
        expected.push_back(0xFF);
    };
    add("beat");
    add("beat");
    add("beaten");
    add("\xA1\xA8\xE2\xEC");  // бить in code page 866
    add("bet");
    add("bet; betted");
    add("bet; betted");
    add("\xA4\xA5\xE0\xA6\xA0\xE2\xEC\x20\xAF\xA0\xE0\xA8");  // держать пари
    EXPECT_EQ(expected, r.bytes);

    const std::vector<std::string> fields = DecodeFields(r.bytes);
    ASSERT_EQ(8u, fields.size());
    EXPECT_EQ("beaten", fields[2]);
    EXPECT_EQ("bet; betted", fields[5]);
}

TEST(VerbResEncoder, BlanksAroundFieldsAreDroppedAndInnerBlanksStoredAsScrambledSpaces) {
    const EncodeResult r = EncodeVerbTable(u8"  lie\t|  lay |lain|   лежать на боку \t\n");
    ASSERT_TRUE(r.ok) << r.Message();
    const std::vector<std::string> fields = DecodeFields(r.bytes);
    ASSERT_EQ(4u, fields.size());
    EXPECT_EQ("lie", fields[0]);
    EXPECT_EQ("lay", fields[1]);
    EXPECT_EQ("lain", fields[2]);
    EXPECT_EQ("\xAB\xA5\xA6\xA0\xE2\xEC\x20\xAD\xA0\x20\xA1\xAE\xAA\xE3", fields[3]);
    // A blank is stored as 0x20 ^ key, never as an underscore.
    std::size_t scrambledSpaces = 0;
    for (std::uint8_t b : r.bytes)
        if (b == (0x20 ^ VerbResource::kKey)) ++scrambledSpaces;
    EXPECT_EQ(2u, scrambledSpaces);
    for (std::uint8_t b : r.bytes) EXPECT_NE('_' ^ VerbResource::kKey, b);
}

TEST(VerbResEncoder, WholeRussianAlphabetMapsToCodePage866) {
    std::string out, problem;
    ASSERT_TRUE(VerbResource::Utf8ToCp866(
        u8"АБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯабвгдежзийклмнопрстуфхцчшщъыьэюяЁё", out, problem))
        << problem;
    std::string expected;
    for (int b = 0x80; b <= 0xAF; ++b) expected.push_back(static_cast<char>(b));
    for (int b = 0xE0; b <= 0xEF; ++b) expected.push_back(static_cast<char>(b));
    expected += "\xF0\xF1";
    EXPECT_EQ(expected, out);

    ASSERT_TRUE(VerbResource::Utf8ToCp866("a-z (0..9), ok?", out, problem)) << problem;
    EXPECT_EQ("a-z (0..9), ok?", out);
}

TEST(VerbResEncoder, CommentsAndBlankLinesAreNotRecordsButCountAsLines) {
    const std::string text = "# header\n"
                             "\n"
                             "   # indented comment | with | four | bars\n"
                             "  \t \n" +
                             kGoodLine + "#\n" + kGoodLine;
    const EncodeResult r = EncodeVerbTable(text);
    ASSERT_TRUE(r.ok) << r.Message();
    EXPECT_EQ(2u, r.records);
    EXPECT_EQ(8u, CountSeparators(r.bytes));

    // The problem is reported on its physical line, comments included.
    const EncodeResult bad = EncodeVerbTable(text + "# still fine\nbroken line\n");
    ExpectRefused(bad, 9, "found 1");
}

TEST(VerbResEncoder, EmptyInputGivesNoRecords) {
    const EncodeResult r = EncodeVerbTable("# nothing here\n\n");
    ASSERT_TRUE(r.ok) << r.Message();
    EXPECT_EQ(0u, r.records);
    EXPECT_TRUE(r.bytes.empty());
}

TEST(VerbResEncoder, ByteOrderMarkAndCrLfLineEndsAreAccepted) {
    const EncodeResult r = EncodeVerbTable("\xEF\xBB\xBF" "cut | cut | cut | rezat\r\n# c\r\nhit|hit|hit|x\r\n");
    ASSERT_TRUE(r.ok) << r.Message();
    const std::vector<std::string> fields = DecodeFields(r.bytes);
    ASSERT_EQ(8u, fields.size());
    EXPECT_EQ("cut", fields[0]);
    EXPECT_EQ("rezat", fields[3]);
    EXPECT_EQ("x", fields[7]);
}

TEST(VerbResEncoder, WrongFieldCountIsRefusedWithLineNumber) {
    ExpectRefused(EncodeVerbTable(kGoodLine + "go | went | gone\n"), 2, "found 3");
    ExpectRefused(EncodeVerbTable(kGoodLine + kGoodLine + u8"go | went | gone | идти | x\n"), 3, "found 5");
    ExpectRefused(EncodeVerbTable("go went gone\n"), 1, "found 1");
}

TEST(VerbResEncoder, FieldLengthIsCountedInCodePage866Bytes) {
    // 51 Cyrillic letters are 102 bytes of UTF-8 but 51 stored bytes.
    const std::string letters51 = Repeat(u8"я", 51);
    const EncodeResult ok = EncodeVerbTable("go | went | gone | " + letters51 + "\n");
    ASSERT_TRUE(ok.ok) << ok.Message();
    EXPECT_EQ((2u + 1u) + (4u + 1u) + (4u + 1u) + (51u + 1u), ok.bytes.size());

    ExpectRefused(EncodeVerbTable(kGoodLine + "go | went | gone | " + letters51 + u8"ё\n"), 2,
                  "translation is 52 bytes long");

    const std::string ascii51 = Repeat("a", 51);
    ASSERT_TRUE(EncodeVerbTable(ascii51 + " | " + ascii51 + " | " + ascii51 + " | " + ascii51 + "\n").ok);
    ExpectRefused(EncodeVerbTable("go | " + ascii51 + "b | gone | x\n"), 1, "past tense is 52 bytes long");
}

TEST(VerbResEncoder, UnderscoreIsRefusedInEveryField) {
    ExpectRefused(EncodeVerbTable("get_up | got | got | x\n"), 1, "underscore");
    ExpectRefused(EncodeVerbTable(kGoodLine + "go | went | gone_away | x\n"), 2, "past participle");
    ExpectRefused(EncodeVerbTable(kGoodLine + kGoodLine + u8"go | went | gone | идти_домой\n"), 3,
                  "underscore");
}

TEST(VerbResEncoder, ByteThatWouldScrambleToTheSeparatorIsRefused) {
    // With the program's key that byte is a box-drawing character, which the
    // converter already refuses as text.
    EXPECT_EQ(0xB5, VerbResource::kUnstorableByte);
    ExpectRefused(EncodeVerbTable(u8"go | went | gone | ╡\n"), 1, "U+2561");

    // With other keys the check after conversion is what stops it.
    const std::uint8_t keyForAt = static_cast<std::uint8_t>('@' ^ 0xFF);
    ASSERT_TRUE(EncodeVerbTable("go | went | gone | x\n", keyForAt).ok);
    ExpectRefused(EncodeVerbTable(kGoodLine + "go | we@nt | gone | x\n", keyForAt), 2, "0x40");

    const std::uint8_t keyForCyrillicA = static_cast<std::uint8_t>(0xA0 ^ 0xFF);  // а in 866
    ExpectRefused(EncodeVerbTable(u8"go | went | gone | идти, ехать\n", keyForCyrillicA), 1, "0xA0");

    // Whatever the key, no field byte scrambles to 0xFF.
    const EncodeResult r = EncodeVerbTable(kGoodLine, 0x33);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(4u, CountSeparators(r.bytes));
    const std::vector<std::string> fields = DecodeFields(r.bytes, 0x33);
    ASSERT_EQ(4u, fields.size());
    EXPECT_EQ("beaten", fields[2]);
}

TEST(VerbResEncoder, EmptyEnglishFieldIsRefusedButEmptyTranslationIsStored) {
    ExpectRefused(EncodeVerbTable(" | went | gone | x\n"), 1, "infinitive is empty");
    ExpectRefused(EncodeVerbTable(kGoodLine + "go |   | gone | x\n"), 2, "past tense is empty");
    ExpectRefused(EncodeVerbTable(kGoodLine + "go | went |\t| x\n"), 2, "past participle is empty");

    // An empty translation still ends the record, so it keeps the layout.
    const EncodeResult r = EncodeVerbTable("go | went | gone |\n" + kGoodLine);
    ASSERT_TRUE(r.ok) << r.Message();
    const std::vector<std::string> fields = DecodeFields(r.bytes);
    ASSERT_EQ(8u, fields.size());
    EXPECT_EQ("", fields[3]);
    EXPECT_EQ("beat", fields[4]);
}

TEST(VerbResEncoder, AtMost294RecordsAreAccepted) {
    std::string text = "# full table\n";
    for (int i = 0; i < 294; ++i) text += kGoodLine;
    const EncodeResult full = EncodeVerbTable(text);
    ASSERT_TRUE(full.ok) << full.Message();
    EXPECT_EQ(294u, full.records);
    EXPECT_EQ(1176u, CountSeparators(full.bytes));

    // Trailing comments and blanks after the last record are still fine.
    ASSERT_TRUE(EncodeVerbTable(text + "\n# end\n").ok);

    // The 295th record is on line 296 (after the header comment).
    ExpectRefused(EncodeVerbTable(text + "\n" + kGoodLine), 297, "more than 294");
    ExpectRefused(EncodeVerbTable(text + kGoodLine), 296, "more than 294");
}

TEST(VerbResEncoder, CharactersOutsideCodePage866AreRefusedByName) {
    ExpectRefused(EncodeVerbTable(u8"go | went | gone | идти — ехать\n"), 1, "U+2014");
    ExpectRefused(EncodeVerbTable(kGoodLine + u8"go | went | gone | «идти»\n"), 2, "U+00AB");
    ExpectRefused(EncodeVerbTable(u8"go | went | gone | café\n"), 1, "U+00E9");
    // Ukrainian letters are Cyrillic but not Russian, and 866 as used here has no place for them.
    ExpectRefused(EncodeVerbTable(u8"go | went | gone | їхати\n"), 1, "U+0457");
    // Control characters inside the text are not text.
    ExpectRefused(EncodeVerbTable("go | went | gone | a\tb\n"), 1, "U+0009");
}

TEST(VerbResEncoder, InvalidUtf8IsRefused) {
    ExpectRefused(EncodeVerbTable("go | went | gone | \xD0\n"), 1, "invalid UTF-8");         // truncated
    ExpectRefused(EncodeVerbTable(kGoodLine + "go | went | gone | \xC0\x80\n"), 2, "invalid UTF-8");  // overlong
    ExpectRefused(EncodeVerbTable("go | went | gone | \xED\xA0\x80\n"), 1, "invalid UTF-8");  // surrogate
    ExpectRefused(EncodeVerbTable("go | went | gone | \xA0\xA1\n"), 1, "invalid UTF-8");      // raw 866 bytes
}

TEST(VerbResEncoder, EnglishFieldsMustBePrintableAscii) {
    ExpectRefused(EncodeVerbTable(u8"bégin | began | begun | x\n"), 1, "not printable ASCII");
    ExpectRefused(EncodeVerbTable(kGoodLine + "go | we\tnt | gone | x\n"), 2, "not printable ASCII");
    ExpectRefused(EncodeVerbTable(u8"go | went | gone; идти | x\n"), 1, "past participle");
}

TEST(VerbResEncoder, VariantsMustBeSeparatedBySemicolonAndOneBlank) {
    ASSERT_TRUE(EncodeVerbTable("burn | burnt; burned | burnt; burned | x\n").ok);
    ASSERT_TRUE(EncodeVerbTable("be | was; were | been | x\n").ok);
    ExpectRefused(EncodeVerbTable("burn | burnt;burned | burnt | x\n"), 1, "A; B");
    ExpectRefused(EncodeVerbTable(kGoodLine + "burn | burnt;  burned | burnt | x\n"), 2, "A; B");
    ExpectRefused(EncodeVerbTable("burn | burnt | burnt; | x\n"), 1, "past participle");
    ExpectRefused(EncodeVerbTable("burn | ; burnt | burnt | x\n"), 1, "A; B");
    // The translation is free text: semicolons there are not variants.
    ASSERT_TRUE(EncodeVerbTable(u8"go | went | gone | идти;ехать\n").ok);
}

// ---- The forms also accepted, checked against the table ---------------------

namespace {

const std::string kSmallTable = u8"beat | beat | beaten | бить\n"
                                u8"get | got | got | получать\n"
                                u8"strive | strove | striven | стремиться\n";

}  // namespace

TEST(AlsoAcceptedEncoder, EachLineBecomesVerbNumberPastAndParticiple) {
    const EncodeResult table = EncodeVerbTable(kSmallTable);
    ASSERT_TRUE(table.ok) << table.Message();
    const EncodeResult r = VerbResource::EncodeAlsoAccepted("\xEF\xBB\xBF# forms\r\n"
                                                            "strive | strived | strived; strove\r\n"
                                                            "\r\n"
                                                            "get|-|gotten\r\n",
                                                            table);
    ASSERT_TRUE(r.ok) << r.Message();
    EXPECT_EQ(2u, r.records);
    const std::vector<std::string> expected = {"3", "strived", "strived; strove", "2", "", "gotten"};
    EXPECT_EQ(expected, DecodeFields(r.bytes));
    EXPECT_EQ(6u, CountSeparators(r.bytes));

    // Scrambled with the key it is given, as the table is.
    const EncodeResult keyed = VerbResource::EncodeAlsoAccepted("get | - | gotten\n", EncodeVerbTable(kSmallTable, 0x21), 0x21);
    ASSERT_TRUE(keyed.ok) << keyed.Message();
    EXPECT_EQ((std::vector<std::string>{"2", "", "gotten"}), DecodeFields(keyed.bytes, 0x21));

    const EncodeResult none = VerbResource::EncodeAlsoAccepted("# none yet\n", table);
    ASSERT_TRUE(none.ok);
    EXPECT_TRUE(none.bytes.empty());
}

TEST(AlsoAcceptedEncoder, LinesThatCouldNotBeRightAreRefused) {
    const EncodeResult table = EncodeVerbTable(kSmallTable);
    ASSERT_TRUE(table.ok) << table.Message();
    const struct {
        std::string text;
        std::size_t line;
        const char* fragment;
    } cases[] = {
        {"get | gotten\n", 1, "found 2"},
        {"get | - | gotten | x\n", 1, "found 4"},
        {"# c\ngo | - | gone\n", 2, "no verb \"go\""},
        {"Get | - | gotten\n", 1, "no verb \"Get\""},
        {"get | - | gotten\nget | gat | -\n", 2, "given twice"},
        {"get | - | -\n", 1, "no form given"},
        {"get | | gotten\n", 1, "past tense is empty"},
        // A form the table already gives would never count as also accepted.
        {"get | - | gotten; got\n", 1, "\"got\" is already a form"},
        {"beat | - | beaten\n", 1, "past participle: \"beaten\""},
        {"strive | strived | strove; strived;x\n", 1, "A; B"},
        {"strive | strived;strove | -\n", 1, "A; B"},
        {"get | - | got_ten\n", 1, "past participle: byte 0x5F"},
        {u8"get | - | готтен\n", 1, "not printable ASCII"},
        {"get | - | " + Repeat("g", 52) + "\n", 1, "52 bytes long"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        ExpectRefused(VerbResource::EncodeAlsoAccepted(c.text, table), c.line, c.fragment);
    }
    // A form of the table is still new as the other form.
    ASSERT_TRUE(VerbResource::EncodeAlsoAccepted("beat | - | beat\nstrive | - | strove\n", table).ok);
    ASSERT_TRUE(VerbResource::EncodeAlsoAccepted("get | - | " + Repeat("g", 51) + "\n", table).ok);

    // A table that is itself refused leaves nothing to check against.
    const EncodeResult broken = EncodeVerbTable("go | went\n");
    const EncodeResult r = VerbResource::EncodeAlsoAccepted("get | - | gotten\n", broken);
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.bytes.empty());
    EXPECT_NE(std::string::npos, r.problem.find("verb table")) << r.problem;
}

// The table that ships with the program, as written in the source tree: it has
// to encode, fill the whole verb table and stay in order. How it agrees with
// the predefined groups is checked on the built resource, with the data tests.
namespace {

// The source tree, as the compiler saw this file. A build gives the compiler
// the absolute path, so the tree is known; "" when it named the file relative
// to the tree instead and the tree cannot be found from here.
std::string SourceRoot() {
    std::string path = __FILE__;
    for (char& c : path)
        if (c == '\\') c = '/';
    const std::string tail = "tests/tools/VerbResEncoderTest.cpp";
    const std::size_t at = path.rfind(tail);
    const bool absolute = !path.empty() && (path[0] == '/' || (path.size() > 2 && path[1] == ':'));
    return at == std::string::npos || !absolute ? std::string() : path.substr(0, at);
}

bool ReadSourceFile(const std::string& root, const std::string& relative, std::string& text) {
    // Under Wine an absolute build-machine path is found through drive Z:.
    for (const std::string& candidate : {root + relative, "Z:" + root + relative}) {
        std::ifstream in(candidate, std::ios::binary);
        if (in) {
            text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
            return true;
        }
    }
    return false;
}

}  // namespace

TEST(ShippedVerbTable, EncodesToAFullTableInAlphabeticalOrder) {
    const std::string root = SourceRoot();
    if (root.empty()) GTEST_SKIP() << "built without a known source tree: " << __FILE__;
    // With the tree known, a table that cannot be read is a failure, not a
    // reason to pass quietly.
    std::string text;
    ASSERT_TRUE(ReadSourceFile(root, "data/resources/verbs.txt", text)) << "cannot read verbs.txt in " << root;
    const EncodeResult r = EncodeVerbTable(text);
    ASSERT_TRUE(r.ok) << r.Message();
    EXPECT_EQ(294u, r.records);
    EXPECT_EQ(1176u, CountSeparators(r.bytes));

    const std::vector<std::string> fields = DecodeFields(r.bytes);
    ASSERT_EQ(1176u, fields.size());
    for (std::size_t i = 0; i < fields.size(); ++i) {
        EXPECT_LE(fields[i].size(), VerbResource::kMaxFieldBytes);
        if (i % 4 != 3) {
            EXPECT_FALSE(fields[i].empty()) << "field " << i;
            // The answer check is case-sensitive; forms are written in lower case.
            for (char c : fields[i]) EXPECT_FALSE(c >= 'A' && c <= 'Z') << fields[i];
        } else {
            EXPECT_FALSE(fields[i].empty()) << "translation of verb " << i / 4 + 1;
        }
    }
    for (std::size_t v = 1; v < 294; ++v)
        EXPECT_LT(fields[(v - 1) * 4], fields[v * 4]) << "verb " << v + 1 << " out of order";

    // The forms also accepted are checked against this table by the build.
    std::string also;
    ASSERT_TRUE(ReadSourceFile(root, "data/resources/also_accepted.txt", also)) << "cannot read also_accepted.txt";
    const EncodeResult a = VerbResource::EncodeAlsoAccepted(also, r);
    ASSERT_TRUE(a.ok) << a.Message();
    EXPECT_GE(a.records, 1u);
    const std::vector<std::string> alsoFields = DecodeFields(a.bytes);
    for (std::size_t i = 0; i < alsoFields.size(); ++i) {
        EXPECT_LE(alsoFields[i].size(), VerbResource::kMaxFieldBytes);
        for (char c : alsoFields[i]) EXPECT_FALSE(c >= 'A' && c <= 'Z') << alsoFields[i];
    }
}
