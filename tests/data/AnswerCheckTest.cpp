// The answer check: variants, letter case, blanks and malformed variant lists.
#include "data/AnswerCheck.h"
#include <gtest/gtest.h>

TEST(AnswerCheck, SingleFormMatchesOnlyExactly)
{
    EXPECT_TRUE(IsAnswerCorrect(L"went", L"went"));
    EXPECT_FALSE(IsAnswerCorrect(L"Went", L"went"));
    EXPECT_FALSE(IsAnswerCorrect(L"went ", L"went"));
    EXPECT_FALSE(IsAnswerCorrect(L" went", L"went"));
    EXPECT_FALSE(IsAnswerCorrect(L"", L"went"));
    EXPECT_FALSE(IsAnswerCorrect(L"wen", L"went"));
}

TEST(AnswerCheck, EachWholeVariantIsRightButNotTheList)
{
    const std::wstring stored = L"was; were";
    EXPECT_TRUE(IsAnswerCorrect(L"was", stored));
    EXPECT_TRUE(IsAnswerCorrect(L"were", stored));
    EXPECT_FALSE(IsAnswerCorrect(L"Was", stored));
    EXPECT_FALSE(IsAnswerCorrect(L"was ", stored));
    EXPECT_FALSE(IsAnswerCorrect(L" were", stored));
    EXPECT_FALSE(IsAnswerCorrect(L"was; were", stored));
    EXPECT_FALSE(IsAnswerCorrect(L"wa", stored));
    EXPECT_FALSE(IsAnswerCorrect(L"", stored));

    const std::wstring three = L"learned; learnt; lernt";
    EXPECT_TRUE(IsAnswerCorrect(L"learned", three));
    EXPECT_TRUE(IsAnswerCorrect(L"learnt", three));
    EXPECT_TRUE(IsAnswerCorrect(L"lernt", three));
    EXPECT_FALSE(IsAnswerCorrect(L"learnt; lernt", three));
}

TEST(AnswerCheck, MalformedListsNeitherOverrunNorAcceptFragments)
{
    // A trailing ";" (or two in a row) leaves an empty variant, which an
    // empty field never matches; the text before it is still a whole variant.
    EXPECT_TRUE(IsAnswerCorrect(L"was", L"was;"));
    EXPECT_FALSE(IsAnswerCorrect(L"was;", L"was;"));
    EXPECT_FALSE(IsAnswerCorrect(L"", L"was;"));
    EXPECT_FALSE(IsAnswerCorrect(L"", L"was;;were"));
    // No blank after ";": the variant starts right after it.
    EXPECT_TRUE(IsAnswerCorrect(L"were", L"was;were"));
    EXPECT_FALSE(IsAnswerCorrect(L"ere", L"was;were"));
    // Two blanks: only the first is part of the separator.
    EXPECT_TRUE(IsAnswerCorrect(L" were", L"was;  were"));
    EXPECT_FALSE(IsAnswerCorrect(L"were", L"was;  were"));
}
