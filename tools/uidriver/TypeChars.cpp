// Types text into the window that has the keyboard focus in a running
// program, found by its main window's title, one character message per
// character, as a keyboard layout the display lacks would (the Russian one,
// say). Used by the screenshot script.
//
//   type_chars <window title> <text>
#include <windows.h>
#include <cstdio>
#include <cwchar>

int wmain(int argc, wchar_t** argv)
{
    if (argc != 3) {
        std::fwprintf(stderr, L"usage: type_chars <window title> <text>\n");
        return 2;
    }
    HWND window = nullptr;
    for (int i = 0; i < 100 && !window; ++i) {
        window = ::FindWindowW(nullptr, argv[1]);
        if (!window)
            ::Sleep(100);
    }
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    if (!window || !::GetGUIThreadInfo(::GetWindowThreadProcessId(window, nullptr), &info) || !info.hwndFocus) {
        std::fwprintf(stderr, L"no focused window in the program of \"%ls\"\n", argv[1]);
        return 1;
    }
    for (const wchar_t* c = argv[2]; *c; ++c) {
        ::SendMessageW(info.hwndFocus, WM_CHAR, *c, 1);
        ::Sleep(40);
    }
    return 0;
}
