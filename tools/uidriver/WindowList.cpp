// Lists the windows of a running program for scripts that drive it from
// outside: one line per window on screen of the thread that owns the
// top-level window with the given title (the main window, its children,
// open boxes), as
//
//   <depth> <class> <control id> <left> <top> <right> <bottom> <text>
//
// with screen coordinates, the text on one line ("\n" for line breaks), in UTF-8.
//
//   window_list <window title>
#include <windows.h>
#include <cstdio>
#include <string>

namespace {

std::wstring OneLine(HWND hwnd)
{
    wchar_t buffer[1024] = {};
    ::SendMessageTimeoutW(hwnd, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG, 2000, nullptr);
    std::wstring text;
    for (const wchar_t* p = buffer; *p; ++p) {
        if (*p == L'\n')
            text += L"\\n";
        else if (*p != L'\r')
            text += *p;
    }
    return text;
}

void WriteUtf8(const std::wstring& text)
{
    int size = ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr,
                                     nullptr);
    std::string bytes(static_cast<size_t>(size), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), bytes.data(), size, nullptr,
                          nullptr);
    std::fwrite(bytes.data(), 1, bytes.size(), stdout);
}

void Print(HWND hwnd, int depth)
{
    wchar_t cls[128] = {};
    ::GetClassNameW(hwnd, cls, 128);
    RECT rc{};
    ::GetWindowRect(hwnd, &rc);
    wchar_t head[256];
    std::swprintf(head, 256, L"%d %ls %d %ld %ld %ld %ld ", depth, cls, ::GetDlgCtrlID(hwnd), rc.left, rc.top,
                  rc.right, rc.bottom);
    WriteUtf8(head + OneLine(hwnd) + L"\n");
}

void PrintTree(HWND parent, int depth)
{
    for (HWND child = ::GetWindow(parent, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        // What is on screen only: the program keeps some windows hidden for later.
        if (!(::GetWindowLongW(child, GWL_STYLE) & WS_VISIBLE))
            continue;
        Print(child, depth);
        PrintTree(child, depth + 1);
    }
}

struct ThreadWindows {
    DWORD thread;
};

BOOL CALLBACK PrintTopLevel(HWND hwnd, LPARAM lp)
{
    auto* owner = reinterpret_cast<ThreadWindows*>(lp);
    if (::GetWindowThreadProcessId(hwnd, nullptr) != owner->thread || !::IsWindowVisible(hwnd))
        return TRUE;
    Print(hwnd, 0);
    PrintTree(hwnd, 1);
    return TRUE;
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc != 2) {
        std::fwprintf(stderr, L"usage: window_list <window title>\n");
        return 2;
    }
    HWND window = nullptr;
    for (int i = 0; i < 50 && !window; ++i) {
        window = ::FindWindowW(nullptr, argv[1]);
        if (!window)
            ::Sleep(100);
    }
    if (!window) {
        std::fwprintf(stderr, L"no window titled \"%ls\"\n", argv[1]);
        return 1;
    }
    ThreadWindows owner{::GetWindowThreadProcessId(window, nullptr)};
    ::EnumWindows(PrintTopLevel, reinterpret_cast<LPARAM>(&owner));
    std::fflush(stdout);
    return 0;
}
