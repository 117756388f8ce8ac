#pragma once
// One verb of the table and the table itself.
#include <array>
#include <string>

struct VerbRecord {
    std::wstring infinitive;
    std::wstring pastTense;
    std::wstring pastParticiple;
    std::wstring translation;
    // Standard forms that a test also takes as right although the table does
    // not list them ("gotten" for get), written like a table form ("A; B"),
    // empty when there are none. They define no group and are never shown.
    std::wstring alsoPastTense;
    std::wstring alsoPastParticiple;
};

// Number of verbs in the table; verb number n (1..kVerbCount) is index n - 1.
constexpr int kVerbCount = 294;
using VerbTable = std::array<VerbRecord, kVerbCount>;
