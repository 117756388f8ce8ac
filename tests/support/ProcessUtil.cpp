#include "ProcessUtil.h"
#include "TestUtil.h"
#include <vector>

namespace testutil {

ChildProcess::ChildProcess(const std::wstring& exePath, const std::wstring& args)
{
    std::wstring commandLine = L"\"" + exePath + L"\"";
    if (!args.empty())
        commandLine += L" " + args;
    std::vector<wchar_t> buffer(commandLine.begin(), commandLine.end());
    buffer.push_back(L'\0');
    STARTUPINFOW si{sizeof(si)};
    if (!::CreateProcessW(exePath.c_str(), buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                          &info_))
        info_ = PROCESS_INFORMATION{};
}

ChildProcess::~ChildProcess()
{
    if (!info_.hProcess)
        return;
    if (::WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) {
        ::TerminateProcess(info_.hProcess, 99);
        ::WaitForSingleObject(info_.hProcess, 5000);
    }
    ::CloseHandle(info_.hThread);
    ::CloseHandle(info_.hProcess);
}

bool ChildProcess::WaitForExit(DWORD timeoutMs, DWORD* exitCode)
{
    if (!info_.hProcess || ::WaitForSingleObject(info_.hProcess, timeoutMs) != WAIT_OBJECT_0)
        return false;
    if (exitCode)
        ::GetExitCodeProcess(info_.hProcess, exitCode);
    return true;
}

namespace {
struct WindowSearch {
    DWORD pid;
    const std::wstring* caption;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND hwnd, LPARAM lp)
{
    auto* search = reinterpret_cast<WindowSearch*>(lp);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hwnd, &pid);
    if (pid != search->pid || !::IsWindowVisible(hwnd))
        return TRUE;
    wchar_t text[256] = {};
    ::GetWindowTextW(hwnd, text, 256);
    if (*search->caption == text) {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}
} // namespace

HWND ChildProcess::FindWindowByCaption(const std::wstring& caption) const
{
    WindowSearch search{info_.dwProcessId, &caption, nullptr};
    ::EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND ChildProcess::WaitForWindow(const std::wstring& caption, DWORD timeoutMs) const
{
    DWORD start = ::GetTickCount();
    for (;;) {
        if (HWND hwnd = FindWindowByCaption(caption))
            return hwnd;
        if (::GetTickCount() - start > timeoutMs)
            return nullptr;
        ::Sleep(50);
    }
}

std::wstring ProgramPath()
{
    return ExecutableFolder() + L"\\verbs.exe";
}

} // namespace testutil
