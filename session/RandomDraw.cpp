#include "session/RandomDraw.h"
#include <cstdlib>

int DrawBelow(int n)
{
    return static_cast<int>(static_cast<long long>(std::rand()) * n / 32768);
}

void SeedDraws(long long seconds)
{
    std::srand(ClockSeed(seconds));
}
