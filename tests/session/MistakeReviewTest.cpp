// What a played test tells of itself at its end: the summary, the review of
// its mistaken questions and the drill of their verbs.
#include "session/MistakeReview.h"
#include "session/TestSession.h"
#include <gtest/gtest.h>
#include <set>

namespace {

class StepClock : public SessionClock {
public:
    long long Milliseconds() const override { return now; }
    long long now = 0;
};

// Verb i is "inf<i>" / "past<i>" / "part<i>"; "be" has variants, "get" a
// participle also accepted.
VerbTable ReviewVerbs()
{
    VerbTable verbs;
    for (int i = 0; i < kVerbCount; ++i) {
        std::wstring n = std::to_wstring(i);
        verbs[static_cast<size_t>(i)] = {L"inf" + n, L"past" + n, L"part" + n, L"tr" + n};
    }
    verbs[1] = {L"be", L"was; were", L"been", L"быть"};
    verbs[2] = {L"get", L"got", L"got", L"получать", L"", L"gotten"};
    return verbs;
}
const VerbTable g_verbs = ReviewVerbs();

} // namespace

TEST(MistakeReview, TheEndOfATestTellsItsOutcomesTypedTextsAndMarkedForms)
{
    StepClock clock;
    TestOptions options;
    options.numWords = 4;
    options.maxAttempt = 2;
    // Both forms asked; the questions in the listed order.
    TestSession test(g_verbs, options, {0, 1, 2, 3}, ListedQuestionDraw({1, 2, 0, 3}), clock);
    std::set<int> order;
    for (const QuestionRecord& q : test.Questions())
        order.insert(q.verb);
    ASSERT_EQ(order, (std::set<int>{0, 1, 2, 3}));
    auto play = [&](int verb) {
        // Each verb goes its own way, whatever place the draw gave it.
        switch (verb) {
        case 1: // wrong, then the past tense right
            clock.now += 4000;
            test.Answer({L"ware", L"bean"});
            clock.now += 2000;
            EXPECT_EQ(test.Answer({L"were", L"been"}).step, TestSession::Step::Correct);
            break;
        case 2: // the participle also accepted: right at the first attempt
            clock.now += 1000;
            test.Answer({L"got", L"gotten"});
            break;
        case 0: // a wrong past tense twice: missed
            clock.now += 3000;
            test.Answer({L"pest0", L"part0"});
            test.Answer({L"Past0", L"part0"});
            test.Answer({L"ignored", L"ignored"}); // locked
            test.End();
            return false;
        case 3:
            test.Skip();
            break;
        }
        test.NextQuestion();
        return true;
    };
    for (const QuestionRecord& q : std::vector<QuestionRecord>(test.Questions()))
        if (!play(q.verb))
            break;

    const TestSummary summary = Summarize(test);
    int asked = 0;
    for (const QuestionRecord& q : test.Questions())
        asked += q.outcome != QuestionOutcome::NotAsked;
    EXPECT_EQ(summary.rightFirstTime + summary.rightLater + summary.notRight, asked);
    EXPECT_EQ(summary.milliseconds, clock.now);

    const std::vector<QuestionReview> reviews = ReviewMistakes(test, g_verbs);
    EXPECT_EQ(reviews.size(), MistakenVerbs(test).size());
    for (size_t i = 0; i < reviews.size(); ++i)
        EXPECT_EQ(reviews[i].verb, MistakenVerbs(test)[i]);
    for (const QuestionReview& r : reviews) {
        SCOPED_TRACE(r.infinitive);
        EXPECT_NE(r.verb, 2) << "an also-accepted form is right";
        ASSERT_EQ(r.forms.size(), 2u);
        const FormReview& past = r.forms[0];
        const FormReview& participle = r.forms[1];
        if (r.verb == 1) {
            EXPECT_EQ(r.outcome, QuestionOutcome::RightLater);
            EXPECT_EQ(r.translation, L"быть");
            EXPECT_EQ(past.typed, (std::vector<std::wstring>{L"ware", L"were"}));
            EXPECT_TRUE(past.right && participle.right);
            EXPECT_EQ(Bracketed(past.marked), L"was; w[e]re");
            ASSERT_EQ(past.typedMarked.size(), 2u);
            EXPECT_EQ(Bracketed(past.typedMarked[0]), L"w[a]re") << "the wrong letter of the wrong text";
            EXPECT_EQ(Bracketed(past.typedMarked[1]), L"were") << "a text taken is not marked";
            EXPECT_EQ(Bracketed(participle.typedMarked[0]), L"be[a]n");
            EXPECT_EQ(Bracketed(participle.marked), L"be[e]n");
        } else if (r.verb == 0) {
            EXPECT_EQ(r.outcome, QuestionOutcome::Missed);
            EXPECT_EQ(past.typed, (std::vector<std::wstring>{L"pest0", L"Past0"}));
            EXPECT_FALSE(past.right);
            EXPECT_TRUE(participle.right);
            EXPECT_EQ(Bracketed(past.marked), L"[p]ast0") << "against the last wrong text";
            ASSERT_EQ(past.typedMarked.size(), 2u);
            EXPECT_EQ(Bracketed(past.typedMarked[0]), L"p[e]st0") << "each wrong text against the form";
            EXPECT_EQ(Bracketed(past.typedMarked[1]), L"[P]ast0");
            EXPECT_FALSE(r.unfinished);
            EXPECT_EQ(Bracketed(participle.marked), L"part0");
        } else {
            EXPECT_EQ(r.verb, 3);
            EXPECT_TRUE(r.skipped);
            EXPECT_TRUE(past.typed.empty() && past.typedMarked.empty());
            EXPECT_FALSE(past.right || participle.right);
            EXPECT_EQ(Bracketed(past.marked), L"past3");
        }
    }

    // The drill: exactly the mistaken verbs, even below the usual count.
    const std::vector<int> missed = MistakenVerbs(test);
    ASSERT_FALSE(missed.empty());
    options.numWords = 10;
    TestSession drill(g_verbs, options, missed, ListedQuestionDraw(missed));
    std::multiset<int> drilled;
    for (const QuestionRecord& q : drill.Questions())
        drilled.insert(q.verb);
    EXPECT_EQ(drilled, std::multiset<int>(missed.begin(), missed.end()));
    EXPECT_EQ(ListedQuestionDraw({}).Choose({0, 1, 2}, 3), std::vector<int>{});

    // Stopped on a question after a wrong answer: reviewed as not finished
    // and drilled. Stopped on one before any answer: neither.
    for (bool answered : {true, false}) {
        SCOPED_TRACE(answered);
        options.numWords = 2;
        options.maxAttempt = 3;
        TestSession stopped(g_verbs, options, {4, 5}, ListedQuestionDraw({4, 5}), clock);
        const int first = stopped.Questions()[0].verb, second = stopped.Questions()[1].verb;
        const std::wstring n = std::to_wstring(first);
        stopped.Answer({L"past" + n, L"part" + n});
        stopped.NextQuestion();
        ASSERT_EQ(stopped.Verb().infinitive, L"inf" + std::to_wstring(second));
        if (answered) {
            EXPECT_EQ(stopped.Answer({L"paste" + std::to_wstring(second), L"part" + std::to_wstring(second)}).step,
                      TestSession::Step::Wrong);
        }
        stopped.End();
        const std::vector<QuestionReview> left = ReviewMistakes(stopped, g_verbs);
        if (!answered) {
            EXPECT_TRUE(left.empty());
            EXPECT_TRUE(MistakenVerbs(stopped).empty());
            continue;
        }
        ASSERT_EQ(left.size(), 1u);
        EXPECT_EQ(left[0].verb, second);
        EXPECT_TRUE(left[0].unfinished);
        EXPECT_FALSE(left[0].skipped);
        ASSERT_EQ(left[0].forms.size(), 2u);
        EXPECT_FALSE(left[0].forms[0].right);
        EXPECT_EQ(Bracketed(left[0].forms[0].typedMarked.at(0)), L"past[e]" + std::to_wstring(second));
        EXPECT_EQ(MistakenVerbs(stopped), std::vector<int>{second});
    }
}
