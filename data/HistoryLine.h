#pragma once
// One answer of the answer history and its line in the history file: UTF-8,
// tab-separated fields, ended by a line feed. The file's first line names
// the format; lines that begin with "#" are notes a reader passes over.
#include <string>
#include <string_view>

// A local date and time to the second.
struct HistoryTime {
    int year = 0, month = 0, day = 0;
    int hour = 0, minute = 0, second = 0;
    // Days since 1 January 1970 of the date alone.
    long long DayNumber() const;
};

enum class HistoryVerdict { Right, Wrong, Skipped };

struct HistoryEntry {
    HistoryTime when;
    int verb = 0; // verb-table index
    std::wstring infinitive;
    bool askedPast = false;
    bool askedParticiple = false;
    std::wstring typedPast;       // empty for a form not asked and for a skip
    std::wstring typedParticiple;
    HistoryVerdict verdict = HistoryVerdict::Wrong;
    int attempt = 1;
    long long milliseconds = 0;
};

// The first line of a history file, line feed included.
extern const char kHistoryHeader[];

// Days since 1 January 1970 of a date of the proleptic Gregorian calendar.
long long DayNumberOf(int year, int month, int day);
// The date of a day number (the inverse of DayNumberOf); the time stays 0.
HistoryTime DateOfDayNumber(long long day);

// The line of an answer, line feed included. Tabs, line breaks and
// backslashes of the texts are written as \t, \n, \r and \\.
std::string HistoryLineOf(const HistoryEntry& entry);
// Which texts a reading keeps: all of them, or only what the statistics
// need (the typed texts of wrong answers; no infinitive).
enum class HistoryTexts { All, WrongTyped };

// Reads a line without its line feed (a carriage return before it is
// allowed); false when it is not a whole, valid answer line (whatever texts
// are kept, all are checked).
bool ParseHistoryLine(std::string_view line, HistoryEntry& entry, HistoryTexts texts = HistoryTexts::All);
