#pragma once
// Every registry call of the profile store goes through this table, so that
// tests can make single calls fail (or watch them) without touching the
// system. The entries default to the real advapi32 functions.
#include <windows.h>

namespace Profile {

struct RegistryApi {
    decltype(&::RegCreateKeyExW) CreateKeyEx = &::RegCreateKeyExW;
    decltype(&::RegQueryValueExW) QueryValueEx = &::RegQueryValueExW;
    decltype(&::RegSetValueExW) SetValueEx = &::RegSetValueExW;
    decltype(&::RegDeleteValueW) DeleteValue = &::RegDeleteValueW;
    decltype(&::RegDeleteKeyW) DeleteKey = &::RegDeleteKeyW;
    decltype(&::RegEnumValueW) EnumValue = &::RegEnumValueW;
    decltype(&::RegEnumKeyExW) EnumKeyEx = &::RegEnumKeyExW;
    decltype(&::RegQueryInfoKeyW) QueryInfoKey = &::RegQueryInfoKeyW;
    decltype(&::RegConnectRegistryW) ConnectRegistry = &::RegConnectRegistryW;
    decltype(&::RegCloseKey) CloseKey = &::RegCloseKey;
};

// The table the store uses (one per process).
RegistryApi& Registry();

// Saves the whole table and puts it back on scope exit; meanwhile the owner
// may replace entries through Api() or operator->.
class ScopedRegistryOverride {
public:
    ScopedRegistryOverride() : saved_(Registry()) {}
    ~ScopedRegistryOverride() { Registry() = saved_; }
    ScopedRegistryOverride(const ScopedRegistryOverride&) = delete;
    ScopedRegistryOverride& operator=(const ScopedRegistryOverride&) = delete;

    RegistryApi& Api() { return Registry(); }
    RegistryApi* operator->() { return &Registry(); }
    // The entries as they were before the override, for fakes that forward.
    const RegistryApi& Original() const { return saved_; }

private:
    RegistryApi saved_;
};

} // namespace Profile
