// The random choices of a test, with the runtime's own generator.
#include "view/TestQuestions.h"
#include <gtest/gtest.h>
#include <cstdlib>
#include <set>

TEST(QuestionDraw, StartsSecondsApartBeginWithDifferentVerbs)
{
    // A minute of starts: the first question is spread over the table. Seeded
    // with the bare seconds, the runtime's generator gives two or three verbs.
    std::set<int> firstVerbs;
    for (long long second = 1700000000; second < 1700000060; ++second) {
        std::srand(ClockSeed(second));
        firstVerbs.insert(DrawBelow(kVerbCount));
    }
    EXPECT_GT(firstVerbs.size(), 40u);
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
    VerbTable verbs;
    for (int i = 0; i < kVerbCount; ++i)
        verbs[static_cast<size_t>(i)].selectionMark = i % 7 == 3 ? 0 : 1; // 42 verbs
    std::set<int> firstQuestions;
    for (unsigned seed = 1; seed <= 50; ++seed) {
        std::srand(ClockSeed(seed));
        QuestionOrder order{};
        ChooseQuestions(verbs, 42, order);
        std::set<int> asked(order.begin(), order.begin() + 42);
        ASSERT_EQ(asked.size(), 42u) << "a verb asked twice";
        for (int verb : asked)
            ASSERT_EQ(verb % 7, 3) << "a verb outside the test set";
        firstQuestions.insert(order[0]);
    }
    EXPECT_GT(firstQuestions.size(), 20u);
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
