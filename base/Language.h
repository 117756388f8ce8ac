#pragma once
// Bilingual texts: pairs of string resources picked by the interface language.
#include <windows.h>
#include <string>

enum class PairOrder {
    RussianFirst, // base id Russian, base + 1 English
    EnglishFirst, // base id English, base + 1 Russian
};

// The id of the pair member for the current language.
UINT LangStringId(UINT base, PairOrder order = PairOrder::RussianFirst);
// The text of the pair member for the current language.
std::wstring LoadLangString(UINT base, PairOrder order = PairOrder::RussianFirst);
