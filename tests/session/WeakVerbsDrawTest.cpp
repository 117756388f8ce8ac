// The draw that asks weak verbs first: the learning boxes the answer history
// gives, the weights they make, and the draw following those weights.
#include "data/HistoryStats.h"
#include "data/VerbRecord.h"
#include "session/WeakVerbsDraw.h"
#include <gtest/gtest.h>
#include <cstdlib>
#include <set>
#include <vector>

namespace {

HistoryEntry Answer(int verb, int day, HistoryVerdict verdict, const std::wstring& typed = L"")
{
    HistoryEntry e;
    e.when = {2026, 3, day, 10, 0, 0};
    e.verb = verb;
    e.askedPast = true;
    e.typedPast = typed;
    e.verdict = verdict;
    return e;
}

} // namespace

TEST(WeakVerbs, RightAnswersMoveUpABoxAndAWrongOneOrASkipDropsToTheFirst)
{
    using V = HistoryVerdict;
    struct Case {
        std::vector<V> answers;
        int box;
    } cases[] = {
        {{}, 0},
        {{V::Right}, 1},
        {{V::Right, V::Right, V::Right}, 3},
        {{V::Right, V::Right, V::Right, V::Right, V::Right, V::Right, V::Right}, kTopBox},
        {{V::Right, V::Right, V::Right, V::Wrong}, 1},
        {{V::Right, V::Right, V::Skipped}, 1},
        {{V::Wrong, V::Right, V::Right}, 3},
    };
    for (const Case& c : cases) {
        std::vector<HistoryEntry> entries;
        for (V v : c.answers)
            entries.push_back(Answer(7, 1, v, L"x"));
        std::vector<VerbProgress> progress = ProgressByVerb(entries);
        ASSERT_EQ(progress.size(), static_cast<size_t>(kVerbCount));
        EXPECT_EQ(progress[7].box, c.box) << c.answers.size() << " answers";
        EXPECT_EQ(progress[6].box, 0);
    }
}

TEST(WeakVerbs, WeightFallsWithTheBoxAndGrowsWithTheDaysSinceLastAsked)
{
    const long long today = DayNumberOf(2026, 3, 20);
    constexpr long long kNever = -1000000;
    auto weight = [&](int box, long long daysAgo) {
        VerbProgress p;
        p.box = box;
        p.lastDay = daysAgo == kNever ? -1 : today - daysAgo;
        return LeitnerWeight(p, today);
    };
    // Box 1 weighs 16 a quarter, box 5 one; a day overdue in box 1 adds four quarters.
    EXPECT_EQ(weight(1, 0), 64);
    EXPECT_EQ(weight(1, 1), 128);
    EXPECT_EQ(weight(5, 0), 4);
    EXPECT_EQ(weight(5, 16), 8);
    EXPECT_EQ(weight(5, 1000), 16) << "overdue counts up to four times";
    EXPECT_EQ(weight(0, kNever), 128) << "a verb never asked: box 1, two intervals overdue";
    EXPECT_GT(weight(1, 0), weight(2, 0));
    EXPECT_GT(weight(3, 30), weight(3, 0));
    EXPECT_EQ(weight(2, -5), weight(2, 0)) << "a last day in the future counts as today";
}

TEST(WeakVerbs, TheDrawFavoursHeavyVerbsInProportionAndStaysInTheTestSet)
{
    // Verbs 10..19 weigh 16 times what verbs 20..29 weigh; the others of the
    // table are not in the test set.
    std::vector<int> weights(kVerbCount, 1000);
    std::vector<int> eligible;
    for (int v = 10; v < 30; ++v) {
        weights[static_cast<size_t>(v)] = v < 20 ? 16 : 1;
        eligible.push_back(v);
    }
    const WeakVerbsDraw draw(weights);
    std::srand(12345);
    int heavyFirst = 0;
    const int runs = 2000;
    for (int run = 0; run < runs; ++run) {
        std::vector<int> order = draw.Choose(eligible, 10);
        ASSERT_EQ(order.size(), 10u);
        std::set<int> asked(order.begin(), order.end());
        ASSERT_EQ(asked.size(), 10u) << "a verb asked twice";
        for (int v : order)
            ASSERT_TRUE(v >= 10 && v < 30) << "verb " << v << " is not in the test set";
        heavyFirst += order[0] < 20 ? 1 : 0;
    }
    // The first question is a heavy verb with chance 160 / 170.
    EXPECT_NEAR(static_cast<double>(heavyFirst) / runs, 160.0 / 170.0, 0.02);
    // Every verb is asked when the test takes them all, weights or not.
    EXPECT_EQ(draw.Choose(eligible, 40).size(), 20u);
    EXPECT_TRUE(draw.Choose({}, 3).empty());
}

TEST(WeakVerbs, VerbsAnsweredWronglyRecentlyComeBeforeVerbsLearnedAndSeenToday)
{
    // From a history: verbs 0..4 answered right five times today (box 5),
    // verbs 5..9 wrongly yesterday (box 1). Ten draws of a five-question test.
    std::vector<HistoryEntry> entries;
    for (int v = 0; v < 5; ++v)
        for (int i = 0; i < 5; ++i)
            entries.push_back(Answer(v, 20, HistoryVerdict::Right));
    for (int v = 5; v < 10; ++v)
        entries.push_back(Answer(v, 19, HistoryVerdict::Wrong, L"wrong"));
    const long long today = DayNumberOf(2026, 3, 20);
    std::vector<int> weights;
    for (const VerbProgress& p : ProgressByVerb(entries))
        weights.push_back(LeitnerWeight(p, today));
    const std::vector<int> eligible = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
    const WeakVerbsDraw draw(weights);
    int weakAsked = 0;
    std::srand(777);
    for (int run = 0; run < 200; ++run)
        for (int v : draw.Choose(eligible, 5))
            weakAsked += v >= 5 ? 1 : 0;
    // 128 against 4: nearly every question of the 1000 is a weak verb.
    EXPECT_GT(weakAsked, 900);
}
