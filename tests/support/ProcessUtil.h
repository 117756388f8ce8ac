#pragma once
// Starting the real program as its own process and finding its windows.
#include <windows.h>
#include <string>

namespace testutil {

class ChildProcess {
public:
    // Starts the program; args may be empty.
    explicit ChildProcess(const std::wstring& exePath, const std::wstring& args = L"");
    ~ChildProcess(); // kills a process that is still running
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool Started() const { return info_.hProcess != nullptr; }
    DWORD Id() const { return info_.dwProcessId; }
    HANDLE Handle() const { return info_.hProcess; }
    // Waits for the end of the process; false on time-out.
    bool WaitForExit(DWORD timeoutMs, DWORD* exitCode = nullptr);
    // A visible top-level window of the process with this exact caption.
    HWND FindWindowByCaption(const std::wstring& caption) const;
    HWND WaitForWindow(const std::wstring& caption, DWORD timeoutMs) const;

private:
    PROCESS_INFORMATION info_{};
};

std::wstring ProgramPath(); // verbs.exe beside the test executable

} // namespace testutil
