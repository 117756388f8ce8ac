#pragma once
// The program's one source of chance: the C runtime generator (0..32767),
// seeded once per run. Every draw scales it to the range (rand() * n /
// 32768), never takes its remainder.
#include "data/ClockSeed.h"

// A number 0 .. n - 1 from the generator.
int DrawBelow(int n);

// Seeds the generator with the mixed clock reading (ClockSeed) of a run
// started at that second; the program calls it once, when its application
// object is made.
void SeedDraws(long long seconds);
