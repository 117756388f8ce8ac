#pragma once
// The three ways the fuzzing program runs: the watcher, which starts a worker
// process and saves what crashes or hangs it; the worker, which makes and
// checks the inputs; and one input checked again in-process.
#include "FuzzOptions.h"

namespace fuzz {

// Exit code: 0 nothing found, 1 crashes, hangs or wrong results, 2 the run
// itself failed.
int RunWatcher(FuzzOptions options);
int RunWorker(const FuzzOptions& options);
int RunOneInput(const FuzzOptions& options);

} // namespace fuzz
