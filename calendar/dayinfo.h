#pragma once
#include <QString>

// What the day information bar above the month and year views shows for one day: the date, the
// public holiday, the name days, the moon, the clock regime and the sunrise and sunset at the
// user's place. A default-constructed value is the bar switched off (texts empty, pictures and
// the regime hidden).
struct DayInformation {
    QString dateText;
    QString holidayText;       // empty on an ordinary day
    QString nameDaysText;
    bool moonVisible = false;
    double moonPhase = 0;      // fraction of the synodic month, 0 new moon, 0.5 full moon
    bool regimeVisible = false;
    QString regimeText;        // e.g. "Letní čas (GMT+2)"
    int utcOffset = 0;         // hours of the regime, used for the sun times
    bool sunVisible = false;
    QString sunriseText;       // H:MM, empty when the Sun does not rise that day
    QString sunsetText;
};

// The bar's content for the day; country is the holiday country setting, latitude and longitude
// the user's place in degrees (north and east positive). Before 1996 there is no clock regime, and
// so no regime text and no sun times.
DayInformation dayInformation(double date, const QString &country, double latitude, double longitude);
// The same with the holiday country and the place of the logged-in user's settings.
DayInformation dayInformation(double date);
