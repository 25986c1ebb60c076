#include "moon.h"

#include <cmath>

namespace {

constexpr double Pi = 3.14159265358979323846;
constexpr double Rad = Pi / 180;
constexpr double SerialEpochJd = 2415018.5;
constexpr double SynodicMonth = 29.530588861;

double sinDeg(double degrees) { return std::sin(degrees * Rad); }
double cosDeg(double degrees) { return std::cos(degrees * Rad); }

// Julian Ephemeris Day of the phase k (whole for new moons, +0.25, +0.5, +0.75 for the others).
double phaseJde(double k) {
    const double t = k / 1236.85;
    const double t2 = t * t, t3 = t2 * t, t4 = t3 * t;
    double jde = 2451550.09766 + SynodicMonth * k + 0.00015437 * t2 - 0.000000150 * t3 + 0.00000000073 * t4;

    const double e = 1 - 0.002516 * t - 0.0000074 * t2;
    const double m = 2.5534 + 29.10535670 * k - 0.0000014 * t2 - 0.00000011 * t3;
    const double mp = 201.5643 + 385.81693528 * k + 0.0107582 * t2 + 0.00001238 * t3 - 0.000000058 * t4;
    const double f = 160.7108 + 390.67050284 * k - 0.0016118 * t2 - 0.00000227 * t3 + 0.000000011 * t4;
    const double om = 124.7746 - 1.56375588 * k + 0.0020672 * t2 + 0.00000215 * t3;

    const double fraction = k - std::floor(k);
    double c = 0;
    if (fraction < 0.125 || fraction > 0.875) {   // new moon
        c = -0.40720 * sinDeg(mp) + 0.17241 * e * sinDeg(m) + 0.01608 * sinDeg(2 * mp) + 0.01039 * sinDeg(2 * f)
            + 0.00739 * e * sinDeg(mp - m) - 0.00514 * e * sinDeg(mp + m) + 0.00208 * e * e * sinDeg(2 * m)
            - 0.00111 * sinDeg(mp - 2 * f) - 0.00057 * sinDeg(mp + 2 * f) + 0.00056 * e * sinDeg(2 * mp + m)
            - 0.00042 * sinDeg(3 * mp) + 0.00042 * e * sinDeg(m + 2 * f) + 0.00038 * e * sinDeg(m - 2 * f)
            - 0.00024 * e * sinDeg(2 * mp - m) - 0.00017 * sinDeg(om) - 0.00007 * sinDeg(mp + 2 * m)
            + 0.00004 * sinDeg(2 * mp - 2 * f) + 0.00004 * sinDeg(3 * m) + 0.00003 * sinDeg(mp + m - 2 * f)
            + 0.00003 * sinDeg(2 * mp + 2 * f) - 0.00003 * sinDeg(mp + m + 2 * f) + 0.00003 * sinDeg(mp - m + 2 * f)
            - 0.00002 * sinDeg(mp - m - 2 * f) - 0.00002 * sinDeg(3 * mp + m) + 0.00002 * sinDeg(4 * mp);
    } else if (fraction > 0.375 && fraction < 0.625) {   // full moon
        c = -0.40614 * sinDeg(mp) + 0.17302 * e * sinDeg(m) + 0.01614 * sinDeg(2 * mp) + 0.01043 * sinDeg(2 * f)
            + 0.00734 * e * sinDeg(mp - m) - 0.00515 * e * sinDeg(mp + m) + 0.00209 * e * e * sinDeg(2 * m)
            - 0.00111 * sinDeg(mp - 2 * f) - 0.00057 * sinDeg(mp + 2 * f) + 0.00056 * e * sinDeg(2 * mp + m)
            - 0.00042 * sinDeg(3 * mp) + 0.00042 * e * sinDeg(m + 2 * f) + 0.00038 * e * sinDeg(m - 2 * f)
            - 0.00024 * e * sinDeg(2 * mp - m) - 0.00017 * sinDeg(om) - 0.00007 * sinDeg(mp + 2 * m)
            + 0.00004 * sinDeg(2 * mp - 2 * f) + 0.00004 * sinDeg(3 * m) + 0.00003 * sinDeg(mp + m - 2 * f)
            + 0.00003 * sinDeg(2 * mp + 2 * f) - 0.00003 * sinDeg(mp + m + 2 * f) + 0.00003 * sinDeg(mp - m + 2 * f)
            - 0.00002 * sinDeg(mp - m - 2 * f) - 0.00002 * sinDeg(3 * mp + m) + 0.00002 * sinDeg(4 * mp);
    } else {   // quarters
        c = -0.62801 * sinDeg(mp) + 0.17172 * e * sinDeg(m) - 0.01183 * e * sinDeg(mp + m) + 0.00862 * sinDeg(2 * mp)
            + 0.00804 * sinDeg(2 * f) + 0.00454 * e * sinDeg(mp - m) + 0.00204 * e * e * sinDeg(2 * m)
            - 0.00180 * sinDeg(mp - 2 * f) - 0.00070 * sinDeg(mp + 2 * f) - 0.00040 * sinDeg(3 * mp)
            - 0.00034 * e * sinDeg(2 * mp - m) + 0.00032 * e * sinDeg(m + 2 * f) + 0.00032 * e * sinDeg(m - 2 * f)
            - 0.00028 * e * e * sinDeg(mp + 2 * m) + 0.00027 * e * sinDeg(2 * mp + m) - 0.00017 * sinDeg(om)
            - 0.00005 * sinDeg(mp - m - 2 * f) + 0.00004 * sinDeg(2 * mp + 2 * f) - 0.00004 * sinDeg(mp + m + 2 * f)
            + 0.00004 * sinDeg(mp - 2 * m) + 0.00003 * sinDeg(mp + m - 2 * f) + 0.00003 * sinDeg(3 * m)
            + 0.00002 * sinDeg(2 * mp - 2 * f) + 0.00002 * sinDeg(mp - m + 2 * f) - 0.00002 * sinDeg(3 * mp + m);
        const double w = 0.00306 - 0.00038 * e * cosDeg(m) + 0.00026 * cosDeg(mp) - 0.00002 * cosDeg(mp - m)
                         + 0.00002 * cosDeg(mp + m) + 0.00002 * cosDeg(2 * f);
        c += fraction < 0.5 ? w : -w;
    }
    jde += c;

    // Planetary arguments, common to all phases.
    const double a[14] = {299.77 + 0.107408 * k - 0.009173 * t2,
                          251.88 + 0.016321 * k,
                          251.83 + 26.651886 * k,
                          349.42 + 36.412478 * k,
                          84.66 + 18.206239 * k,
                          141.74 + 53.303771 * k,
                          207.14 + 2.453732 * k,
                          154.84 + 7.306860 * k,
                          34.52 + 27.261239 * k,
                          207.19 + 0.121824 * k,
                          291.34 + 1.844379 * k,
                          161.72 + 24.198154 * k,
                          239.56 + 25.513099 * k,
                          331.55 + 3.592518 * k};
    const double coeff[14] = {0.000325, 0.000165, 0.000164, 0.000126, 0.000110, 0.000062, 0.000060,
                              0.000056, 0.000047, 0.000042, 0.000040, 0.000037, 0.000035, 0.000023};
    for (int i = 0; i < 14; ++i)
        jde += coeff[i] * sinDeg(a[i]);
    return jde;
}

double jdeToSerialUt(double jde) {
    const double year = 2000 + (jde - 2451545.0) / 365.25;
    return jde - deltaTSeconds(year) / 86400 - SerialEpochJd;
}

// Quarter index q (0, 1, 2, ...) counts phases from the new moon of lunation 0.
double quarterTime(long long q) {
    const long long lunation = q >= 0 ? q / 4 : -((-q + 3) / 4);
    const int kind = int(q - lunation * 4);
    return moonPhaseTime(lunation, MoonPhaseKind(kind));
}

// Quarter index of the last principal phase at or before the instant.
long long quarterAtOrBefore(double utc) {
    const double jd = utc + SerialEpochJd;
    long long q = (long long)std::floor((jd - 2451550.09766) / (SynodicMonth / 4));
    while (quarterTime(q) > utc)
        --q;
    while (quarterTime(q + 1) <= utc)
        ++q;
    return q;
}

} // namespace

double deltaTSeconds(double year) {
    const double y = year;
    if (y >= 1986 && y < 2005) {
        const double t = y - 2000;
        return 63.86 + 0.3345 * t - 0.060374 * t * t + 0.0017275 * t * t * t + 0.000651814 * t * t * t * t
               + 0.00002373599 * t * t * t * t * t;
    }
    if (y >= 2005 && y < 2050) {
        const double t = y - 2000;
        return 62.92 + 0.32217 * t + 0.005589 * t * t;
    }
    if (y >= 1961 && y < 1986) {
        const double t = y - 1975;
        return 45.45 + 1.067 * t - t * t / 260 - t * t * t / 718;
    }
    if (y >= 1941 && y < 1961) {
        const double t = y - 1950;
        return 29.07 + 0.407 * t - t * t / 233 + t * t * t / 2547;
    }
    if (y >= 1920 && y < 1941) {
        const double t = y - 1920;
        return 21.20 + 0.84493 * t - 0.076100 * t * t + 0.0020936 * t * t * t;
    }
    if (y >= 1900 && y < 1920) {
        const double t = y - 1900;
        return -2.79 + 1.494119 * t - 0.0598939 * t * t + 0.0061966 * t * t * t - 0.000197 * t * t * t * t;
    }
    const double u = (y - 1820) / 100;
    if (y >= 2050 && y < 2150)
        return -20 + 32 * u * u - 0.5628 * (2150 - y);
    return -20 + 32 * u * u;
}

double moonPhaseTime(long long lunation, MoonPhaseKind kind) {
    return jdeToSerialUt(phaseJde(double(lunation) + int(kind) * 0.25));
}

double nextMoonPhase(double after, MoonPhaseKind kind) {
    long long q = quarterAtOrBefore(after) + 1;
    while (((q % 4) + 4) % 4 != int(kind))
        ++q;
    return quarterTime(q);
}

double MoonPhase(double utc) {
    if (!std::isfinite(utc))
        return 0;
    const long long q = quarterAtOrBefore(utc);
    const double from = quarterTime(q), to = quarterTime(q + 1);
    const double phase = (double(((q % 4) + 4) % 4) + (utc - from) / (to - from)) / 4;
    return phase >= 1 ? phase - 1 : phase;
}

double MoonPhaseOfDay(double date) { return MoonPhase(std::trunc(date) + 0.5); }

double moonIlluminatedFraction(double phase) { return (1 - std::cos(2 * Pi * phase)) / 2; }
