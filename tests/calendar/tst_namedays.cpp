#include "calendar/calendardates.h"
#include "data/sqldata.h"
#include "data/sqltext.h"
#include "tests/support/tempdatabase.h"

#include <QtTest>

// Name days read from the name-day tables of a real database.
class TestNameDays : public QObject {
    Q_OBJECT
    TempDatabase tdb;
    TSQLDATA db;

    void exec(const QString &sql) {
        const QString e = db.ExecSQL(sql);
        QVERIFY2(e.isEmpty(), qPrintable(sql + "\n" + e));
    }
    void insert(int kind, int month, int day, const QString &name) {
        exec(QStringLiteral("insert into svatky_jmena(typ,mesic,den,jmeno) values (%1,%2,%3,%4);")
                 .arg(kind)
                 .arg(month)
                 .arg(day)
                 .arg(QuoteStr(name)));
    }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY2(tdb.create(), qPrintable(tdb.error()));
        QVERIFY2(db.ConnectQuiet(tdb.connectionString(), tdb.user(), tdb.password()), qPrintable(db.LastConnectError()));
        SQLDATA = &db;
        exec("CREATE TABLE svatky_typ (TYP INTEGER NOT NULL, POPIS VARCHAR(20))");
        exec("CREATE TABLE svatky_jmena (TYP INTEGER, MESIC INTEGER, DEN INTEGER, JMENO VARCHAR(50))");
    }
    void cleanupTestCase() { SQLDATA = nullptr; }

    void emptyTablesGiveDash() {
        QCOMPARE(NameDays("CZ", dateToSerial(2024, 12, 24)), QString("-"));
    }

    void namesOfTheDay_data() {
        QTest::addColumn<QString>("country");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("expected");
        QTest::newRow("24.12 cz: both names in row order") << "CZ" << QDate(2024, 12, 24) << "Adam, Eva";
        QTest::newRow("1.1 cz has none") << "CZ" << QDate(2024, 1, 1) << "-";
        QTest::newRow("1.1 sk") << "SK" << QDate(2024, 1, 1) << "Nový rok";
        QTest::newRow("2.1 cz") << "CZ" << QDate(2025, 1, 2) << "Karina";
        QTest::newRow("2.1 sk") << "SK" << QDate(2025, 1, 2) << "Alexandra, Karina";
        QTest::newRow("sk in lower case is not SK") << "sk" << QDate(2025, 1, 2) << "Karina";
        QTest::newRow("any other country reads the Czech list") << "AT" << QDate(2025, 1, 2) << "Karina";
        QTest::newRow("29.2") << "CZ" << QDate(2024, 2, 29) << "Horymír";
        QTest::newRow("time of day ignored") << "CZ" << QDate(2024, 7, 11) << "Olga";
    }
    void namesOfTheDay() {
        static bool filled = false;
        if (!filled) {
            filled = true;
            insert(1, 12, 24, "Adam");
            insert(1, 12, 24, "Eva");
            insert(2, 1, 1, "Nový rok");
            insert(1, 1, 2, "Karina");
            insert(2, 1, 2, "Alexandra");
            insert(2, 1, 2, "Karina");
            insert(19, 1, 2, "Rex");
            insert(1, 2, 29, "Horymír");
            insert(1, 7, 11, "Olga");
        }
        QFETCH(QString, country);
        QFETCH(QDate, date);
        QFETCH(QString, expected);
        const double time = QTest::currentDataTag() == QLatin1String("time of day ignored") ? 0.9 : 0.0;
        QCOMPARE(NameDays(country, dateToSerial(date) + time), expected);
    }

    void currentCountry() {
        QCOMPARE(HolidayCountry(), QString("CZ"));
        QCOMPARE(NameDays(dateToSerial(2024, 1, 1)), QString("-"));
        SetHolidayCountry("SK");
        QCOMPARE(NameDays(dateToSerial(2024, 1, 1)), QString("Nový rok"));
        SetHolidayCountry("CZ");
    }

    void noDatabaseGivesDash() {
        SQLDATA = nullptr;
        QCOMPARE(NameDays("CZ", dateToSerial(2024, 12, 24)), QString("-"));
        SQLDATA = &db;
    }
};

QTEST_GUILESS_MAIN(TestNameDays)
#include "tst_namedays.moc"
