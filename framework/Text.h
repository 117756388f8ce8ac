#pragma once
// Text helpers: string resources, %1/%2 substitution and code-page conversion.
#include <windows.h>
#include <optional>
#include <string>
#include <string_view>

namespace fw {

// Module whose resources the program reads (the executable itself).
HINSTANCE ResourceModule();

// The whole string resource, whatever its length; empty when it is missing.
std::wstring LoadResString(UINT id);

// Replaces every "%1" (or "%2") in text by the argument, in one pass over
// the text: a "%2" that the first argument brings in stays as it is.
std::wstring FormatString1(std::wstring_view text, std::wstring_view arg1);
std::wstring FormatString2(std::wstring_view text, std::wstring_view arg1, std::wstring_view arg2);

std::wstring Widen(std::string_view bytes, UINT codePage);
std::string Narrow(std::wstring_view text, UINT codePage);
// The text in a single- or double-byte code page, or none when a character
// has no exact form there (a look-alike or '?' would be taken instead).
std::optional<std::string> NarrowExactly(std::wstring_view text, UINT codePage);

std::wstring WindowText(HWND hwnd);

} // namespace fw
