#include "session/SessionClock.h"
#include <chrono>

namespace {

class SteadySessionClock final : public SessionClock {
public:
    long long Milliseconds() const override
    {
        using namespace std::chrono;
        return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    }
};

} // namespace

const SessionClock& SteadyClock()
{
    static const SteadySessionClock clock;
    return clock;
}
