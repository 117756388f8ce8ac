#pragma once
// What the fuzzing worker process shares with the process that watches it:
// where each target stands, its counts, and the input being checked, so that
// an input that crashes or hangs the worker is still there to be saved.
#include <windows.h>
#include <cstdint>
#include <string>

namespace fuzz {

struct Progress {
    static constexpr int kMaxTargets = 16;
    static constexpr size_t kMaxInput = 4u << 20;
    // Findings saved and shown per target and kind; the rest are counted.
    static constexpr long long kMostSaved = 5;

    volatile LONG target;                 // the target being fuzzed
    volatile LONG checking;               // 1 while an input is being checked
    volatile LONG64 iteration;            // the iteration being checked
    volatile LONG64 next[kMaxTargets];    // iteration each target goes on with
    volatile LONG64 spentMs[kMaxTargets]; // time spent on each target
    volatile LONG64 wrong[kMaxTargets];   // wrong results found
    volatile LONG finished[kMaxTargets];  // 1 when the target's time is up
    volatile LONG inputSize;
    char input[kMaxInput];
};

// The block in a named, page-file backed mapping (made by the watcher,
// opened by the worker).
class ProgressMapping {
public:
    static ProgressMapping Create(const std::wstring& name);
    static ProgressMapping Open(const std::wstring& name);
    ProgressMapping(ProgressMapping&& other) noexcept;
    ProgressMapping& operator=(ProgressMapping&&) = delete;
    ProgressMapping(const ProgressMapping&) = delete;
    ~ProgressMapping();

    Progress* get() const { return view_; }
    explicit operator bool() const { return view_ != nullptr; }

private:
    ProgressMapping(HANDLE mapping, Progress* view) : mapping_(mapping), view_(view) {}
    HANDLE mapping_ = nullptr;
    Progress* view_ = nullptr;
};

} // namespace fuzz
