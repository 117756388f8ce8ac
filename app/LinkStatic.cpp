#include "app/LinkStatic.h"
#include "app/VerbsGlobals.h"
#include "framework/Shell.h"
#include "framework/Text.h"
#include "framework/WaitCursor.h"
#include <cwctype>

BEGIN_MESSAGE_MAP(CLinkStatic, CFontStatic)
    ON_MESSAGE(WM_LBUTTONDOWN, OnLButtonDown)
    ON_MESSAGE(WM_SETCURSOR, OnSetCursor)
END_MESSAGE_MAP()

namespace {

// Internet shortcuts are plain 8-bit text files.
constexpr UINT kShortcutCodePage = 1252;

bool IsWebAddress(const std::wstring& url)
{
    auto startsWith = [&](const wchar_t* prefix) {
        size_t n = wcslen(prefix);
        return url.size() > n && _wcsnicmp(url.c_str(), prefix, n) == 0;
    };
    return startsWith(L"http://") || startsWith(L"https://");
}

bool WriteShortcut(const std::wstring& path, const std::wstring& address)
{
    HANDLE file = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    std::string text = "[InternetShortcut]\r\nURL=" + fw::Narrow(address, kShortcutCodePage) + "\r\n";
    DWORD written = 0;
    BOOL ok = ::WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    ::CloseHandle(file);
    return ok && written == text.size();
}

} // namespace

namespace {

std::string Trimmed(const std::string& text)
{
    const char* blanks = " \t\r";
    size_t first = text.find_first_not_of(blanks);
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

bool SameName(const std::string& a, const char* b)
{
    return _stricmp(a.c_str(), b) == 0;
}

// The value of a "key=value" line as the profile functions give it: blanks
// around it dropped, and one pair of enclosing quotes.
std::string ProfileValue(const std::string& text)
{
    std::string value = Trimmed(text);
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return value;
}

} // namespace

std::wstring ShortcutUrl(const std::wstring& path)
{
    HANDLE file = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return {};
    char buffer[4096];
    DWORD read = 0;
    BOOL ok = ::ReadFile(file, buffer, sizeof(buffer), &read, nullptr);
    ::CloseHandle(file);
    if (!ok)
        return {};
    // The shell reads the URL key of the first [InternetShortcut] section,
    // so that one alone is looked at: a URL line elsewhere is not opened.
    enum { Before, Inside, After } place = Before;
    std::string text(buffer, read);
    for (size_t pos = 0; pos < text.size() && place != After;) {
        size_t end = text.find('\n', pos);
        std::string line = Trimmed(text.substr(pos, end == std::string::npos ? std::string::npos : end - pos));
        pos = end == std::string::npos ? text.size() : end + 1;
        if (!line.empty() && line.front() == '[') {
            size_t close = line.find(']');
            bool shortcut = close != std::string::npos && SameName(Trimmed(line.substr(1, close - 1)), "InternetShortcut");
            if (place == Inside)
                place = After;
            else if (shortcut)
                place = Inside;
            continue;
        }
        size_t equals = line.find('=');
        if (place == Inside && equals != std::string::npos && SameName(Trimmed(line.substr(0, equals)), "URL"))
            return fw::Widen(ProfileValue(line.substr(equals + 1)), kShortcutCodePage);
    }
    return {};
}

void OpenLink(const std::wstring& address)
{
    std::wstring shortcut = CLinkStatic::kShortcutName;
    if (!fw::FileExists(shortcut) && !WriteShortcut(shortcut, address)) {
        fw::ShellOpen(address); // no shortcut to be had here: open the page itself
        return;
    }
    // A shortcut someone else planted must not start a program.
    if (IsWebAddress(ShortcutUrl(shortcut)))
        fw::ShellOpen(shortcut);
    else
        fw::ShellOpen(address);
}

LRESULT CLinkStatic::OnLButtonDown(WPARAM, LPARAM)
{
    Default();
    CWaitCursor wait;
    OpenLink(GetWindowText());
    return 0;
}

LRESULT CLinkStatic::OnSetCursor(WPARAM, LPARAM)
{
    HCURSOR hand = Globals().m_hHandCursor;
    if (!hand)
        return Default();
    ::SetCursor(hand);
    return TRUE;
}
