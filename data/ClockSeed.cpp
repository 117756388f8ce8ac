#include "data/ClockSeed.h"

unsigned ClockSeed(long long seconds)
{
    // A full mix of the bits (the finaliser of splitmix64): neighbouring
    // seconds give unrelated seeds.
    auto z = static_cast<unsigned long long>(seconds) + 0x9E3779B97F4A7C15ULL;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return static_cast<unsigned>(z ^ (z >> 31));
}
