// The answer history as tests are played: every answer kept before its
// result shows, a history that cannot be written said once per run without
// losing what it holds, and the weak-verbs draw of the document (the draw
// as it always was while the option is off).
#include "TestRunFixture.h"
#include "base/HistoryReading.h"
#include "base/HistoryRecorder.h"
#include "base/Options.h"
#include "base/Language.h"
#include "base/VerbsDoc.h"
#include "data/AnswerHistoryFile.h"
#include "data/VerbGroups.h"
#include "data/HistoryStats.h"
#include "resources/resource.h"
#include "session/QuestionDraw.h"
#include <cstdlib>

using testutil::ModalResponder;

namespace {

BOOL WINAPI WriteHalfThenDiskFull(HANDLE file, LPCVOID data, DWORD size, LPDWORD written, LPOVERLAPPED)
{
    ::WriteFile(file, data, size / 2, written, nullptr);
    ::SetLastError(ERROR_DISK_FULL);
    return FALSE;
}

class HistoryRun : public TestRun {
protected:
    void SetUp() override
    {
        TestRun::SetUp();
        wchar_t folder[MAX_PATH] = {};
        ::GetTempPathW(MAX_PATH, folder);
        path = std::wstring(folder) + L"verbs-history-run.txt";
        ::DeleteFileW(path.c_str());
        AnswerHistoryFile::SetPathOverride(path);
        CHistoryRecorder::ResetReportedFailure();
        ResetReportedHistoryDamage();
    }
    void TearDown() override
    {
        TestRun::TearDown();
        AnswerHistoryFile::FileWriter() = ::WriteFile;
        AnswerHistoryFile::SetPathOverride(L"");
        ::DeleteFileW(path.c_str());
    }
    CVerbsDoc& Doc() { return *dynamic_cast<CVerbsDoc*>(View().GetDocument()); }
    std::vector<int> AnsweredVerbs() const
    {
        std::vector<int> verbs;
        for (const HistoryEntry& e : AnswerHistoryFile::Read(path).entries)
            verbs.push_back(e.verb);
        return verbs;
    }
    // Answers the question on screen rightly: its one result box.
    void AnswerRightly()
    {
        TypeCorrectForms();
        ExpectBoxes(1, [&] { Type(L"\r"); });
    }

    std::wstring path;
};

} // namespace

TEST_F(HistoryRun, AFailedWriteIsSaidOnceAndTheAnswersBeforeItStay)
{
    Launch(1);
    globals->NumWords = 6;
    Command(ID_TEST_START_EN);
    ASSERT_TRUE(View().IsRunning());
    AnswerRightly();
    AnswerRightly();
    EXPECT_EQ(AnswerHistoryFile::Read(path).entries.size(), 2u);

    // The disk fills up: the first answer that cannot be kept says so before
    // its result, in the interface language; the next one goes on quietly.
    AnswerHistoryFile::FileWriter() = WriteHalfThenDiskFull;
    std::wstring said;
    responder.Then([&](HWND box) {
        said = ModalResponder::ControlText(box, 0xFFFF);
        ModalResponder::Press(box, IDOK);
    });
    responder.ThenPress(IDOK); // the right answer's box
    TypeCorrectForms();
    responder.ExpectDialogs(2, [&] { Type(L"\r"); });
    ASSERT_TRUE(responder.Verify());
    EXPECT_EQ(said, fw::FormatString1(fw::LoadResString(IDS_HISTORY_WRITE_FAILED + 1), path));
    AnswerRightly(); // no second report in this run
    EXPECT_TRUE(View().IsRunning());

    // Room again: the next answer is kept after the two cut lines.
    AnswerHistoryFile::FileWriter() = ::WriteFile;
    AnswerRightly();
    HistoryContents kept = AnswerHistoryFile::Read(path);
    EXPECT_EQ(kept.damagedLines, 2);
    const auto& given = Test().Answers();
    ASSERT_EQ(given.size(), 5u);
    EXPECT_EQ(AnsweredVerbs(), (std::vector<int>{given[0].verb, given[1].verb, given[4].verb}));
    for (const HistoryEntry& e : kept.entries)
        EXPECT_EQ(e.verdict, HistoryVerdict::Right);
}

TEST_F(HistoryRun, EveryAnswerIsKeptWithWhatWasTypedBeforeItsResultShows)
{
    Launch(0);
    UseOnlyVerbsWithBothForms();
    globals->NumWords = 3;
    globals->OnlyOneForm = 0;
    Command(ID_TEST_START_RU);
    ASSERT_TRUE(View().IsRunning());
    const int verb = Test().CurrentVerb();
    size_t keptWhenShown = 0;
    Type(L"\u0431\u0435\u0433\u0430\u043D\tbegun"); // wrong, and in Cyrillic
    ExpectBoxes(1, [&] { Type(L"\r"); }, IDOK, [&](HWND) { keptWhenShown = AnswerHistoryFile::Read(path).entries.size(); });
    EXPECT_EQ(keptWhenShown, 1u);
    Command(ID_TEST_SKIP_RU);
    HistoryContents kept = AnswerHistoryFile::Read(path);
    ASSERT_EQ(kept.entries.size(), 2u);
    const HistoryEntry& wrong = kept.entries[0];
    EXPECT_EQ(wrong.verb, verb);
    EXPECT_EQ(wrong.infinitive, globals->m_verbs[static_cast<size_t>(verb)].infinitive);
    EXPECT_TRUE(wrong.askedPast && wrong.askedParticiple);
    EXPECT_EQ(wrong.typedPast, L"\u0431\u0435\u0433\u0430\u043D");
    EXPECT_EQ(wrong.typedParticiple, L"begun");
    EXPECT_EQ(wrong.verdict, HistoryVerdict::Wrong);
    EXPECT_EQ(wrong.attempt, 1);
    EXPECT_EQ(kept.entries[1].verdict, HistoryVerdict::Skipped);
    EXPECT_EQ(kept.entries[1].attempt, 2);
    EXPECT_EQ(kept.entries[1].when.DayNumber(), HistoryToday());
}

TEST_F(HistoryRun, WeakVerbsFirstFavoursWrongAnswersAndTheOptionOffDrawsAsBefore)
{
    Launch(1);
    // Verbs 10..19 answered wrongly yesterday, 0..9 rightly five times today.
    {
        AnswerHistoryFile file(path);
        SYSTEMTIME now{};
        ::GetLocalTime(&now);
        AnswerRecord record;
        record.forms.pastTense = true;
        record.attempt = 1;
        for (int verb = 0; verb < 20; ++verb) {
            record.verb = verb;
            record.verdict = verb < 10 ? Verdict::Correct : Verdict::Wrong;
            HistoryEntry e = CHistoryRecorder::EntryOf(record, now);
            if (verb >= 10) {
                FILETIME ft{};
                ::SystemTimeToFileTime(&now, &ft);
                ULARGE_INTEGER t{{ft.dwLowDateTime, ft.dwHighDateTime}};
                t.QuadPart -= 24ULL * 3600 * 10000000;
                ft = {t.LowPart, t.HighPart};
                SYSTEMTIME yesterday{};
                ::FileTimeToSystemTime(&ft, &yesterday);
                e = CHistoryRecorder::EntryOf(record, yesterday);
            }
            for (int i = 0; i < (verb < 10 ? 5 : 1); ++i)
                ASSERT_TRUE(file.Append(e));
        }
    }
    std::vector<int> eligible;
    for (int verb = 0; verb < 20; ++verb)
        eligible.push_back(verb);
    TestOptions options = CurrentTestOptions();
    options.numWords = 5;
    auto asked = [&](const TestSession& test) {
        std::vector<int> verbs;
        for (const QuestionRecord& q : test.Questions())
            verbs.push_back(q.verb);
        return verbs;
    };

    globals->WeakVerbsFirst = 0;
    for (unsigned seed : {1u, 77u, 2024u}) {
        std::srand(seed);
        const std::vector<int> expected = ChooseQuestions(eligible, 5);
        std::srand(seed);
        EXPECT_EQ(asked(Doc().StartTest(globals->m_verbs, options, eligible)), expected) << "seed " << seed;
    }

    globals->WeakVerbsFirst = 1;
    int weak = 0;
    std::srand(99);
    for (int run = 0; run < 40; ++run)
        for (int verb : asked(Doc().StartTest(globals->m_verbs, options, eligible)))
            weak += verb >= 10 ? 1 : 0;
    Doc().EndTest();
    // 128 against 4 a verb: hardly a question of the 200 goes to a learned verb.
    EXPECT_GT(weak, 180);

    // Start, as the learner gives it, draws as the document does.
    const std::vector<int> testSet = VerbGroups::ComputeTestSet(globals->m_profile);
    for (unsigned seed : {5u, 313u}) {
        std::srand(seed);
        const std::vector<int> expected = asked(Doc().StartTest(globals->m_verbs, CurrentTestOptions(), testSet));
        Doc().EndTest();
        std::srand(seed);
        Command(ID_TEST_START_EN);
        ASSERT_TRUE(View().IsRunning());
        EXPECT_EQ(asked(*View().LastTest()), expected) << "seed " << seed;
        Command(ID_TEST_STOP_EN);
    }
    EXPECT_EQ(AnswerHistoryFile::Read(path).entries.size(), 60u) << "starting tests added nothing";
}
