#include "framework/Shell.h"
#include <windows.h>
#include <shellapi.h>
#include <shlwapi.h>
#include <iterator>

namespace fw {

namespace {

// The program of the user's web browser, from the association of web
// addresses, or "".
std::wstring BrowserProgram()
{
    wchar_t program[MAX_PATH * 2] = {};
    DWORD size = static_cast<DWORD>(std::size(program));
    if (FAILED(::AssocQueryStringW(ASSOCF_NOTRUNCATE, ASSOCSTR_EXECUTABLE, L"http", L"open", program, &size)))
        return {};
    return program;
}

// Gives the browser the page as a file: address with its anchor.
bool OpenInBrowserAt(const std::wstring& page, const std::wstring& anchor)
{
    wchar_t url[2084] = {}; // the longest address the shell's functions take
    DWORD size = static_cast<DWORD>(std::size(url));
    if (FAILED(::UrlCreateFromPathW(page.c_str(), url, &size, 0)))
        return false;
    std::wstring browser = BrowserProgram();
    if (browser.empty())
        return false;
    // The address holds no blank or quote (the conversion escapes them).
    std::wstring argument = L"\"" + std::wstring(url) + L"#" + anchor + L"\"";
    auto result = reinterpret_cast<INT_PTR>(
        ::ShellExecuteW(nullptr, nullptr, browser.c_str(), argument.c_str(), nullptr, SW_SHOWNORMAL));
    return result > 32;
}

void OpenWithShell(const std::wstring& path)
{
    std::wstring page, anchor;
    if (SplitPageAnchor(path, page, anchor)) {
        if (!OpenInBrowserAt(page, anchor))
            ::ShellExecuteW(nullptr, nullptr, page.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
        return;
    }
    ::ShellExecuteW(nullptr, nullptr, path.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

} // namespace

ShellOpenFunction& ShellOpener()
{
    static ShellOpenFunction opener = OpenWithShell;
    return opener;
}

void ShellOpen(const std::wstring& path)
{
    ShellOpener()(path);
}

bool SplitPageAnchor(const std::wstring& target, std::wstring& page, std::wstring& anchor)
{
    size_t hash = target.rfind(L'#');
    if (hash == std::wstring::npos || hash + 1 == target.size() || FileExists(target))
        return false;
    size_t separator = target.find_last_of(L"\\/");
    if (separator != std::wstring::npos && separator > hash)
        return false;
    if (!FileExists(target.substr(0, hash)))
        return false;
    page = target.substr(0, hash);
    anchor = target.substr(hash + 1);
    return true;
}

std::wstring ModulePath()
{
    wchar_t buffer[MAX_PATH];
    DWORD n = ::GetModuleFileNameW(nullptr, buffer, MAX_PATH);
    return std::wstring(buffer, n < MAX_PATH ? n : 0);
}

std::wstring ModuleFolder()
{
    std::wstring path = ModulePath();
    return path.substr(0, path.find_last_of(L'\\') + 1);
}

bool FileExists(const std::wstring& path)
{
    DWORD attributes = ::GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

} // namespace fw
