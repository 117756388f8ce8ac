#include "data/LayoutRetype.h"

namespace {

// The Russian letters а..я in alphabetical order and the US keys at their
// places; ё stands apart in the alphabet's code block.
constexpr wchar_t kLowerKeys[] = L"f,dult;pbqrkvyjghcnea[wxio]sm'.z";
constexpr wchar_t kUpperKeys[] = L"F<DULT:PBQRKVYJGHCNEA{WXIO}SM\">Z";

} // namespace

wchar_t EnglishKeyOf(wchar_t c)
{
    if (c >= L'\u0430' && c <= L'\u044F')
        return kLowerKeys[c - L'\u0430'];
    if (c >= L'\u0410' && c <= L'\u042F')
        return kUpperKeys[c - L'\u0410'];
    if (c == L'\u0451')
        return L'`';
    if (c == L'\u0401')
        return L'~';
    return c;
}

bool HasCyrillic(const std::wstring& text)
{
    for (wchar_t c : text)
        if (c >= L'\u0400' && c <= L'\u04FF')
            return true;
    return false;
}

std::wstring RetypeInEnglishLayout(const std::wstring& text)
{
    std::wstring out;
    out.reserve(text.size());
    for (wchar_t c : text)
        out += EnglishKeyOf(c);
    return out;
}
