#include "data/HistoryCsv.h"
#include "framework/Text.h"
#include <windows.h>
#include <cstdio>

namespace {

std::string Utf8(const std::wstring& text)
{
    return fw::Narrow(text, CP_UTF8);
}

const char kBom[] = "\xEF\xBB\xBF";

void AddRow(std::string& out, const std::vector<std::string>& fields)
{
    for (size_t i = 0; i < fields.size(); ++i) {
        if (i)
            out += ',';
        out += CsvField(fields[i]);
    }
    out += "\r\n";
}

// The header row: English and Russian name of each column.
std::vector<std::string> Titles(const std::vector<std::pair<const wchar_t*, const wchar_t*>>& names, bool english)
{
    std::vector<std::string> row;
    for (const auto& [en, ru] : names)
        row.push_back(Utf8(english ? en : ru));
    return row;
}

std::string DateOf(const HistoryTime& t)
{
    char text[16];
    std::snprintf(text, sizeof(text), "%04d-%02d-%02d", t.year, t.month, t.day);
    return text;
}

std::string TimeOf(const HistoryTime& t)
{
    char text[16];
    std::snprintf(text, sizeof(text), "%02d:%02d:%02d", t.hour, t.minute, t.second);
    return text;
}

std::string DateOfDay(long long day)
{
    return DateOf(DateOfDayNumber(day));
}

const wchar_t* FormsText(const HistoryEntry& e, bool english)
{
    if (e.askedPast && e.askedParticiple)
        return english ? L"both" : L"\u043E\u0431\u0435"; // "обе"
    if (e.askedParticiple)
        return english ? L"past participle" : L"\u043F\u0440\u0438\u0447\u0430\u0441\u0442\u0438\u0435"; // "причастие"
    return english ? L"past tense" : L"\u043F\u0440\u043E\u0448\u0435\u0434\u0448\u0435\u0435"; // "прошедшее"
}

const wchar_t* VerdictText(HistoryVerdict v, bool english)
{
    switch (v) {
    case HistoryVerdict::Right:
        return english ? L"right" : L"\u0432\u0435\u0440\u043D\u043E"; // "верно"
    case HistoryVerdict::Skipped:
        return english ? L"skipped" : L"\u043F\u0440\u043E\u043F\u0443\u0449\u0435\u043D"; // "пропущен"
    case HistoryVerdict::Wrong:
        break;
    }
    return english ? L"wrong" : L"\u043D\u0435\u0432\u0435\u0440\u043D\u043E"; // "неверно"
}

std::string Seconds(long long milliseconds)
{
    char text[32];
    std::snprintf(text, sizeof(text), "%lld.%01lld", milliseconds / 1000, milliseconds % 1000 / 100);
    return text;
}

} // namespace

std::string CsvField(const std::string& utf8)
{
    if (utf8.find_first_of(",\"\r\n") == std::string::npos)
        return utf8;
    std::string quoted = "\"";
    for (char c : utf8) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

std::string HistoryCsvBytes(const std::vector<HistoryEntry>& entries, bool english)
{
    std::string out = kBom;
    AddRow(out, Titles({{L"Date", L"\u0414\u0430\u0442\u0430"},
                        {L"Time", L"\u0412\u0440\u0435\u043C\u044F"},
                        {L"Verb number", L"\u041D\u043E\u043C\u0435\u0440 \u0433\u043B\u0430\u0433\u043E\u043B\u0430"},
                        {L"Infinitive", L"\u0418\u043D\u0444\u0438\u043D\u0438\u0442\u0438\u0432"},
                        {L"Forms asked", L"\u0421\u043F\u0440\u043E\u0448\u0435\u043D\u043E"},
                        {L"Past tense typed", L"\u0412\u0432\u0435\u0434\u0435\u043D\u043E: \u043F\u0440\u043E\u0448\u0435\u0434\u0448\u0435\u0435"},
                        {L"Past participle typed", L"\u0412\u0432\u0435\u0434\u0435\u043D\u043E: \u043F\u0440\u0438\u0447\u0430\u0441\u0442\u0438\u0435"},
                        {L"Verdict", L"\u0420\u0435\u0437\u0443\u043B\u044C\u0442\u0430\u0442"},
                        {L"Attempt", L"\u041F\u043E\u043F\u044B\u0442\u043A\u0430"},
                        {L"Seconds", L"\u0421\u0435\u043A\u0443\u043D\u0434"}},
                       english));
    for (const HistoryEntry& e : entries)
        AddRow(out, {DateOf(e.when), TimeOf(e.when), std::to_string(e.verb + 1), Utf8(e.infinitive),
                     Utf8(FormsText(e, english)), Utf8(e.typedPast), Utf8(e.typedParticiple),
                     Utf8(VerdictText(e.verdict, english)), std::to_string(e.attempt), Seconds(e.milliseconds)});
    return out;
}

std::string SummaryCsvBytes(const std::vector<VerbProgress>& progress, const VerbTable& verbs, bool english)
{
    std::string out = kBom;
    AddRow(out, Titles({{L"Verb number", L"\u041D\u043E\u043C\u0435\u0440 \u0433\u043B\u0430\u0433\u043E\u043B\u0430"},
                        {L"Infinitive", L"\u0418\u043D\u0444\u0438\u043D\u0438\u0442\u0438\u0432"},
                        {L"Translation", L"\u041F\u0435\u0440\u0435\u0432\u043E\u0434"},
                        {L"Answers", L"\u041E\u0442\u0432\u0435\u0442\u043E\u0432"},
                        {L"Right", L"\u0412\u0435\u0440\u043D\u044B\u0445"},
                        {L"Wrong or skipped", L"\u041D\u0435\u0432\u0435\u0440\u043D\u044B\u0445 \u0438\u043B\u0438 \u043F\u0440\u043E\u043F\u0443\u0449\u0435\u043D\u043D\u044B\u0445"},
                        {L"Right, %", L"\u0412\u0435\u0440\u043D\u044B\u0445, %"},
                        {L"Box", L"\u042F\u0449\u0438\u043A"},
                        {L"Last asked", L"\u041F\u043E\u0441\u043B\u0435\u0434\u043D\u0438\u0439 \u0440\u0430\u0437"},
                        {L"Most frequent wrong answers", L"\u0427\u0430\u0449\u0435 \u0432\u0441\u0435\u0433\u043E \u043E\u0448\u0438\u0431\u0430\u043B\u0438\u0441\u044C"}},
                       english));
    for (size_t i = 0; i < progress.size() && i < verbs.size(); ++i) {
        const VerbProgress& p = progress[i];
        if (p.answers == 0)
            continue;
        std::string wrong;
        for (const std::wstring& text : FrequentWrongTexts(p, 3))
            wrong += (wrong.empty() ? "" : "; ") + Utf8(text);
        AddRow(out, {std::to_string(i + 1), Utf8(verbs[i].infinitive), Utf8(verbs[i].translation),
                     std::to_string(p.answers), std::to_string(p.right), std::to_string(p.wrong),
                     std::to_string(p.right * 100 / p.answers), std::to_string(p.box), DateOfDay(p.lastDay), wrong});
    }
    return out;
}
