#include "sun.h"

#include <cmath>

namespace {

constexpr double Pi = 3.14159265358979323846;
constexpr double TwoPi = 2 * Pi;
constexpr double Rad = Pi / 180;
// Julian date of the serial's day 0 (30 December 1899, 0h).
constexpr double SerialEpochJd = 2415018.5;

struct RaDec {
    double ra;
    double dec;
};

// The Sun's right ascension and declination (radians) at t days from 2000 January 1.5;
// tt is centuries from 1900.0.
RaDec sunPosition(double t, double tt) {
    double l = 0.779072 + 0.00273790931 * t;
    double g = 0.993126 + 0.0027377785 * t;
    l = (l - std::floor(l)) * TwoPi;
    g = (g - std::floor(g)) * TwoPi;
    double v = 0.39785 * std::sin(l);
    v -= 0.01000 * std::sin(l - g);
    v += 0.00333 * std::sin(l + g);
    v -= 0.00021 * tt * std::sin(l);
    double u = 1 - 0.03349 * std::cos(g);
    u -= 0.00014 * std::cos(2 * l);
    u += 0.00008 * std::cos(l);
    double w = -0.00010 - 0.04129 * std::sin(2 * l);
    w += 0.03211 * std::sin(g);
    w += 0.00104 * std::sin(2 * l - g);
    w -= 0.00035 * std::sin(2 * l + g);
    w -= 0.00008 * tt * std::sin(g);
    double s = w / std::sqrt(u - v * v);
    const double ra = l + std::atan(s / std::sqrt(1 - s * s));
    s = v / std::sqrt(u);
    const double dec = std::atan(s / std::sqrt(1 - s * s));
    return {ra, dec};
}

int sgn(double x) { return (x > 0) - (x < 0); }

} // namespace

double degreesFromDms(int degrees, int minutes, int seconds) {
    const double magnitude = std::abs(degrees) + std::abs(minutes) / 60.0 + std::abs(seconds) / 3600.0;
    return degrees < 0 ? -magnitude : magnitude;
}

QString sunTimeText(int hour, int minute) {
    return QString::number(hour) + QLatin1Char(':') + QStringLiteral("%1").arg(minute, 2, 10, QLatin1Char('0'));
}

SunTimes SunriseSunset(double date, double latitude, double longitude, double utcOffsetHours) {
    const double k1 = 15 * Rad * 1.0027379;
    const double zone = -utcOffsetHours / 24;      // local midnight is this fraction of a day off 0h UT
    const double lon = longitude / 360;

    // Days from J2000.0 at 0h UT of the date. Our serial is Gregorian for every year.
    double t = std::trunc(date) + SerialEpochJd - 2451545.0;
    const double tt = t / 36525 + 1;

    // Local sidereal time at 0h zone time.
    const double t0c = t / 36525;
    double lst = 24110.5 + 8640184.813 * t0c + 86636.6 * zone + 86400 * lon;
    lst /= 86400;
    lst -= std::floor(lst);
    const double lst0 = lst * 360 * Rad;

    t += zone;
    const RaDec p1 = sunPosition(t, tt);
    RaDec p2 = sunPosition(t + 1, tt);
    if (p2.ra < p1.ra)
        p2.ra += TwoPi;

    const double z = std::cos(Rad * 90.833);
    const double s = std::sin(latitude * Rad), c = std::cos(latitude * Rad);
    const double da = p2.ra - p1.ra, dd = p2.dec - p1.dec;

    SunTimes r;
    double a0 = p1.ra, d0 = p1.dec, v0 = 0, v2 = 0;
    for (int hour = 0; hour < 24; ++hour) {
        const double p = (hour + 1) / 24.0;
        const double a2 = p1.ra + p * da, d2 = p1.dec + p * dd;

        const double l0 = lst0 + hour * k1, l2 = l0 + k1;
        const double h0 = l0 - a0, h2 = l2 - a2;
        const double h1 = (h2 + h0) / 2, d1 = (d2 + d0) / 2;
        if (hour == 0)
            v0 = s * std::sin(d0) + c * std::cos(d0) * std::cos(h0) - z;
        v2 = s * std::sin(d2) + c * std::cos(d2) * std::cos(h2) - z;
        if (sgn(v0) != sgn(v2)) {
            const double v1 = s * std::sin(d1) + c * std::cos(d1) * std::cos(h1) - z;
            const double qa = 2 * v2 - 4 * v1 + 2 * v0, qb = 4 * v1 - 3 * v0 - v2;
            double disc = qb * qb - 4 * qa * v0;
            if (disc >= 0) {
                double e;
                if (std::fabs(qa) < 1e-12) {
                    e = -v0 / (v2 - v0);
                } else {
                    disc = std::sqrt(disc);
                    e = (-qb + disc) / (2 * qa);
                    if (e > 1 || e < 0)
                        e = (-qb - disc) / (2 * qa);
                }
                const double t3 = hour + e + 1.0 / 120;   // rounded to the nearest minute
                const int h3 = int(std::floor(t3));
                const int m3 = int(std::floor((t3 - h3) * 60));
                if (v0 < 0 && v2 > 0 && !r.hasSunrise) {
                    r.hasSunrise = true;
                    r.sunriseHour = h3;
                    r.sunriseMinute = m3;
                }
                if (v0 > 0 && v2 < 0 && !r.hasSunset) {
                    r.hasSunset = true;
                    r.sunsetHour = h3;
                    r.sunsetMinute = m3;
                }
            }
        }
        a0 = a2;
        d0 = d2;
        v0 = v2;
    }

    if (!r.hasSunrise && !r.hasSunset) {
        if (v2 < 0) {
            r.kind = SunTimes::PolarNight;
            r.message = QStringLiteral("Slunce nevychází(polární noc).");
        } else {
            r.kind = SunTimes::PolarDay;
            r.message = QStringLiteral("Slunce svítí celý den(polární den).");
        }
    } else if (!r.hasSunrise) {
        r.kind = SunTimes::NoSunrise;
        r.message = QStringLiteral("Nedochází k východu Slunce.");
    } else if (!r.hasSunset) {
        r.kind = SunTimes::NoSunset;
        r.message = QStringLiteral("Nedochází k západu Slunce.");
    }
    return r;
}
