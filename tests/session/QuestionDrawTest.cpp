// The random choices of a test, with the runtime's own generator.
#include "session/AskedForms.h"
#include "session/QuestionDraw.h"
#include "session/RandomDraw.h"
#include "session/TestSession.h"
#include <gtest/gtest.h>
#include <cstdlib>
#include <set>
#include <vector>

namespace {

std::vector<int> AllVerbs()
{
    std::vector<int> all;
    for (int i = 0; i < kVerbCount; ++i)
        all.push_back(i);
    return all;
}

std::vector<int> EverySeventhVerb()
{
    std::vector<int> verbs;
    for (int i = 3; i < kVerbCount; i += 7)
        verbs.push_back(i); // 42 verbs
    return verbs;
}

} // namespace

TEST(QuestionDraw, StartsSecondsApartBeginWithDifferentVerbs)
{
    // A minute of starts: the first question is spread over the table. Seeded
    // with the bare seconds, the runtime's generator gives two or three verbs.
    std::set<int> firstVerbs;
    for (long long second = 1700000000; second < 1700000060; ++second) {
        SeedDraws(second);
        firstVerbs.insert(DrawBelow(kVerbCount));
    }
    EXPECT_GT(firstVerbs.size(), 40u);
    SeedDraws(1700000000);
    int first = std::rand();
    std::srand(ClockSeed(1700000000));
    EXPECT_EQ(std::rand(), first) << "the run is seeded with the mixed seconds";
}

TEST(QuestionDraw, DrawsScaleTheGeneratorNeverTakeItsRemainder)
{
    for (unsigned seed = 1; seed <= 20; ++seed)
        for (int n : {10, 42, kVerbCount}) {
            std::srand(seed);
            long long r = std::rand();
            std::srand(seed);
            ASSERT_EQ(DrawBelow(n), r * n / 32768) << "seed " << seed << ", n " << n;
        }
}

TEST(QuestionDraw, QuestionsAreDistinctVerbsOfTheTestSetInEveryOrder)
{
    const std::vector<int> verbs = EverySeventhVerb();
    std::set<int> firstQuestions;
    for (unsigned seed = 1; seed <= 50; ++seed) {
        std::srand(ClockSeed(seed));
        std::vector<int> order = ChooseQuestions(verbs, 42);
        ASSERT_EQ(order.size(), 42u);
        std::set<int> asked(order.begin(), order.end());
        ASSERT_EQ(asked.size(), 42u) << "a verb asked twice";
        for (int verb : asked)
            ASSERT_EQ(verb % 7, 3) << "a verb outside the test set";
        firstQuestions.insert(order[0]);
    }
    EXPECT_GT(firstQuestions.size(), 20u);
    // More questions than verbs: every verb once, no more.
    EXPECT_EQ(ChooseQuestions({4, 9}, 5).size(), 2u);
    EXPECT_TRUE(ChooseQuestions({}, 3).empty());
}

TEST(QuestionDraw, AskedFormsFollowTheOptionsWithSixChancesInTenForThePastTense)
{
    auto forms = [](int only, int which, int r) {
        AskedForms f = DecideAskedForms(only, which, r);
        return (f.pastTense ? 1 : 0) + (f.pastParticiple ? 2 : 0);
    };
    for (int r = 0; r < 10; ++r) {
        EXPECT_EQ(forms(0, 1, r), 3); // both, whatever the form choice says
        EXPECT_EQ(forms(1, 0, r), 1);
        EXPECT_EQ(forms(1, 1, r), 2);
        EXPECT_EQ(forms(1, 2, r), r <= 5 ? 1 : 2);
        EXPECT_EQ(forms(1, 3, r), 1); // out of range: the past tense, never no field
        EXPECT_EQ(forms(1, -1, r), 1);
    }
    EXPECT_TRUE(IsRandomFormMode(1, 2));
    EXPECT_FALSE(IsRandomFormMode(0, 2));
    EXPECT_FALSE(IsRandomFormMode(1, 1));
}

// A test started after seeding asks the verbs and forms that the view drew
// before the test had a model of its own: the questions, one form draw at
// the start, then one before every later question in the random mode. The
// expectations were printed by that earlier code.
TEST(QuestionDraw, SeededTestAsksTheVerbsAndFormsOfTheEarlierDraw)
{
    struct Case {
        const char* testSet;
        unsigned seed;
        int count, onlyOneForm, whichForm;
        std::vector<int> verbs;
        std::vector<int> forms; // 1 past tense, 2 participle, 3 both
    };
    const Case cases[] = {
        {"all", 7, 10, 0, 0, {0, 156, 136, 63, 140, 58, 271, 106, 249, 183}, {3, 3, 3, 3, 3, 3, 3, 3, 3, 3}},
        {"all", 1, 12, 1, 2, {0, 166, 57, 238, 172, 140, 102, 264, 242, 218, 50, 253},
         {2, 1, 1, 1, 1, 1, 1, 1, 2, 1, 1, 1}},
        {"all", 20240611, 12, 1, 2, {38, 283, 238, 256, 119, 152, 263, 175, 183, 220, 103, 64},
         {1, 1, 2, 1, 1, 2, 1, 1, 1, 1, 2, 1}},
        {"all", 2888045597u, 12, 1, 2, {177, 158, 235, 204, 258, 153, 6, 163, 97, 22, 119, 288},
         {1, 1, 2, 2, 2, 1, 1, 1, 1, 2, 2, 1}},
        {"every 7th", 1, 42, 1, 2,
         {3,   171, 59,  241, 178, 136, 101, 269, 234, 213, 45,  255, 199, 129, 80,  10,  31,  115, 52,  66,  290,
          150, 38,  17,  24,  157, 192, 206, 220, 185, 87,  248, 143, 122, 73,  262, 276, 283, 164, 94,  227, 108},
         {2, 2, 1, 1, 1, 1, 2, 1, 2, 2, 2, 2, 2, 1, 1, 1, 2, 1, 1, 1, 2,
          1, 1, 2, 1, 1, 1, 2, 2, 2, 1, 1, 2, 1, 1, 2, 2, 1, 1, 1, 2, 2}},
        {"three", 2888045597u, 3, 1, 1, {150, 293, 0}, {2, 2, 2}},
    };
    const VerbTable verbs{};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.testSet << ", seed " << c.seed);
        std::vector<int> testSet = std::string(c.testSet) == "all" ? AllVerbs()
                                   : std::string(c.testSet) == "three" ? std::vector<int>{0, 150, 293}
                                                                       : EverySeventhVerb();
        TestOptions options;
        options.numWords = c.count;
        options.onlyOneForm = c.onlyOneForm;
        options.whichForm = c.whichForm;
        std::srand(c.seed);
        TestSession test(verbs, options, testSet);
        std::vector<int> asked, forms;
        while (!test.AllAsked()) {
            asked.push_back(test.CurrentVerb());
            forms.push_back((test.Forms().pastTense ? 1 : 0) + (test.Forms().pastParticiple ? 2 : 0));
            ASSERT_EQ(test.Skip().step, TestSession::Step::Skipped);
            test.NextQuestion();
        }
        EXPECT_EQ(asked, c.verbs);
        EXPECT_EQ(forms, c.forms);
    }
}
