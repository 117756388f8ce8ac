#pragma once
// How a fuzzing run is set up, from its command line:
//   fuzz_parsers [--seconds S] [--seed N] [--input-limit-ms MS] [--out DIR] [--target NAME]
//   fuzz_parsers --target NAME --seed N --iteration I   (makes one input again and checks it)
//   fuzz_parsers --target NAME --replay FILE             (checks a saved input)
#include <cstdint>
#include <string>

namespace fuzz {

struct FuzzOptions {
    double secondsPerTarget = 0.5;
    std::uint64_t seed = 1;
    unsigned inputLimitMs = 5000; // longer on one input is a hang (a loaded machine is slow)
    std::wstring outDir = L"fuzz-findings";
    std::string onlyTarget;       // empty: every target
    std::wstring replayFile;
    std::int64_t iteration = -1;  // >= 0: that iteration alone
    // Set for the worker process the watcher starts.
    std::wstring progressName;
};

// False (and the reason) when the command line cannot be understood.
bool ParseOptions(int argc, wchar_t** argv, FuzzOptions& options, std::string& problem);
// The worker's command line for these options.
std::wstring WorkerArguments(const FuzzOptions& options);

// Saves an input that crashed, hung or gave a wrong result, with a note
// beside it; the path of the saved input.
std::wstring SaveFinding(const FuzzOptions& options, const char* target, const char* kind, std::uint64_t iteration,
                         const std::string& input, const std::string& note);

bool ReadWholeFile(const std::wstring& path, std::string& bytes);
bool WriteWholeFile(const std::wstring& path, const std::string& bytes);

std::string Narrow(const std::wstring& text);

} // namespace fuzz
