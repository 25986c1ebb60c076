#include "calendar/calendardates.h"

#include <QFile>
#include <QTimeZone>
#include <QtTest>

namespace {
QString fixture(const QString &name) {
    return qEnvironmentVariable("ZORVA_TEST_SOURCE_DIR") + QStringLiteral("/tests/fixtures/calendar/") + name;
}
double d(int day, int month, int year) { return dateToSerial(year, month, day); }
double dt(int day, int month, int year, int h, int m, int s = 0) {
    return dateTimeToSerial(QDate(year, month, day), QTime(h, m, s));
}
}

class TestCalendarDates : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void serial_data() {
        QTest::addColumn<QDateTime>("when");
        QTest::addColumn<double>("serial");
        QTest::newRow("day 0") << QDateTime(QDate(1899, 12, 30), QTime(0, 0)) << 0.0;
        QTest::newRow("1.1.1900") << QDateTime(QDate(1900, 1, 1), QTime(0, 0)) << 2.0;
        QTest::newRow("5.3.2004 noon") << QDateTime(QDate(2004, 3, 5), QTime(12, 0)) << 38051.5;
        QTest::newRow("before day 0: time is the absolute fraction") << QDateTime(QDate(1899, 12, 29), QTime(6, 0)) << -1.25;
        QTest::newRow("year 1") << QDateTime(QDate(1, 1, 1), QTime(0, 0)) << -693593.0;
    }
    void serial() {
        QFETCH(QDateTime, when);
        QFETCH(double, serial);
        QCOMPARE(dateTimeToSerial(when), serial);
        QCOMPARE(serialToDateTime(serial), when);
    }

    void serialRoundsToTheMillisecond() {
        // A value a hair below midnight is the next day, not 23:59:59.999... of this one.
        QCOMPARE(serialToDateTime(38051.9999999999), QDateTime(QDate(2004, 3, 6), QTime(0, 0)));
        QVERIFY(!serialToDate(std::numeric_limits<double>::quiet_NaN()).isValid());
        QVERIFY(!serialToDate(1e300).isValid());
    }

    void names_data() {
        QTest::addColumn<bool>("day");
        QTest::addColumn<int>("number");
        QTest::addColumn<int>("width");
        QTest::addColumn<QChar>("language");
        QTest::addColumn<QString>("expected");
        QTest::newRow("Monday cz") << true << 1 << 0 << QChar('C') << "Pondělí";
        QTest::newRow("Thursday cz") << true << 4 << 0 << QChar('C') << "Čtvrtek";
        QTest::newRow("Sunday en") << true << 7 << 0 << QChar('A') << "Sunday";
        QTest::newRow("Thursday sk") << true << 4 << 0 << QChar('S') << "Štvrtok";
        QTest::newRow("Sunday sk") << true << 7 << 0 << QChar('S') << "Nedeľa";
        QTest::newRow("0 is Sunday") << true << 0 << 0 << QChar('C') << "Neděle";
        QTest::newRow("above 7 cz") << true << 8 << 0 << QChar('C') << "jiný";
        QTest::newRow("above 7 en") << true << 9 << 0 << QChar('A') << "Other";
        QTest::newRow("above 7 sk") << true << 100 << 0 << QChar('S') << "Iný";
        QTest::newRow("negative is other") << true << -1 << 0 << QChar('C') << "jiný";
        QTest::newRow("unknown letter is Czech") << true << 2 << 0 << QChar('X') << "Úterý";
        QTest::newRow("padded") << true << 5 << 8 << QChar('C') << "Pátek   ";
        QTest::newRow("longer than width") << true << 3 << 2 << QChar('A') << "Wednesday";
        QTest::newRow("month cz") << false << 1 << 0 << QChar('C') << "leden";
        QTest::newRow("month sk uses Czech") << false << 7 << 0 << QChar('S') << "červenec";
        QTest::newRow("month en") << false << 12 << 0 << QChar('A') << "December";
        QTest::newRow("month 9 cz") << false << 9 << 0 << QChar('C') << "září";
        QTest::newRow("month padded") << false << 5 << 8 << QChar('C') << "květen  ";
        QTest::newRow("month 0") << false << 0 << 0 << QChar('C') << "";
        QTest::newRow("month 13 padded") << false << 13 << 3 << QChar('A') << "   ";
    }
    void names() {
        QFETCH(bool, day);
        QFETCH(int, number);
        QFETCH(int, width);
        QFETCH(QChar, language);
        QFETCH(QString, expected);
        QCOMPARE(day ? DayName(number, width, language) : MonthName(number, width, language), expected);
    }

    void lengths_data() {
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("days");
        QTest::newRow("February 2000") << 2 << 2000 << 29;
        QTest::newRow("February 1900") << 2 << 1900 << 28;
        QTest::newRow("February 2024") << 2 << 2024 << 29;
        QTest::newRow("February 2100") << 2 << 2100 << 28;
        QTest::newRow("April") << 4 << 2023 << 30;
        QTest::newRow("December") << 12 << 2023 << 31;
        QTest::newRow("month 0") << 0 << 2023 << 0;
        QTest::newRow("month 13") << 13 << 2023 << 0;
        QTest::newRow("year 1900") << -1 << 1900 << 365;
        QTest::newRow("year 2000") << -1 << 2000 << 366;
        QTest::newRow("year 2023") << -1 << 2023 << 365;
        QTest::newRow("year 2400") << -1 << 2400 << 366;
    }
    void lengths() {
        QFETCH(int, month);
        QFETCH(int, year);
        QFETCH(int, days);
        QCOMPARE(month < 0 ? DaysInYear(year) : DaysInMonth(month, year), days);
    }

    void weekdayExamples() {
        QCOMPARE(DayOfWeek(1, 1, 2024), 1);
        QCOMPARE(DayOfWeek(25, 12, 2005), 7);
        QVERIFY(IsWeekend(25, 12, 2005));
        QVERIFY(IsWeekend(24, 12, 2005));
        QVERIFY(!IsWeekend(23, 12, 2005));
        QCOMPARE(DayOfYear(1, 1, 2023), 1);
        QCOMPARE(DayOfYear(31, 12, 2024), 366);
        QCOMPARE(isoWeekNumber(1, 1, 2021), 53);   // Friday: still the last week of 2020
        QCOMPARE(isoWeekNumber(29, 12, 2025), 1);  // Monday of the week holding 1.1.2026
    }

    // Weekday, day of the year and ISO week of every day against the system's calendar.
    void weekdayAgainstSystemCalendar() {
        auto check = [](const QDate &q) {
            int isoYear = 0;
            const int week = q.weekNumber(&isoYear);
            if (DayOfWeek(q.day(), q.month(), q.year()) != q.dayOfWeek() || DayOfYear(q.day(), q.month(), q.year()) != q.dayOfYear()
                || isoWeekNumber(q.day(), q.month(), q.year()) != week)
                return false;
            return true;
        };
        for (QDate q(1583, 1, 1); q <= QDate(2500, 12, 31); q = q.addDays(1))
            QVERIFY2(check(q), qPrintable(q.toString(Qt::ISODate)));
        // Sparse over the whole range a user can type.
        for (QDate q(1, 1, 1); q <= QDate(9999, 12, 31); q = q.addDays(997))
            QVERIFY2(check(q), qPrintable(q.toString(Qt::ISODate)));
    }

    void easterExamples_data() {
        QTest::addColumn<int>("year");
        QTest::addColumn<QDate>("monday");
        QTest::newRow("2004") << 2004 << QDate(2004, 4, 12);
        QTest::newRow("1981: Sunday 26 April becomes 19 April") << 1981 << QDate(1981, 4, 20);
        QTest::newRow("2038: 25 April stands") << 2038 << QDate(2038, 4, 26);
        QTest::newRow("2049: 25 April becomes 18 April") << 2049 << QDate(2049, 4, 19);
        // Gauss's constants of 1900-2099 put these "Sundays" on Saturday 27 March 2100 and
        // Monday 3 April 1899.
        QTest::newRow("2100") << 2100 << QDate(2100, 3, 29);
        QTest::newRow("1899") << 1899 << QDate(1899, 4, 3);
        QTest::newRow("earliest possible") << 2285 << QDate(2285, 3, 23);
        QTest::newRow("earliest in 1818") << 1818 << QDate(1818, 3, 23);
    }
    void easterExamples() {
        QFETCH(int, year);
        QFETCH(QDate, monday);
        QCOMPARE(serialToDate(EasterMonday(year)), monday);
        QCOMPARE(serialToDate(GoodFriday(year)), monday.addDays(-3));
    }

    // Every Gregorian Easter from 1583 to 4099 against an independent implementation.
    void easterAgainstReference() {
        QFile f(fixture("easter.txt"));
        QVERIFY2(f.open(QIODevice::ReadOnly | QIODevice::Text), qPrintable(f.fileName()));
        int count = 0;
        while (!f.atEnd()) {
            const QStringList parts = QString::fromLatin1(f.readLine()).trimmed().split(' ');
            QCOMPARE(parts.size(), 2);
            QCOMPARE(ShortDateText(easterSunday(parts[0].toInt())), parts[1]);
            ++count;
        }
        QCOMPARE(count, 4099 - 1583 + 1);
    }

    void summerTimeExamples() {
        QCOMPARE(serialToDate(SummerTimeStart(2002)), QDate(2002, 3, 31));
        QCOMPARE(serialToDate(SummerTimeEnd(2002)), QDate(2002, 10, 27));
        QCOMPARE(SummerTimeStart(1995), 0.0);
        QCOMPARE(SummerTimeEnd(1995), 0.0);
        QCOMPARE(SummerTimeState(d(31, 3, 2002)), 2);
        QCOMPARE(SummerTimeState(d(27, 10, 2002)), 1);
        QCOMPARE(SummerTimeState(d(1, 7, 2002)), 3);
        QCOMPARE(SummerTimeState(d(1, 1, 1995)), 0);
        QCOMPARE(SummerTimeState(d(1, 12, 2002)), 4);
        QCOMPARE(SummerTimeState(d(30, 3, 2002)), 4);
        // With a time of day a change day is no longer equal to it.
        QCOMPARE(SummerTimeState(dt(31, 3, 2002, 10, 0)), 3);
        QCOMPARE(SummerTimeState(dt(27, 10, 2002, 10, 0)), 4);
        QCOMPARE(UtcOffsetHours(dt(1, 7, 2002, 12, 0)), 2);
        QCOMPARE(UtcOffsetHours(dt(1, 1, 2002, 12, 0)), 1);
        QCOMPARE(UtcOffsetHours(dt(1, 7, 1995, 12, 0)), 1);
    }

    // Change days, states and hourly offsets against the system's time-zone database.
    void summerTimeAgainstZoneDatabase() {
        const QTimeZone prague("Europe/Prague");
        QVERIFY(prague.isValid());
        for (int year = 1996; year <= 2037; ++year) {
            const QDate start = serialToDate(SummerTimeStart(year)), end = serialToDate(SummerTimeEnd(year));
            for (QDate q(year, 1, 1); q.year() == year; q = q.addDays(1)) {
                const int noonOffset = QDateTime(q, QTime(12, 0), prague).offsetFromUtc() / 3600;
                const int state = SummerTimeState(dateToSerial(q));
                const bool changeDay = QDateTime(q, QTime(0, 0), prague).offsetFromUtc() != QDateTime(q, QTime(23, 0), prague).offsetFromUtc();
                QCOMPARE(changeDay, q == start || q == end);
                if (!changeDay)
                    QCOMPARE(state, noonOffset == 2 ? 3 : 4);
                QCOMPARE(UtcOffsetHours(dateToSerial(q) + 0.5), noonOffset);
            }
            // Hour by hour on the change days; 2:30 does not exist in March and is summer time
            // first in October.
            for (const QDate &q : {start, end}) {
                for (int h = 0; h < 24; ++h) {
                    if (h == 2)
                        continue;
                    const int expected = QDateTime(q, QTime(h, 30), prague).offsetFromUtc() / 3600;
                    QVERIFY2(UtcOffsetHours(dt(q.day(), q.month(), q.year(), h, 30)) == expected,
                             qPrintable(q.toString(Qt::ISODate) + QString(" %1:30").arg(h)));
                }
            }
            QCOMPARE(UtcOffsetHours(dt(end.day(), end.month(), year, 2, 30)), 2);
            QCOMPARE(UtcOffsetHours(dt(start.day(), start.month(), year, 2, 30)), 2);
        }
    }

    void holidays_data() {
        QTest::addColumn<QString>("country");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<bool>("holiday");
        QTest::addColumn<QString>("name");
        QTest::newRow("Good Friday 2004 cz") << "CZ" << QDate(2004, 4, 9) << false << "";
        QTest::newRow("Good Friday 2004 sk") << "SK" << QDate(2004, 4, 9) << true << "Veľký piatok";
        QTest::newRow("Good Friday 2015 cz") << "CZ" << QDate(2015, 4, 3) << false << "";
        QTest::newRow("Good Friday 2016 cz") << "CZ" << QDate(2016, 3, 25) << true << "Velký pátek";
        QTest::newRow("Good Friday 2024 cz") << "CZ" << QDate(2024, 3, 29) << true << "Velký pátek";
        QTest::newRow("1.1.2000 before fixed days") << "CZ" << QDate(2000, 1, 1) << false << "";
        QTest::newRow("Easter Monday 2000") << "CZ" << QDate(2000, 4, 24) << true << "Velikonoce";
        QTest::newRow("Easter Monday 1990 sk") << "SK" << QDate(1990, 4, 16) << true << "Veľkonočný pondelok";
        QTest::newRow("1.1.2001") << "CZ" << QDate(2001, 1, 1) << true << "Nový rok, Den obnovy samostatného českého státu";
        QTest::newRow("24.12 cz") << "CZ" << QDate(2024, 12, 24) << true << "Štědrý den";
        QTest::newRow("24.12 sk") << "SK" << QDate(2024, 12, 24) << true << "Štedrý deň";
        QTest::newRow("28.9 cz") << "CZ" << QDate(2024, 9, 28) << true << "Den české státnosti";
        QTest::newRow("28.9 sk") << "SK" << QDate(2024, 9, 28) << false << "";
        QTest::newRow("15.9 sk") << "SK" << QDate(2024, 9, 15) << true << "Sedembolestná Panna Mária";
        QTest::newRow("country lower case") << "sk" << QDate(2024, 1, 6) << true
                                            << "Zjavenie Pána (Traja králi a vianočný sviatok pravoslávnych kresťanov)";
        QTest::newRow("unknown country is Czech") << "AT" << QDate(2024, 7, 6) << true << "Den upálení mistra Jana Husa";
        QTest::newRow("ordinary day") << "CZ" << QDate(2024, 7, 7) << false << "";
        QTest::newRow("with time of day") << "CZ" << QDate(2024, 5, 1) << true << "Svátek práce";
    }
    void holidays() {
        QFETCH(QString, country);
        QFETCH(QDate, date);
        QFETCH(bool, holiday);
        QFETCH(QString, name);
        const double value = dateToSerial(date) + (QTest::currentDataTag() == QLatin1String("with time of day") ? 0.75 : 0.0);
        const HolidayInfo h = HolidayName(country, value);
        QCOMPARE(h.isHoliday, holiday);
        QCOMPARE(h.name, name);
        QCOMPARE(IsHoliday(country, value), holiday);
    }

    void holidayCounts() {
        auto count = [](const QString &country, int year) {
            int n = 0;
            for (int i = 0; i < DaysInYear(year); ++i)
                n += IsHoliday(country, d(1, 1, year) + i);
            return n;
        };
        QCOMPARE(count("CZ", 2015), 12);
        QCOMPARE(count("CZ", 2024), 13);
        QCOMPARE(count("SK", 2024), 15);
        QCOMPARE(count("CZ", 2000), 1);   // only Easter Monday
        QCOMPARE(count("SK", 2000), 2);
    }

    void formatDate_data() {
        QTest::addColumn<int>("form");
        QTest::addColumn<QString>("text");
        QTest::newRow("compact") << int(DateForm::CompactDate) << "20040305";
        QTest::newRow("iso") << int(DateForm::IsoDate) << "2004-03-05";
        QTest::newRow("czech") << int(DateForm::CzechDate) << "05.03.2004";
        QTest::newRow("czech time") << int(DateForm::CzechDateTime) << "05.03.2004 08:07:09";
        QTest::newRow("czech no seconds") << int(DateForm::CzechDateTimeNoSeconds) << "05.03.2004 08:07";
        QTest::newRow("czech short") << int(DateForm::CzechDateTimeShort) << "5.3.2004 08:07:09";
        QTest::newRow("time") << int(DateForm::Time) << "8:07:09";
        QTest::newRow("compact time") << int(DateForm::CompactDateTime) << "20040305 8:07:09";
        QTest::newRow("file stamp") << int(DateForm::FileStamp) << "20040305_080709";
    }
    void formatDate() {
        QFETCH(int, form);
        QFETCH(QString, text);
        QCOMPARE(FormatDate(DateForm(form), dt(5, 3, 2004, 8, 7, 9)), text);
    }

    void parseDate_data() {
        QTest::addColumn<int>("form");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QDateTime>("expected");
        const QDate day(2004, 3, 5);
        const QDateTime midnight(day, QTime(0, 0));
        const int czech = int(DateForm::CzechDate);
        QTest::newRow("compact") << int(DateForm::CompactDate) << "20040305" << true << midnight;
        QTest::newRow("compact short") << int(DateForm::CompactDate) << "2004035" << false << QDateTime();
        QTest::newRow("compact impossible") << int(DateForm::CompactDate) << "20040230" << false << QDateTime();
        QTest::newRow("compact letters") << int(DateForm::CompactDate) << "2004O305" << false << QDateTime();
        QTest::newRow("czech short") << czech << "5.3.2004" << true << midnight;
        QTest::newRow("czech padded") << czech << "05.03.2004" << true << midnight;
        QTest::newRow("czech blanks around") << czech << " 5.3.2004 " << true << midnight;
        QTest::newRow("czech H:M") << czech << "5.3.2004 8:7" << true << QDateTime(day, QTime(8, 7));
        QTest::newRow("czech H:M:S") << czech << "5.3.2004 8:07:09" << true << QDateTime(day, QTime(8, 7, 9));
        QTest::newRow("czech H:M:S.CC") << czech << "05.03.2004 08:07:09.25" << true << QDateTime(day, QTime(8, 7, 9, 250));
        QTest::newRow("czech 29.2 leap") << czech << "29.2.2024" << true << QDateTime(QDate(2024, 2, 29), QTime(0, 0));
        QTest::newRow("czech 29.2 common") << czech << "29.2.2023" << false << QDateTime();
        QTest::newRow("czech 31.4") << czech << "31.4.2004" << false << QDateTime();
        QTest::newRow("czech month 13") << czech << "1.13.2004" << false << QDateTime();
        QTest::newRow("czech day 0") << czech << "0.3.2004" << false << QDateTime();
        QTest::newRow("czech two-digit year") << czech << "5.3.04" << false << QDateTime();
        QTest::newRow("czech short text") << czech << "5.3" << false << QDateTime();
        QTest::newRow("czech empty") << czech << "" << false << QDateTime();
        QTest::newRow("czech hour 24") << czech << "5.3.2004 24:00" << false << QDateTime();
        QTest::newRow("czech minute 60") << czech << "5.3.2004 8:60" << false << QDateTime();
        QTest::newRow("czech dangling colon") << czech << "5.3.2004 8:" << false << QDateTime();
        QTest::newRow("czech trailing text") << czech << "5.3.2004x" << false << QDateTime();
        QTest::newRow("czech injection") << czech << "5.3.2004\" or 1=1" << false << QDateTime();
        QTest::newRow("time") << int(DateForm::Time) << "8:07:09" << true << QDateTime(QDate(1899, 12, 30), QTime(8, 7, 9));
        QTest::newRow("time hundredths") << int(DateForm::Time) << "23:59:59.99" << true
                                         << QDateTime(QDate(1899, 12, 30), QTime(23, 59, 59, 990));
        QTest::newRow("time bad") << int(DateForm::Time) << "8:61:00" << false << QDateTime();
        QTest::newRow("time short") << int(DateForm::Time) << "8" << false << QDateTime();
        QTest::newRow("bank") << int(DateForm::BankDate) << "050304" << true << midnight;
        QTest::newRow("bank impossible") << int(DateForm::BankDate) << "310204" << false << QDateTime();
        QTest::newRow("bank short") << int(DateForm::BankDate) << "0503" << false << QDateTime();
        QTest::newRow("iso") << int(DateForm::IsoDate) << "2004-03-05" << true << midnight;
        QTest::newRow("iso impossible") << int(DateForm::IsoDate) << "2004-02-30" << false << QDateTime();
    }
    void parseDate() {
        QFETCH(int, form);
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QFETCH(QDateTime, expected);
        const std::optional<double> v = ParseDate(DateForm(form), text);
        QCOMPARE(v.has_value(), ok);
        if (ok)
            QCOMPARE(serialToDateTime(*v), expected);
    }

    void formatParseRoundTrip() {
        for (double v = -693593.0; v < 2958465.0; v += 997.0 + 1.0 / 7) {
            const QString text = FormatDate(DateForm::CzechDateTime, v);
            const std::optional<double> back = ParseDate(DateForm::CzechDate, text);
            QVERIFY2(back, qPrintable(text));
            QCOMPARE(FormatDate(DateForm::CzechDateTime, *back), text);
        }
    }

    void normalize_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("complete");
        QTest::addColumn<QString>("expected");
        QTest::newRow("date") << "5.3.2004" << false << "05.03.2004";
        QTest::newRow("date completed") << "5.3.2004" << true << "05.03.2004 00:00:00.00";
        QTest::newRow("H:M") << "5.3.2004 8:7" << false << "05.03.2004 08:07";
        QTest::newRow("H:M completed") << "5.3.2004 8:7" << true << "05.03.2004 08:07:00.00";
        QTest::newRow("H:M:S.C") << "5.3.2004 8:7:9.5" << false << "05.03.2004 08:07:09.05";
        QTest::newRow("bad") << "5.3." << true << "";
    }
    void normalize() {
        QFETCH(QString, text);
        QFETCH(bool, complete);
        QFETCH(QString, expected);
        QCOMPARE(normalizeDateTimeText(text, complete), expected);
    }

    void numbers() {
        const double v = dt(5, 3, 2004, 8, 7, 9);
        QCOMPARE(DateToNumber(DateNumber, v), 20040305);
        QCOMPARE(DateToNumber(TimeNumber, v), 80709);
        QCOMPARE(NumberToDateText(DateNumber, 20040305), QString("5.3.2004"));
        QCOMPARE(NumberToDateText(TimeNumber, 80709), QString("8:07:09"));
        QCOMPARE(NumberToDateText(TimeNumber, 0), QString("0:00:00"));
        QCOMPARE(NumberToDateText(TimeNumber, -1), QString());
        QCOMPARE(NumberToDateText(3, 20040305), QString("error"));
        QCOMPARE(NumberToDateText(DateNumber, 20040230), QString());
        QCOMPARE(NumberToDateText(TimeNumber, 86000), QString());

        int date = 0, time = 0;
        QVERIFY(dateTimeTextToNumbers("05.03.2004 08:07:09", date, time));
        QCOMPARE(date, 20040305);
        QCOMPARE(time, 80709);
        QVERIFY(dateTimeTextToNumbers("05.03.2004", date, time));
        QCOMPARE(date, 20040305);
        QCOMPARE(time, -1);
        date = time = 7;
        QVERIFY(!dateTimeTextToNumbers("05.03.20", date, time));
        QVERIFY(!dateTimeTextToNumbers("31.02.2004 08:00:00", date, time));
        QCOMPARE(date, 7);
        QCOMPARE(time, 7);
    }

    void expandTwoDigitYear_data() {
        QTest::addColumn<int>("in");
        QTest::addColumn<int>("out");
        QTest::newRow("0") << 0 << 2000;
        QTest::newRow("50") << 50 << 2050;
        QTest::newRow("51") << 51 << 1951;
        QTest::newRow("99") << 99 << 1999;
        QTest::newRow("100") << 100 << 100;
        QTest::newRow("2004") << 2004 << 2004;
        QTest::newRow("-1") << -1 << -1;
    }
    void expandTwoDigitYear() {
        QFETCH(int, in);
        QFETCH(int, out);
        QCOMPARE(ExpandTwoDigitYear(in), out);
    }

    void shortDateAndParts() {
        QCOMPARE(ShortDateText(d(5, 3, 2004)), QString("5.3.2004"));
        QCOMPARE(ShortDateText(dt(31, 12, 1999, 23, 59)), QString("31.12.1999"));
        // The year keeps four digits, so the text reads back.
        QCOMPARE(ShortDateText(d(2, 4, 1)), QString("2.4.0001"));
        QCOMPARE(ParseDate(DateForm::CzechDate, ShortDateText(d(2, 4, 1))), d(2, 4, 1));
        QCOMPARE(serialToDateTime(ReplaceDateParts(2005, 0, 0, dt(5, 3, 2004, 8, 7))), QDateTime(QDate(2005, 3, 5), QTime(8, 7)));
        QCOMPARE(serialToDate(ReplaceDateParts(0, 12, 24, d(5, 3, 2004))), QDate(2004, 12, 24));
        QCOMPARE(serialToDate(ReplaceDateParts(0, 0, 0, d(5, 3, 2004))), QDate(2004, 3, 5));
        // 29 February into a common year, 31 into a short month: the month's last day.
        QCOMPARE(serialToDate(ReplaceDateParts(2025, 0, 0, d(29, 2, 2024))), QDate(2025, 2, 28));
        QCOMPARE(serialToDate(ReplaceDateParts(0, 4, 0, d(31, 3, 2024))), QDate(2024, 4, 30));
    }

    void shift() {
        const QDate from(2024, 12, 31);
        auto same = [](const DayMonthYear &r, const QDate &q) { return r.day == q.day() && r.month == q.month() && r.year == q.year(); };
        QVERIFY(same(shiftDate(from, 1), QDate(2025, 1, 1)));
        QVERIFY(same(shiftDate(from, -366), QDate(2023, 12, 31)));
        QVERIFY(same(shiftDate(from, 32000), from.addDays(32000)));
        QVERIFY(same(shiftDate(from, -32000), from.addDays(-32000)));
        QVERIFY(same(shiftDate(from, 32001), from));
        QVERIFY(same(shiftDate(from, -32001), from));
        QVERIFY(same(ShiftToday(0), QDate::currentDate()) || same(ShiftToday(0), QDate::currentDate().addDays(-1)));
    }
};

QTEST_GUILESS_MAIN(TestCalendarDates)
#include "tst_calendardates.moc"
