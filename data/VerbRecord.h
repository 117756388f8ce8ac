#pragma once
// One verb of the table and the table itself.
#include <array>
#include <string>

struct VerbRecord {
    std::wstring infinitive;
    std::wstring pastTense;
    std::wstring pastParticiple;
    std::wstring translation;
};

// Number of verbs in the table; verb number n (1..kVerbCount) is index n - 1.
constexpr int kVerbCount = 294;
using VerbTable = std::array<VerbRecord, kVerbCount>;
