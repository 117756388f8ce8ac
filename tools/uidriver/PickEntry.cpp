// Picks an entry of a combo box in a dialog of a running program, found by
// the dialog's title, as if the user had chosen it; with "press" clicks a
// button instead. Used by the screenshot script to fill in dialogs such as
// the font chooser without keyboard navigation.
//
//   pick_entry <dialog title> <control id> <entry text>
//   pick_entry <dialog title> <button id> press
#include <windows.h>
#include <cstdio>
#include <cwchar>

int wmain(int argc, wchar_t** argv)
{
    if (argc != 4) {
        std::fwprintf(stderr, L"usage: pick_entry <dialog title> <control id> <entry text | press>\n");
        return 2;
    }
    HWND dialog = nullptr;
    for (int i = 0; i < 100 && !dialog; ++i) {
        dialog = ::FindWindowW(L"#32770", argv[1]);
        if (!dialog)
            ::Sleep(100);
    }
    const int id = _wtoi(argv[2]);
    HWND control = dialog ? ::GetDlgItem(dialog, id) : nullptr;
    if (!control) {
        std::fwprintf(stderr, L"no control %d in a dialog titled \"%ls\"\n", id, argv[1]);
        return 1;
    }
    if (std::wcscmp(argv[3], L"press") == 0) {
        ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(control));
        return 0;
    }
    LRESULT index = ::SendMessageW(control, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                   reinterpret_cast<LPARAM>(argv[3]));
    if (index == CB_ERR) {
        std::fwprintf(stderr, L"no entry \"%ls\" in control %d\n", argv[3], id);
        return 1;
    }
    ::SendMessageW(control, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    ::SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(control));
    return 0;
}
