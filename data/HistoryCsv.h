#pragma once
// The answer history for teachers, as CSV (RFC 4180: comma-separated,
// fields with a comma, quote or line break quoted, quotes doubled, lines
// ended by CR LF) in UTF-8 with a byte order mark, so that spreadsheets
// take the Cyrillic texts right. A header row names the columns in the
// interface language.
#include "data/HistoryLine.h"
#include "data/HistoryStats.h"
#include "data/VerbRecord.h"
#include <string>
#include <vector>

// One row per answer, in the order given.
std::string HistoryCsvBytes(const std::vector<HistoryEntry>& entries, bool english);

// One row per verb with answers: its numbers, box, last day and most
// frequent wrong answers.
std::string SummaryCsvBytes(const std::vector<VerbProgress>& progress, const VerbTable& verbs, bool english);

// A field as RFC 4180 writes it (quoted only when it must be).
std::string CsvField(const std::string& utf8);
