#include "framework/FileSystem.h"
#include "framework/Handles.h"
#include <shlobj.h>

namespace fw {

namespace {

std::wstring KnownFolder(int csidl)
{
    wchar_t folder[MAX_PATH] = {};
    if (FAILED(::SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, folder)))
        return {};
    return folder;
}

bool IsWow64()
{
    BOOL wow64 = FALSE;
    return ::IsWow64Process(::GetCurrentProcess(), &wow64) && wow64;
}

} // namespace

std::wstring UserDataFolder(const std::wstring& subfolder)
{
    std::wstring folder = KnownFolder(CSIDL_APPDATA);
    return folder.empty() ? folder : folder + L"\\" + subfolder;
}

std::wstring NativeSystemFolder()
{
    wchar_t folder[MAX_PATH] = {};
    if (IsWow64()) {
        // The shared Windows folder, also under a terminal server.
        UINT n = ::GetSystemWindowsDirectoryW(folder, MAX_PATH);
        return n == 0 || n >= MAX_PATH ? std::wstring() : std::wstring(folder, n) + L"\\Sysnative";
    }
    UINT n = ::GetSystemDirectoryW(folder, MAX_PATH);
    return n == 0 || n >= MAX_PATH ? std::wstring() : std::wstring(folder, n);
}

std::wstring Wow64SystemFolder()
{
    wchar_t folder[MAX_PATH] = {};
    UINT n = ::GetSystemWow64DirectoryW(folder, MAX_PATH);
    return n == 0 || n >= MAX_PATH ? std::wstring() : std::wstring(folder, n);
}

std::wstring VirtualStorePath(const std::wstring& path)
{
    // The path keeps its folders and loses its drive: "C:\Windows\x" is
    // "%LOCALAPPDATA%\VirtualStore\Windows\x".
    if (path.size() < 3 || path[1] != L':' || path[2] != L'\\')
        return {};
    std::wstring local = KnownFolder(CSIDL_LOCAL_APPDATA);
    return local.empty() ? local : local + L"\\VirtualStore" + path.substr(2);
}

bool ReplaceFileWhole(const std::wstring& path, const std::string& bytes, WriteFileFunction write)
{
    const size_t slash = path.find_last_of(L'\\');
    if (slash == std::wstring::npos)
        return false;
    const std::wstring folder = path.substr(0, slash + 1);
    wchar_t temporary[MAX_PATH] = {};
    if (!::GetTempFileNameW(folder.c_str(), L"vbf", 0, temporary))
        return false;
    bool whole = false;
    {
        UniqueFile file(::CreateFileW(temporary, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        DWORD written = 0;
        whole = file && write(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                written == bytes.size() && ::FlushFileBuffers(file.get()) && ::CloseHandle(file.release());
    }
    if (whole && ::MoveFileExW(temporary, path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    ::DeleteFileW(temporary);
    return false;
}

} // namespace fw
