#include "calendar/calendardates.h"
#include "data/sqldata.h"
#include "data/schema.h"
#include "data/sqltext.h"
#include "data/usersettings.h"
#include "tests/support/tempdatabase.h"

#include <QtTest>

// Name days read from the name-day tables of a real database.
class TestNameDayQuery : public QObject {
    Q_OBJECT
    TempDatabase tdb;
    TSQLDATA db;
    // A database with the real schema, built once for the built-in lists.
    TempDatabase schemaDb;
    TSQLDATA full;
    bool built = false;

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

    // Without a country the list follows the logged-in user's holiday setting.
    void currentCountry() {
        QCOMPARE(HolidayCountry(), QString("CZ"));
        QCOMPARE(NameDays(dateToSerial(2024, 1, 1)), QString("-"));
        CurrentUserSettings().holidays = "SK";
        QCOMPARE(NameDays(dateToSerial(2024, 1, 1)), QString("Nový rok"));
        CurrentUserSettings().holidays = "CZ";
    }

    // The lists the schema loads: the days the calendar shows with one name, two names, none.
    void builtInLists_data() {
        QTest::addColumn<QString>("country");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("expected");
        QTest::newRow("24.12 cz") << "CZ" << QDate(2024, 12, 24) << "Adam, Eva";
        QTest::newRow("1.1 cz") << "CZ" << QDate(2025, 1, 1) << "-";
        QTest::newRow("1.1 sk") << "SK" << QDate(2025, 1, 1) << "Nový rok";
        QTest::newRow("28.10 cz") << "CZ" << QDate(2025, 10, 28) << "-";
        QTest::newRow("29.2 cz") << "CZ" << QDate(2024, 2, 29) << "Horymír";
        QTest::newRow("2.1 cz") << "CZ" << QDate(2025, 1, 2) << "Karina";
    }
    void builtInLists() {
        if (!built) {
            built = true;
            QVERIFY2(schemaDb.create(), qPrintable(schemaDb.error()));
            QVERIFY2(full.ConnectQuiet(schemaDb.connectionString(), schemaDb.user(), schemaDb.password()), qPrintable(full.LastConnectError()));
            const QString error = BuildSchema(full, 3);
            QVERIFY2(error.isEmpty(), qPrintable(error));
        }
        QFETCH(QString, country);
        QFETCH(QDate, date);
        QFETCH(QString, expected);
        SQLDATA = &full;
        const QString names = NameDays(country, dateToSerial(date));
        SQLDATA = &db;
        QCOMPARE(names, expected);
    }

    void noDatabaseGivesDash() {
        SQLDATA = nullptr;
        QCOMPARE(NameDays("CZ", dateToSerial(2024, 12, 24)), QString("-"));
        SQLDATA = &db;
    }
};

QTEST_GUILESS_MAIN(TestNameDayQuery)
#include "tst_namedayquery.moc"
