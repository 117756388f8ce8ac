#pragma once
// Reading the answer history for the statistics and the weak-verbs draw:
// only when one of them needs it, never at start-up.
#include "data/AnswerHistoryFile.h"
#include <vector>

// The history of this run's file. Damaged lines (skipped) or a file that
// cannot be read are reported once per run, in the interface language; the
// file is never changed.
HistoryContents ReadAnswerHistory(HistoryTexts texts = HistoryTexts::All);

// Today's day number (HistoryTime::DayNumber) by the local clock.
long long HistoryToday();

// The draw weights of the verbs (by index) for the weak-verbs draw.
std::vector<int> WeakVerbWeights(const HistoryContents& history, long long today);

// Forgets that damage was reported in this run (tests).
void ResetReportedHistoryDamage();
