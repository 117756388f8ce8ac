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
    std::string text(buffer, read);
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find('\n', pos);
        std::string line = text.substr(pos, end == std::string::npos ? std::string::npos : end - pos);
        while (!line.empty() && (line.back() == '\r' || line.back() == ' '))
            line.pop_back();
        if (line.size() > 4 && _strnicmp(line.c_str(), "URL=", 4) == 0)
            return fw::Widen(line.substr(4), kShortcutCodePage);
        if (end == std::string::npos)
            break;
        pos = end + 1;
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
