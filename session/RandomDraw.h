#pragma once
// The program's one source of chance: the C runtime generator (0..32767),
// seeded once per run. Every draw scales it to the range (rand() * n /
// 32768), never takes its remainder.

// A number 0 .. n - 1 from the generator.
int DrawBelow(int n);

// The generator's seed for a clock reading in seconds. The runtime's
// generator turns seeds a few seconds apart into nearly equal first draws
// (every start within a minute would ask the same first verb), so the
// seconds are spread over the whole seed range.
unsigned ClockSeed(long long seconds);

// Seeds the generator for a run started at this clock reading; the program
// calls it once, when its application object is made.
void SeedDraws(long long seconds);
