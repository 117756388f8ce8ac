#include "FuzzRun.h"
#include "FuzzTarget.h"
#include "Progress.h"
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace fuzz {

namespace {

// A worker that crashes on every input would otherwise be started forever.
constexpr int kMostRestarts = 500;

constexpr DWORD kExitHung = 0xDEAD;

std::wstring OwnPath()
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        DWORD n = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n < path.size()) {
            path.resize(n);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

struct Counts {
    long long crashes = 0;
    long long hangs = 0;
};

class Worker {
public:
    Worker(const std::wstring& exe, const std::wstring& arguments)
    {
        std::wstring commandLine = L"\"" + exe + L"\"" + arguments;
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        PROCESS_INFORMATION info{};
        if (::CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                             &info)) {
            ::CloseHandle(info.hThread);
            process_ = info.hProcess;
        }
    }
    ~Worker()
    {
        if (process_) {
            ::TerminateProcess(process_, kExitHung);
            ::WaitForSingleObject(process_, 5000);
            ::CloseHandle(process_);
        }
    }
    Worker(const Worker&) = delete;
    Worker& operator=(const Worker&) = delete;

    bool Started() const { return process_ != nullptr; }
    bool Ended(DWORD waitMs) const { return ::WaitForSingleObject(process_, waitMs) == WAIT_OBJECT_0; }
    DWORD ExitCode() const
    {
        DWORD code = 0;
        ::GetExitCodeProcess(process_, &code);
        return code;
    }
    void Kill() const
    {
        ::TerminateProcess(process_, kExitHung);
        ::WaitForSingleObject(process_, 5000);
    }

private:
    HANDLE process_ = nullptr;
};

std::string Hex(DWORD code)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%08lX", static_cast<unsigned long>(code));
    return text;
}

void Report(const FuzzOptions& options, const Progress& progress, const char* target, const char* kind,
            const std::string& what)
{
    const std::string input(progress.input, static_cast<size_t>(progress.inputSize));
    const auto iteration = static_cast<std::uint64_t>(progress.iteration);
    const std::wstring saved = SaveFinding(options, target, kind, iteration, input, what);
    std::printf("%s %s, seed %llu, iteration %llu: %s\n  input saved as %s\n", kind, target,
                static_cast<unsigned long long>(options.seed), static_cast<unsigned long long>(iteration),
                what.c_str(), Narrow(saved).c_str());
}

} // namespace

int RunWatcher(FuzzOptions options)
{
    std::vector<std::string> names;
    for (const std::unique_ptr<FuzzTarget>& target : AllTargets())
        names.push_back(target->Name());
    if (!options.onlyTarget.empty() && std::find(names.begin(), names.end(), options.onlyTarget) == names.end()) {
        std::printf("no target named %s\n", options.onlyTarget.c_str());
        return 2;
    }
    options.progressName = L"Local\\VerbsFuzz-" + std::to_wstring(::GetCurrentProcessId()) + L"-" +
                           std::to_wstring(::GetTickCount64());
    ProgressMapping mapping = ProgressMapping::Create(options.progressName);
    if (!mapping) {
        std::printf("cannot make the progress block\n");
        return 2;
    }
    Progress& progress = *mapping.get();
    std::printf("fuzzing with seed %llu, %.1f s per target, at most %u ms per input\n",
                static_cast<unsigned long long>(options.seed), options.secondsPerTarget, options.inputLimitMs);

    std::vector<Counts> counts(names.size());
    // Time per target as the watcher sees it, restarts of the worker
    // included, so that a target that crashes often keeps to its time.
    std::vector<ULONGLONG> wallMs(names.size());
    const std::wstring exe = OwnPath();
    // The whole run may take its time twice over and a minute for starts.
    const ULONGLONG runDeadline = ::GetTickCount64() + static_cast<ULONGLONG>(options.secondsPerTarget * 2000.0) *
                                                           names.size() + 60000;
    bool failed = false;
    for (int restarts = 0;; ++restarts) {
        if (restarts > kMostRestarts) {
            std::printf("stopped after %d restarts of the worker\n", kMostRestarts);
            failed = true;
            break;
        }
        for (size_t t = 0; t < names.size(); ++t)
            progress.spentMs[t] = std::max(static_cast<LONG64>(progress.spentMs[t]), static_cast<LONG64>(wallMs[t]));
        Worker worker(exe, WorkerArguments(options));
        if (!worker.Started()) {
            std::printf("cannot start the worker process\n");
            return 2;
        }
        LONG watchedTarget = -1;
        LONG64 watchedIteration = -1;
        ULONGLONG since = ::GetTickCount64();
        ULONGLONG lastPoll = since;
        bool hung = false;
        while (!worker.Ended(10)) {
            const ULONGLONG now = ::GetTickCount64();
            if (progress.target >= 0 && static_cast<size_t>(progress.target) < names.size())
                wallMs[static_cast<size_t>(progress.target)] += now - lastPoll;
            lastPoll = now;
            if (now > runDeadline) {
                worker.Kill();
                std::printf("the run did not end in time\n");
                failed = true;
                break;
            }
            if (!progress.checking || progress.target != watchedTarget || progress.iteration != watchedIteration) {
                watchedTarget = progress.target;
                watchedIteration = progress.iteration;
                since = now;
            } else if (now - since > options.inputLimitMs) {
                worker.Kill();
                hung = true;
                break;
            }
        }
        if (failed)
            break;
        const DWORD code = worker.ExitCode();
        const LONG t = progress.target;
        if (hung) {
            if (++counts[static_cast<size_t>(t)].hangs <= Progress::kMostSaved)
                Report(options, progress, names[static_cast<size_t>(t)].c_str(), "hang",
                       "no result within " + std::to_string(options.inputLimitMs) + " ms");
            progress.checking = 0;
            continue;
        }
        if (progress.checking) {
            if (++counts[static_cast<size_t>(t)].crashes <= Progress::kMostSaved)
                Report(options, progress, names[static_cast<size_t>(t)].c_str(), "crash",
                       "the worker ended with code " + Hex(code) + " while checking the input");
            progress.checking = 0;
            continue;
        }
        if (code != 0) {
            std::printf("the worker ended with code %s outside any input\n", Hex(code).c_str());
            failed = true;
        }
        break;
    }

    bool found = false;
    std::printf("%-14s %12s %8s %6s %6s\n", "target", "iterations", "crashes", "hangs", "wrong");
    for (size_t t = 0; t < names.size(); ++t) {
        if (!options.onlyTarget.empty() && options.onlyTarget != names[t])
            continue;
        const long long wrong = progress.wrong[t];
        std::printf("%-14s %12lld %8lld %6lld %6lld\n", names[t].c_str(), static_cast<long long>(progress.next[t]),
                    counts[t].crashes, counts[t].hangs, wrong);
        found = found || counts[t].crashes || counts[t].hangs || wrong;
    }
    if (failed)
        return 2;
    if (found) {
        std::printf("findings saved in %s\n", Narrow(options.outDir).c_str());
        return 1;
    }
    return 0;
}

} // namespace fuzz
