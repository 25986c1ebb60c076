#include "dayinfo.h"

#include "calendardates.h"
#include "data/usersettings.h"
#include "localisation/langtext.h"
#include "moon.h"
#include "sun.h"

DayInformation dayInformation(double date, const QString &country, double latitude, double longitude) {
    DayInformation info;
    info.dateText = ShortDateText(date);
    info.holidayText = HolidayName(country, date).name;
    info.nameDaysText = NameDays(country, date);
    info.moonVisible = true;
    info.moonPhase = MoonPhaseOfDay(date);

    const int state = SummerTimeState(serialDatePart(date));
    switch (state) {
    case 0:
        return info;
    case 1:
        info.regimeText = LangText(1093);
        info.utcOffset = 1;
        break;
    case 2:
        info.regimeText = LangText(1094);
        info.utcOffset = 2;
        break;
    case 3:
        info.regimeText = LangText(1091) + QStringLiteral(" (GMT+2)");
        info.utcOffset = 2;
        break;
    case 4:
        info.regimeText = LangText(1092) + QStringLiteral(" (GMT+1)");
        info.utcOffset = 1;
        break;
    default:
        info.regimeText = LangText(1095) + QString::number(state);
        info.utcOffset = 0;
        break;
    }
    info.regimeVisible = true;
    info.sunVisible = true;
    const SunTimes sun = SunriseSunset(date, latitude, longitude, info.utcOffset);
    if (sun.hasSunrise)
        info.sunriseText = sunTimeText(sun.sunriseHour, sun.sunriseMinute);
    if (sun.hasSunset)
        info.sunsetText = sunTimeText(sun.sunsetHour, sun.sunsetMinute);
    return info;
}

DayInformation dayInformation(double date) {
    const UserSettings &s = CurrentUserSettings();
    return dayInformation(date, s.holidays, degreesFromDms(s.latitudeDegrees, s.latitudeMinutes, s.latitudeSeconds),
                          degreesFromDms(s.longitudeDegrees, s.longitudeMinutes, s.longitudeSeconds));
}
