#pragma once
// What the answer history says of the learner: each verb's place in the
// learning boxes, the answers per day, the days practised in a row and the
// weakest verbs. No windows: the statistics dialog and the weak-verbs draw
// read these.
#include "data/HistoryLine.h"
#include <map>
#include <string>
#include <vector>

// The learning boxes: a right answer moves the verb one box up (to at most
// kTopBox), a wrong answer or a skip drops it back to box 1. Box 0 is a verb
// never asked.
constexpr int kTopBox = 5;

struct VerbProgress {
    int box = 0;
    long long lastDay = -1; // day number of the last answer, -1 never
    int answers = 0;
    int right = 0;
    int wrong = 0; // wrong answers and skips
    std::map<std::wstring, int> wrongTexts; // what was typed wrongly, how often
};

// Every verb of the table (by index) after the answers, taken in order.
std::vector<VerbProgress> ProgressByVerb(const std::vector<HistoryEntry>& entries);

// The draw weight of a verb on a day: the lower its box, the heavier
// (16, 8, 4, 2, 1 for boxes 1 to 5), times 4 plus 4 for each of its box's
// intervals (1, 2, 4, 8, 16 days) gone since it was last asked, at most 16.
// A verb never asked counts as box 1 asked two intervals ago.
int LeitnerWeight(const VerbProgress& verb, long long today);

// Whether a verb counts as learned: box 3 or above.
inline bool IsMastered(const VerbProgress& verb)
{
    return verb.box >= 3;
}

struct DayCount {
    int answers = 0;
    int right = 0;
};
// The answers of each of the days days up to today, the oldest first.
std::vector<DayCount> CountByDay(const std::vector<HistoryEntry>& entries, long long today, int days);

// Days in a row with answers that end today, or yesterday when there are
// none today yet.
int PractiseStreak(const std::vector<HistoryEntry>& entries, long long today);

// At most count verbs with a wrong answer, weakest first: lowest box, then
// most wrong answers, then most in proportion, then the lower index.
std::vector<int> WeakestVerbs(const std::vector<VerbProgress>& progress, size_t count);

// Its most frequent wrong texts, most frequent first, at most count.
std::vector<std::wstring> FrequentWrongTexts(const VerbProgress& verb, size_t count);

// The wrong text of an answer as the statistics show it: the typed forms,
// joined with " / " when both were asked.
std::wstring WrongTextOf(const HistoryEntry& entry);
