// The answer history file: its lines written and read back, damaged lines
// skipped and counted without the file changing, a write cut short costing
// only its own line, and the CSV for teachers read back by a CSV parser.
#include "data/AnswerHistoryFile.h"
#include "data/HistoryCsv.h"
#include "data/HistoryStats.h"
#include "TestUtil.h"
#include <gtest/gtest.h>
#include <windows.h>
#include <string>
#include <vector>

namespace {

// A history file of its own in the temporary folder, gone at the end.
class HistoryFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        wchar_t folder[MAX_PATH] = {};
        ::GetTempPathW(MAX_PATH, folder);
        path = std::wstring(folder) + L"verbs-history-test\\sub\\history.txt";
        Remove();
    }
    void TearDown() override
    {
        AnswerHistoryFile::FileWriter() = ::WriteFile;
        Remove();
    }
    void Remove()
    {
        ::DeleteFileW(path.c_str());
        ::RemoveDirectoryW(path.substr(0, path.rfind(L'\\')).c_str());
    }

    std::wstring path;
};

HistoryEntry Entry(int verb, const std::wstring& infinitive, const std::wstring& past, const std::wstring& participle,
                   HistoryVerdict verdict, int attempt = 1)
{
    HistoryEntry e;
    e.when = {2026, 12, 9, 21, 5, 7};
    e.verb = verb;
    e.infinitive = infinitive;
    e.askedPast = true;
    e.askedParticiple = !participle.empty();
    e.typedPast = past;
    e.typedParticiple = participle;
    e.verdict = verdict;
    e.attempt = attempt;
    e.milliseconds = 3250;
    return e;
}

void ExpectSame(const HistoryEntry& a, const HistoryEntry& b)
{
    EXPECT_EQ(HistoryLineOf(a), HistoryLineOf(b));
    EXPECT_EQ(a.infinitive, b.infinitive);
    EXPECT_EQ(a.typedPast, b.typedPast);
    EXPECT_EQ(a.typedParticiple, b.typedParticiple);
}

// A disk that fills up halfway through the line.
BOOL WINAPI WriteHalfThenDiskFull(HANDLE file, LPCVOID data, DWORD size, LPDWORD written, LPOVERLAPPED)
{
    ::WriteFile(file, data, size / 2, written, nullptr);
    ::SetLastError(ERROR_DISK_FULL);
    return FALSE;
}

// RFC 4180 records of a text: quoted fields may hold commas, quotes (doubled)
// and line breaks; records end with CR LF.
std::vector<std::vector<std::string>> ParseCsv(const std::string& text)
{
    std::vector<std::vector<std::string>> records(1);
    std::string field;
    bool quoted = false, fieldStarted = false;
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                field += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == '"' && !fieldStarted) {
            quoted = fieldStarted = true;
        } else if (c == ',') {
            records.back().push_back(field);
            field.clear();
            fieldStarted = false;
        } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            records.back().push_back(field);
            field.clear();
            fieldStarted = false;
            records.emplace_back();
            ++i;
        } else {
            EXPECT_NE(c, '"') << "a bare quote inside an unquoted field";
            EXPECT_NE(c, '\n') << "a bare line feed";
            field += c;
            fieldStarted = true;
        }
    }
    EXPECT_TRUE(records.back().empty() && field.empty()) << "the last record lacks its CR LF";
    records.pop_back();
    return records;
}

std::string Utf8(const std::wstring& text)
{
    return std::string(reinterpret_cast<const char*>(u8"")) + [&] {
        int n = ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
        std::string s(static_cast<size_t>(n), '\0');
        ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, s.data(), n, nullptr, nullptr);
        s.pop_back();
        return s;
    }();
}

// The file's bytes while the program holds it open for appending.
std::string SharedRead(const std::wstring& path)
{
    HANDLE file = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                0, nullptr);
    EXPECT_NE(file, INVALID_HANDLE_VALUE);
    std::string bytes(1 << 16, '\0');
    DWORD read = 0;
    ::ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
    ::CloseHandle(file);
    bytes.resize(read);
    return bytes;
}

} // namespace

TEST_F(HistoryFileTest, AnswersComeBackAsWrittenWithTabsBackslashesAndCyrillic)
{
    const HistoryEntry entries[] = {
        Entry(0, L"abide", L"abode", L"abode", HistoryVerdict::Right),
        Entry(12, L"begin", L"\u0431\u0435\u0433\u0430\u043D", L"", HistoryVerdict::Wrong, 2), // typed in Cyrillic
        Entry(293, L"write", L"wr\tote\\n", L"a\r\nb", HistoryVerdict::Wrong, 3),
        Entry(5, L"be", L"", L"", HistoryVerdict::Skipped),
    };
    {
        AnswerHistoryFile file(path);
        for (const HistoryEntry& e : entries)
            ASSERT_TRUE(file.Append(e)) << "the folders are made at the first answer";
    }
    const std::string bytes = testutil::ReadFileBytes(path);
    EXPECT_EQ(bytes.rfind(kHistoryHeader, 0), 0u) << "the format's line comes first";
    EXPECT_NE(bytes.find("\t293\twrite\tboth\twr\\tote\\\\n\ta\\r\\nb\twrong\t3\t3250\n"), std::string::npos);
    HistoryContents read = AnswerHistoryFile::Read(path);
    EXPECT_EQ(read.damagedLines, 0);
    EXPECT_FALSE(read.unreadable);
    ASSERT_EQ(read.entries.size(), std::size(entries));
    for (size_t i = 0; i < std::size(entries); ++i)
        ExpectSame(read.entries[i], entries[i]);
    EXPECT_EQ(read.entries[1].typedPast, L"\u0431\u0435\u0433\u0430\u043D");
    EXPECT_EQ(read.entries[2].typedParticiple, L"a\r\nb");

    // A missing file is an empty history, not an unreadable one.
    HistoryContents none = AnswerHistoryFile::Read(path + L".none");
    EXPECT_TRUE(none.entries.empty());
    EXPECT_FALSE(none.unreadable);
}

TEST_F(HistoryFileTest, DamagedLinesAreSkippedAndCountedAndTheFileIsLeftAsItIs)
{
    const std::string good = HistoryLineOf(Entry(1, L"arise", L"arose", L"arisen", HistoryVerdict::Right));
    const std::string damaged[] = {
        "garbage\n",
        "2026-12-09 21:05:07\t1\tarise\tboth\tarose\tarisen\tright\t1\n",            // a field short
        "2026-12-09 21:05:07\t1\tarise\tboth\tarose\tarisen\tright\t1\t10\tx\n",     // a field more
        "2026-13-09 21:05:07\t1\tarise\tboth\tarose\tarisen\tright\t1\t10\n",        // month 13
        "2026-02-30 21:05:07\t1\tarise\tboth\tarose\tarisen\tright\t1\t10\n",        // 30 February
        "2026-12-09 21:05:07\t294\tarise\tboth\tarose\tarisen\tright\t1\t10\n",      // beyond the table
        "2026-12-09 21:05:07\t-1\tarise\tboth\tarose\tarisen\tright\t1\t10\n",       // negative verb
        "2026-12-09 21:05:07\t1\tarise\tsome\tarose\tarisen\tright\t1\t10\n",        // unknown forms
        "2026-12-09 21:05:07\t1\tarise\tboth\tarose\tarisen\tmaybe\t1\t10\n",        // unknown verdict
        "2026-12-09 21:05:07\t1\tarise\tboth\tarose\tarisen\tright\t0\t10\n",        // attempt 0
        "2026-12-09 21:05:07\t1\tarise\tboth\tar\\ose\tarisen\tright\t1\t10\n",      // unknown escape
        "2026-12-09 21:05:07\t1\tar\xC3\tboth\tarose\tarisen\tright\t1\t10\n",       // broken UTF-8
        "2026-12-09 21:05:07\t1\tarise\tboth\tarose\tarisen\tright\t1\t99999999999999999\n",
    };
    std::string bytes = std::string("\xEF\xBB\xBF") + kHistoryHeader + good;
    for (const std::string& line : damaged)
        bytes += line + good;
    bytes += "\r\n# a note\n" + good.substr(0, good.size() - 1) + "\r\n"; // a line saved by an editor
    bytes += good.substr(0, 20); // cut short by the end of the file
    ::CreateDirectoryW(path.substr(0, path.rfind(L"\\sub")).c_str(), nullptr);
    ::CreateDirectoryW(path.substr(0, path.rfind(L'\\')).c_str(), nullptr);
    ASSERT_TRUE(testutil::WriteFileBytes(path, bytes));
    HistoryContents read = AnswerHistoryFile::Read(path);
    EXPECT_EQ(read.damagedLines, static_cast<int>(std::size(damaged)) + 1);
    EXPECT_EQ(read.entries.size(), std::size(damaged) + 2);
    for (const HistoryEntry& e : read.entries)
        EXPECT_EQ(e.infinitive, L"arise");
    HistoryContents slim = AnswerHistoryFile::Read(path, HistoryTexts::WrongTyped);
    EXPECT_EQ(slim.damagedLines, read.damagedLines) << "the reading for the statistics checks every text too";
    EXPECT_EQ(slim.entries.size(), read.entries.size());
    EXPECT_EQ(testutil::ReadFileBytes(path), bytes) << "a reader never writes";
}

TEST_F(HistoryFileTest, AWriteCutShortCostsOnlyItsOwnLine)
{
    const HistoryEntry first = Entry(1, L"arise", L"arose", L"", HistoryVerdict::Right);
    const HistoryEntry second = Entry(2, L"awake", L"awoke", L"", HistoryVerdict::Right);
    {
        AnswerHistoryFile file(path);
        ASSERT_TRUE(file.Append(first));
        ASSERT_TRUE(file.Append(first));
        const std::string before = SharedRead(path);
        AnswerHistoryFile::FileWriter() = WriteHalfThenDiskFull;
        EXPECT_FALSE(file.Append(second));
        EXPECT_FALSE(file.Append(second));
        const std::string after = SharedRead(path);
        EXPECT_GT(after.size(), before.size());
        EXPECT_EQ(after.compare(0, before.size(), before), 0) << "what was written before stays";
        AnswerHistoryFile::FileWriter() = ::WriteFile;
        // The disk has room again: the next answer starts a line of its own.
        EXPECT_TRUE(file.Append(second));
    }
    // Another run adds to the same file after a cut line.
    ASSERT_TRUE(testutil::WriteFileBytes(path, testutil::ReadFileBytes(path) + "2026-12-09 21:0"));
    {
        AnswerHistoryFile again(path);
        EXPECT_TRUE(again.Append(second));
        // Meanwhile a third run, killed while writing, leaves its line cut
        // short: the next answer of this run still starts a line of its own.
        AnswerHistoryFile killed(path);
        AnswerHistoryFile::FileWriter() = WriteHalfThenDiskFull;
        EXPECT_FALSE(killed.Append(first));
        AnswerHistoryFile::FileWriter() = ::WriteFile;
        EXPECT_TRUE(again.Append(second));
    }
    HistoryContents read = AnswerHistoryFile::Read(path);
    EXPECT_EQ(read.damagedLines, 4) << "the halves of the three failed writes, and the line cut by the end";
    ASSERT_EQ(read.entries.size(), 5u);
    EXPECT_EQ(read.entries[0].verb, 1);
    EXPECT_EQ(read.entries[1].verb, 1);
    EXPECT_EQ(read.entries[2].verb, 2);
    EXPECT_EQ(read.entries[3].verb, 2);
    EXPECT_EQ(read.entries[4].verb, 2);
    EXPECT_EQ(testutil::ReadFileBytes(path).rfind(kHistoryHeader, 0), 0u);
    EXPECT_EQ(testutil::ReadFileBytes(path).find(kHistoryHeader, 1), std::string::npos) << "one format line";
}

TEST(HistoryCsv, TheExportReadsBackWithItsQuotingAndCyrillicIntact)
{
    std::vector<HistoryEntry> entries = {
        Entry(12, L"begin", L"\u0431\u0435\u0433\u0430\u043D, \"\u0443\u0436\u0435\"", L"", HistoryVerdict::Wrong, 2),
        Entry(293, L"write", L"wrote", L"two\r\nlines", HistoryVerdict::Right),
        Entry(5, L"be", L"", L"", HistoryVerdict::Skipped),
    };
    for (bool english : {true, false}) {
        SCOPED_TRACE(english ? "English" : "Russian");
        const std::string bytes = HistoryCsvBytes(entries, english);
        ASSERT_EQ(bytes.compare(0, 3, "\xEF\xBB\xBF"), 0) << "UTF-8 with its byte order mark";
        auto records = ParseCsv(bytes.substr(3));
        ASSERT_EQ(records.size(), 4u) << "a header row and one row per answer";
        for (const auto& r : records)
            ASSERT_EQ(r.size(), 10u);
        EXPECT_EQ(records[0][0], english ? "Date" : Utf8(L"\u0414\u0430\u0442\u0430"));
        EXPECT_EQ(records[1][0], "2026-12-09");
        EXPECT_EQ(records[1][1], "21:05:07");
        EXPECT_EQ(records[1][2], "13") << "verbs are numbered from 1";
        EXPECT_EQ(records[1][5], Utf8(L"\u0431\u0435\u0433\u0430\u043D, \"\u0443\u0436\u0435\""));
        EXPECT_EQ(records[1][8], "2");
        EXPECT_EQ(records[1][9], "3.2");
        EXPECT_EQ(records[2][6], "two\r\nlines");
        EXPECT_EQ(records[3][7], english ? "skipped" : Utf8(L"\u043F\u0440\u043E\u043F\u0443\u0449\u0435\u043D"));
    }

    // The summary: one row per verb asked, its wrong answers most frequent first.
    VerbTable verbs{};
    verbs[12] = {L"begin", L"began", L"begun", L"\u043D\u0430\u0447\u0438\u043D\u0430\u0442\u044C"};
    entries.push_back(Entry(12, L"begin", L"begined", L"", HistoryVerdict::Wrong));
    entries.push_back(Entry(12, L"begin", L"begined", L"", HistoryVerdict::Wrong));
    entries.push_back(Entry(12, L"begin", L"began", L"", HistoryVerdict::Right));
    auto summary = ParseCsv(SummaryCsvBytes(ProgressByVerb(entries), verbs, true).substr(3));
    ASSERT_EQ(summary.size(), 4u);
    EXPECT_EQ(summary[1][0], "6");
    EXPECT_EQ(summary[2][0], "13");
    EXPECT_EQ(summary[2][2], Utf8(L"\u043D\u0430\u0447\u0438\u043D\u0430\u0442\u044C"));
    EXPECT_EQ(summary[2][3], "4");
    EXPECT_EQ(summary[2][4], "1");
    EXPECT_EQ(summary[2][6], "25");
    EXPECT_EQ(summary[2][7], "2") << "up one box from the first after the wrong answers";
    EXPECT_EQ(summary[2][8], "2026-12-09");
    EXPECT_EQ(summary[2][9], Utf8(L"begined; \u0431\u0435\u0433\u0430\u043D, \"\u0443\u0436\u0435\""));
}

TEST(HistoryStats, DaysStreakAndWeakestVerbs)
{
    auto at = [](int verb, int day, HistoryVerdict v, const std::wstring& typed = L"x") {
        HistoryEntry e = Entry(verb, L"v", typed, L"", v);
        e.when = {2026, 11, day, 12, 0, 0};
        return e;
    };
    using V = HistoryVerdict;
    const std::vector<HistoryEntry> entries = {
        at(1, 3, V::Right), at(2, 3, V::Wrong), at(1, 5, V::Right), at(3, 6, V::Wrong, L"a"), at(3, 6, V::Wrong, L"b"),
        at(3, 6, V::Wrong, L"b"), at(4, 7, V::Wrong), at(4, 7, V::Right), at(4, 7, V::Right), at(5, 30, V::Skipped),
    };
    const long long today = DayNumberOf(2026, 11, 8);
    auto days = CountByDay(entries, today, 4); // 5 to 8 November
    ASSERT_EQ(days.size(), 4u);
    EXPECT_EQ(days[0].answers, 1);
    EXPECT_EQ(days[1].answers, 3);
    EXPECT_EQ(days[1].right, 0);
    EXPECT_EQ(days[2].answers, 3);
    EXPECT_EQ(days[2].right, 2);
    EXPECT_EQ(days[3].answers, 0) << "an answer of a later day is not counted";
    EXPECT_EQ(PractiseStreak(entries, today), 3) << "none today yet: 5, 6 and 7 November";
    EXPECT_EQ(PractiseStreak(entries, DayNumberOf(2026, 11, 7)), 3);
    EXPECT_EQ(PractiseStreak(entries, DayNumberOf(2026, 11, 10)), 0);
    const auto progress = ProgressByVerb(entries);
    // Verbs 3, 2 and 5 (skipped) sit in box 1: 3 wrong answers before one,
    // then by index; verb 4 climbed to box 2 for all its wrong answer.
    EXPECT_EQ(WeakestVerbs(progress, 20), (std::vector<int>{3, 2, 5, 4}));
    EXPECT_EQ(WeakestVerbs(progress, 2), (std::vector<int>{3, 2}));
    // The same number wrong: the larger share first.
    const std::vector<HistoryEntry> shares = {at(7, 3, V::Wrong), at(7, 3, V::Right), at(7, 4, V::Wrong),
                                              at(8, 3, V::Wrong), at(8, 4, V::Wrong)};
    EXPECT_EQ(WeakestVerbs(ProgressByVerb(shares), 20), (std::vector<int>{8, 7}));
    EXPECT_EQ(FrequentWrongTexts(progress[3], 3), (std::vector<std::wstring>{L"b", L"a"}));
    EXPECT_TRUE(FrequentWrongTexts(progress[5], 3).empty()) << "a skip is no wrong text";
}
