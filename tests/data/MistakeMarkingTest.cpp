// Marking a mistaken form against the correct one, and reading keys typed
// with the Russian layout as the English layout would have typed them.
#include "data/FormDiff.h"
#include "data/LayoutRetype.h"
#include <gtest/gtest.h>

TEST(FormDiff, MarksTheCorrectLettersTheTypedTextLacksAndTheTypedLettersTheFormLacks)
{
    struct Case {
        const wchar_t* typed;
        const wchar_t* stored;
        const wchar_t* marked;
        const wchar_t* typedMarked; // extra letters and wrong ones in a correct letter's place
    } cases[] = {
        {L"sang", L"sang", L"sang", L"sang"},                      // right: nothing marked
        {L"sing", L"sang", L"s[a]ng", L"s[i]ng"},                  // one letter replaced
        {L"sag", L"sang", L"sa[n]g", L"sag"},                      // one missing
        {L"sanng", L"sang", L"sang", L"san[n]g"},                  // an extra letter marks nothing in the correct form
        {L"Sang", L"sang", L"[s]ang", L"[S]ang"},                  // letter case counts
        {L"", L"went", L"went", L""},                              // nothing typed: nothing to compare
        {L"xyz", L"went", L"[went]", L"[xyz]"},                    // nothing in common: one run
        {L"brougt", L"brought", L"broug[h]t", L"brougt"},
        {L"teached", L"taught", L"ta[ug]h[t]", L"t[e]a[c]h[ed]"},  // a longest common subsequence, the rest marked
        {L"writed", L"wrote", L"wr[o]te", L"wr[i]te[d]"},          // wrong and extra letters at once
        {L"goed", L"went", L"[w]e[nt]", L"[go]e[d]"},               // extra letters on both ends
        {L"wenta", L"went", L"went", L"went[a]"},                  // an extra letter at the end
        {L"awent", L"went", L"went", L"[a]went"},                  // and at the start
        {L"ware", L"was; were", L"was; w[e]re", L"w[a]re"},        // the nearest variant only
        {L"wos", L"was; were", L"w[a]s; were", L"w[o]s"},
        {L"wasere", L"was; were", L"was; were", L"w[as]ere"},      // both sides against the nearer variant
        {L"lernd", L"learned; learnt", L"le[a]rn[e]d; learnt", L"lernd"},
        {L"was", L"was;", L"was;", L"was"},                        // an empty variant after ";" is never the nearest to text
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Bracketed(MarkAgainstForm(c.typed, c.stored)), c.marked) << c.typed << " / " << c.stored;
        EXPECT_EQ(Bracketed(MarkTypedAgainstForm(c.typed, c.stored)), c.typedMarked) << c.typed << " / " << c.stored;
    }
}

TEST(FormDiff, RunsAlternateAndEditDistanceCountsLetters)
{
    std::vector<MarkedPiece> pieces = MarkDifferences(L"sing", L"sang");
    std::vector<MarkedPiece> expected = {{L"s", false}, {L"a", true}, {L"ng", false}};
    EXPECT_EQ(pieces, expected);
    EXPECT_TRUE(MarkDifferences(L"abc", L"").empty());
    expected = {{L"wr", false}, {L"i", true}, {L"te", false}, {L"d", true}};
    EXPECT_EQ(MarkTyped(L"writed", L"wrote"), expected);
    EXPECT_TRUE(MarkTyped(L"", L"went").empty());
    EXPECT_EQ(EditDistance(L"", L"went"), 4);
    EXPECT_EQ(EditDistance(L"sing", L"sang"), 1);
    EXPECT_EQ(EditDistance(L"ware", L"were"), 1);
    EXPECT_EQ(EditDistance(L"ware", L"was"), 2);
    EXPECT_EQ(EditDistance(L"kitten", L"sitting"), 3);
}

TEST(LayoutRetype, EveryRussianLetterGivesTheKeyOfTheUsLayout)
{
    // Alphabetical order, ё in its place, then the capitals.
    const std::wstring russian = L"абвгдеёжзийклмнопрстуфхцчшщъыьэюя";
    const std::wstring english = L"f,dult`;pbqrkvyjghcnea[wxio]sm'.z";
    const std::wstring russianCaps = L"АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ";
    const std::wstring englishCaps = L"F<DULT~:PBQRKVYJGHCNEA{WXIO}SM\">Z";
    ASSERT_EQ(russian.size(), 33u);
    ASSERT_EQ(english.size(), 33u);
    ASSERT_EQ(russianCaps.size(), 33u);
    ASSERT_EQ(englishCaps.size(), 33u);
    for (size_t i = 0; i < russian.size(); ++i) {
        EXPECT_EQ(EnglishKeyOf(russian[i]), english[i]) << "letter " << i;
        EXPECT_EQ(EnglishKeyOf(russianCaps[i]), englishCaps[i]) << "capital " << i;
    }
}

TEST(LayoutRetype, WholeAnswersAndWhatStaysAsItIs)
{
    EXPECT_EQ(RetypeInEnglishLayout(L"\u044B\u0444\u0442\u043F"), L"sang");        // ыфтп
    EXPECT_EQ(RetypeInEnglishLayout(L"\u0418\u0443\u0444\u043A"), L"Bear");        // Иуфк
    EXPECT_EQ(RetypeInEnglishLayout(L"went; \u0446\u0443\u043A\u0443"), L"went; were"); // mixed
    EXPECT_EQ(RetypeInEnglishLayout(L""), L"");
    for (wchar_t c : {L'a', L'Z', L'1', L' ', L';', L'\u0454', L'\u00E9'}) // Latin, digits, Ukrainian є, é
        EXPECT_EQ(EnglishKeyOf(c), c);
    EXPECT_TRUE(HasCyrillic(L"s\u0430ng"));
    EXPECT_TRUE(HasCyrillic(L"\u0401"));
    EXPECT_FALSE(HasCyrillic(L"sang; sung 1"));
    EXPECT_FALSE(HasCyrillic(L""));
}
