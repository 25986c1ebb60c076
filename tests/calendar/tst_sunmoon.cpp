#include "calendar/calendardates.h"
#include "calendar/dayinfo.h"
#include "calendar/moon.h"
#include "calendar/sun.h"
#include "data/usersettings.h"
#include "localisation/langtext.h"

#include <QFile>
#include <QtTest>

#include <cmath>

namespace {

QString fixture(const QString &name) {
    return qEnvironmentVariable("ZORVA_TEST_SOURCE_DIR") + QStringLiteral("/tests/fixtures/calendar/") + name;
}

QStringList fixtureLines(const QString &name) {
    QFile f(fixture(name));
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    return QString::fromUtf8(f.readAll()).split('\n', Qt::SkipEmptyParts);
}

int secondsOfDay(const QString &hms) {
    const QStringList p = hms.split(':');
    return p.value(0).toInt() * 3600 + p.value(1).toInt() * 60 + p.value(2).toInt();
}

// An independent reference: the NOAA solar calculator's equations (after Meeus), iterated so the
// Sun's position is taken at the moment of the event itself.
struct NoaaEvents {
    double rise = 0, set = 0;   // local time in hours
};
NoaaEvents noaa(const QDate &date, double lat, double lon, double offset) {
    const double rad = M_PI / 180;
    auto event = [&](bool rising) {
        double hours = rising ? 6 : 18;
        for (int i = 0; i < 4; ++i) {
            const double jd = date.toJulianDay() - 0.5 + (hours - offset) / 24;
            const double jc = (jd - 2451545) / 36525;
            const double l0 = std::fmod(280.46646 + jc * (36000.76983 + jc * 0.0003032), 360);
            const double m = 357.52911 + jc * (35999.05029 - 0.0001537 * jc);
            const double e = 0.016708634 - jc * (0.000042037 + 0.0000001267 * jc);
            const double c = std::sin(m * rad) * (1.914602 - jc * (0.004817 + 0.000014 * jc))
                             + std::sin(2 * m * rad) * (0.019993 - 0.000101 * jc) + std::sin(3 * m * rad) * 0.000289;
            const double omega = 125.04 - 1934.136 * jc;
            const double lambda = l0 + c - 0.00569 - 0.00478 * std::sin(omega * rad);
            const double eps0 = 23 + (26 + (21.448 - jc * (46.815 + jc * (0.00059 - jc * 0.001813))) / 60) / 60;
            const double eps = eps0 + 0.00256 * std::cos(omega * rad);
            const double decl = std::asin(std::sin(eps * rad) * std::sin(lambda * rad));
            const double y = std::pow(std::tan(eps * rad / 2), 2);
            const double eqTime = 4 / rad
                                  * (y * std::sin(2 * l0 * rad) - 2 * e * std::sin(m * rad)
                                     + 4 * e * y * std::sin(m * rad) * std::cos(2 * l0 * rad) - 0.5 * y * y * std::sin(4 * l0 * rad)
                                     - 1.25 * e * e * std::sin(2 * m * rad));
            const double ha = std::acos(std::cos(90.833 * rad) / (std::cos(lat * rad) * std::cos(decl)) - std::tan(lat * rad) * std::tan(decl)) / rad;
            const double noonMinutes = 720 - 4 * lon - eqTime + offset * 60;
            hours = (noonMinutes + (rising ? -4 : 4) * ha) / 60;
        }
        return hours;
    };
    return {event(true), event(false)};
}

QString hm(int h, int m) { return QStringLiteral("%1:%2").arg(h).arg(m, 2, 10, QLatin1Char('0')); }

} // namespace

class TestSunMoon : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Prague over three years against an almanac computed from a full theory of the Sun (VSOP87):
    // every time within a minute.
    void sunAgainstAlmanac() {
        const QStringList lines = fixtureLines("sun_prague.txt");
        QVERIFY(lines.size() > 200);
        for (const QString &line : lines) {
            const QStringList p = line.split(' ');
            const std::optional<double> date = ParseDate(DateForm::CzechDate, p[0]);
            QVERIFY(date);
            const SunTimes sun = SunriseSunset(*date, p[1].toDouble(), p[2].toDouble(), p[3].toInt());
            QCOMPARE(sun.kind, SunTimes::Normal);
            QVERIFY(sun.message.isEmpty());
            const int rise = (sun.sunriseHour * 60 + sun.sunriseMinute) * 60;
            const int set = (sun.sunsetHour * 60 + sun.sunsetMinute) * 60;
            QVERIFY2(std::abs(rise - secondsOfDay(p[4])) <= 60, qPrintable(line + " rise " + hm(sun.sunriseHour, sun.sunriseMinute)));
            QVERIFY2(std::abs(set - secondsOfDay(p[5])) <= 60, qPrintable(line + " set " + hm(sun.sunsetHour, sun.sunsetMinute)));
        }
    }

    // Every fifth day of 2024 at Prague and at the default position against the NOAA equations.
    void sunAgainstNoaa_data() {
        QTest::addColumn<double>("lat");
        QTest::addColumn<double>("lon");
        QTest::newRow("Prague") << 50.0875 << 14.4214;
        QTest::newRow("default position") << degreesFromDms(50, 8, 0) << degreesFromDms(14, 42, 0);
        QTest::newRow("Bratislava") << 48.1486 << 17.1077;
    }
    void sunAgainstNoaa() {
        QFETCH(double, lat);
        QFETCH(double, lon);
        for (QDate q(2024, 1, 1); q.year() == 2024; q = q.addDays(5)) {
            const double date = dateToSerial(q);
            const int offset = UtcOffsetHours(date + 0.5);
            const SunTimes sun = SunriseSunset(date, lat, lon, offset);
            const NoaaEvents ref = noaa(q, lat, lon, offset);
            const double rise = sun.sunriseHour + sun.sunriseMinute / 60.0;
            const double set = sun.sunsetHour + sun.sunsetMinute / 60.0;
            QVERIFY2(std::fabs(rise - ref.rise) * 60 <= 1.0, qPrintable(q.toString() + " rise " + hm(sun.sunriseHour, sun.sunriseMinute)));
            QVERIFY2(std::fabs(set - ref.set) * 60 <= 1.0, qPrintable(q.toString() + " set " + hm(sun.sunsetHour, sun.sunsetMinute)));
        }
    }

    // Well-known Prague times (local clock) of the shortest and longest days.
    void sunPublishedPrague_data() {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("rise");
        QTest::addColumn<QString>("set");
        QTest::newRow("1.1.2002") << QDate(2002, 1, 1) << "8:01" << "16:11";
        QTest::newRow("21.6.2024") << QDate(2024, 6, 21) << "4:52" << "21:15";
        QTest::newRow("21.12.2024") << QDate(2024, 12, 21) << "7:58" << "16:02";
    }
    void sunPublishedPrague() {
        QFETCH(QDate, date);
        QFETCH(QString, rise);
        QFETCH(QString, set);
        const double serial = dateToSerial(date);
        const SunTimes sun = SunriseSunset(serial, 50.0875, 14.4214, UtcOffsetHours(serial + 0.5));
        auto minutes = [](const QString &t) { return t.section(':', 0, 0).toInt() * 60 + t.section(':', 1, 1).toInt(); };
        QVERIFY2(std::abs(sun.sunriseHour * 60 + sun.sunriseMinute - minutes(rise)) <= 1, qPrintable(hm(sun.sunriseHour, sun.sunriseMinute)));
        QVERIFY2(std::abs(sun.sunsetHour * 60 + sun.sunsetMinute - minutes(set)) <= 1, qPrintable(hm(sun.sunsetHour, sun.sunsetMinute)));
    }

    // Beyond the polar circle: polar night and day, and the days with only one crossing between.
    void sunPolar() {
        const double lat = 69.6492, lon = 18.9553, offset = 1;   // Tromsø
        const SunTimes winter = SunriseSunset(dateToSerial(2024, 12, 21), lat, lon, offset);
        QCOMPARE(winter.kind, SunTimes::PolarNight);
        QCOMPARE(winter.message, QString("Slunce nevychází(polární noc)."));
        QVERIFY(!winter.hasSunrise && !winter.hasSunset);
        const SunTimes summer = SunriseSunset(dateToSerial(2024, 6, 21), lat, lon, 2);
        QCOMPARE(summer.kind, SunTimes::PolarDay);
        QCOMPARE(summer.message, QString("Slunce svítí celý den(polární den)."));

        // Going into the midnight sun the sunset moves past the local midnight, so one day has a
        // sunrise only. On a clock whose midnight falls after the Sun's lowest point (here UTC)
        // it is the sunrise that moves past midnight, leaving a day with a sunset only.
        bool noSunset = false, noSunrise = false;
        for (QDate q(2024, 5, 1); q < QDate(2024, 8, 31); q = q.addDays(1)) {
            for (const double clock : {2.0, 0.0}) {
                const SunTimes s = SunriseSunset(dateToSerial(q), lat, lon, clock);
                if (s.kind == SunTimes::NoSunset) {
                    noSunset = true;
                    QVERIFY(s.hasSunrise && !s.hasSunset);
                    QCOMPARE(s.message, QString("Nedochází k západu Slunce."));
                }
                if (s.kind == SunTimes::NoSunrise) {
                    noSunrise = true;
                    QVERIFY(!s.hasSunrise && s.hasSunset);
                    QCOMPARE(s.message, QString("Nedochází k východu Slunce."));
                }
            }
        }
        QVERIFY(noSunset);
        QVERIFY(noSunrise);
        // The southern hemisphere has its long days in December.
        const SunTimes south = SunriseSunset(dateToSerial(2024, 12, 21), -33.87, 151.21, 11);   // Sydney
        QCOMPARE(south.kind, SunTimes::Normal);
        QVERIFY(south.sunriseHour == 5 && south.sunsetHour == 20);
    }

    // The day information bar: clock regime, its offset for the sun times, nothing before 1996.
    void dayInformationBar_data() {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<double>("lat");
        QTest::addColumn<QString>("regime");
        QTest::addColumn<int>("offset");
        QTest::addColumn<QString>("holiday");
        const double prague = degreesFromDms(50, 8, 0);
        QTest::newRow("winter to summer") << QDate(2002, 3, 31) << prague << LangText(1094) << 2 << "";
        QTest::newRow("summer to winter") << QDate(2002, 10, 27) << prague << LangText(1093) << 1 << "";
        QTest::newRow("summer") << QDate(2002, 7, 5) << prague << LangText(1091) + " (GMT+2)" << 2
                                << "Den slovanských věrozvěstů Cyrila a Metoděje";
        QTest::newRow("winter") << QDate(2002, 1, 2) << prague << LangText(1092) + " (GMT+1)" << 1 << "";
        QTest::newRow("1995: no regime, no sun") << QDate(1995, 7, 1) << prague << "" << 0 << "";
        QTest::newRow("polar night: no times") << QDate(2024, 12, 21) << 69.65 << LangText(1092) + " (GMT+1)" << 1 << "";
    }
    void dayInformationBar() {
        QFETCH(QDate, date);
        QFETCH(double, lat);
        QFETCH(QString, regime);
        QFETCH(int, offset);
        QFETCH(QString, holiday);
        const double lon = degreesFromDms(14, 42, 0);
        const DayInformation info = dayInformation(dateToSerial(date), "CZ", lat, lon);
        QCOMPARE(info.dateText, ShortDateText(dateToSerial(date)));
        QCOMPARE(info.holidayText, holiday);
        QCOMPARE(info.nameDaysText, QString("-"));   // no database here
        QVERIFY(info.moonVisible);
        QCOMPARE(info.moonPhase, MoonPhaseOfDay(dateToSerial(date)));
        QCOMPARE(info.regimeVisible, !regime.isEmpty());
        QCOMPARE(info.regimeText, regime);
        QCOMPARE(info.utcOffset, offset);
        QCOMPARE(info.sunVisible, offset != 0);
        const SunTimes sun = SunriseSunset(dateToSerial(date), lat, lon, offset);
        const bool times = offset != 0 && sun.kind == SunTimes::Normal;
        QCOMPARE(info.sunriseText, times ? sunTimeText(sun.sunriseHour, sun.sunriseMinute) : QString());
        QCOMPARE(info.sunsetText, times ? sunTimeText(sun.sunsetHour, sun.sunsetMinute) : QString());
        QVERIFY(DayInformation().dateText.isEmpty() && !DayInformation().moonVisible && !DayInformation().sunVisible);
    }

    // Without arguments the bar takes the country and the place of the user's settings.
    void dayInformationFromSettings() {
        const double date = dateToSerial(2024, 3, 29);
        UserSettings &s = CurrentUserSettings();
        const UserSettings saved = s;
        s.holidays = "SK";
        s.latitudeDegrees = 48;
        s.latitudeMinutes = 9;
        s.longitudeDegrees = 17;
        s.longitudeMinutes = 6;
        const DayInformation info = dayInformation(date);
        const DayInformation expected = dayInformation(date, "SK", 48.15, 17.1);
        s = saved;
        QCOMPARE(info.holidayText, QString("Veľký piatok"));
        QCOMPARE(info.sunriseText, expected.sunriseText);
        QCOMPARE(info.sunsetText, expected.sunsetText);
        QVERIFY(info.sunriseText != dayInformation(date, "SK", 50 + 8 / 60.0, 14.7).sunriseText);
    }

    void dms() {
        QCOMPARE(degreesFromDms(50, 8, 0), 50 + 8 / 60.0);
        QCOMPARE(degreesFromDms(14, 42, 36), 14 + 42 / 60.0 + 36 / 3600.0);
        QCOMPARE(degreesFromDms(-14, 42, 0), -14.7);
        QCOMPARE(sunTimeText(7, 5), QString("7:05"));
    }

    // New and full moons of 2000-2030 against a full lunar theory: within two minutes, and the
    // phase at each of them 0 or one half.
    void moonAgainstReference() {
        const QStringList lines = fixtureLines("moon_phases.txt");
        QVERIFY(lines.size() > 700);
        for (const QString &line : lines) {
            const QStringList p = line.split(' ');
            const QDate date = QDate::fromString(p[1], "d.M.yyyy");
            const double when = dateTimeToSerial(date, QTime::fromString(p[2], "H:mm:ss"));
            const MoonPhaseKind kind = MoonPhaseKind(p[0].toInt());
            const double found = nextMoonPhase(when - 3, kind);
            QVERIFY2(std::fabs(found - when) * 1440 <= 2, qPrintable(line + " got " + FormatDate(DateForm::CzechDateTime, found)));
            const double phase = MoonPhase(when);
            const double target = kind == MoonPhaseKind::NewMoon ? 0 : 0.5;
            const double distance = std::fabs(std::remainder(phase - target, 1.0));
            QVERIFY2(distance < 0.0001, qPrintable(line + QString(" phase %1").arg(phase)));
        }
    }

    // Published instants (UT) of eclipse new and full moons of 2024 and 2025.
    void moonPublished_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QDateTime>("when");
        QTest::newRow("new 8.4.2024") << 0 << QDateTime(QDate(2024, 4, 8), QTime(18, 21));
        QTest::newRow("full 18.9.2024") << 2 << QDateTime(QDate(2024, 9, 18), QTime(2, 34));
        QTest::newRow("new 2.10.2024") << 0 << QDateTime(QDate(2024, 10, 2), QTime(18, 49));
        QTest::newRow("full 14.3.2025") << 2 << QDateTime(QDate(2025, 3, 14), QTime(6, 55));
        QTest::newRow("new 29.3.2025") << 0 << QDateTime(QDate(2025, 3, 29), QTime(10, 58));
        QTest::newRow("full 7.9.2025") << 2 << QDateTime(QDate(2025, 9, 7), QTime(18, 9));
    }
    void moonPublished() {
        QFETCH(int, kind);
        QFETCH(QDateTime, when);
        const double t = dateTimeToSerial(when);
        QVERIFY(std::fabs(nextMoonPhase(t - 10, MoonPhaseKind(kind)) - t) * 1440 <= 2);
        const double expected = kind == 0 ? 0 : 0.5;
        QVERIFY(std::fabs(std::remainder(MoonPhaseOfDay(t) - expected, 1.0)) < 0.02);
    }

    void moonPhaseRunsThroughTheMonth() {
        double previous = MoonPhase(dateTimeToSerial(QDateTime(QDate(2024, 4, 8), QTime(18, 22))));
        QVERIFY(previous < 0.001);
        int wraps = 0;
        for (double t = dateToSerial(2024, 4, 9); t < dateToSerial(2025, 4, 9); t += 0.25) {
            const double p = MoonPhase(t);
            QVERIFY(p >= 0 && p < 1);
            if (p < previous)
                ++wraps;
            else
                QVERIFY(p - previous < 0.25 / 29.53 * 1.2);
            previous = p;
        }
        QCOMPARE(wraps, 12);   // twelve new moons in the following year
        QCOMPARE(moonIlluminatedFraction(0.5), 1.0);
        QVERIFY(moonIlluminatedFraction(0.0) < 1e-12);
        // First quarter of 15 April 2024 (19:13 UT).
        QVERIFY(std::fabs(MoonPhase(dateTimeToSerial(QDateTime(QDate(2024, 4, 15), QTime(19, 13)))) - 0.25) < 0.001);
    }
};

QTEST_GUILESS_MAIN(TestSunMoon)
#include "tst_sunmoon.moc"
