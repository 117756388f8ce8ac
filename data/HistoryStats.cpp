#include "data/HistoryStats.h"
#include "data/VerbRecord.h"
#include <algorithm>
#include <set>

std::wstring WrongTextOf(const HistoryEntry& e)
{
    if (e.askedPast && e.askedParticiple)
        return e.typedPast + L" / " + e.typedParticiple;
    return e.askedPast ? e.typedPast : e.typedParticiple;
}

std::vector<VerbProgress> ProgressByVerb(const std::vector<HistoryEntry>& entries)
{
    std::vector<VerbProgress> progress(kVerbCount);
    for (const HistoryEntry& e : entries) {
        if (e.verb < 0 || e.verb >= kVerbCount)
            continue;
        VerbProgress& p = progress[static_cast<size_t>(e.verb)];
        ++p.answers;
        p.lastDay = std::max(p.lastDay, e.when.DayNumber());
        if (e.verdict == HistoryVerdict::Right) {
            ++p.right;
            p.box = std::min(p.box + 1, kTopBox);
            continue;
        }
        ++p.wrong;
        p.box = 1;
        if (e.verdict == HistoryVerdict::Wrong)
            ++p.wrongTexts[WrongTextOf(e)];
    }
    return progress;
}

int LeitnerWeight(const VerbProgress& verb, long long today)
{
    const int box = std::max(1, std::min(verb.box, kTopBox));
    const int interval = 1 << (box - 1);
    long long overdue; // in quarters of the box's interval, over four
    if (verb.lastDay < 0)
        overdue = 8;
    else
        overdue = 4 + std::max(0LL, today - verb.lastDay) * 4 / interval;
    const int weight = 1 << (kTopBox - box);
    return weight * static_cast<int>(std::min(overdue, 16LL));
}

std::vector<DayCount> CountByDay(const std::vector<HistoryEntry>& entries, long long today, int days)
{
    std::vector<DayCount> counts(static_cast<size_t>(std::max(days, 0)));
    const long long first = today - days + 1;
    for (const HistoryEntry& e : entries) {
        const long long day = e.when.DayNumber();
        if (day < first || day > today)
            continue;
        DayCount& c = counts[static_cast<size_t>(day - first)];
        ++c.answers;
        if (e.verdict == HistoryVerdict::Right)
            ++c.right;
    }
    return counts;
}

int PractiseStreak(const std::vector<HistoryEntry>& entries, long long today)
{
    std::set<long long> days;
    for (const HistoryEntry& e : entries)
        days.insert(e.when.DayNumber());
    long long day = days.count(today) ? today : today - 1;
    int streak = 0;
    while (days.count(day)) {
        ++streak;
        --day;
    }
    return streak;
}

std::vector<int> WeakestVerbs(const std::vector<VerbProgress>& progress, size_t count)
{
    std::vector<int> verbs;
    for (size_t i = 0; i < progress.size(); ++i)
        if (progress[i].wrong > 0)
            verbs.push_back(static_cast<int>(i));
    auto weaker = [&](int a, int b) {
        const VerbProgress& pa = progress[static_cast<size_t>(a)];
        const VerbProgress& pb = progress[static_cast<size_t>(b)];
        if (pa.box != pb.box)
            return pa.box < pb.box;
        if (pa.wrong != pb.wrong)
            return pa.wrong > pb.wrong;
        // pa.wrong / pa.answers > pb.wrong / pb.answers, without division
        const long long left = static_cast<long long>(pa.wrong) * pb.answers;
        const long long right = static_cast<long long>(pb.wrong) * pa.answers;
        if (left != right)
            return left > right;
        return a < b;
    };
    std::sort(verbs.begin(), verbs.end(), weaker);
    if (verbs.size() > count)
        verbs.resize(count);
    return verbs;
}

std::vector<std::wstring> FrequentWrongTexts(const VerbProgress& verb, size_t count)
{
    std::vector<std::pair<int, std::wstring>> texts;
    for (const auto& [text, times] : verb.wrongTexts)
        texts.emplace_back(times, text);
    std::stable_sort(texts.begin(), texts.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    std::vector<std::wstring> result;
    for (size_t i = 0; i < texts.size() && i < count; ++i)
        result.push_back(texts[i].second);
    return result;
}
