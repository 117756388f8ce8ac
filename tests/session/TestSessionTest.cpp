// A test played on its model alone, without a window: attempts, the time
// limit, the verdicts, the share of the picture and the record of answers.
#include "session/TestSession.h"
#include <gtest/gtest.h>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace {

using Step = TestSession::Step;

// Verb i is "inf<i>" / "past<i>" / "part<i>"; verb 5 has variants, verb 200
// is a modal verb without a participle.
VerbTable MakeVerbs()
{
    VerbTable verbs;
    for (int i = 0; i < kVerbCount; ++i) {
        std::wstring n = std::to_wstring(i);
        verbs[static_cast<size_t>(i)] = {L"inf" + n, L"past" + n, L"part" + n, L"tr" + n};
    }
    verbs[5] = {L"be", L"was; were", L"been", L"tr5"};
    verbs[200] = {L"can", L"could", L"could", L"tr200"};
    return verbs;
}
const VerbTable g_verbs = MakeVerbs();

std::vector<int> FirstVerbs(int count)
{
    std::vector<int> verbs;
    for (int i = 0; i < count; ++i)
        verbs.push_back(i);
    return verbs;
}

TypedAnswer RightFor(const TestSession& test)
{
    const VerbRecord& verb = test.Verb();
    return {verb.pastTense.substr(0, verb.pastTense.find(L';')), verb.pastParticiple};
}

class ManualClock : public SessionClock {
public:
    long long Milliseconds() const override { return now; }
    long long now = 1000;
};

// A seed whose test on the given verbs asks the wanted forms first.
unsigned SeedAsking(const std::vector<int>& verbs, const TestOptions& options, AskedForms wanted)
{
    for (unsigned seed = 1;; ++seed) {
        std::srand(seed);
        if (TestSession(g_verbs, options, verbs).Forms() == wanted) {
            std::srand(seed);
            return seed;
        }
    }
}

} // namespace

TEST(TestSession, WrongAnswersUseUpTheAttemptsThenLockTheQuestion)
{
    TestOptions options;
    options.numWords = 2;
    options.maxAttempt = 3;
    options.showRightAnswer = 1;
    TestSession test(g_verbs, options, FirstVerbs(2));
    EXPECT_EQ(test.Attempt(), 0);
    EXPECT_EQ(test.Answer({L"x", L"y"}).step, Step::Wrong);
    EXPECT_EQ(test.Attempt(), 1);
    EXPECT_EQ(test.Answer({}).step, Step::Wrong);
    EXPECT_FALSE(test.IsLocked());
    EXPECT_EQ(test.Answer({L"x", L"y"}).step, Step::OutOfAttempts);
    EXPECT_TRUE(test.IsLocked());
    EXPECT_EQ(test.Questions()[0].outcome, QuestionOutcome::Missed);
    EXPECT_TRUE(test.Questions()[0].revealed);
    EXPECT_EQ(test.CorrectForms(), (TypedAnswer{test.Verb().pastTense, test.Verb().pastParticiple}));
    // Locked: even the right answer or a skip now ends the test, unjudged.
    EXPECT_EQ(test.Answer(RightFor(test)).step, Step::EndOfTest);
    EXPECT_EQ(test.Skip().step, Step::EndOfTest);
    EXPECT_EQ(test.Answers().size(), 3u);
    EXPECT_EQ(test.FinishedQuestions(), 0);
    EXPECT_EQ(test.Attempt(), 3);

    // One attempt: the first wrong answer locks, and without the right
    // answer nothing is revealed.
    options.maxAttempt = 1;
    options.showRightAnswer = 0;
    TestSession single(g_verbs, options, FirstVerbs(2));
    EXPECT_EQ(single.Answer({L"x", L"y"}).step, Step::OutOfAttempts);
    EXPECT_FALSE(single.Questions()[0].revealed);
}

TEST(TestSession, ARightAnswerAtTheLastAttemptLocksNothingAndTheNextQuestionStartsAfresh)
{
    TestOptions options;
    options.numWords = 2;
    options.maxAttempt = 2;
    TestSession test(g_verbs, options, FirstVerbs(2));
    EXPECT_EQ(test.Answer({}).step, Step::Wrong);
    EXPECT_EQ(test.Answer(RightFor(test)).step, Step::Correct);
    EXPECT_FALSE(test.IsLocked());
    EXPECT_EQ(test.Questions()[0].outcome, QuestionOutcome::RightLater);
    // Until the next question comes, Ready and Skip find nothing to judge.
    int first = test.CurrentVerb();
    EXPECT_EQ(test.Answer(RightFor(test)).step, Step::None);
    EXPECT_EQ(test.Skip().step, Step::None);
    EXPECT_EQ(test.FinishedQuestions(), 1);
    EXPECT_EQ(test.CorrectAnswers(), 1);
    test.NextQuestion();
    EXPECT_NE(test.CurrentVerb(), first);
    EXPECT_EQ(test.Attempt(), 0);
    test.NextQuestion(); // nothing finished to move on from
    EXPECT_EQ(test.Questions()[1].outcome, QuestionOutcome::Unfinished);
    EXPECT_EQ(test.Skip().step, Step::Skipped);
    EXPECT_TRUE(test.AllAsked());
    // The closing display: the next Ready or Skip ends the test.
    test.NextQuestion();
    EXPECT_EQ(test.Answer(RightFor(test)).step, Step::EndOfTest);
    EXPECT_EQ(test.Skip().step, Step::EndOfTest);
    EXPECT_EQ(test.FinishedQuestions(), 2);
}

TEST(TestSession, TheTimeLimitAllowsAnyNumberOfWrongAnswersAndRunsOutOnTheQuestion)
{
    TestOptions options;
    options.numWords = 3;
    options.maxAttempt = 1;
    options.mustLimitTime = 1;
    options.limitTime = 1;
    TestSession test(g_verbs, options, FirstVerbs(3));
    EXPECT_EQ(test.TimeLeft(), 60);
    for (int i = 0; i < 5; ++i)
        ASSERT_EQ(test.Answer({}).step, Step::Wrong) << i;
    EXPECT_FALSE(test.IsLocked());
    // The clock stands still between a finished question and the next.
    ASSERT_EQ(test.Answer(RightFor(test)).step, Step::Correct);
    EXPECT_FALSE(test.CountsDown());
    EXPECT_FALSE(test.Tick());
    EXPECT_EQ(test.TimeLeft(), 60);
    test.NextQuestion();
    for (int second = 59; second > 0; --second) {
        ASSERT_FALSE(test.Tick());
        ASSERT_EQ(test.TimeLeft(), second);
    }
    EXPECT_TRUE(test.Tick()) << "the last second runs out";
    EXPECT_EQ(test.TimeLeft(), 0);
    EXPECT_TRUE(test.IsLocked());
    EXPECT_FALSE(test.Tick()) << "the time runs out once";
    EXPECT_EQ(test.TimeLeft(), 0);
    EXPECT_EQ(test.Questions()[1].outcome, QuestionOutcome::TimeOver);
    EXPECT_TRUE(test.Questions()[1].revealed);
    EXPECT_EQ(test.Questions()[2].outcome, QuestionOutcome::NotAsked);
    EXPECT_EQ(test.Answer(RightFor(test)).step, Step::EndOfTest);

    // Without a time limit there is no countdown.
    options.mustLimitTime = 0;
    TestSession untimed(g_verbs, options, FirstVerbs(3));
    EXPECT_FALSE(untimed.Tick());
    EXPECT_EQ(untimed.TimeLeft(), 0);
    // A stopped test counts down no more.
    options.mustLimitTime = 1;
    TestSession stopped(g_verbs, options, FirstVerbs(3));
    stopped.End();
    EXPECT_FALSE(stopped.Tick());
    EXPECT_EQ(stopped.TimeLeft(), 60);
    EXPECT_EQ(stopped.Answer({}).step, Step::EndOfTest);
}

TEST(TestSession, TheVerdictJudgesEveryAskedFieldAndOnlyThose)
{
    struct Case {
        int onlyOneForm, whichForm;
        AskedForms asked; // in the random mode, the form the draw must give
        TypedAnswer typed;
        Step step;
        int verb = 5;
    };
    const AskedForms both{true, true}, past{true, false}, participle{false, true};
    const AskedForms pastWithoutParticiple{true, false, true};
    const Case cases[] = {
        {0, 0, both, {L"was", L"been"}, Step::Correct},
        {0, 0, both, {L"were", L"been"}, Step::Correct},
        {0, 0, both, {L"was", L"Been"}, Step::Wrong},
        {0, 0, both, {L"wass", L"been"}, Step::Wrong},
        {0, 0, both, {L"was; were", L"been"}, Step::Wrong},
        {0, 0, both, {L"", L""}, Step::Wrong},
        {1, 0, past, {L"were", L"anything"}, Step::Correct},
        {1, 0, past, {L"been", L"been"}, Step::Wrong},
        {1, 1, participle, {L"", L"been"}, Step::Correct},
        {1, 1, participle, {L"was", L"was"}, Step::Wrong},
        {1, 2, past, {L"was", L""}, Step::Correct},
        {1, 2, past, {L"", L"been"}, Step::Wrong},
        {1, 2, participle, {L"", L"been"}, Step::Correct},
        {1, 2, participle, {L"was", L""}, Step::Wrong},
        {1, 7, past, {L"was", L""}, Step::Correct}, // a stored choice out of range
        // can has no participle: its past tense is asked instead, whatever
        // the participle's field holds.
        {0, 0, pastWithoutParticiple, {L"could", L""}, Step::Correct, 200},
        {0, 0, pastWithoutParticiple, {L"could", L"anything"}, Step::Correct, 200},
        {0, 0, pastWithoutParticiple, {L"", L"could"}, Step::Wrong, 200},
        {1, 1, past, {L"could", L""}, Step::Correct, 200},
        {1, 1, past, {L"", L"could"}, Step::Wrong, 200},
        {1, 2, past, {L"could", L""}, Step::Correct, 200},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.onlyOneForm << "/" << c.whichForm << " "
                                        << testing::PrintToString(c.typed.pastTense) << " "
                                        << testing::PrintToString(c.typed.participle));
        TestOptions options;
        options.numWords = 1;
        options.onlyOneForm = c.onlyOneForm;
        options.whichForm = c.whichForm;
        SeedAsking({c.verb}, options, c.asked);
        TestSession test(g_verbs, options, {c.verb});
        ASSERT_TRUE(test.Forms() == c.asked);
        EXPECT_EQ(test.Answer(c.typed).step, c.step);
    }
}

TEST(TestSession, ThePictureFollowsTheShareOfRightAnswers)
{
    // With N questions k right answers have uncovered k x 320 / N cells,
    // whatever came between; a perfect test uncovers all 320.
    for (int count : {1, 3, 7, 10, 294}) {
        for (int pattern : {0, 1, 2}) {
            SCOPED_TRACE(testing::Message() << count << " questions, pattern " << pattern);
            TestOptions options;
            options.numWords = count;
            TestSession test(g_verbs, options, FirstVerbs(kVerbCount));
            int sum = 0, right = 0;
            for (int q = 0; q < count; ++q) {
                // 0: all right; 1: every third skipped; 2: every other right after a wrong answer
                bool skip = pattern == 1 && q % 3 == 1;
                if (pattern == 2 && q % 2 == 0) {
                    ASSERT_EQ(test.Answer({}).step, Step::Wrong);
                }
                TestSession::Result result = skip ? test.Skip() : test.Answer(RightFor(test));
                ASSERT_EQ(result.step, skip ? Step::Skipped : Step::Correct);
                right += skip ? 0 : 1;
                sum += result.cells;
                if (skip) {
                    ASSERT_EQ(result.cells, 0) << "a skip uncovers nothing";
                }
                ASSERT_EQ(test.UncoveredCells(), right * kPictureCells / count);
                ASSERT_EQ(sum, test.UncoveredCells());
                ASSERT_EQ(test.Questions()[static_cast<size_t>(q)].cells, result.cells);
                test.NextQuestion();
            }
            EXPECT_TRUE(test.AllAsked());
            if (pattern != 1) {
                EXPECT_EQ(sum, kPictureCells);
            }
        }
    }
    // Three right answers: a third of the picture each, rounded down.
    TestOptions options;
    options.numWords = 3;
    TestSession test(g_verbs, options, FirstVerbs(3));
    std::vector<int> cells;
    for (int q = 0; q < 3; ++q) {
        cells.push_back(test.Answer(RightFor(test)).cells);
        test.NextQuestion();
    }
    EXPECT_EQ(cells, (std::vector<int>{106, 107, 107}));
}

TEST(TestSession, EveryAnswerIsRecordedAndToldToTheListener)
{
    struct Listener : AnswerListener {
        void OnAnswerRecorded(const TestSession& session, const AnswerRecord& answer) override
        {
            heard.push_back(answer);
            finishedWhenHeard.push_back(session.FinishedQuestions());
        }
        std::vector<AnswerRecord> heard;
        std::vector<int> finishedWhenHeard;
    } listener;
    ManualClock clock;
    TestOptions options;
    options.numWords = 4;
    options.onlyOneForm = 1;
    options.whichForm = 1; // the participle
    options.maxAttempt = 2;
    TestSession test(g_verbs, options, {2, 5, 9, 11}, RandomQuestionDraw(), clock);
    test.SetAnswerListener(&listener);
    const std::vector<int> order{test.Questions()[0].verb, test.Questions()[1].verb, test.Questions()[2].verb,
                                 test.Questions()[3].verb};

    clock.now += 1500;
    test.Answer({L"typed in no field", L"wrong"});
    clock.now += 2500;
    test.Answer(RightFor(test));
    clock.now += 400; // the result box
    test.NextQuestion();
    clock.now += 700;
    test.Skip();
    test.NextQuestion();
    clock.now += 300;
    test.Answer({L"", L"bad"});
    clock.now += 200;
    test.Answer({L"", L"worse"});
    test.Answer(RightFor(test)); // locked: ends the test, not an answer
    test.End();

    const AskedForms participle{false, true};
    auto answer = [&](int question, TypedAnswer typed, Verdict verdict, int attempt, long long ms) {
        int verb = order[static_cast<size_t>(question)];
        return AnswerRecord{question, verb, g_verbs[static_cast<size_t>(verb)].infinitive, participle, typed, verdict,
                            attempt, ms};
    };
    const std::vector<AnswerRecord> expected{
        answer(0, {L"", L"wrong"}, Verdict::Wrong, 1, 1500),
        answer(0, {L"", g_verbs[static_cast<size_t>(order[0])].pastParticiple}, Verdict::Correct, 2, 2500),
        answer(1, {}, Verdict::Skipped, 1, 700),
        answer(2, {L"", L"bad"}, Verdict::Wrong, 1, 300),
        answer(2, {L"", L"worse"}, Verdict::Wrong, 2, 200),
    };
    auto same = [](const AnswerRecord& a, const AnswerRecord& b) {
        return a.question == b.question && a.verb == b.verb && a.infinitive == b.infinitive && a.forms == b.forms &&
               a.typed == b.typed && a.verdict == b.verdict && a.attempt == b.attempt &&
               a.milliseconds == b.milliseconds;
    };
    ASSERT_EQ(test.Answers().size(), expected.size());
    ASSERT_EQ(listener.heard.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_TRUE(same(test.Answers()[i], expected[i]));
        EXPECT_TRUE(same(listener.heard[i], expected[i]));
    }
    EXPECT_EQ(listener.finishedWhenHeard, (std::vector<int>{0, 1, 2, 2, 2})) << "told after the answer counted";

    const std::vector<QuestionRecord>& questions = test.Questions();
    EXPECT_EQ(questions[0].outcome, QuestionOutcome::RightLater);
    EXPECT_EQ(questions[0].attempts, 2);
    EXPECT_EQ(questions[0].cells, 80);
    EXPECT_EQ(questions[1].outcome, QuestionOutcome::Skipped);
    EXPECT_EQ(questions[2].outcome, QuestionOutcome::Missed);
    EXPECT_EQ(questions[2].attempts, 2);
    EXPECT_EQ(questions[3].outcome, QuestionOutcome::NotAsked);
    EXPECT_FALSE(test.IsRunning());

    // Stopped on a question: it stays unfinished; right the first time is told apart.
    TestSession stopped(g_verbs, options, {2, 5, 9, 11});
    stopped.Answer(RightFor(stopped));
    stopped.NextQuestion();
    stopped.End();
    EXPECT_EQ(stopped.Questions()[0].outcome, QuestionOutcome::RightFirstTime);
    EXPECT_EQ(stopped.Questions()[1].outcome, QuestionOutcome::Unfinished);
    EXPECT_EQ(stopped.Answer(RightFor(stopped)).step, Step::EndOfTest);
    EXPECT_EQ(stopped.Answers().size(), 1u);
}
