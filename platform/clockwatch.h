#pragma once
#include <QtGlobal>

// The two clocks of the machine: the wall clock, which the user or a time service may set, and
// a monotonic one that only runs forward.
class ClockSource {
public:
    virtual ~ClockSource() = default;
    virtual qint64 wallMs() = 0;
    virtual qint64 monotonicMs() = 0;
};

class SystemClockSource : public ClockSource {
public:
    qint64 wallMs() override;
    qint64 monotonicMs() override;
};

// Notices that the system time was changed: between two checks the wall clock moved by more
// (or less) than the monotonic clock, beyond a tolerance for the timer's own jitter.
class ClockWatch {
public:
    explicit ClockWatch(ClockSource &clock, qint64 toleranceMs = 2000);
    // True when the time was changed since the previous check (the first check only starts).
    bool check();

private:
    ClockSource &m_clock;
    qint64 m_tolerance;
    bool m_started = false;
    qint64 m_wall = 0, m_mono = 0;
};
