#include "framework/Shell.h"
#include <windows.h>
#include <shellapi.h>

namespace fw {

namespace {
void OpenWithShell(const std::wstring& path)
{
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
