#pragma once
// Helpers shared by the tests: message pumping, the program's registry key,
// files in the Windows directory and the folder of the test executable.
#include <windows.h>
#include <string>

namespace testutil {

// Dispatches the messages that arrive within ms milliseconds.
void PumpMessages(DWORD ms = 50);
// Pumps messages until pred() is true or the time is up; returns pred().
template <typename Pred>
bool PumpUntil(Pred pred, DWORD timeoutMs = 5000)
{
    DWORD start = ::GetTickCount();
    while (!pred()) {
        if (::GetTickCount() - start > timeoutMs)
            return false;
        PumpMessages(10);
    }
    return true;
}

// HKEY_CURRENT_USER\Software\Tarnik\Verbs, the program's settings key.
extern const wchar_t* const kSettingsKey;
// Deletes the settings key with everything below it (tests start from
// scratch). The helpers that write fail the test when they cannot, and say so.
bool DeleteSettingsKey();
bool SettingsKeyExists();
// Reads a string value below HKCU; returns false when it is missing.
bool ReadRegString(const std::wstring& subkey, const std::wstring& name, std::wstring& value);
bool WriteRegString(const std::wstring& subkey, const std::wstring& name, const std::wstring& value);

std::wstring WindowsDirectory();
// Where Windows keeps this user's copy of a file that a program without a
// manifest wrote at this path without rights to its folder.
std::wstring VirtualStoreCopy(const std::wstring& path);
std::wstring ExecutableFolder();
bool FileExists(const std::wstring& path);
bool WriteFileBytes(const std::wstring& path, const std::string& bytes);
// The text of the item at a position of a menu (a pop-up's title on a menu bar).
std::wstring MenuItemText(HMENU menu, int position);
std::string ReadFileBytes(const std::wstring& path);

} // namespace testutil
