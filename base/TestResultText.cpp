#include "base/TestResultText.h"
#include "base/Language.h"
#include "framework/Text.h"
#include "resources/resource.h"

namespace {

void ReplaceFirst(std::wstring& text, const wchar_t* mark, const std::wstring& value)
{
    size_t at = text.find(mark);
    if (at != std::wstring::npos)
        text.replace(at, 2, value);
}

} // namespace

std::wstring TestResultText(const TestSummary& summary)
{
    const long long seconds = (summary.milliseconds + 500) / 1000;
    std::wstring time = fw::FormatString2(LoadLangString(IDS_REVIEW_MINUTES), std::to_wstring(seconds / 60),
                                          std::to_wstring(seconds % 60));
    // The counts and the time bring no "%" of their own.
    std::wstring text = LoadLangString(IDS_TEST_RESULT);
    ReplaceFirst(text, L"%1", std::to_wstring(summary.rightFirstTime));
    ReplaceFirst(text, L"%2", std::to_wstring(summary.rightLater));
    ReplaceFirst(text, L"%3", std::to_wstring(summary.notRight));
    ReplaceFirst(text, L"%4", time);
    return text;
}
