// Holds a file open the way a virus scanner or an indexer may: readable by
// others, but neither writable nor deletable, until the marker file it
// creates is deleted, or for at most the given seconds (a test that forgets
// to let go does not leave it held).
//   hold_file.exe FILE MARKER SECONDS
#include <windows.h>
#include <cwchar>

int wmain(int argc, wchar_t** argv)
{
    if (argc != 4)
        return 2;
    HANDLE held = ::CreateFileW(argv[1], GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                                nullptr);
    if (held == INVALID_HANDLE_VALUE)
        return 1;
    HANDLE marker = ::CreateFileW(argv[2], GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
    if (marker == INVALID_HANDLE_VALUE) {
        ::CloseHandle(held);
        return 1;
    }
    ::CloseHandle(marker);
    const ULONGLONG limit = ::GetTickCount64() + 1000ULL * std::wcstoul(argv[3], nullptr, 10);
    int result = 3; // held until the time ran out
    while (::GetTickCount64() < limit) {
        if (::GetFileAttributesW(argv[2]) == INVALID_FILE_ATTRIBUTES) {
            result = 0;
            break;
        }
        ::Sleep(50);
    }
    ::CloseHandle(held);
    return result;
}
