#include "FuzzRun.h"
#include "FuzzTarget.h"
#include "Progress.h"
#include "base/VerbsGlobals.h"
#include <cstdio>
#include <cstring>

namespace fuzz {

namespace {

bool Selected(const FuzzOptions& options, const FuzzTarget& target)
{
    return options.onlyTarget.empty() || options.onlyTarget == target.Name();
}

} // namespace

int RunWorker(const FuzzOptions& options)
{
    ProgressMapping mapping = ProgressMapping::Open(options.progressName);
    if (!mapping) {
        std::printf("fuzz worker: no progress block %s\n", Narrow(options.progressName).c_str());
        return 4;
    }
    Progress& progress = *mapping.get();
    ::SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
    CVerbsGlobals globals; // the font target loads the user font into it

    std::vector<std::unique_ptr<FuzzTarget>> targets = AllTargets();
    const ULONGLONG budgetMs = static_cast<ULONGLONG>(options.secondsPerTarget * 1000.0);
    for (size_t t = 0; t < targets.size() && t < static_cast<size_t>(Progress::kMaxTargets); ++t) {
        FuzzTarget& target = *targets[t];
        if (progress.finished[t] || !Selected(options, target)) {
            progress.finished[t] = 1;
            continue;
        }
        progress.target = static_cast<LONG>(t);
        std::string problem;
        if (!target.Prepare(problem)) {
            std::printf("%s: no real inputs: %s\n", target.Name(), problem.c_str());
            return 5;
        }
        const ULONGLONG start = ::GetTickCount64() - static_cast<ULONGLONG>(progress.spentMs[t]);
        while (::GetTickCount64() - start < budgetMs) {
            const LONG64 iteration = progress.next[t];
            Rng rng = Rng::ForIteration(options.seed, target.Name(), static_cast<std::uint64_t>(iteration));
            std::string input = target.Generate(rng);
            if (input.size() > Progress::kMaxInput)
                input.resize(Progress::kMaxInput);
            std::memcpy(progress.input, input.data(), input.size());
            progress.inputSize = static_cast<LONG>(input.size());
            progress.iteration = iteration;
            progress.next[t] = iteration + 1;
            ::InterlockedExchange(&progress.checking, 1);
            const std::string wrong = target.Check(input);
            ::InterlockedExchange(&progress.checking, 0);
            progress.spentMs[t] = static_cast<LONG64>(::GetTickCount64() - start);
            if (!wrong.empty() && ++progress.wrong[t] <= Progress::kMostSaved) {
                const std::wstring saved = SaveFinding(options, target.Name(), "wrong",
                                                       static_cast<std::uint64_t>(iteration), input, wrong);
                std::printf("WRONG %s, iteration %lld: %s\n  input saved as %s\n", target.Name(),
                            static_cast<long long>(iteration), wrong.c_str(), Narrow(saved).c_str());
            }
        }
        progress.finished[t] = 1;
    }
    return 0;
}

int RunOneInput(const FuzzOptions& options)
{
    CVerbsGlobals globals;
    for (std::unique_ptr<FuzzTarget>& target : AllTargets()) {
        if (options.onlyTarget != target->Name())
            continue;
        std::string problem;
        if (!target->Prepare(problem)) {
            std::printf("%s: no real inputs: %s\n", target->Name(), problem.c_str());
            return 2;
        }
        std::string input;
        if (!options.replayFile.empty()) {
            if (!ReadWholeFile(options.replayFile, input)) {
                std::printf("cannot read %s\n", Narrow(options.replayFile).c_str());
                return 2;
            }
        } else {
            Rng rng = Rng::ForIteration(options.seed, target->Name(), static_cast<std::uint64_t>(options.iteration));
            input = target->Generate(rng);
        }
        std::printf("%s: checking an input of %zu bytes\n", target->Name(), input.size());
        const std::string wrong = target->Check(input);
        if (wrong.empty()) {
            std::printf("right\n");
            return 0;
        }
        std::printf("WRONG: %s\n", wrong.c_str());
        return 1;
    }
    std::printf("no target named %s\n", options.onlyTarget.c_str());
    return 2;
}

} // namespace fuzz
