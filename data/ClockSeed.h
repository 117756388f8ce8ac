#pragma once
// The C runtime generator's seed for a clock reading in seconds. The
// runtime's generator turns seeds a few seconds apart into nearly equal
// first draws (every start within a minute would ask the same first verb),
// so the seconds are spread over the whole seed range.
unsigned ClockSeed(long long seconds);
