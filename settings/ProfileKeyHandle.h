#pragma once
// Move-only owner of one open registry key; closes it through the store's
// registry table so that tests see every close.
#include "settings/RegistryApi.h"
#include <utility>

namespace Profile {

class KeyHandle {
public:
    KeyHandle() noexcept = default;
    explicit KeyHandle(HKEY key) noexcept : key_(key) {}
    KeyHandle(KeyHandle&& other) noexcept : key_(other.Release()) {}
    KeyHandle& operator=(KeyHandle&& other) noexcept
    {
        if (this != &other)
            Reset(other.Release());
        return *this;
    }
    KeyHandle(const KeyHandle&) = delete;
    KeyHandle& operator=(const KeyHandle&) = delete;
    ~KeyHandle() { Reset(); }

    HKEY Get() const noexcept { return key_; }
    explicit operator bool() const noexcept { return key_ != nullptr; }
    HKEY Release() noexcept { return std::exchange(key_, nullptr); }
    void Reset(HKEY key = nullptr) noexcept
    {
        if (key_)
            Registry().CloseKey(key_);
        key_ = key;
    }

private:
    HKEY key_ = nullptr;
};

} // namespace Profile
