#include "TestUtil.h"
#include <gtest/gtest.h>
#include <vector>

namespace testutil {

const wchar_t* const kSettingsKey = L"Software\\Tarnik\\Verbs";

void PumpMessages(DWORD ms)
{
    DWORD start = ::GetTickCount();
    do {
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
        if (::GetTickCount() - start >= ms)
            break;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    } while (true);
}

bool DeleteSettingsKey()
{
    LSTATUS tree = ::RegDeleteTreeW(HKEY_CURRENT_USER, kSettingsKey);
    LSTATUS key = ::RegDeleteKeyW(HKEY_CURRENT_USER, kSettingsKey);
    if (SettingsKeyExists()) {
        ADD_FAILURE() << "The settings key could not be deleted (errors " << tree << ", " << key
                      << "): the test would start from what an earlier one left";
        return false;
    }
    return true;
}

bool SettingsKeyExists()
{
    HKEY key = nullptr;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    ::RegCloseKey(key);
    return true;
}

bool ReadRegString(const std::wstring& subkey, const std::wstring& name, std::wstring& value)
{
    DWORD type = 0, size = 0;
    if (::RegGetValueW(HKEY_CURRENT_USER, subkey.c_str(), name.c_str(), RRF_RT_REG_SZ, &type, nullptr, &size) !=
        ERROR_SUCCESS)
        return false;
    std::vector<wchar_t> buffer(size / sizeof(wchar_t) + 1);
    if (::RegGetValueW(HKEY_CURRENT_USER, subkey.c_str(), name.c_str(), RRF_RT_REG_SZ, &type, buffer.data(),
                       &size) != ERROR_SUCCESS)
        return false;
    value.assign(buffer.data());
    return true;
}

bool WriteRegString(const std::wstring& subkey, const std::wstring& name, const std::wstring& value)
{
    HKEY key = nullptr;
    LSTATUS status =
        ::RegCreateKeyExW(HKEY_CURRENT_USER, subkey.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
    if (status == ERROR_SUCCESS) {
        status = ::RegSetValueExW(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                                  static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
        ::RegCloseKey(key);
    }
    if (status != ERROR_SUCCESS) {
        ADD_FAILURE() << "The test could not write HKCU\\" << subkey << "\\" << name << " (error " << status << ")";
        return false;
    }
    return true;
}

std::wstring WindowsDirectory()
{
    wchar_t buffer[MAX_PATH];
    UINT n = ::GetWindowsDirectoryW(buffer, MAX_PATH);
    return std::wstring(buffer, n);
}

std::wstring VirtualStoreCopy(const std::wstring& path)
{
    wchar_t local[MAX_PATH] = {};
    DWORD n = ::GetEnvironmentVariableW(L"LOCALAPPDATA", local, MAX_PATH);
    EXPECT_TRUE(n > 0 && n < MAX_PATH && path.size() > 2 && path[1] == L':');
    return std::wstring(local, n < MAX_PATH ? n : 0) + L"\\VirtualStore" + path.substr(2);
}

std::wstring ExecutableFolder()
{
    wchar_t buffer[MAX_PATH];
    DWORD n = ::GetModuleFileNameW(nullptr, buffer, MAX_PATH);
    std::wstring path(buffer, n);
    return path.substr(0, path.find_last_of(L'\\'));
}

bool FileExists(const std::wstring& path)
{
    return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool WriteFileBytes(const std::wstring& path, const std::string& bytes)
{
    HANDLE file = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    bool ok = file != INVALID_HANDLE_VALUE &&
              ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
              written == bytes.size();
    DWORD error = ::GetLastError();
    if (file != INVALID_HANDLE_VALUE)
        ok = ::CloseHandle(file) && ok;
    if (!ok) {
        ADD_FAILURE() << "The test could not write the file " << path << " (error " << error << ")";
        return false;
    }
    return true;
}

std::wstring MenuItemText(HMENU menu, int position)
{
    wchar_t text[256] = {};
    ::GetMenuStringW(menu, static_cast<UINT>(position), text, 256, MF_BYPOSITION);
    return text;
}

std::string ReadFileBytes(const std::wstring& path)
{
    HANDLE file = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return {};
    std::string bytes;
    char buffer[4096];
    DWORD read = 0;
    while (::ReadFile(file, buffer, sizeof(buffer), &read, nullptr) && read > 0)
        bytes.append(buffer, read);
    ::CloseHandle(file);
    return bytes;
}

} // namespace testutil
