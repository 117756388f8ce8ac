#include "Accessible.h"
#include <oleacc.h>

namespace {

// IAccessible, spelled out: the import library's symbol is not reliably the
// interface id with every toolchain.
const GUID kAccessibleId = {0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

class Bstr {
public:
    Bstr() = default;
    ~Bstr() { ::SysFreeString(text_); }
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;
    BSTR* put() { return &text_; }
    std::wstring str() const { return text_ ? std::wstring(text_, ::SysStringLen(text_)) : std::wstring(); }

private:
    BSTR text_ = nullptr;
};

} // namespace

namespace testutil {

AccessibleInfo ReadAccessible(HWND window)
{
    AccessibleInfo info;
    IAccessible* object = nullptr;
    if (FAILED(::AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), kAccessibleId,
                                            reinterpret_cast<void**>(&object))) ||
        !object)
        return info;
    info.found = true;
    VARIANT self;
    ::VariantInit(&self);
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    Bstr name, value;
    if (object->get_accName(self, name.put()) == S_OK)
        info.name = name.str();
    if (object->get_accValue(self, value.put()) == S_OK)
        info.value = value.str();
    VARIANT role;
    ::VariantInit(&role);
    if (object->get_accRole(self, &role) == S_OK && role.vt == VT_I4)
        info.role = role.lVal;
    ::VariantClear(&role);
    object->Release();
    return info;
}

} // namespace testutil
