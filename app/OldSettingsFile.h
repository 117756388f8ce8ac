#pragma once
// The settings file of older versions, "Verbs.ini" in the Windows folder,
// shared by every account, or the user's own copy of it that Windows kept in
// the VirtualStore for an older version without rights to that folder:
// whether it can be read, what it holds, and its removal.
#include <windows.h>
#include <string>

class OldSettingsFile {
public:
    enum class State { Missing, Unreadable, Readable };

    // The file in the Windows folder.
    OldSettingsFile();
    explicit OldSettingsFile(std::wstring path);
    // This user's copy of it in the VirtualStore (no path where the system
    // names no local application-data folder: then it is always missing).
    static OldSettingsFile VirtualCopy();

    const std::wstring& Path() const { return m_path; }

    // Looks at the file as it is now; when it is readable its fingerprint
    // is taken too.
    State Examine();
    // Stands for the content examined last: its size and a hash of its bytes
    // (of the first 64 KiB of a larger file).
    const std::wstring& Fingerprint() const { return m_fingerprint; }
    // Whether its "Verbs" section holds any setting.
    bool HoldsOptions() const;
    // A setting of the "Verbs" section, read as the old version read it.
    int ReadOption(const wchar_t* name, int def) const;
    // True when the file is gone afterwards (also when it never was there).
    bool Delete() const;

private:
    std::wstring m_path;
    std::wstring m_fingerprint;
};
