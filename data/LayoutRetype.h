#pragma once
// What keys pressed with the Russian layout on would have typed with the
// English one: the standard Russian (ЙЦУКЕН) and US (QWERTY) layouts, key
// by key, Shift included.
#include <string>

// The character of the same key in the US layout for a Russian letter (ё and
// Ё included), else the character itself.
wchar_t EnglishKeyOf(wchar_t c);

// Whether the text holds a Cyrillic letter.
bool HasCyrillic(const std::wstring& text);

// The text as the same keys would have typed it in the English layout.
std::wstring RetypeInEnglishLayout(const std::wstring& text);
