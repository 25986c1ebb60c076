// Sub-commands of calendar arithmetic: Easter, public holidays, summer time, sunrise and sunset,
// the moon's phase and name days. Dates are read and written as D.M.YYYY.
#include "clicommand.h"

#include "calendar/calendardates.h"
#include "calendar/moon.h"
#include "calendar/sun.h"
#include "data/sqldata.h"

#include <cmath>

namespace {

int yearArgument(CliContext &ctx, const QString &command) {
    ctx.noUnknownOptions();
    if (ctx.args.size() != 1)
        throw CliUsageError{command + QStringLiteral(" takes one YEAR")};
    bool ok = false;
    const int year = ctx.args.first().toInt(&ok);
    if (!ok || year < 1 || year > 9999)
        throw CliUsageError{QStringLiteral("YEAR must be a number from 1 to 9999")};
    return year;
}

double dateArgument(CliContext &ctx, const QString &command) {
    ctx.noUnknownOptions();
    if (ctx.args.size() != 1)
        throw CliUsageError{command + QStringLiteral(" takes one date D.M.YYYY")};
    const QString text = ctx.args.first();
    // A date alone: the normalised form of a bare date is exactly DD.MM.YYYY.
    const std::optional<double> date = ParseDate(DateForm::CzechDate, text);
    if (!date || normalizeDateTimeText(text, false).size() != 10)
        throw CliUsageError{QStringLiteral("not a date D.M.YYYY: ") + text};
    return *date;
}

QString countryOption(CliContext &ctx) {
    const QString country = ctx.takeOption(QStringLiteral("--country"), QStringLiteral("CZ")).toUpper();
    if (country != QLatin1String("CZ") && country != QLatin1String("SK"))
        throw CliUsageError{QStringLiteral("--country is CZ or SK")};
    return country;
}

double numberOption(CliContext &ctx, const QString &name, double min, double max, bool *present) {
    const QString text = ctx.takeOption(name, {}, present);
    if (!*present)
        return 0;
    bool ok = false;
    const double v = text.toDouble(&ok);
    if (!ok || !std::isfinite(v) || v < min || v > max)
        throw CliUsageError{name + QStringLiteral(" must be a number from %1 to %2").arg(min).arg(max)};
    return v;
}

const CliRegistrar easterCommand({QStringLiteral("easter"), QStringLiteral("easter YEAR                the date of Easter Sunday"),
                                  [](CliContext &ctx) {
                                      const int year = yearArgument(ctx, QStringLiteral("easter"));
                                      ctx.out << ShortDateText(easterSunday(year)) << "\n";
                                      return 0;
                                  }});

const CliRegistrar holidaysCommand(
    {QStringLiteral("holidays"), QStringLiteral("holidays YEAR [--country CZ|SK]  the public holidays of the year, date TAB name"),
     [](CliContext &ctx) {
         const QString country = countryOption(ctx);
         const int year = yearArgument(ctx, QStringLiteral("holidays"));
         const double first = dateToSerial(year, 1, 1);
         for (int i = 0; i < DaysInYear(year); ++i) {
             const HolidayInfo h = HolidayName(country, first + i);
             if (h.isHoliday)
                 ctx.out << ShortDateText(first + i) << "\t" << h.name << "\n";
         }
         return 0;
     }});

const CliRegistrar dstCommand({QStringLiteral("dst"), QStringLiteral("dst YEAR                   the days summer time begins and ends"),
                               [](CliContext &ctx) {
                                   const int year = yearArgument(ctx, QStringLiteral("dst"));
                                   const double start = SummerTimeStart(year), end = SummerTimeEnd(year);
                                   if (start != 0 && end != 0)
                                       ctx.out << ShortDateText(start) << "\n" << ShortDateText(end) << "\n";
                                   return 0;
                               }});

const CliRegistrar sunCommand(
    {QStringLiteral("sun"), QStringLiteral("sun D.M.YYYY --lat DEG --lon DEG [--offset HOURS]  sunrise and sunset, local time"),
     [](CliContext &ctx) {
         bool hasLat = false, hasLon = false, hasOffset = false;
         const double lat = numberOption(ctx, QStringLiteral("--lat"), -90, 90, &hasLat);
         const double lon = numberOption(ctx, QStringLiteral("--lon"), -180, 180, &hasLon);
         double offset = numberOption(ctx, QStringLiteral("--offset"), -14, 14, &hasOffset);
         if (!hasLat || !hasLon)
             throw CliUsageError{QStringLiteral("sun needs --lat DEG and --lon DEG")};
         const double date = dateArgument(ctx, QStringLiteral("sun"));
         // Without an offset: the clock in force after the night's change, as the day bar shows it.
         if (!hasOffset)
             offset = UtcOffsetHours(date + 0.5);
         const SunTimes sun = SunriseSunset(date, lat, lon, offset);
         if (sun.kind == SunTimes::Normal)
             ctx.out << sunTimeText(sun.sunriseHour, sun.sunriseMinute) << " " << sunTimeText(sun.sunsetHour, sun.sunsetMinute) << "\n";
         else
             ctx.out << sun.message << "\n";
         return 0;
     }});

const CliRegistrar moonCommand({QStringLiteral("moon"),
                                QStringLiteral("moon D.M.YYYY              the moon's phase (0 new, 0.5 full) at noon UT"),
                                [](CliContext &ctx) {
                                    const double date = dateArgument(ctx, QStringLiteral("moon"));
                                    QString text = QString::number(MoonPhaseOfDay(date), 'f', 3);
                                    if (text == QLatin1String("1.000"))   // a whole month round is the new moon again
                                        text = QStringLiteral("0.000");
                                    ctx.out << text << "\n";
                                    return 0;
                                }});

const CliRegistrar namedaysCommand({QStringLiteral("namedays"),
                                    QStringLiteral("namedays D.M.YYYY [--country CZ|SK]  the names of the day (needs --db)"),
                                    [](CliContext &ctx) {
                                        const QString country = countryOption(ctx);
                                        const double date = dateArgument(ctx, QStringLiteral("namedays"));
                                        if (!ctx.database())
                                            return 1;
                                        ctx.out << NameDays(country, date) << "\n";
                                        return 0;
                                    }});

} // namespace
