#include "data/session.h"
#include "data/sqldata.h"
#include "exchange/codepage/win1250.h"
#include "exchange/csv/csvexchange.h"
#include "tests/support/schemadatabase.h"

#include <QTemporaryDir>
#include <QtTest>

class TestCsv : public QObject {
    Q_OBJECT
    TempDatabase tdb;
    TSQLDATA db;
    bool dbReady = false;

    int count(const QString &sql) { return db.SelectInt(sql); }
    void exec(const QString &sql) {
        const QString e = db.ExecSQL(sql);
        QVERIFY2(e.isEmpty(), qPrintable(sql + "\n" + e));
    }
    int total() { return count("select count(*) from ADRESAR_ZAKL") + count("select count(*) from KU") + count("select count(*) from UKOLY"); }

private Q_SLOTS:
    void exportValue_data() {
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("isNull");
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("expected");
        QTest::newRow("town with a comma") << "Praha, Smíchov" << false << "VARYING" << "Praha  Smíchov";
        QTest::newRow("quotes and line breaks") << "a \"b\"\r\nc" << false << "VARYING" << "a 'b'  c";
        QTest::newRow("date") << "1.5.2026" << false << "TIMESTAMP" << "1.5.2026";
        QTest::newRow("date and time") << "1.5.2026 10:30:00" << false << "TIMESTAMP" << "1.5.2026 10:30:00";
        QTest::newRow("no date") << "" << true << "TIMESTAMP" << "NULL";
        QTest::newRow("empty integer") << "" << true << "LONG" << "0";
        QTest::newRow("empty small integer") << "" << true << "SHORT" << "NULL";
        QTest::newRow("number") << "12.50" << false << "INT64" << "12.50";
    }
    void exportValue() {
        QFETCH(QString, value);
        QFETCH(bool, isNull);
        QFETCH(QString, type);
        QTEST(CsvExportValue(value, isNull, type), "expected");
    }

    void valueLiterals() {
        QCOMPARE(CsvValueToSQL("NULL"), QStringLiteral("NULL"));
        QCOMPARE(CsvValueToSQL(" NULL"), QStringLiteral("\" NULL\""));
        // A quote can never end the literal early.
        QCOMPARE(CsvValueToSQL("x\",0,0) --"), QStringLiteral("\"x',0,0) --\""));
        QCOMPARE(CsvInsertStatement("UKOLY", "NAZEV,STAV", {"NULL", "2"}, 0, 1, 4),
                 QStringLiteral("insert into UKOLY(NAZEV,STAV,vytvoril_kdo,vytvoril_kdy,editoval_kdo,editoval_kdy,F_CIST,F_EDITOVAT,"
                                "F_SMAZAT,F_ADMINISTROVAT,F_ALARM) values(NULL,\"2\",1,CURRENT_TIMESTAMP,1,CURRENT_TIMESTAMP,4,4,4,4,4);"));
    }

    // --- on a real database ---
    void initDatabase() {
        const QString e = CreateSchemaDatabase(tdb);
        QVERIFY2(e.isEmpty(), qPrintable(e));
        QVERIFY2(db.ConnectQuiet(tdb.connectionString(), tdb.user(), tdb.password()), qPrintable(db.LastConnectError()));
        SQLDATA = &db;
        Session::setCurrentUserId(3);
        Session::setDefaultGroupId(6);
        exec("insert into ADRESAR_ZAKL(NAZEV_ZKRACENY,NAZEV,MESTO,PSC,ULICE,BU_UCET) values(\"ŽLUŤ\",\"Žluťoučký kůň, s.r.o.\","
             "\"Praha, Smíchov\",\"15000\",\"U \"\"Nádraží\"\" 5\",\"1234567890\")");
        exec("insert into ADRESAR_ZAKL(NAZEV_ZKRACENY,NAZEV,POZNAMKA) values(\"ŘEHOŘ\",\"Šťastný Řehoř\",\"řádek 1\r\nřádek 2\")");
        exec("insert into KU(DATUM,CAS_OD,CAS_DO,CELY_DEN,NAZEV,ALARM,ALARM_DATUM,ALARM_CAS,ALARM_TYP_AKCE,ALARM_AKCE) values("
             "\"1.5.2026\",\"1.5.2026 10:30\",\"1.5.2026 11:00\",0,\"Porada, malá\",1,\"1.5.2026\",\"1.5.2026 10:15\",0,\"\")");
        exec("insert into KU(DATUM,NAZEV) values(\"2.5.2026\",\"Bez času\")");
        exec("insert into UKOLY(AKTIVNI,NAZEV,DATUM,STAV) values(1,\"Úkol č. 1\",\"3.5.2026\",2)");
        dbReady = true;
    }

    void roundTrip_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QByteArray>("zInFile");  // how "Ž" is written
        QTest::newRow("Windows-1250") << "W" << QByteArray("\x8e");
        QTest::newRow("Latin 2") << "L" << QByteArray("\xa6");
        QTest::newRow("Kamenický") << "K" << QByteArray("\x92");
    }
    void roundTrip() {
        QVERIFY(dbReady);
        QFETCH(QString, code);
        QFETCH(QByteArray, zInFile);
        QTemporaryDir dir;
        for (const QString table : {"ADRESAR_ZAKL", "KU", "UKOLY"}) {
            const QString path = dir.filePath(table + ".csv");
            QString error;
            QVERIFY2(ExportCsv(db, table, path, code, &error), qPrintable(error));
            QFile f(path);
            QVERIFY(f.open(QIODevice::ReadOnly));
            const QByteArray bytes = f.readAll();
            if (table == QLatin1String("ADRESAR_ZAKL")) {
                QVERIFY(bytes.startsWith("NAZEV_ZKRACENY,NAZEV,NAZEV2,TITUL,JMENO,PRIJMENI,ZA_PRIJMENIM,ULICE,MESTO,PSC,STAT,EMAIL1,EMAIL2,"
                                         "TELEFON1,TELEFON2,MOBIL1,MOBIL2,FAX1,WWW1,WWW2,ICO,DIC,BU_UCET,BU_BANKA\r\n"));
                QVERIFY(bytes.contains(zInFile + "lu"));
                QVERIFY(bytes.contains("Praha  Sm"));
                QVERIFY(bytes.contains(",U 'N"));
            }
            if (table == QLatin1String("KU"))
                QVERIFY2(bytes.contains("\r\n1.5.2026,1.5.2026 10:30:00,1.5.2026 11:00:00,0,Porada  mal"), bytes.constData());
            const int before = count("select count(*) from " + table);
            const ImportResult r = ImportCsv(db, table, path, code);
            QVERIFY2(r.ok, qPrintable(r.error));
            QCOMPARE(r.rows, before);
            QCOMPARE(count("select count(*) from " + table), 2 * before);
        }
        // The copies carry the exported forms, under new keys, with this user's rights.
        QCOMPARE(count("select count(*) from ADRESAR_ZAKL where NAZEV='Žluťoučký kůň  s.r.o.' and MESTO='Praha  Smíchov' "
                       "and ULICE='U ''Nádraží'' 5' and NAZEV_ZKRACENY='ŽLUŤ' and F_CIST=6"), 1);
        QCOMPARE(count("select count(*) from KU where NAZEV='Porada  malá' and CAS_OD='1.5.2026 10:30' and ALARM_CAS='1.5.2026 10:15'"), 1);
        QCOMPARE(count("select count(*) from KU where NAZEV='Bez času' and CAS_OD is null and ALARM_DATUM is null"), 2);
        QCOMPARE(count("select count(*) from UKOLY where NAZEV='Úkol č. 1' and STAV=2 and DATUM='3.5.2026'"), 2);
        // Clean up for the next code page.
        exec("delete from ADRESAR_ZAKL where F_CIST=6");
        exec("delete from KU where F_CIST=6");
        exec("delete from UKOLY where F_CIST=6");
    }

    void badLineImportsNothing_data() {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("line");
        const QByteArray head = "NAZEV,STAV\r\n";
        QByteArray good;
        for (int i = 2; i <= 6; ++i)
            good += "Úkol " + QByteArray::number(i) + ",1\r\n";
        QTest::newRow("text in a number column") << "UKOLY" << QByteArray(head + good + "Sedmý,nevím\r\nOsmý,1\r\n") << 7;
        QTest::newRow("one value too many") << "UKOLY" << QByteArray(head + good + "Sedmý, s čárkou,1\r\n") << 7;
        QTest::newRow("blank line counted") << "UKOLY" << QByteArray(head + "A,1\r\n\r\n   \r\nB,1\r\nC,1\r\nD\r\n") << 7;
        QTest::newRow("unknown column") << "UKOLY" << QByteArray("NAZEV,NIC\r\nA,1\r\n") << 2;
        QTest::newRow("header that is not a column list") << "ADRESAR_ZAKL" << QByteArray("NAZEV;DROP TABLE KU\r\nA,1\r\n") << 1;
    }
    void badLineImportsNothing() {
        QVERIFY(dbReady);
        QFETCH(QString, table);
        QFETCH(QByteArray, file);
        QFETCH(int, line);
        const int before = total();
        const ImportResult r = ImportCsvBytes(db, table, Win1250::encode(QString::fromUtf8(file)), "W");
        QVERIFY(!r.ok);
        QCOMPARE(r.line, line);
        QVERIFY2(r.error.startsWith(QStringLiteral("Chyba na řádku: %1\r").arg(line)), qPrintable(r.error));
        QCOMPARE(total(), before);
    }

    void importedValues() {
        QVERIFY(dbReady);
        const QByteArray file = "NAZEV,MESTO,PSC\r\nNULL,Brno,60200\r\nPekárna \"U klasu\",NULL,\r\n\r\n";
        const ImportResult r = ImportCsvBytes(db, "ADRESAR_ZAKL", Win1250::encode(QString::fromUtf8(file)), "W");
        QVERIFY2(r.ok, qPrintable(r.error));
        QCOMPARE(r.rows, 2);
        QCOMPARE(count("select count(*) from ADRESAR_ZAKL where NAZEV is null and MESTO='Brno'"), 1);
        QCOMPARE(count("select count(*) from ADRESAR_ZAKL where NAZEV='Pekárna ''U klasu''' and MESTO is null and PSC=''"), 1);
        QVERIFY(ImportCsvBytes(db, "ADRESAR_ZAKL", QByteArray(), "W").ok);
        bool asked = false;
        const ImportResult c = ImportCsvBytes(db, "KU", "NAZEV\r\nA\r\n", "W", [&](int, int) { asked = true; return false; });
        QVERIFY(asked && c.cancelled && !c.ok);
        QCOMPARE(count("select count(*) from KU where NAZEV='A'"), 0);
    }
};

QTEST_GUILESS_MAIN(TestCsv)
#include "tst_csv.moc"
