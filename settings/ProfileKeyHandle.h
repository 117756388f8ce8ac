#pragma once
// Owner of one open registry key of the store; closes it through the store's
// registry table so that tests see every close.
#include "handles/Handles.h"
#include "settings/RegistryApi.h"

namespace Profile {

struct StoreKeyTraits {
    using Handle = HKEY;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle key) { Registry().CloseKey(key); }
};
using KeyHandle = win::UniqueHandle<StoreKeyTraits>;

} // namespace Profile
