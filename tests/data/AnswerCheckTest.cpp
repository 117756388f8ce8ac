// The answer check: variants, letter case, blanks, malformed variant lists,
// and the forms a record also accepts.
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

TEST(AnswerCheck, FormsAlsoAcceptedCountForTheirOwnFormOnly)
{
    VerbRecord get{L"get", L"got", L"got", L"", L"", L"gotten"};
    VerbRecord strive{L"strive", L"strove", L"striven", L"", L"strived", L"strived; strove"};
    const struct {
        const VerbRecord& verb;
        VerbForm form;
        const wchar_t* typed;
        AnswerMatch match;
    } cases[] = {
        {get, VerbForm::PastTense, L"got", AnswerMatch::TableForm},
        {get, VerbForm::PastParticiple, L"got", AnswerMatch::TableForm},
        {get, VerbForm::PastParticiple, L"gotten", AnswerMatch::AlsoAccepted},
        {get, VerbForm::PastTense, L"gotten", AnswerMatch::Wrong},
        // No forms also accepted: an empty field still matches nothing.
        {get, VerbForm::PastTense, L"", AnswerMatch::Wrong},
        {get, VerbForm::PastParticiple, L"", AnswerMatch::Wrong},
        // The same rule as for the table's forms: whole variants, exactly.
        {get, VerbForm::PastParticiple, L"Gotten", AnswerMatch::Wrong},
        {get, VerbForm::PastParticiple, L"gotten ", AnswerMatch::Wrong},
        {strive, VerbForm::PastTense, L"strived", AnswerMatch::AlsoAccepted},
        {strive, VerbForm::PastParticiple, L"strived", AnswerMatch::AlsoAccepted},
        {strive, VerbForm::PastParticiple, L"strove", AnswerMatch::AlsoAccepted},
        {strive, VerbForm::PastParticiple, L"striven", AnswerMatch::TableForm},
        {strive, VerbForm::PastParticiple, L"strived; strove", AnswerMatch::Wrong},
        {strive, VerbForm::PastTense, L"striven", AnswerMatch::Wrong},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.verb.infinitive) + (c.form == VerbForm::PastTense ? " past " : " participle ") +
                     ::testing::PrintToString(std::wstring(c.typed)));
        EXPECT_EQ(MatchAnswer(c.verb, c.form, c.typed), c.match);
        EXPECT_EQ(IsAnswerAccepted(c.verb, c.form, c.typed), c.match != AnswerMatch::Wrong);
    }
    // The table's own check knows nothing of them.
    EXPECT_FALSE(IsAnswerCorrect(L"gotten", get.pastParticiple));
}
