#pragma once
#include <QString>

// Sunrise and sunset of a day at a place, by the Sky & Telescope method (R. W. Sinnott, 1994):
// the Sun's position from the low-precision series of Van Flandern and Pulkkinen at local midnight
// and the midnight after, interpolated hour by hour, each hour tested for a crossing of the
// horizon (zenith distance 90° 50', for refraction and the Sun's semidiameter) and the crossing
// found by a quadratic through three points of the hour.

struct SunTimes {
    enum Kind {
        Normal,      // a sunrise and a sunset
        PolarNight,  // the Sun stays below the horizon all day
        PolarDay,    // the Sun stays above the horizon all day
        NoSunrise,   // only a sunset this day
        NoSunset,    // only a sunrise this day
    };
    Kind kind = Normal;
    bool hasSunrise = false;
    bool hasSunset = false;
    int sunriseHour = 0, sunriseMinute = 0;   // local time, rounded to the minute
    int sunsetHour = 0, sunsetMinute = 0;
    // Empty for Normal, else "Slunce nevychází(polární noc).", "Slunce svítí celý den(polární den).",
    // "Nedochází k východu Slunce." or "Nedochází k západu Slunce.".
    QString message;
};

// date: day serial (only the whole day counts); latitude and longitude in degrees, north and east
// positive; utcOffsetHours: the local time's offset from UTC (1 for winter time in Prague).
SunTimes SunriseSunset(double date, double latitude, double longitude, double utcOffsetHours);

// Degrees of a position kept as whole degrees, minutes and seconds. The sign of the degrees is the
// sign of the whole angle, so -14° 42' is -14.7°.
double degreesFromDms(int degrees, int minutes, int seconds);

// "H:MM" of an hour and minute.
QString sunTimeText(int hour, int minute);
