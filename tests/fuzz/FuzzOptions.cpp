#include "FuzzOptions.h"
#include <windows.h>
#include <cstdlib>
#include <cwchar>

namespace fuzz {

namespace {

// A Unix path (a cross build's) as the process under Wine opens it.
std::wstring WindowsPath(std::wstring path)
{
    if (!path.empty() && path[0] == L'/')
        path = L"Z:" + path;
    for (wchar_t& c : path)
        if (c == L'/')
            c = L'\\';
    return path;
}

std::wstring Widen(const std::string& text)
{
    return std::wstring(text.begin(), text.end()); // target names are ASCII
}

} // namespace

bool WriteWholeFile(const std::wstring& path, const std::string& bytes)
{
    HANDLE file = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    bool whole = ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                 written == bytes.size();
    return ::CloseHandle(file) && whole;
}

bool ReadWholeFile(const std::wstring& path, std::string& bytes)
{
    HANDLE file = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    bytes.clear();
    char buffer[65536];
    DWORD read = 0;
    bool ok = true;
    while ((ok = ::ReadFile(file, buffer, sizeof buffer, &read, nullptr) != FALSE) && read > 0)
        bytes.append(buffer, read);
    ::CloseHandle(file);
    return ok;
}

std::string Narrow(const std::wstring& text)
{
    int n = ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(n > 0 ? n : 0), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), bytes.data(), n, nullptr, nullptr);
    return bytes;
}

bool ParseOptions(int argc, wchar_t** argv, FuzzOptions& options, std::string& problem)
{
    for (int i = 1; i < argc; ++i) {
        const std::wstring arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == L"--seconds" && hasValue) {
            options.secondsPerTarget = std::wcstod(argv[++i], nullptr);
        } else if (arg == L"--seed" && hasValue) {
            options.seed = std::wcstoull(argv[++i], nullptr, 10);
        } else if (arg == L"--input-limit-ms" && hasValue) {
            options.inputLimitMs = static_cast<unsigned>(std::wcstoul(argv[++i], nullptr, 10));
        } else if (arg == L"--out" && hasValue) {
            options.outDir = WindowsPath(argv[++i]);
        } else if (arg == L"--target" && hasValue) {
            options.onlyTarget = Narrow(argv[++i]);
        } else if (arg == L"--replay" && hasValue) {
            options.replayFile = WindowsPath(argv[++i]);
        } else if (arg == L"--iteration" && hasValue) {
            options.iteration = std::wcstoll(argv[++i], nullptr, 10);
        } else if (arg == L"--worker" && hasValue) {
            options.progressName = argv[++i];
        } else {
            problem = "cannot understand the argument " + Narrow(arg);
            return false;
        }
    }
    if (options.secondsPerTarget <= 0 || options.inputLimitMs == 0) {
        problem = "--seconds and --input-limit-ms must be positive";
        return false;
    }
    if ((!options.replayFile.empty() || options.iteration >= 0) && options.onlyTarget.empty()) {
        problem = "--replay and --iteration need --target";
        return false;
    }
    return true;
}

std::wstring WorkerArguments(const FuzzOptions& options)
{
    std::wstring args = L" --worker " + options.progressName;
    args += L" --seconds " + std::to_wstring(options.secondsPerTarget);
    args += L" --seed " + std::to_wstring(options.seed);
    args += L" --input-limit-ms " + std::to_wstring(options.inputLimitMs);
    args += L" --out \"" + options.outDir + L"\"";
    if (!options.onlyTarget.empty())
        args += L" --target " + Widen(options.onlyTarget);
    return args;
}

std::wstring SaveFinding(const FuzzOptions& options, const char* target, const char* kind, std::uint64_t iteration,
                         const std::string& input, const std::string& note)
{
    ::CreateDirectoryW(options.outDir.c_str(), nullptr);
    const std::wstring base = options.outDir + L"\\" + Widen(target) + L"-" + Widen(kind) + L"-seed" +
                              std::to_wstring(options.seed) + L"-it" + std::to_wstring(iteration);
    const std::string again = "fuzz_parsers --target " + std::string(target) + " --seed " +
                              std::to_string(options.seed) + " --iteration " + std::to_string(iteration) +
                              "\r\nfuzz_parsers --target " + target + " --replay " + Narrow(base) + ".bin\r\n";
    WriteWholeFile(base + L".bin", input);
    WriteWholeFile(base + L".txt", note + "\r\n" + again);
    return base + L".bin";
}

} // namespace fuzz
