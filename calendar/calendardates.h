#pragma once
#include <QChar>
#include <QDate>
#include <QDateTime>
#include <QString>

#include <optional>

// Calendar arithmetic shared by every date-bearing screen: names of days and months, month and
// year lengths, weekdays, the movable feasts, the Central European summer-time rule, the Czech
// and Slovak public holidays, name days and the fixed text forms of dates and times.
//
// A date here is the system-wide day serial: whole days since 30 December 1899, the time of day
// as the fraction. As in every program that shares this serial, the whole part is the value
// truncated towards zero and the time is the absolute fraction, so -1.25 is 29.12.1899 6:00.
// Weekdays are 1 = Monday ... 7 = Sunday. Language letters: 'C' Czech, 'S' Slovak, 'A' English.

// ---- day serial ------------------------------------------------------------------------------
double dateToSerial(const QDate &date);                          // 0 for an invalid date
double dateToSerial(int year, int month, int day);               // 0 for an impossible date
double dateTimeToSerial(const QDateTime &dateTime);              // date and time of day, no zone
double dateTimeToSerial(const QDate &date, const QTime &time);
QDate serialToDate(double serial);
QTime serialToTime(double serial);                               // to the millisecond
QDateTime serialToDateTime(double serial);                       // local-zone-free (Qt::LocalTime)
double serialDatePart(double serial);                            // the whole day, time dropped

// ---- names and lengths -----------------------------------------------------------------------
QString DayName(int weekday, int minWidth, QChar language);
QString MonthName(int month, int minWidth, QChar language);
int DaysInMonth(int month, int year);
int DaysInYear(int year);
int DayOfYear(int day, int month, int year);
int DayOfWeek(int day, int month, int year);
bool IsWeekend(int day, int month, int year);
// ISO 8601 week number (weeks begin on Monday; week 1 holds the year's first Thursday).
int isoWeekNumber(int day, int month, int year);

// ---- movable feasts --------------------------------------------------------------------------
// Easter Sunday of the Gregorian calendar (used for every year, proleptically before 1583).
double easterSunday(int year);
double EasterMonday(int year);
double GoodFriday(int year);

// ---- summer time -----------------------------------------------------------------------------
double SummerTimeStart(int year);   // last Sunday of March; 0 before 1996
double SummerTimeEnd(int year);     // last Sunday of October; 0 before 1996
// 0 before 1996; 1 on the October change day, 2 on the March change day, 3 summer time,
// 4 winter time. The full value is compared, so a change day with a time of day is 3 or 4.
int SummerTimeState(double dateTime);
// Hours ahead of UTC at a local date-time: 1 (winter) or 2 (summer).
int UtcOffsetHours(double dateTime);

// ---- public holidays -------------------------------------------------------------------------
struct HolidayInfo {
    bool isHoliday = false;
    QString name;
};
// country "SK" (any case) selects the Slovak list, anything else the Czech one.
HolidayInfo HolidayName(const QString &country, double date);
bool IsHoliday(const QString &country, double date);

// ---- name days -------------------------------------------------------------------------------
// The holiday country of the logged-in user ("CZ" or "SK"), from the user settings.
QString HolidayCountry();
// Names of the day from the name-day tables through SQLDATA, joined with ", "; "-" when there are
// none or there is no database. The list is the Slovak one when the country is exactly "SK".
QString NameDays(double date);
QString NameDays(const QString &country, double date);

// ---- moving dates ----------------------------------------------------------------------------
struct DayMonthYear {
    int day = 0;
    int month = 0;
    int year = 0;
};
// Today moved by days; today unchanged when the shift is larger than 32 000 days either way.
DayMonthYear ShiftToday(int days);
DayMonthYear shiftDate(const QDate &from, int days);
// The date with each non-zero part replaced; the time of day is kept. A day beyond the end of the
// resulting month becomes the month's last day (29 February moved to another year is 28 February).
double ReplaceDateParts(int year, int month, int day, double date);

// ---- text forms ------------------------------------------------------------------------------
// D.M.YYYY without leading zeros; the form in which dates travel to the SQL date literals.
QString ShortDateText(double date);

enum class DateForm {
    CompactDate,             // YYYYMMDD                20040305
    IsoDate,                 // YYYY-MM-DD              2004-03-05
    CzechDate,               // DD.MM.YYYY              05.03.2004       (parsing: D.M.YYYY [H:M[:S[.CC]]])
    CzechDateTime,           // DD.MM.YYYY HH:MM:SS     05.03.2004 08:07:09
    CzechDateTimeNoSeconds,  // DD.MM.YYYY HH:MM        05.03.2004 08:07
    CzechDateTimeShort,      // D.M.YYYY HH:MM:SS       5.3.2004 08:07:09
    Time,                    // H:MM:SS                 8:07:09          (parsing: H:M[:S[.CC]])
    CompactDateTime,         // YYYYMMDD H:MM:SS        20040305 8:07:09
    FileStamp,               // YYYYMMDD_HHMMSS         20040305_080709
    BankDate,                // DDMMYY, year 2000 + YY  (parsing only)
};
QString FormatDate(DateForm form, double value);
// The value of a text in the given form; no value for text that is short, malformed, or names an
// impossible day or time. Surrounding blanks are ignored. Time alone gives the fraction of a day.
std::optional<double> ParseDate(DateForm form, const QString &text);
// D.M.YYYY [H:M[:S[.CC]]] with single-digit fields padded to two digits; with completeStamp a bare
// date gets " 00:00:00.00" and a time without seconds or hundredths gets ":00" and ".00".
// Empty text when the text is not of that shape.
QString normalizeDateTimeText(const QString &text, bool completeStamp);

enum NumberSelector { DateNumber = 1, TimeNumber = 2 };
// YYYYMMDD of the date or HHMMSS of the time of day; 0 for another selector.
int DateToNumber(int selector, double value);
// D.M.YYYY from YYYYMMDD, H:MM:SS from HHMMSS; empty for the time -1 (no time) and for numbers
// that are no real day or time; "error" for another selector.
QString NumberToDateText(int selector, int number);
// "DD.MM.YYYY HH:MM:SS" as YYYYMMDD and HHMMSS; the time is -1 when the text is shorter than 13
// characters. False (both untouched) when the text is not such a date and time.
bool dateTimeTextToNumbers(const QString &text, int &date, int &time);

// 0-50 -> 2000-2050, 51-99 -> 1951-1999, anything else unchanged.
int ExpandTwoDigitYear(int year);
