#include "base/LinkStatic.h"
#include "base/VerbsGlobals.h"
#include "data/ProductInfo.h"
#include "framework/FileSystem.h"
#include "framework/Shell.h"
#include "framework/Text.h"
#include "framework/WaitCursor.h"
#include <shlobj.h>
#include <vector>

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
    // Read as the shell reads it, with the profile functions, which need a
    // full path (a bare name would be looked for in the Windows folder). A
    // hand-made reader would differ in some corner (a section name with a
    // "]" in it, say), and that corner would open a program.
    std::vector<wchar_t> full(MAX_PATH);
    DWORD n = ::GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    if (n >= full.size()) {
        full.resize(n);
        n = ::GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    }
    if (n == 0 || n >= full.size() || !fw::FileExists(full.data()))
        return {};
    for (DWORD size = 1024;; size *= 2) {
        std::vector<wchar_t> url(size);
        DWORD got = ::GetPrivateProfileStringW(L"InternetShortcut", L"URL", L"", url.data(), size, full.data());
        if (got + 1 < size || size >= 65536)
            return std::wstring(url.data(), got);
    }
}

namespace {

// Opens the address through the shortcut in the folder, made there when
// missing; false when it is not there and cannot be made.
bool OpenThroughShortcut(const std::wstring& address, const std::wstring& folder)
{
    if (folder.empty())
        return false;
    const std::wstring shortcut = folder + L"\\" + CLinkStatic::kShortcutName;
    if (!fw::FileExists(shortcut) && !WriteShortcut(shortcut, address))
        return false;
    // A shortcut someone else planted must not start a program.
    if (IsWebAddress(ShortcutUrl(shortcut)))
        fw::ShellOpen(shortcut);
    else
        fw::ShellOpen(address);
    return true;
}

} // namespace

void OpenLink(const std::wstring& address, const std::wstring& programFolder, const std::wstring& userFolder)
{
    if (OpenThroughShortcut(address, programFolder))
        return;
    if (!userFolder.empty())
        ::SHCreateDirectoryExW(nullptr, userFolder.c_str(), nullptr);
    if (!OpenThroughShortcut(address, userFolder))
        fw::ShellOpen(address); // no shortcut to be had: open the page itself
}

void OpenLink(const std::wstring& address)
{
    std::wstring program = fw::ModuleFolder();
    if (!program.empty())
        program.pop_back(); // its backslash
    OpenLink(address, program, fw::UserDataFolder(kUserDataSubfolder));
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
