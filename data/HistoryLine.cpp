#include "data/HistoryLine.h"
#include "data/VerbRecord.h"
#include "framework/Text.h"
#include <windows.h>
#include <cstdio>
#include <string_view>

const char kHistoryHeader[] = "#Verbs answer history\t1\n";

namespace {

const char* const kFormNames[] = {"past", "participle", "both"};
const char* const kVerdictNames[] = {"right", "wrong", "skipped"};
constexpr size_t kFieldCount = 9;
constexpr long long kMaxMilliseconds = 100LL * 24 * 3600 * 1000;

bool FromUtf8(std::string_view bytes, std::wstring& text)
{
    text.clear();
    if (bytes.empty())
        return true;
    int size = ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    if (size <= 0)
        return false;
    text.resize(static_cast<size_t>(size));
    ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, bytes.data(), static_cast<int>(bytes.size()), text.data(), size);
    return true;
}

std::string Escaped(const std::wstring& text)
{
    std::string out;
    for (char c : fw::Narrow(text, CP_UTF8)) {
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '\t': out += "\\t"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        default: out += c;
        }
    }
    return out;
}

bool Unescaped(std::string_view field, std::wstring& text)
{
    // Most fields are plain ASCII: taken over character by character.
    bool plain = true;
    for (char c : field)
        if (c == '\\' || static_cast<unsigned char>(c) >= 0x80) {
            plain = false;
            break;
        }
    if (plain) {
        text.assign(field.begin(), field.end());
        return true;
    }
    std::string bytes;
    for (size_t i = 0; i < field.size(); ++i) {
        if (field[i] != '\\') {
            bytes += field[i];
            continue;
        }
        if (++i == field.size())
            return false;
        switch (field[i]) {
        case '\\': bytes += '\\'; break;
        case 't': bytes += '\t'; break;
        case 'n': bytes += '\n'; break;
        case 'r': bytes += '\r'; break;
        default: return false;
        }
    }
    return FromUtf8(bytes, text);
}

// Whether a field reads as a text, without keeping it.
bool IsValidText(std::string_view field)
{
    for (char c : field)
        if (c == '\\' || static_cast<unsigned char>(c) >= 0x80) {
            std::wstring text;
            return Unescaped(field, text);
        }
    return true;
}

// The fields between the tabs; false when there are not exactly N.
template <size_t N>
bool SplitTabs(std::string_view line, std::string_view (&fields)[N])
{
    size_t start = 0;
    for (size_t i = 0; i < N; ++i) {
        size_t tab = line.find('\t', start);
        if ((tab == std::string_view::npos) != (i + 1 == N))
            return false;
        fields[i] = line.substr(start, tab == std::string_view::npos ? std::string_view::npos : tab - start);
        start = tab + 1;
    }
    return true;
}

// A whole decimal number of at most 15 digits, no sign.
bool ParseNumber(std::string_view field, long long& value)
{
    if (field.empty() || field.size() > 15)
        return false;
    value = 0;
    for (char c : field) {
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + (c - '0');
    }
    return true;
}

int DaysInMonth(int year, int month)
{
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : days[month - 1];
}

bool ParseTime(std::string_view field, HistoryTime& t)
{
    // "YYYY-MM-DD hh:mm:ss", exactly.
    if (field.size() != 19 || field[4] != '-' || field[7] != '-' || field[10] != ' ' || field[13] != ':' ||
        field[16] != ':')
        return false;
    long long parts[6];
    const size_t at[6][2] = {{0, 4}, {5, 2}, {8, 2}, {11, 2}, {14, 2}, {17, 2}};
    for (int i = 0; i < 6; ++i)
        if (!ParseNumber(field.substr(at[i][0], at[i][1]), parts[i]))
            return false;
    t = {static_cast<int>(parts[0]), static_cast<int>(parts[1]), static_cast<int>(parts[2]),
         static_cast<int>(parts[3]), static_cast<int>(parts[4]), static_cast<int>(parts[5])};
    return t.year >= 1601 && t.month >= 1 && t.month <= 12 && t.day >= 1 && t.day <= DaysInMonth(t.year, t.month) &&
           t.hour <= 23 && t.minute <= 59 && t.second <= 59;
}

template <size_t N>
int IndexOf(const char* const (&names)[N], std::string_view field)
{
    for (size_t i = 0; i < N; ++i)
        if (field == names[i])
            return static_cast<int>(i);
    return -1;
}

} // namespace

long long DayNumberOf(int year, int month, int day)
{
    // Days from civil: March-based years make the leap day the year's last.
    const long long y = month <= 2 ? year - 1 : year;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yearOfEra = y - era * 400;
    const long long dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const long long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

HistoryTime DateOfDayNumber(long long day)
{
    // Civil from days: the inverse of DayNumberOf.
    day += 719468;
    const long long era = (day >= 0 ? day : day - 146096) / 146097;
    const long long dayOfEra = day - era * 146097;
    const long long yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const long long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const long long mp = (5 * dayOfYear + 2) / 153;
    HistoryTime date;
    date.day = static_cast<int>(dayOfYear - (153 * mp + 2) / 5 + 1);
    date.month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    date.year = static_cast<int>(yearOfEra + era * 400 + (date.month <= 2 ? 1 : 0));
    return date;
}

long long HistoryTime::DayNumber() const
{
    return DayNumberOf(year, month, day);
}

std::string HistoryLineOf(const HistoryEntry& e)
{
    char when[32];
    std::snprintf(when, sizeof(when), "%04d-%02d-%02d %02d:%02d:%02d", e.when.year, e.when.month, e.when.day,
                  e.when.hour, e.when.minute, e.when.second);
    const int forms = e.askedPast && e.askedParticiple ? 2 : e.askedParticiple ? 1 : 0;
    std::string line = when;
    line += '\t' + std::to_string(e.verb);
    line += '\t' + Escaped(e.infinitive);
    line += '\t';
    line += kFormNames[forms];
    line += '\t' + Escaped(e.typedPast);
    line += '\t' + Escaped(e.typedParticiple);
    line += '\t';
    line += kVerdictNames[static_cast<int>(e.verdict)];
    line += '\t' + std::to_string(e.attempt);
    line += '\t' + std::to_string(e.milliseconds < 0 ? 0 : e.milliseconds);
    line += '\n';
    return line;
}

bool ParseHistoryLine(std::string_view line, HistoryEntry& e, HistoryTexts texts)
{
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    std::string_view f[kFieldCount];
    if (!SplitTabs(line, f))
        return false;
    long long verb = 0, attempt = 0, ms = 0;
    const int forms = IndexOf(kFormNames, f[3]);
    const int verdict = IndexOf(kVerdictNames, f[6]);
    if (!ParseTime(f[0], e.when) || !ParseNumber(f[1], verb) || verb >= kVerbCount || forms < 0 || verdict < 0 ||
        !ParseNumber(f[7], attempt) || attempt < 1 || attempt > 1000 || !ParseNumber(f[8], ms) ||
        ms > kMaxMilliseconds)
        return false;
    if (texts == HistoryTexts::All) {
        if (!Unescaped(f[2], e.infinitive) || !Unescaped(f[4], e.typedPast) || !Unescaped(f[5], e.typedParticiple))
            return false;
    } else {
        // The texts not kept are checked all the same, so that both readings
        // find the same damage.
        const bool keepTyped = verdict == static_cast<int>(HistoryVerdict::Wrong);
        e.infinitive.clear();
        if (!IsValidText(f[2]))
            return false;
        if (keepTyped) {
            if (!Unescaped(f[4], e.typedPast) || !Unescaped(f[5], e.typedParticiple))
                return false;
        } else {
            if (!IsValidText(f[4]) || !IsValidText(f[5]))
                return false;
            e.typedPast.clear();
            e.typedParticiple.clear();
        }
    }
    e.verb = static_cast<int>(verb);
    e.askedPast = forms != 1;
    e.askedParticiple = forms != 0;
    e.verdict = static_cast<HistoryVerdict>(verdict);
    e.attempt = static_cast<int>(attempt);
    e.milliseconds = ms;
    return true;
}
