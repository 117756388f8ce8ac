#include "base/HistoryReading.h"
#include "base/Language.h"
#include "data/HistoryStats.h"
#include "framework/Text.h"
#include "framework/WinApp.h"
#include "resources/resource.h"

namespace {
bool gDamageReported = false;
}

HistoryContents ReadAnswerHistory(HistoryTexts texts)
{
    const std::wstring path = AnswerHistoryFile::CurrentPath();
    HistoryContents contents = AnswerHistoryFile::Read(path, texts);
    if ((contents.unreadable || contents.damagedLines > 0) && !gDamageReported) {
        gDamageReported = true;
        std::wstring text = contents.unreadable
                                ? fw::FormatString1(LoadLangString(IDS_HISTORY_UNREADABLE), path)
                                : fw::FormatString2(LoadLangString(IDS_HISTORY_DAMAGED),
                                                    std::to_wstring(contents.damagedLines), path);
        AppMessageBox(text, MB_OK | MB_ICONWARNING);
    }
    return contents;
}

long long HistoryToday()
{
    SYSTEMTIME now{};
    ::GetLocalTime(&now);
    return DayNumberOf(now.wYear, now.wMonth, now.wDay);
}

std::vector<int> WeakVerbWeights(const HistoryContents& history, long long today)
{
    std::vector<int> weights;
    for (const VerbProgress& verb : ProgressByVerb(history.entries))
        weights.push_back(LeitnerWeight(verb, today));
    return weights;
}

void ResetReportedHistoryDamage()
{
    gDamageReported = false;
}
