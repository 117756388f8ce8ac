#pragma once
// The clock a test measures its answers with; tests give it one they set.

class SessionClock {
public:
    virtual ~SessionClock() = default;
    // Milliseconds from some fixed moment; never goes back.
    virtual long long Milliseconds() const = 0;
};

// The machine's steady clock.
const SessionClock& SteadyClock();
