#pragma once
// What a screen reader learns about a window: the accessible object the
// system gives for its client area (AccessibleObjectFromWindow), read for
// its name, value and role as a reader asks for them.
#include <windows.h>
#include <string>

namespace testutil {

struct AccessibleInfo {
    bool found = false;   // the system gave an accessible object
    std::wstring name;    // get_accName; empty when there is none
    std::wstring value;   // get_accValue; empty when there is none
    long role = 0;        // get_accRole (ROLE_SYSTEM_...)
};

AccessibleInfo ReadAccessible(HWND window);

} // namespace testutil
