#include "framework/Text.h"
#include <initializer_list>

namespace fw {

HINSTANCE ResourceModule()
{
    return ::GetModuleHandleW(nullptr);
}

std::wstring LoadResString(UINT id)
{
    // With a zero buffer size LoadStringW hands out a pointer into the
    // resource itself, so no length limit applies.
    const wchar_t* text = nullptr;
    int length = ::LoadStringW(ResourceModule(), id, reinterpret_cast<LPWSTR>(&text), 0);
    if (length <= 0 || !text)
        return {};
    return std::wstring(text, static_cast<size_t>(length));
}

// One pass over the format: "%n" takes the n-th argument, and what an
// argument brings in is never looked at again.
static std::wstring Substitute(std::wstring_view text, std::initializer_list<std::wstring_view> args)
{
    std::wstring result;
    result.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        size_t index = i + 1 < text.size() && text[i] == L'%' ? static_cast<size_t>(text[i + 1] - L'1') : args.size();
        if (index < args.size()) {
            result += args.begin()[index];
            ++i;
        } else {
            result += text[i];
        }
    }
    return result;
}

std::wstring FormatString1(std::wstring_view text, std::wstring_view arg1)
{
    return Substitute(text, {arg1});
}

std::wstring FormatString2(std::wstring_view text, std::wstring_view arg1, std::wstring_view arg2)
{
    return Substitute(text, {arg1, arg2});
}

std::wstring Widen(std::string_view bytes, UINT codePage)
{
    if (bytes.empty())
        return {};
    int n = ::MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    std::wstring result(static_cast<size_t>(n), L'\0');
    ::MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), result.data(), n);
    return result;
}

std::string Narrow(std::wstring_view text, UINT codePage)
{
    if (text.empty())
        return {};
    int n = ::WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<size_t>(n), '\0');
    ::WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), result.data(), n, nullptr, nullptr);
    return result;
}

std::optional<std::string> NarrowExactly(std::wstring_view text, UINT codePage)
{
    if (text.empty())
        return std::string();
    const int length = static_cast<int>(text.size());
    BOOL lossy = FALSE;
    int n = ::WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, text.data(), length, nullptr, 0, nullptr, &lossy);
    if (n <= 0 || lossy)
        return std::nullopt;
    std::string result(static_cast<size_t>(n), '\0');
    ::WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, text.data(), length, result.data(), n, nullptr, nullptr);
    return result;
}

std::wstring WindowText(HWND hwnd)
{
    int length = ::GetWindowTextLengthW(hwnd);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    length = ::GetWindowTextW(hwnd, text.data(), length + 1);
    text.resize(static_cast<size_t>(length > 0 ? length : 0));
    return text;
}

} // namespace fw
