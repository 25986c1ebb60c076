#include "calendardates.h"

#include "data/sqldata.h"
#include "data/usersettings.h"

#include <QRegularExpression>

#include <cmath>

namespace {

// Julian day number of 30 December 1899, the serial's day 0.
constexpr qint64 SerialEpochJulianDay = 2415019;
constexpr qint64 MsPerDay = 86400000;

// Integer division and remainder rounding towards minus infinity, so the weekday and Easter
// arithmetic also holds for years before year 1.
constexpr qint64 floorDiv(qint64 a, qint64 b) { return (a / b) - ((a % b != 0) && ((a < 0) != (b < 0))); }
constexpr qint64 floorMod(qint64 a, qint64 b) { return a - floorDiv(a, b) * b; }

struct DayAndMs {
    qint64 days = 0;   // whole days of the serial
    qint64 ms = 0;     // milliseconds into that day
    bool valid = false;
};

DayAndMs splitSerial(double serial) {
    DayAndMs r;
    if (!std::isfinite(serial) || std::fabs(serial) > 1.0e9)
        return r;
    const double whole = std::trunc(serial);
    r.days = qint64(whole);
    r.ms = qint64(std::llround(std::fabs(serial - whole) * double(MsPerDay)));
    if (r.ms >= MsPerDay) {
        // Rounded up to midnight: the next calendar day, whichever side of day 0 it is on.
        r.ms -= MsPerDay;
        r.days += 1;
    }
    r.valid = true;
    return r;
}

QString padRight(QString text, int width) {
    if (width > 0 && text.size() < width)
        text += QString(width - text.size(), QLatin1Char(' '));
    return text;
}

QString two(int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); }
QString four(int n) { return QStringLiteral("%1").arg(n, 4, 10, QLatin1Char('0')); }

struct FixedHoliday {
    int day;
    int month;
    const char *name;
};

const FixedHoliday CzechHolidays[] = {
    {1, 1, "Nový rok, Den obnovy samostatného českého státu"},
    {1, 5, "Svátek práce"},
    {8, 5, "Den osvobození"},
    {5, 7, "Den slovanských věrozvěstů Cyrila a Metoděje"},
    {6, 7, "Den upálení mistra Jana Husa"},
    {28, 9, "Den české státnosti"},
    {28, 10, "Den vzniku samostatného československého státu"},
    {17, 11, "Den boje za svobodu a demokracii"},
    {24, 12, "Štědrý den"},
    {25, 12, "1. svátek vánoční"},
    {26, 12, "2. svátek vánoční"},
};

const FixedHoliday SlovakHolidays[] = {
    {1, 1, "Deň vzniku Slovenskej republiky"},
    {6, 1, "Zjavenie Pána (Traja králi a vianočný sviatok pravoslávnych kresťanov)"},
    {1, 5, "Sviatok práce"},
    {8, 5, "Deň víťazstva nad fašizmom"},
    {5, 7, "sviatok svätého Cyrila a svätého Metoda"},
    {29, 8, "výročie Slovenského národného povstania"},
    {1, 9, "Deň Ústavy Slovenskej republiky"},
    {15, 9, "Sedembolestná Panna Mária"},
    {1, 11, "sviatok Všetkých svätých"},
    {17, 11, "Deň boja za slobodu a demokraciu"},
    {24, 12, "Štedrý deň"},
    {25, 12, "prvý sviatok vianočný"},
    {26, 12, "druhý sviatok vianočný"},
};

// Good Friday became a Czech public holiday in 2016.
constexpr int CzechGoodFridayFrom = 2016;
// The fixed days of both lists are taken as they stand from 2001 on.
constexpr int FixedHolidaysFrom = 2001;
constexpr int SummerTimeFrom = 1996;

struct DateTimeFields {
    int day = 0, month = 0, year = 0;
    bool hasTime = false;
    int hour = 0, minute = 0, second = 0, hundredths = 0;
    bool hasSeconds = false, hasHundredths = false;
};

// D.M.YYYY optionally followed by blanks and H:M[:S[.CC]]; every field is checked for range.
std::optional<DateTimeFields> readCzechDateTime(const QString &text) {
    static const QRegularExpression re(QStringLiteral(
        R"(^(\d{1,2})\.(\d{1,2})\.(\d{4})(?:\s+(\d{1,2}):(\d{1,2})(?::(\d{1,2})(?:\.(\d{1,2}))?)?)?$)"));
    const QRegularExpressionMatch m = re.match(text.trimmed());
    if (!m.hasMatch())
        return std::nullopt;
    DateTimeFields f;
    f.day = m.captured(1).toInt();
    f.month = m.captured(2).toInt();
    f.year = m.captured(3).toInt();
    if (!QDate::isValid(f.year, f.month, f.day))
        return std::nullopt;
    if (m.hasCaptured(4)) {
        f.hasTime = true;
        f.hour = m.captured(4).toInt();
        f.minute = m.captured(5).toInt();
        f.hasSeconds = m.hasCaptured(6);
        f.second = f.hasSeconds ? m.captured(6).toInt() : 0;
        f.hasHundredths = m.hasCaptured(7);
        f.hundredths = f.hasHundredths ? m.captured(7).toInt() : 0;
        if (f.hour > 23 || f.minute > 59 || f.second > 59)
            return std::nullopt;
    }
    return f;
}

std::optional<double> readTime(const QString &text) {
    static const QRegularExpression re(QStringLiteral(R"(^(\d{1,2}):(\d{1,2})(?::(\d{1,2})(?:\.(\d{1,2}))?)?$)"));
    const QRegularExpressionMatch m = re.match(text.trimmed());
    if (!m.hasMatch())
        return std::nullopt;
    const int h = m.captured(1).toInt(), mi = m.captured(2).toInt();
    const int s = m.hasCaptured(3) ? m.captured(3).toInt() : 0;
    const int cc = m.hasCaptured(4) ? m.captured(4).toInt() : 0;
    if (h > 23 || mi > 59 || s > 59)
        return std::nullopt;
    return double(((h * 60 + mi) * 60 + s) * 1000 + cc * 10) / double(MsPerDay);
}

bool allDigits(const QString &t, int length) {
    if (t.size() != length)
        return false;
    for (QChar c : t)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

} // namespace

// ---- day serial ------------------------------------------------------------------------------

double dateToSerial(const QDate &date) {
    return date.isValid() ? double(date.toJulianDay() - SerialEpochJulianDay) : 0.0;
}

double dateToSerial(int year, int month, int day) { return dateToSerial(QDate(year, month, day)); }

double dateTimeToSerial(const QDate &date, const QTime &time) {
    if (!date.isValid())
        return 0.0;
    const double days = dateToSerial(date);
    const double fraction = time.isValid() ? double(time.msecsSinceStartOfDay()) / double(MsPerDay) : 0.0;
    return days < 0 ? days - fraction : days + fraction;
}

double dateTimeToSerial(const QDateTime &dateTime) { return dateTimeToSerial(dateTime.date(), dateTime.time()); }

QDate serialToDate(double serial) {
    const DayAndMs s = splitSerial(serial);
    return s.valid ? QDate::fromJulianDay(s.days + SerialEpochJulianDay) : QDate();
}

QTime serialToTime(double serial) {
    const DayAndMs s = splitSerial(serial);
    return s.valid ? QTime::fromMSecsSinceStartOfDay(int(s.ms)) : QTime();
}

QDateTime serialToDateTime(double serial) { return QDateTime(serialToDate(serial), serialToTime(serial)); }

double serialDatePart(double serial) { return std::trunc(serial); }

// ---- names and lengths -----------------------------------------------------------------------

QString DayName(int weekday, int minWidth, QChar language) {
    static const char *const czech[] = {"Pondělí", "Úterý", "Středa", "Čtvrtek", "Pátek", "Sobota", "Neděle", "jiný"};
    static const char *const english[] = {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday", "Other"};
    static const char *const slovak[] = {"Pondelok", "Utorok", "Streda", "Štvrtok", "Piatok", "Sobota", "Nedeľa", "Iný"};
    const char *const *names = language == QLatin1Char('A') ? english : language == QLatin1Char('S') ? slovak : czech;
    int index;
    if (weekday == 0)
        index = 6;               // 0 counts as Sunday
    else if (weekday >= 1 && weekday <= 7)
        index = weekday - 1;
    else
        index = 7;               // out of range: the "other" word
    return padRight(QString::fromUtf8(names[index]), minWidth);
}

QString MonthName(int month, int minWidth, QChar language) {
    static const char *const czech[] = {"leden", "únor", "březen", "duben", "květen", "červen",
                                        "červenec", "srpen", "září", "říjen", "listopad", "prosinec"};
    static const char *const english[] = {"January", "February", "March", "April", "May", "June",
                                          "July", "August", "September", "October", "November", "December"};
    QString name;
    if (month >= 1 && month <= 12)
        name = QString::fromUtf8(language == QLatin1Char('A') ? english[month - 1] : czech[month - 1]);
    return padRight(name, minWidth);
}

int DaysInYear(int year) {
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return leap ? 366 : 365;
}

int DaysInMonth(int month, int year) {
    static const int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    if (month == 2 && DaysInYear(year) == 366)
        return 29;
    return lengths[month - 1];
}

int DayOfYear(int day, int month, int year) {
    int n = day;
    for (int m = 1; m < month && m <= 12; ++m)
        n += DaysInMonth(m, year);
    return n;
}

int DayOfWeek(int day, int month, int year) {
    qint64 y = year, m;
    if (month > 2) {
        m = month - 2;
    } else {
        m = month + 10;
        y -= 1;
    }
    const qint64 c = floorDiv(y, 100);
    const qint64 yy = floorMod(y, 100);
    const qint64 w = floorMod(day + floorDiv(26 * m - 2, 10) + yy + floorDiv(yy, 4) + floorDiv(c, 4) - 2 * c, 7);
    return w == 0 ? 7 : int(w);
}

bool IsWeekend(int day, int month, int year) { return DayOfWeek(day, month, year) >= 6; }

int isoWeekNumber(int day, int month, int year) {
    // The week's Thursday decides the year the week belongs to.
    const int doy = DayOfYear(day, month, year);
    const int wd = DayOfWeek(day, month, year);
    const int thursday = doy - wd + 4;
    if (thursday < 1)
        return isoWeekNumber(31, 12, year - 1);
    if (thursday > DaysInYear(year))
        return 1;
    return (thursday - 1) / 7 + 1;
}

// ---- movable feasts --------------------------------------------------------------------------

double easterSunday(int year) {
    // The Gregorian computus (Meeus, Jones, Butcher); for 1900-2099 it agrees with Gauss's rule.
    const qint64 y = year;
    const qint64 a = floorMod(y, 19);
    const qint64 b = floorDiv(y, 100), c = floorMod(y, 100);
    const qint64 d = floorDiv(b, 4), e = floorMod(b, 4);
    const qint64 f = floorDiv(b + 8, 25);
    const qint64 g = floorDiv(b - f + 1, 3);
    const qint64 h = floorMod(19 * a + b - d - g + 15, 30);
    const qint64 i = c / 4, k = c % 4;
    const qint64 l = floorMod(32 + 2 * e + 2 * i - h - k, 7);
    const qint64 m = (a + 11 * h + 22 * l) / 451;
    const int month = int((h + l - 7 * m + 114) / 31);
    const int dayOfMonth = int((h + l - 7 * m + 114) % 31) + 1;
    return dateToSerial(year, month, dayOfMonth);
}

double EasterMonday(int year) { return easterSunday(year) + 1; }

double GoodFriday(int year) { return EasterMonday(year) - 3; }

// ---- summer time -----------------------------------------------------------------------------

namespace {
double lastSunday(int month, int year) {
    for (int day = 31; day >= 1; --day)
        if (DayOfWeek(day, month, year) == 7)
            return dateToSerial(year, month, day);
    return 0;
}
}

double SummerTimeStart(int year) { return year < SummerTimeFrom ? 0.0 : lastSunday(3, year); }

double SummerTimeEnd(int year) { return year < SummerTimeFrom ? 0.0 : lastSunday(10, year); }

int SummerTimeState(double dateTime) {
    const QDate date = serialToDate(dateTime);
    if (!date.isValid() || date.year() < SummerTimeFrom)
        return 0;
    const double start = SummerTimeStart(date.year());
    const double end = SummerTimeEnd(date.year());
    if (dateTime == end)
        return 1;
    if (dateTime == start)
        return 2;
    if (dateTime > start && dateTime < end)
        return 3;
    return 4;
}

int UtcOffsetHours(double dateTime) {
    const int state = SummerTimeState(serialDatePart(dateTime));
    const QTime time = serialToTime(dateTime);
    const int hour = time.isValid() ? time.hour() : 0;
    switch (state) {
    case 1:
        // Clocks go back from 3:00 summer time to 2:00: the hour 2 is summer time first.
        return hour <= 2 ? 2 : 1;
    case 2:
        // Clocks go forward from 2:00 to 3:00; the missing hour 2 counts as summer time.
        return hour <= 1 ? 1 : 2;
    case 3:
        return 2;
    default:
        return 1;
    }
}

// ---- public holidays -------------------------------------------------------------------------

HolidayInfo HolidayName(const QString &country, double date) {
    const QDate d = serialToDate(serialDatePart(date));
    if (!d.isValid())
        return {};
    const bool slovak = country.toUpper() == QLatin1String("SK");
    const double day = dateToSerial(d);
    const int year = d.year();
    if (day == EasterMonday(year))
        return {true, slovak ? QStringLiteral("Veľkonočný pondelok") : QStringLiteral("Velikonoce")};
    if (day == GoodFriday(year)) {
        if (slovak)
            return {true, QStringLiteral("Veľký piatok")};
        if (year >= CzechGoodFridayFrom)
            return {true, QStringLiteral("Velký pátek")};
    }
    if (year < FixedHolidaysFrom)
        return {};
    const auto find = [&](const auto &list) -> HolidayInfo {
        for (const FixedHoliday &h : list)
            if (h.day == d.day() && h.month == d.month())
                return {true, QString::fromUtf8(h.name)};
        return {};
    };
    return slovak ? find(SlovakHolidays) : find(CzechHolidays);
}

bool IsHoliday(const QString &country, double date) { return HolidayName(country, date).isHoliday; }

// ---- name days -------------------------------------------------------------------------------

QString HolidayCountry() { return CurrentUserSettings().holidays; }

QString NameDays(double date) { return NameDays(HolidayCountry(), date); }

QString NameDays(const QString &country, double date) {
    const QDate d = serialToDate(date);
    if (!SQLDATA || !d.isValid())
        return QStringLiteral("-");
    const int kind = country == QLatin1String("SK") ? 2 : 1;
    const QString sql = QStringLiteral("Select jmeno from svatky_jmena where (mesic=%1) and (den=%2) and (typ=%3);")
                            .arg(d.month())
                            .arg(d.day())
                            .arg(kind);
    const QString names = SQLDATA->SelectColumn(sql, QStringLiteral(", "));
    return names.isEmpty() ? QStringLiteral("-") : names;
}

// ---- moving dates ----------------------------------------------------------------------------

DayMonthYear shiftDate(const QDate &from, int days) {
    QDate d = from;
    if (days >= -32000 && days <= 32000)
        d = d.addDays(days);
    return {d.day(), d.month(), d.year()};
}

DayMonthYear ShiftToday(int days) { return shiftDate(QDate::currentDate(), days); }

double ReplaceDateParts(int year, int month, int day, double date) {
    const QDate d = serialToDate(date);
    if (!d.isValid())
        return date;
    const int y = year != 0 ? year : d.year();
    const int m = (month >= 1 && month <= 12) ? month : d.month();
    int dd = day > 0 ? day : d.day();
    dd = std::min(dd, DaysInMonth(m, y));
    const QDate result(y, m, dd);
    if (!result.isValid())
        return date;
    return dateTimeToSerial(result, serialToTime(date));
}

// ---- text forms ------------------------------------------------------------------------------

QString ShortDateText(double date) {
    const QDate d = serialToDate(date);
    if (!d.isValid())
        return {};
    return QStringLiteral("%1.%2.").arg(d.day()).arg(d.month()) + four(d.year());
}

QString FormatDate(DateForm form, double value) {
    const QDate d = serialToDate(value);
    const QTime t = serialToTime(value);
    if (!d.isValid() || !t.isValid())
        return {};
    const QString compact = four(d.year()) + two(d.month()) + two(d.day());
    const QString czech = two(d.day()) + QLatin1Char('.') + two(d.month()) + QLatin1Char('.') + four(d.year());
    const QString hms = two(t.hour()) + QLatin1Char(':') + two(t.minute()) + QLatin1Char(':') + two(t.second());
    const QString shortHms = QString::number(t.hour()) + QLatin1Char(':') + two(t.minute()) + QLatin1Char(':') + two(t.second());
    switch (form) {
    case DateForm::CompactDate:
        return compact;
    case DateForm::IsoDate:
        return four(d.year()) + QLatin1Char('-') + two(d.month()) + QLatin1Char('-') + two(d.day());
    case DateForm::CzechDate:
        return czech;
    case DateForm::CzechDateTime:
        return czech + QLatin1Char(' ') + hms;
    case DateForm::CzechDateTimeNoSeconds:
        return czech + QLatin1Char(' ') + two(t.hour()) + QLatin1Char(':') + two(t.minute());
    case DateForm::CzechDateTimeShort:
        return ShortDateText(value) + QLatin1Char(' ') + hms;
    case DateForm::Time:
        return shortHms;
    case DateForm::CompactDateTime:
        return compact + QLatin1Char(' ') + shortHms;
    case DateForm::FileStamp:
        return compact + QLatin1Char('_') + two(t.hour()) + two(t.minute()) + two(t.second());
    case DateForm::BankDate:
        return two(d.day()) + two(d.month()) + two(d.year() % 100);
    }
    return {};
}

QString normalizeDateTimeText(const QString &text, bool completeStamp) {
    const std::optional<DateTimeFields> f = readCzechDateTime(text);
    if (!f)
        return {};
    QString r = two(f->day) + QLatin1Char('.') + two(f->month) + QLatin1Char('.') + four(f->year);
    if (f->hasTime) {
        r += QLatin1Char(' ') + two(f->hour) + QLatin1Char(':') + two(f->minute);
        if (f->hasSeconds || completeStamp)
            r += QLatin1Char(':') + two(f->second);
        if (f->hasHundredths || completeStamp)
            r += QLatin1Char('.') + two(f->hundredths);
    } else if (completeStamp) {
        r += QStringLiteral(" 00:00:00.00");
    }
    return r;
}

std::optional<double> ParseDate(DateForm form, const QString &text) {
    const QString t = text.trimmed();
    switch (form) {
    case DateForm::CompactDate: {
        if (!allDigits(t, 8))
            return std::nullopt;
        const QDate d(t.left(4).toInt(), t.mid(4, 2).toInt(), t.mid(6, 2).toInt());
        if (!d.isValid())
            return std::nullopt;
        return dateToSerial(d);
    }
    case DateForm::BankDate: {
        if (!allDigits(t, 6))
            return std::nullopt;
        const QDate d(2000 + t.mid(4, 2).toInt(), t.mid(2, 2).toInt(), t.left(2).toInt());
        if (!d.isValid())
            return std::nullopt;
        return dateToSerial(d);
    }
    case DateForm::Time:
        return readTime(t);
    case DateForm::CzechDate:
    case DateForm::CzechDateTime:
    case DateForm::CzechDateTimeNoSeconds:
    case DateForm::CzechDateTimeShort: {
        const std::optional<DateTimeFields> f = readCzechDateTime(t);
        if (!f)
            return std::nullopt;
        const QTime time(f->hour, f->minute, f->second, f->hundredths * 10);
        return dateTimeToSerial(QDate(f->year, f->month, f->day), time);
    }
    case DateForm::IsoDate: {
        static const QRegularExpression re(QStringLiteral(R"(^(\d{4})-(\d{2})-(\d{2})$)"));
        const QRegularExpressionMatch m = re.match(t);
        if (!m.hasMatch())
            return std::nullopt;
        const QDate d(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
        if (!d.isValid())
            return std::nullopt;
        return dateToSerial(d);
    }
    case DateForm::CompactDateTime:
    case DateForm::FileStamp:
        break;
    }
    return std::nullopt;
}

int DateToNumber(int selector, double value) {
    if (selector == DateNumber) {
        const QDate d = serialToDate(value);
        return d.isValid() ? d.year() * 10000 + d.month() * 100 + d.day() : 0;
    }
    if (selector == TimeNumber) {
        const QTime t = serialToTime(value);
        return t.isValid() ? t.hour() * 10000 + t.minute() * 100 + t.second() : 0;
    }
    return 0;
}

QString NumberToDateText(int selector, int number) {
    if (selector == DateNumber) {
        const QDate d(number / 10000, (number / 100) % 100, number % 100);
        if (number <= 0 || !d.isValid())
            return {};
        return QStringLiteral("%1.%2.").arg(d.day()).arg(d.month()) + four(d.year());
    }
    if (selector == TimeNumber) {
        if (number < 0 || number > 235959)
            return {};
        const int h = number / 10000, m = (number / 100) % 100, s = number % 100;
        if (m > 59 || s > 59)
            return {};
        return QString::number(h) + QLatin1Char(':') + two(m) + QLatin1Char(':') + two(s);
    }
    return QStringLiteral("error");
}

bool dateTimeTextToNumbers(const QString &text, int &date, int &time) {
    const std::optional<DateTimeFields> f = readCzechDateTime(text);
    if (!f)
        return false;
    date = f->year * 10000 + f->month * 100 + f->day;
    time = (f->hasTime && text.trimmed().size() >= 13) ? f->hour * 10000 + f->minute * 100 + f->second : -1;
    return true;
}

int ExpandTwoDigitYear(int year) {
    if (year >= 0 && year <= 50)
        return 2000 + year;
    if (year >= 51 && year <= 99)
        return 1900 + year;
    return year;
}
