// The fuzzing program of the parsers of outside data: a small mutation-based
// driver, deterministic from its seed, bounded in time per target and per
// input. Each target's real inputs come from the built program and the test
// modules; what crashes, hangs or comes out wrong is saved to be checked
// again (FuzzOptions.h gives the command line).
#include "FuzzRun.h"
#include <windows.h>
#include <shellapi.h>
#include <cstdio>

int main()
{
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    int argc = 0;
    wchar_t** argv = ::CommandLineToArgvW(::GetCommandLineW(), &argc);
    fuzz::FuzzOptions options;
    std::string problem;
    const bool understood = argv && fuzz::ParseOptions(argc, argv, options, problem);
    if (argv)
        ::LocalFree(argv);
    if (!understood) {
        std::printf("fuzz_parsers: %s\n", problem.c_str());
        return 2;
    }
    if (!options.progressName.empty())
        return fuzz::RunWorker(options);
    if (!options.replayFile.empty() || options.iteration >= 0)
        return fuzz::RunOneInput(options);
    return fuzz::RunWatcher(options);
}
