#include "clockwatch.h"

#include <QDateTime>
#include <QElapsedTimer>

qint64 SystemClockSource::wallMs() { return QDateTime::currentMSecsSinceEpoch(); }

qint64 SystemClockSource::monotonicMs() {
    static QElapsedTimer timer = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return timer.elapsed();
}

ClockWatch::ClockWatch(ClockSource &clock, qint64 toleranceMs) : m_clock(clock), m_tolerance(toleranceMs) {}

bool ClockWatch::check() {
    const qint64 wall = m_clock.wallMs();
    const qint64 mono = m_clock.monotonicMs();
    const bool changed = m_started && qAbs((wall - m_wall) - (mono - m_mono)) > m_tolerance;
    m_started = true;
    m_wall = wall;
    m_mono = mono;
    return changed;
}
