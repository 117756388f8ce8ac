// The statistics of the answer history on their real controls: the friendly
// message of an empty history, the numbers of a realistic one in both
// languages, damaged lines said once, and the CSV exports with a failed
// write that keeps the older file.
#include "DialogsFixture.h"
#include "base/HistoryReading.h"
#include "base/Language.h"
#include "data/AnswerHistoryFile.h"
#include "data/HistoryCsv.h"
#include "framework/Text.h"

using namespace dialogtest;
using testutil::ModalResponder;

namespace {

constexpr int kSaveFileName = 1148; // the file name box of the save dialog

class StatisticsDialog : public DialogsTest {
protected:
    void SetUp() override
    {
        DialogsTest::SetUp();
        AnswerHistoryFile::SetPathOverride(folder.File(L"history.txt"));
        ResetReportedHistoryDamage();
    }
    void TearDown() override
    {
        AnswerHistoryFile::SetPathOverride(L"");
        DialogsTest::TearDown();
    }
    // Answers of the last days: verb 0 right every day, verb 1 wrong with
    // "beated" twice and "bet" once, verb 2 skipped, over four days in a row
    // ending today.
    std::vector<HistoryEntry> WriteHistory()
    {
        std::vector<HistoryEntry> entries;
        SYSTEMTIME now{};
        ::GetLocalTime(&now);
        for (int daysAgo = 3; daysAgo >= 0; --daysAgo) {
            const long long day = HistoryToday() - daysAgo;
            for (int verb : {0, 1, 2}) {
                HistoryEntry e;
                e.when = {now.wYear, now.wMonth, now.wDay, 12, 0, 0};
                // The date of that day: step back from today by days.
                FILETIME ft{};
                SYSTEMTIME noon = now;
                ::SystemTimeToFileTime(&noon, &ft);
                ULARGE_INTEGER t{{ft.dwLowDateTime, ft.dwHighDateTime}};
                t.QuadPart -= static_cast<ULONGLONG>(HistoryToday() - day) * 24 * 3600 * 10000000ULL;
                ft = {t.LowPart, t.HighPart};
                SYSTEMTIME then{};
                ::FileTimeToSystemTime(&ft, &then);
                e.when = {then.wYear, then.wMonth, then.wDay, then.wHour, then.wMinute, then.wSecond};
                e.verb = verb;
                e.infinitive = globals->m_verbs[static_cast<size_t>(verb)].infinitive;
                e.askedPast = true;
                e.verdict = verb == 0 ? HistoryVerdict::Right : verb == 1 ? HistoryVerdict::Wrong : HistoryVerdict::Skipped;
                e.typedPast = verb == 1 ? (daysAgo == 2 ? L"bet" : L"beated") : L"";
                if (verb == 1 && daysAgo == 0)
                    continue;
                entries.push_back(e);
            }
        }
        AnswerHistoryFile file(folder.File(L"history.txt"));
        for (const HistoryEntry& e : entries)
            EXPECT_TRUE(file.Append(e));
        return entries;
    }
    static std::wstring ListCell(HWND dialog, int list, int row, int column)
    {
        wchar_t text[256] = {};
        ListView_GetItemText(::GetDlgItem(dialog, list), row, column, text, 256);
        return text;
    }
    static int Rows(HWND dialog, int list) { return ListView_GetItemCount(::GetDlgItem(dialog, list)); }
    static bool Enabled(HWND dialog, int id) { return ::IsWindowEnabled(::GetDlgItem(dialog, id)) != FALSE; }

    ScratchFolder folder{L"verbs-statistics-test"};
    ModalResponder responder;
};

} // namespace

TEST_F(StatisticsDialog, AnEmptyHistoryOpensWithAFriendlyMessageInEitherLanguage)
{
    for (int language : {0, 1}) {
        SCOPED_TRACE(language);
        CMainFrame& frame = Start(language);
        responder.Then([&](HWND d) {
            EXPECT_EQ(fw::WindowText(d), language ? L"Statistics" : L"\u0421\u0442\u0430\u0442\u0438\u0441\u0442\u0438\u043A\u0430");
            EXPECT_EQ(ModalResponder::ControlText(d, IDC_STATS_SUMMARY), LoadLangString(IDS_STATS_EMPTY));
            EXPECT_EQ(ModalResponder::ControlText(d, IDC_STATS_EXPORT_HISTORY),
                      language ? L"Export &history..." : L"&\u042D\u043A\u0441\u043F\u043E\u0440\u0442 \u0438\u0441\u0442\u043E\u0440\u0438\u0438...");
            EXPECT_FALSE(Enabled(d, IDC_STATS_EXPORT_HISTORY));
            EXPECT_FALSE(Enabled(d, IDC_STATS_EXPORT_SUMMARY));
            EXPECT_EQ(Rows(d, IDC_STATS_WEAKEST), 0);
            EXPECT_EQ(ListCell(d, IDC_STATS_GROUPS, 0, 0), LoadLangString(IDS_ALL_VERBS));
            EXPECT_EQ(ListCell(d, IDC_STATS_GROUPS, 0, 1), L"0/294 (0%)");
            ModalResponder::Press(d, IDCANCEL);
        });
        ASSERT_TRUE(Command(responder, frame, ID_STATISTICS_RU, 1));
        EXPECT_FALSE(testutil::FileExists(folder.File(L"history.txt"))) << "reading made no file";
        CloseProgram();
        app = std::make_unique<CVerbsApp>(VerbsAppParts{NewVerbsView, StoredThemeFile, LoadProgramPictureThemes});
        app->m_arguments = {L"/Embedding"};
    }
}

TEST_F(StatisticsDialog, ARealisticHistoryGivesItsTotalsStreakGroupsAndWeakestVerbs)
{
    CMainFrame& frame = Start(1);
    WriteHistory();
    responder.Then([&](HWND d) {
        const std::wstring summary = ModalResponder::ControlText(d, IDC_STATS_SUMMARY);
        EXPECT_EQ(summary, L"Answers in all: 11, right: 4 (36%)\nDays practised in a row: 4");
        EXPECT_TRUE(Enabled(d, IDC_STATS_EXPORT_HISTORY));
        // In box 1: verb 2 skipped four times (nothing typed wrongly), then
        // verb 1 wrong three times.
        ASSERT_EQ(Rows(d, IDC_STATS_WEAKEST), 2);
        EXPECT_EQ(ListCell(d, IDC_STATS_WEAKEST, 0, 0), globals->m_verbs[2].infinitive);
        EXPECT_EQ(ListCell(d, IDC_STATS_WEAKEST, 0, 3), L"");
        EXPECT_EQ(ListCell(d, IDC_STATS_WEAKEST, 1, 0), globals->m_verbs[1].infinitive);
        EXPECT_EQ(ListCell(d, IDC_STATS_WEAKEST, 1, 1), L"0%");
        EXPECT_EQ(ListCell(d, IDC_STATS_WEAKEST, 1, 2), L"1");
        EXPECT_EQ(ListCell(d, IDC_STATS_WEAKEST, 1, 3), L"beated; bet");
        // Verb 0 is learned (box 4): one of the whole table.
        EXPECT_EQ(ListCell(d, IDC_STATS_GROUPS, 0, 1), L"1/294 (0%)");
        EXPECT_GT(Rows(d, IDC_STATS_GROUPS), 1) << "the stored groups follow";
        // 30 days first; the other choice redraws for 90.
        EXPECT_EQ(::IsDlgButtonChecked(d, IDC_STATS_30_DAYS), BST_CHECKED);
        ModalResponder::Press(d, IDC_STATS_90_DAYS);
        EXPECT_EQ(::IsDlgButtonChecked(d, IDC_STATS_90_DAYS), BST_CHECKED);
        ModalResponder::Press(d, IDCANCEL);
    });
    ASSERT_TRUE(Command(responder, frame, ID_STATISTICS_RU, 1));
}

TEST_F(StatisticsDialog, DamagedLinesAreSaidOnceAndTheRestIsShown)
{
    CMainFrame& frame = Start(0);
    WriteHistory();
    const std::string intact = testutil::ReadFileBytes(folder.File(L"history.txt"));
    ASSERT_TRUE(testutil::WriteFileBytes(folder.File(L"history.txt"), intact + "broken line\nanother\n"));
    responder.ThenPress(IDOK);
    responder.Then([&](HWND d) {
        EXPECT_EQ(ModalResponder::ControlText(d, IDC_STATS_SUMMARY).substr(0, 20),
                  fw::FormatString2(LoadLangString(IDS_STATS_TOTALS), L"11", L"").substr(0, 20));
        ModalResponder::Press(d, IDCANCEL);
    });
    ASSERT_TRUE(Command(responder, frame, ID_STATISTICS_RU, 2));
    EXPECT_EQ(responder.Seen()[0].text,
              fw::FormatString2(fw::LoadResString(IDS_HISTORY_DAMAGED), L"2", folder.File(L"history.txt")));
    responder.ThenPress(IDCANCEL);
    ASSERT_TRUE(Command(responder, frame, ID_STATISTICS_RU, 1)) << "said once per run";
    EXPECT_EQ(testutil::ReadFileBytes(folder.File(L"history.txt")), intact + "broken line\nanother\n");
}

TEST_F(StatisticsDialog, TheExportsWriteTheCsvAndAFailedWriteKeepsTheOlderFile)
{
    CMainFrame& frame = Start(1);
    const std::vector<HistoryEntry> entries = WriteHistory();
    const std::wstring target = folder.File(L"class.csv");
    auto exportTo = [&](int button) {
        responder.Then([&, button](HWND d) { ModalResponder::Press(d, button); ModalResponder::Press(d, IDCANCEL); });
        responder.Then([&](HWND save) {
            ::SetDlgItemTextW(save, kSaveFileName, target.c_str());
            ModalResponder::Press(save, IDOK);
        });
    };
    exportTo(IDC_STATS_EXPORT_HISTORY);
    responder.ThenPress(IDNO); // not opened now
    ASSERT_TRUE(Command(responder, frame, ID_STATISTICS_RU, 3));
    EXPECT_EQ(responder.Seen()[2].text, L"File is created. Would you like to see it now?");
    EXPECT_EQ(testutil::ReadFileBytes(target), HistoryCsvBytes(AnswerHistoryFile::Read(folder.File(L"history.txt")).entries, true));
    EXPECT_TRUE(OpenedPaths().empty());

    // The summary over a read-only older file: said, and the file stays.
    ::SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_READONLY);
    const std::string older = testutil::ReadFileBytes(target);
    exportTo(IDC_STATS_EXPORT_SUMMARY);
    responder.ThenPress(IDYES); // replace it?
    responder.ThenPress(IDOK);
    ASSERT_TRUE(Command(responder, frame, ID_STATISTICS_RU, 4));
    EXPECT_EQ(responder.Seen().back().text, L"Could not create file \"" + target + L"\"");
    EXPECT_EQ(testutil::ReadFileBytes(target), older);

    // The history locked by another program since the dialog opened: said,
    // and no export of nothing in place of the older one.
    ::SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_NORMAL);
    HANDLE locked = INVALID_HANDLE_VALUE;
    responder.Then([&](HWND d) {
        locked = ::CreateFileW(folder.File(L"history.txt").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        ModalResponder::Press(d, IDC_STATS_EXPORT_HISTORY);
        ModalResponder::Press(d, IDCANCEL);
    });
    responder.ThenPress(IDOK);
    ASSERT_TRUE(Command(responder, frame, ID_STATISTICS_RU, 2));
    ASSERT_NE(locked, INVALID_HANDLE_VALUE);
    ::CloseHandle(locked);
    EXPECT_EQ(responder.Seen().back().text,
              L"The answer history \"" + folder.File(L"history.txt") + L"\" cannot be read. The file is left as it is.");
    EXPECT_EQ(testutil::ReadFileBytes(target), older);
}
