#pragma once
// The registry store: sections are keys below one predefined root key (or a
// remote machine's copy of it); the current section's key is kept open.
// Every registry call goes through Profile::Registry().
#include "settings/BaseProfile.h"
#include "settings/ProfileKeyHandle.h"
#include <windows.h>
#include <optional>
#include <string>
#include <vector>

namespace Profile {

class RegProfile : public BaseProfile {
public:
    RegProfile() = default;
    ~RegProfile() override;
    RegProfile(const RegProfile&) = delete;
    RegProfile& operator=(const RegProfile&) = delete;

    // Accepts only the root names without "HKEY_" ("CURRENT_USER", ...), case
    // sensitive; anything else throws RegException code 1.
    void SetName(const std::wstring& name) override;
    std::wstring GetString(const std::wstring& name, const std::wstring& def) override;
    // Writes a REG_SZ value; throws code 4 on failure.
    bool SetString(const std::wstring& name, const std::wstring& value) override;
    // Opens (creating when missing) the section's key; throws code 0 on failure.
    void SetSection(const std::wstring& path) override;
    bool EnterSection(const std::wstring& name) override;
    bool LeaveSection() override;
    // Deletes one key without subkeys. With a path (empty components are
    // ignored), the current section is kept unless it was that key or below
    // it; then it is the key's parent.
    bool DeleteSection(const std::wstring& path) override;
    // Deletes every key below the current one (and it too when asked); true
    // only when all of them are gone.
    bool DeleteSectionTree(bool includeCurrent) override;
    bool DeleteValue(const std::wstring& name) override;
    // The registry type of the value (REG_SZ, REG_DWORD, ...); nothing when
    // it is missing or cannot be read. Never throws.
    std::optional<DWORD> ValueType(const std::wstring& name);
    bool GetValueNames(std::vector<std::wstring>& out) override;
    bool GetAllValues(std::vector<std::wstring>& out) override;
    bool GetSubkeyNames(std::vector<std::wstring>& out) override;
    bool GetSectionNames(std::vector<std::wstring>& out) override;
    // Later opens go to the root key of the named machine; throws code 3.
    virtual void Connect(const std::wstring& machine);

private:
    void OpenSection();
    void CollectLeafSections(std::vector<std::wstring>& paths);

    HKEY root_ = nullptr; // predefined, never closed
    KeyHandle remote_;
    KeyHandle key_;       // declared last: closed before the remote root
};

} // namespace Profile
