// Substitution of %1 and %2 in texts of the string table.
#include "framework/Text.h"
#include <gtest/gtest.h>

TEST(FormatString, EachPlaceholderOfTheFormatIsReplacedOnceAndInsertedTextIsLeftAlone)
{
    // An argument that itself holds a placeholder is inserted as it is.
    EXPECT_EQ(fw::FormatString2(L"[%1] [%2]", L"A", L"x%1y"), L"[A] [x%1y]");
    EXPECT_EQ(fw::FormatString2(L"[%1] [%2]", L"x%2y", L"B"), L"[x%2y] [B]");
    EXPECT_EQ(fw::FormatString1(L"\"%1\" and %1", L"%1%1"), L"\"%1%1\" and %1%1");
    // Order, repetition, neighbours, and what is not a placeholder.
    EXPECT_EQ(fw::FormatString2(L"%2 of %1, %2%1", L"a", L"b"), L"b of a, ba");
    EXPECT_EQ(fw::FormatString2(L"%3 %0 %% 100%", L"a", L"b"), L"%3 %0 %% 100%");
    EXPECT_EQ(fw::FormatString1(L"%2 stays", L"a"), L"%2 stays");
    EXPECT_EQ(fw::FormatString1(L"", L"a"), L"");
    EXPECT_EQ(fw::FormatString2(L"%1%2", L"", L""), L"");
}
