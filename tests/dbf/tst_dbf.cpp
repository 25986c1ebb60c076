#include "data/session.h"
#include "data/sqldata.h"
#include "exchange/dbf/dbfimport.h"
#include "exchange/dbf/typ_mkdbf.h"
#include "tests/support/fakeprompt.h"
#include "tests/support/schemadatabase.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {
QString fixture(const QString &name) {
    return qEnvironmentVariable("ZORVA_TEST_SOURCE_DIR") + QStringLiteral("/tests/fixtures/dbf/") + name;
}
QString readText(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}
}

class TestDbf : public QObject {
    Q_OBJECT
    TempDatabase tdb;
    TSQLDATA db;
    bool dbReady = false;

    int count(const QString &sql) { return db.SelectInt(sql); }

private Q_SLOTS:
    // Each table written by python3-dbf reads as the text its generator expects.
    void readsWhatTheOtherToolWrote_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("codepage");
        for (const char *n : {"types", "windows", "latin2", "kamenicky", "addresses", "events", "viran", "longvalue"})
            QTest::newRow(n) << QString::fromLatin1(n) << "W";
        QTest::newRow("no mark, Latin 2 chosen") << "nomark_latin2" << "L";
        // A marked file is converted by its mark alone, whatever the user chose.
        QTest::newRow("Kamenický mark, Kamenický chosen") << "kamenicky" << "K";
        QTest::newRow("Latin 2 mark, Kamenický chosen") << "latin2" << "K";
    }
    void readsWhatTheOtherToolWrote() {
        QFETCH(QString, name);
        QFETCH(QString, codepage);
        QProcess p;
        p.start(ZORVA_CLI_PATH, {"dbf", fixture(name + ".dbf"), "--codepage", codepage});
        QVERIFY(p.waitForFinished(30000));
        QCOMPARE(p.exitCode(), 0);
        QCOMPARE(QString::fromUtf8(p.readAllStandardOutput()), readText(fixture(name + ".expected")));
    }

    void unmarkedFileTakesTheChosenCodePage() {
        TYP_MKDBF dbf;
        QVERIFY(dbf.Open(fixture("nomark_latin2.dbf")));
        QCOMPARE(dbf.MarkedCodePage(), QString());
        QVERIFY(dbf.FieldText(1).trimmed() != QStringLiteral("Žluťoučký kůň Ďábelské Ódy"));
        dbf.SetDefaultCodePage("L");
        QVERIFY(dbf.Open(fixture("nomark_latin2.dbf")));
        QCOMPARE(dbf.FieldText(1).trimmed(), QStringLiteral("Žluťoučký kůň Ďábelské Ódy"));
    }

    void statusCodes_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("status");
        for (const QString &line : readText(fixture("damaged.expected")).split('\n', Qt::SkipEmptyParts)) {
            const QStringList parts = line.split(' ');
            QTest::newRow(qPrintable(parts.at(0))) << parts.at(0) << parts.at(1).toInt();
        }
        QTest::newRow("missing") << "no_such_file" << -1;
    }
    void statusCodes() {
        QFETCH(QString, name);
        QFETCH(int, status);
        TYP_MKDBF dbf;
        const bool opened = dbf.Open(fixture(name + ".dbf"));
        QCOMPARE(dbf.Status(), status);
        // Only an unknown type or a count that disagrees leaves the file readable.
        QCOMPARE(opened, status == 98 || status == -6);
        if (!opened) {
            QCOMPARE(dbf.RecordCount(), 0);
            QVERIFY(!dbf.GoTo(1));
            QCOMPARE(dbf.Status(), int(TYP_MKDBF::NotOpen));
            return;
        }
        for (int n = 1; n <= dbf.RecordCount(); ++n) {
            QVERIFY(dbf.GoTo(n));
            for (int i = 0; i <= dbf.FieldCount() + 1; ++i)
                dbf.FieldText(i);
        }
        if (status == -6) {
            QCOMPARE(dbf.HeaderRecordCount(), 2);
            QCOMPARE(dbf.RecordCount(), 1);  // the cut second record is not read
        }
        if (status == 98) {
            QVERIFY(dbf.GoTo(1));
            QCOMPARE(dbf.FieldText(2), QString());
            QCOMPARE(dbf.Status(), int(TYP_MKDBF::FieldTypeNotAccepted));
        }
    }

    void fieldsAndRecords() {
        TYP_MKDBF dbf;
        QVERIFY(dbf.Open(fixture("types.dbf")));
        QCOMPARE(dbf.Status(), int(TYP_MKDBF::TypeNotAccepted));  // the F field
        QCOMPARE(dbf.FieldCount(), 5);
        QCOMPARE(dbf.FieldName(1), QStringLiteral("NAZEV     "));
        QCOMPARE(dbf.FieldIndex("CASTKA"), 4);
        QCOMPARE(dbf.FieldIndex("castka"), 0);
        QCOMPARE(dbf.FieldIndex("NONE"), 0);
        QCOMPARE(dbf.RecordCount(), 3);
        QCOMPARE(dbf.RecNo(), 1);
        QCOMPARE(dbf.FieldText(0), QStringLiteral(" "));
        QCOMPARE(dbf.FieldText(6), QString());
        QVERIFY(dbf.GoTo(3));
        QCOMPARE(dbf.FieldText(0), QStringLiteral("*"));
        QVERIFY(dbf.Deleted());
        QCOMPARE(dbf.FieldText(3), QStringLiteral("A"));
        QVERIFY(!dbf.GoTo(4));
        QCOMPARE(dbf.Status(), int(TYP_MKDBF::BeyondRecords));
        dbf.Close();
        QVERIFY(!dbf.GoTo(1));
        QCOMPARE(dbf.Status(), int(TYP_MKDBF::NotOpen));
    }

    void readOnlyAndPasswordFiles() {
        QTemporaryDir dir;
        const QString copy = dir.filePath("ADRESY.DBF");
        QVERIFY(QFile::copy(fixture("windows.dbf"), copy));
        QFile::setPermissions(copy, QFile::ReadOwner);
        FakePrompt p;
        TYP_MKDBF dbf;
        QVERIFY(dbf.Open(dir.filePath("ADRESY")));  // the reader never writes, so read-only is fine
        QCOMPARE(dbf.RecordCount(), 2);
        QVERIFY(p.messages.isEmpty());
        QFile kod(dir.filePath("ADRESY.KOD"));
        QVERIFY(kod.open(QIODevice::WriteOnly));
        kod.close();
        QVERIFY(dbf.Open(copy));
        QCOMPARE(p.messages, QStringList{"Nutno zjistit heslo !!! - vnitřní chyba programu"});
    }

    void valuesForTheImport() {
        TYP_MKDBF dbf;
        QVERIFY(dbf.Open(fixture("types.dbf")));
        QCOMPARE(DbfRecordValues(dbf), (QStringList{"\"Praha; Smíchov 'U Nováků'\"", "\"01.05.2026\"", "\"T\"", "\"12.50\"", "\"\""}));
        QVERIFY(dbf.GoTo(2));
        QCOMPARE(DbfRecordValues(dbf), (QStringList{"\"\"", "NULL", "\"?\"", "NULL", "\"\""}));
        QCOMPARE(DbfInsertStatement("KU", "DATUM,NAZEV", {"NULL", "\"a\""}, 0, 3, 7),
                 QStringLiteral("insert into KU(DATUM,NAZEV,vytvoril_kdo,vytvoril_kdy,editoval_kdo,editoval_kdy,F_CIST,F_EDITOVAT,"
                                "F_SMAZAT,F_ADMINISTROVAT,F_ALARM) values(NULL,\"a\",3,CURRENT_TIMESTAMP,3,CURRENT_TIMESTAMP,7,7,7,7,7);"));
        QCOMPARE(DbfInsertStatement("ADRESAR_ZAKL", "NAZEV", {"\"a\""}, 12, 3, 7),
                 QStringLiteral("insert into ADRESAR_ZAKL(ADRESAR_ZAKL_ID,NAZEV,vytvoril_kdo,vytvoril_kdy,editoval_kdo,editoval_kdy,"
                                "F_CIST,F_EDITOVAT,F_SMAZAT,F_ADMINISTROVAT) values(12,\"a\",3,CURRENT_TIMESTAMP,3,CURRENT_TIMESTAMP,7,7,7,7);"));
    }

    // --- on a real database ---
    void initDatabase() {
        const QString e = CreateSchemaDatabase(tdb);
        QVERIFY2(e.isEmpty(), qPrintable(e));
        QVERIFY2(db.ConnectQuiet(tdb.connectionString(), tdb.user(), tdb.password()), qPrintable(db.LastConnectError()));
        SQLDATA = &db;
        Session::setCurrentUserId(2);
        Session::setDefaultGroupId(5);
        dbReady = true;
    }

    void genericImport() {
        QVERIFY(dbReady);
        // Marked Latin 2 and imported through the "Windows" item: converted once, by the mark.
        const ImportResult r = ImportDbfTable(db, fixture("addresses.dbf"), "ADRESAR_ZAKL", "W");
        QVERIFY2(r.ok, qPrintable(r.error));
        QCOMPARE(r.rows, 3);  // the deleted record too
        QCOMPARE(count("select count(*) from ADRESAR_ZAKL where F_CIST=5 and VYTVORIL_KDO=2"), 3);
        QCOMPARE(db.SelectStr("select NAZEV from ADRESAR_ZAKL where PSC='60200'"), QStringLiteral("Firma; s.r.o."));
        QCOMPARE(db.SelectStr("select NAZEV from ADRESAR_ZAKL where PSC='25001'"), QStringLiteral("Pekárna 'U Zlatého klasu'"));
        QCOMPARE(db.SelectStr("select MESTO from ADRESAR_ZAKL where PSC='25001'"), QStringLiteral("Kůň u Prahy"));

        const ImportResult ku = ImportDbfTable(db, fixture("events.dbf"), "KU", "W");
        QVERIFY2(ku.ok, qPrintable(ku.error));
        QCOMPARE(count("select count(*) from KU where DATUM is null and NAZEV='Bez data' and CELY_DEN is null"), 1);
        QCOMPARE(count("select count(*) from KU where DATUM='1.6.2026' and CELY_DEN=1 and F_ALARM=5"), 1);
    }

    void refusedImportsChangeNothing_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("table");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("error");
        QTest::newRow("value too long in record 2") << "longvalue.dbf" << "ADRESAR_ZAKL" << 2 << "Chyba na řádku: 2\r";
        QTest::newRow("field that is no column") << "badcolumn.dbf" << "ADRESAR_ZAKL" << 1 << "Chyba na řádku: 1\r";
        QTest::newRow("field of the other table") << "events.dbf" << "UKOLY" << 1 << "Chyba na řádku: 1\r";
        QTest::newRow("damaged header") << "damaged_reclen_short.dbf" << "KU" << 0 << "Soubor ";
        QTest::newRow("truncated file") << "damaged_truncated.dbf" << "KU" << 0 << "Soubor ";
        QTest::newRow("another table") << "events.dbf" << "BU" << 0 << "Do tabulky BU";
    }
    void refusedImportsChangeNothing() {
        QVERIFY(dbReady);
        QFETCH(QString, file);
        QFETCH(QString, table);
        const int before = count("select count(*) from ADRESAR_ZAKL") + count("select count(*) from KU") + count("select count(*) from UKOLY");
        const ImportResult r = ImportDbfTable(db, fixture(file), table, "W");
        QVERIFY(!r.ok);
        QTEST(r.line, "line");
        QFETCH(QString, error);
        QVERIFY2(r.error.startsWith(error), qPrintable(r.error));
        QCOMPARE(count("select count(*) from ADRESAR_ZAKL") + count("select count(*) from KU") + count("select count(*) from UKOLY"), before);
    }

    void viranImport() {
        QVERIFY(dbReady);
        for (const char *k : {"Firmy", "Subdodavatel", "Projektanti", "Dodavatelé", "Odběratelé"})
            QCOMPARE(db.ExecSQL(QStringLiteral("insert into ADRESAR_C_KAT(ADRESAR_C_KAT_NAZEV) values(\"%1\")").arg(QString::fromUtf8(k))), QString());
        QCOMPARE(db.ExecSQL("insert into ADRESAR_ZAKL(ADRESAR_ZAKL_ID,NAZEV,NAZEV_ZKRACENY,JMENO) values(900,\"Staré\",\"STAVBY\",\"Jan\")"), QString());
        QCOMPARE(db.ExecSQL("insert into ADRESAR_ZAKL_KAT(ADRESAR_ZAKL_ID,ADRESAR_C_KAT_ID,HLAVNI) values(900,(select ADRESAR_C_KAT_ID from ADRESAR_C_KAT where ADRESAR_C_KAT_NAZEV='Projektanti'),1)"), QString());
        const int addresses = count("select count(*) from ADRESAR_ZAKL");

        FakePrompt p;
        p.answers << false;
        QVERIFY(ImportViranAddresses(db, fixture("viran.dbf")).cancelled);
        QCOMPARE(p.questions, QStringList{ViranWarningText()});
        QCOMPARE(count("select count(*) from ADRESAR_ZAKL"), addresses);

        p.answers << true;
        const ImportResult r = ImportViranAddresses(db, fixture("viran.dbf"));
        QVERIFY2(r.ok, qPrintable(r.error));
        // The existing short name is updated; its categories, short name and other columns stay.
        QCOMPARE(db.SelectRow("select NAZEV,NAZEV_ZKRACENY,PRIJMENI,JMENO,TELEFON1,DIC from ADRESAR_ZAKL where ADRESAR_ZAKL_ID=900", "|"),
                 QStringLiteral("Stavby Kůň a.s.|STAVBY|Novák|Jan|123 456 789 / 987 65|CZ12345678"));
        QCOMPARE(count("select count(*) from ADRESAR_ZAKL_KAT where ADRESAR_ZAKL_ID=900"), 1);
        // The short name that appears twice in the file is inserted once, then updated.
        QCOMPARE(count("select count(*) from ADRESAR_ZAKL"), addresses + 1);
        const int id = count("select ADRESAR_ZAKL_ID from ADRESAR_ZAKL where NAZEV_ZKRACENY='NOVAFIRMA'");
        QCOMPARE(db.SelectStr(QStringLiteral("select ULICE from ADRESAR_ZAKL where ADRESAR_ZAKL_ID=%1").arg(id)), QStringLiteral("Polní 3"));
        QCOMPARE(db.SelectColumn(QStringLiteral("select k.ADRESAR_C_KAT_NAZEV || ':' || coalesce(z.HLAVNI,0) from ADRESAR_ZAKL_KAT z join ADRESAR_C_KAT k on "
                                                "k.ADRESAR_C_KAT_ID=z.ADRESAR_C_KAT_ID where z.ADRESAR_ZAKL_ID=%1 order by 1").arg(id), ","),
                 QStringLiteral("Odběratelé:0,Subdodavatel:1"));
    }

    void cliImport() {
        QVERIFY(dbReady);
        db.Disconnect();
        QProcess p;
        const QStringList base = {"--db", tdb.connectionString(), "--db-user", tdb.user(), "--db-password", tdb.password()};
        p.start(ZORVA_CLI_PATH, base + QStringList{"import-dbf", fixture("windows.dbf"), "--table", "ADRESAR_ZAKL", "--user", "3"});
        QVERIFY(p.waitForFinished(60000));
        QCOMPARE(p.exitCode(), 0);
        p.start(ZORVA_CLI_PATH, base + QStringList{"import-dbf", fixture("longvalue.dbf"), "--table", "ADRESAR_ZAKL"});
        QVERIFY(p.waitForFinished(60000));
        QCOMPARE(p.exitCode(), 1);
        QVERIFY(QString::fromUtf8(p.readAllStandardError()).startsWith("Chyba na řádku: 2"));
        QVERIFY(db.ConnectQuiet(tdb.connectionString(), tdb.user(), tdb.password()));
        QCOMPARE(count("select count(*) from ADRESAR_ZAKL where VYTVORIL_KDO=3 and MESTO='Čáslav'"), 1);
        QCOMPARE(count("select count(*) from ADRESAR_ZAKL where NAZEV='První'"), 0);
    }
};

QTEST_GUILESS_MAIN(TestDbf)
#include "tst_dbf.moc"
