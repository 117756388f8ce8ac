// Sends a menu command to a running program's main window, found by its
// title, as if the user had chosen the menu item. Used by the screenshot
// script to open dialogs without keyboard navigation.
//
//   post_command <window title> <command id>
#include <windows.h>
#include <cstdio>
#include <cwchar>

int wmain(int argc, wchar_t** argv)
{
    if (argc != 3) {
        std::fwprintf(stderr, L"usage: post_command <window title> <command id>\n");
        return 2;
    }
    HWND window = nullptr;
    for (int i = 0; i < 100 && !window; ++i) {
        window = ::FindWindowW(nullptr, argv[1]);
        if (!window)
            ::Sleep(100);
    }
    if (!window) {
        std::fwprintf(stderr, L"no window titled \"%ls\"\n", argv[1]);
        return 1;
    }
    ::PostMessageW(window, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(_wtoi(argv[2])), 0), 0);
    return 0;
}
