#include "business/bank/bu_gpc.h"
#include "business/bank/gpcimport.h"
#include "data/session.h"
#include "data/sqldata.h"
#include "tests/support/fakeprompt.h"
#include "tests/support/schemadatabase.h"

#include <QProcess>
#include <QtTest>

namespace {
QString fixture(const QString &name) {
    return qEnvironmentVariable("ZORVA_TEST_SOURCE_DIR") + QStringLiteral("/tests/fixtures/gpc/") + name;
}
TBU_GPC loaded(const QString &name) {
    TBU_GPC g;
    if (!g.Load(fixture(name)))
        qFatal("cannot read fixture %s", qPrintable(name));
    return g;
}
}

class TestGpc : public QObject {
    Q_OBJECT
    TempDatabase tdb;
    TSQLDATA db;
    bool dbReady = false;

    int count(const QString &sql) { return db.SelectInt(sql); }

private Q_SLOTS:
    void validity_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<int>("records");
        QTest::newRow("blank lines inside and at the end") << "statement.gpc" << true << 6;
        QTest::newRow("LF line ends") << "bank0100.gpc" << true << 1;
        QTest::newRow("header only") << "header_only.gpc" << false << 0;
        QTest::newRow("a line of another type") << "wrong_type.gpc" << false << 2;
    }
    void validity() {
        QFETCH(QString, file);
        QFETCH(bool, valid);
        QFETCH(int, records);
        const TBU_GPC g = loaded(file);
        QCOMPARE(g.SpravnaData(), valid);
        QCOMPARE(g.PocetVet(), records);
        if (!valid)
            QCOMPARE(g.PrehledDoHTML(), QStringLiteral("Error in file<br>"));
    }

    void header() {
        const TBU_GPC g = loaded("statement.gpc");
        QCOMPARE(g.Souhrn_CisloUctu(), QStringLiteral("0000001234567890"));
        QCOMPARE(g.Souhrn_NazevUctu(), QStringLiteral("Novák s.r.o.        "));
        QCOMPARE(g.Souhrn_DatumStarehoZustatku(), QDate(2026, 5, 1));
        QCOMPARE(g.Souhrn_StaryZustatek(), 12345.67);
        QCOMPARE(g.Souhrn_NovyZustatek(), -10000.0);
        QCOMPARE(g.Souhrn_ObratyDebet(), 2500.5);
        QCOMPARE(g.Souhrn_ObratyKredit(), 155.33);
        QCOMPARE(g.Souhrn_PoradoveCVypisu(), 7);
        QCOMPARE(g.Souhrn_DatumZuctovani(), QDate(2026, 5, 31));
        QCOMPARE(g.Souhrn_IBAN(), QStringLiteral("CZ650000"));
        QCOMPARE(g.Souhrn_KANAL(), QStringLiteral("01"));
        QCOMPARE(g.VratKodBanky(), QStringLiteral("0000"));
        QCOMPARE(g.LineNumbers, (QList<int>{1, 2, 4, 6, 7, 8, 9}));
    }

    void records_data() {
        QTest::addColumn<int>("i");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("words");
        QTest::addColumn<double>("signedAmount");
        QTest::addColumn<double>("debit");
        QTest::addColumn<double>("credit");
        QTest::addColumn<qint64>("vs");
        QTest::addColumn<QDate>("due");
        QTest::newRow("debit, ten-digit symbol") << 1 << 1 << "debet" << -1500.25 << 1500.25 << 0.0 << qint64(9876543210) << QDate(2026, 5, 15);
        QTest::newRow("credit") << 2 << 2 << "kredit" << 200.0 << 0.0 << 200.0 << qint64(1234) << QDate(2026, 5, 16);
        QTest::newRow("storno debit") << 3 << 4 << "storno debet" << -10.05 << 10.05 << 0.0 << qint64(0) << QDate(2026, 5, 17);
        QTest::newRow("storno credit, symbol not a number") << 4 << 5 << "storno kredit" << 3.3 << 0.0 << 3.3 << qint64(0) << QDate(2026, 5, 18);
        QTest::newRow("unknown code") << 5 << 3 << "?" << 0.0 << 0.0 << 0.0 << qint64(7) << QDate(2026, 5, 19);
        QTest::newRow("short line") << 6 << 2 << "kredit" << 50.0 << 0.0 << 50.0 << qint64(0) << QDate();
    }
    void records() {
        QFETCH(int, i);
        const TBU_GPC g = loaded("statement.gpc");
        QTEST(g.Veta_KodUctovani(i), "code");
        QTEST(g.Veta_KodUctovaniSlovy(i), "words");
        QTEST(g.Veta_CastkaSeZnamenkem(i), "signedAmount");
        QTEST(g.Veta_CastkaDebet(i), "debit");
        QTEST(g.Veta_CastkaKredit(i), "credit");
        QTEST(g.Veta_VariabilniSymbolAsInteger(i), "vs");
        QTEST(g.Veta_DatumSplatnosti(i), "due");
    }

    void shortLineFieldsAreEmpty() {
        const TBU_GPC g = loaded("statement.gpc");
        QCOMPARE(g.Veta_CisloProtiuctu(6), QStringLiteral("0000000000001111"));
        QCOMPARE(g.Veta_VariabilniSymbol(6), QString());
        QCOMPARE(g.Veta_KonstantniSymbol(6), QString());
        QCOMPARE(g.Veta_DoplnujiciUdaj(6), QString());
        QCOMPARE(g.Veta_KodBanky(1), QStringLiteral("0800"));
        QCOMPARE(g.Veta_DoplnujiciUdaj(2), QStringLiteral("Úhrada \"FV 12\"      "));
    }

    void bank0100Rearrangement() {
        const TBU_GPC g = loaded("bank0100.gpc");
        QCOMPARE(g.VratKodBanky(), QStringLiteral("0100"));
        QCOMPARE(g.Souhrn_CisloUctu(), QStringLiteral("1234565678940231"));
        QCOMPARE(g.Veta_CisloUctuKlienta(1), QStringLiteral("1234565678940231"));
        // The due date of the record is not read: the statement's accounting date is.
        QCOMPARE(g.Veta_DatumSplatnosti(1), QDate(2026, 4, 30));
        QCOMPARE(g.Souhrn_NazevUctu(), QStringLiteral("Firma 0100          "));

        const TBU_GPC other = loaded("bank0100_other.gpc");
        QCOMPARE(other.VratKodBanky(), QStringLiteral("0000"));
        QCOMPARE(other.Souhrn_CisloUctu(), QStringLiteral("1234567890123456"));
        QCOMPARE(other.Veta_DatumSplatnosti(1), QDate(2001, 1, 1));
    }

    void numbersAndDates_data() {
        QTest::addColumn<QString>("whole");
        QTest::addColumn<QString>("hundredths");
        QTest::addColumn<qint64>("value");
        QTest::newRow("plain") << "0000001500" << "25" << qint64(150025);
        QTest::newRow("one digit of hundredths") << "12" << "5" << qint64(1250);
        QTest::newRow("no hundredths") << "12" << "" << qint64(1200);
        QTest::newRow("empty") << "" << "" << qint64(0);
        QTest::newRow("not a number") << "12A4" << "00" << qint64(0);
        QTest::newRow("twelve digits") << "999999999999" << "99" << qint64(99999999999999);
    }
    void numbersAndDates() {
        QFETCH(QString, whole);
        QFETCH(QString, hundredths);
        QTEST(TBU_GPC::HundredthsFrom(whole, hundredths), "value");
        QCOMPARE(TBU_GPC::DateFromDDMMYY("290224"), QDate(2024, 2, 29));
        QVERIFY(!TBU_GPC::DateFromDDMMYY("290223").isValid());
        QVERIFY(!TBU_GPC::DateFromDDMMYY("  0101").isValid());
        QCOMPARE(TBU_GPC::FormatHundredths(-5), QStringLiteral("-0.05"));
    }

    void html() {
        const TBU_GPC g = loaded("statement.gpc");
        const QString h = g.PrehledDoHTML();
        QVERIFY(h.startsWith("<TABLE border=1 style=\"border-collapse: collapse\">\r\n<tr><td><b>Číslo účtu</b></td><td>0000001234567890</td></tr>\r\n"));
        QVERIFY(h.contains("<tr><td><b>Starý zůstatek</b></td><td align=right>            12345.67</td></tr>"));
        QVERIFY(h.contains("<tr><td><b>Číslo výpisu</b></td><td align=right>     7</td></tr>"));
        QVERIFY(h.contains("<TABLE border=1 width=100% style=\"border-collapse: collapse\">"));
        QVERIFY(h.contains("<tr><td align=right><b>1.</b></td><td>0000001234567890</td><td>0000000019283746</td><td>0800</td>"
                           "<td align=right>             1500.25</td><td>debet</td>"));
        // File text is shown, never interpreted.
        QVERIFY(h.contains("Úhrada &quot;FV 12&quot;"));
        QCOMPARE(h.count("<tr><td align=right><b>"), 6);
        QVERIFY(h.endsWith("</table>"));

        FakePrompt p;
        const QString files = GpcFilesPreviewHtml({fixture("statement.gpc"), fixture("header_only.gpc"), fixture("bank0100.gpc")});
        QCOMPARE(files.count("<hr>"), 1);
        QVERIFY(files.startsWith("<b>statement.gpc</b><br>\r\n<TABLE"));
        QVERIFY(files.contains("<hr><b>bank0100.gpc</b><br>\r\n"));
        QCOMPARE(p.messages, QStringList{GpcInvalidFileMessage(fixture("header_only.gpc"))});
    }

    void statementText() {
        const TBU_GPC g = loaded("statement.gpc");
        QCOMPARE(GpcInsertStatement(g, 1, 3, 2, 5),
                 QStringLiteral("insert into BU_VYPIS(BU_ID,DATUM,UCET,BANKA,DOPLNUJICI_UDAJ,VARIABILNI,SPECIFICKY,KONSTANTNI,CASTKA,"
                                "CASTKA_DEBET,CASTKA_KREDIT,CASTKA_ZUSTATEK,PORADOVE_CISLO,PORADOVE_CISLO_V_DAVCE,POZNAMKA,KOD_UCTOVANI,"
                                "BU_DRUH_PLATBY_ID,vytvoril_kdo,vytvoril_kdy,editoval_kdo,editoval_kdy)  values(3,\"15.5.2026\","
                                "\"0000000019283746\",\"0800\",\"Platba za zboží     \",\"9876543210\",\"0000000042\",\"0008000308\","
                                "-1500.25,1500.25,0.00,\"0\",7,1,\"\",1,2,5,CURRENT_TIMESTAMP,5,CURRENT_TIMESTAMP);"));
        // A quote in the counter-party text stays inside its literal; a missing due date is NULL.
        QVERIFY(GpcInsertStatement(g, 2, 3, 0, 5).contains(",\"Úhrada \"\"FV 12\"\"      \","));
        QVERIFY(GpcInsertStatement(g, 2, 3, 0, 5).contains(",2,NULL,5,CURRENT_TIMESTAMP"));
        QVERIFY(GpcInsertStatement(g, 6, 3, 0, 5).contains("values(3,NULL,"));
    }

    void cliOutput_data() {
        QTest::addColumn<QString>("file");
        QTest::newRow("statement") << "statement";
        QTest::newRow("bank 0100") << "bank0100";
    }
    void cliOutput() {
        QFETCH(QString, file);
        QProcess p;
        p.start(ZORVA_CLI_PATH, {"gpc", fixture(file + ".gpc")});
        QVERIFY(p.waitForFinished(30000));
        QCOMPARE(p.exitCode(), 0);
        QFile expected(fixture(file + ".expected"));
        QVERIFY(expected.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(expected.readAll()));
    }
    void cliRefusesInvalidFile() {
        QProcess p;
        p.start(ZORVA_CLI_PATH, {"gpc", fixture("header_only.gpc")});
        QVERIFY(p.waitForFinished(30000));
        QCOMPARE(p.exitCode(), 1);
        QVERIFY(p.readAllStandardOutput().isEmpty());
        QVERIFY(QString::fromUtf8(p.readAllStandardError()).contains("Soubor není ve správném formátu !"));
    }

    // --- on a real database ---
    void initDatabase() {
        const QString e = CreateSchemaDatabase(tdb);
        QVERIFY2(e.isEmpty(), qPrintable(e));
        QVERIFY2(db.ConnectQuiet(tdb.connectionString(), tdb.user(), tdb.password()), qPrintable(db.LastConnectError()));
        SQLDATA = &db;
        Session::setCurrentUserId(4);
        const int kind = db.SelectInt("select BU_DRUH_PLATBY_ID from BU_DRUH_PLATBY where DRUH=2");
        QVERIFY(kind > 0);
        QCOMPARE(db.ExecSQL(QStringLiteral("insert into BU(BU_ID,BU_UCET,BU_BANKA,POPIS,BU_DRUH_PLATBY_ID) values(1,\"0000001234567890\",\"0300\",\"Hlavní\",%1)").arg(kind)), QString());
        QCOMPARE(db.ExecSQL("insert into BU(BU_ID,BU_UCET,BU_BANKA,POPIS) values(2,\"1234565678940231\",\"0100\",\"Druhý\")"), QString());
        dbReady = true;
    }

    void importTwiceStoresTwice() {
        QVERIFY(dbReady);
        const TBU_GPC g = loaded("statement.gpc");
        QList<int> seen;
        const GpcImportResult r = ImportGpcIntoAccount(db, g, 1, [&](int done, int total) { seen << done; return total == 6; });
        QVERIFY2(r.ok, qPrintable(r.error));
        QCOMPARE(r.rows, 6);
        QVERIFY(!seen.isEmpty());
        QCOMPARE(count("select count(*) from BU_VYPIS where BU_ID=1"), 6);
        QCOMPARE(db.SelectStr("select VARIABILNI from BU_VYPIS where PORADOVE_CISLO_V_DAVCE=1"), QStringLiteral("9876543210"));
        QCOMPARE(db.SelectFloat("select sum(CASTKA) from BU_VYPIS"), -1500.25 + 200 - 10.05 + 3.3 + 50);
        QCOMPARE(count("select count(*) from BU_VYPIS where DATUM is null"), 1);
        QCOMPARE(count("select count(*) from BU_VYPIS where KOD_UCTOVANI=3 and CASTKA=0 and CASTKA_DEBET=0 and CASTKA_KREDIT=0"), 1);
        QCOMPARE(count("select count(*) from BU_VYPIS where BU_DRUH_PLATBY_ID is not null and PORADOVE_CISLO=7 and VYTVORIL_KDO=4"), 6);
        QVERIFY(ImportGpcIntoAccount(db, g, 1).ok);
        QCOMPARE(count("select count(*) from BU_VYPIS where BU_ID=1"), 12);
        QCOMPARE(count("select count(*) from BU_VYPIS where PORADOVE_CISLO_V_DAVCE=6"), 2);
    }

    void badFileChangesNothing() {
        QVERIFY(dbReady);
        const int before = count("select count(*) from BU_VYPIS");
        const GpcImportResult r = ImportGpcIntoAccount(db, loaded("bad_date.gpc"), 1);
        QVERIFY(!r.ok);
        QCOMPARE(r.line, 5);
        QVERIFY2(r.error.startsWith("Chyba na řádku: 5"), qPrintable(r.error));
        QCOMPARE(count("select count(*) from BU_VYPIS"), before);

        const GpcImportResult cancelled = ImportGpcIntoAccount(db, loaded("statement.gpc"), 1, [](int, int) { return false; });
        QVERIFY(cancelled.cancelled && !cancelled.ok);
        QVERIFY(!ImportGpcIntoAccount(db, loaded("statement.gpc"), 99).ok);
        QCOMPARE(count("select count(*) from BU_VYPIS"), before);
    }

    void menuImportFindsTheAccount() {
        QVERIFY(dbReady);
        FakePrompt p;
        const int before = count("select count(*) from BU_VYPIS");
        bool any = false;
        // The invalid file is reported and skipped; the 0100 statement goes to account 2 (no
        // payment kind, so NULL); the last file's account is unknown and ends the run.
        const int rows = ImportGpcFiles(db, {fixture("header_only.gpc"), fixture("bank0100.gpc"), fixture("bank0100_other.gpc"),
                                             fixture("statement.gpc")}, {}, &any);
        QCOMPARE(rows, 1);
        QVERIFY(any);
        QCOMPARE(p.messages.size(), 2);
        QCOMPARE(p.messages.at(0), GpcInvalidFileMessage(fixture("header_only.gpc")));
        QCOMPARE(p.messages.at(1), QStringLiteral("Soubor obsahuje výpis pro následující účet:\r\n1234567890123456\r\nFirma 0100          \r\n"
                                                  "Tento účet je v bankovních účtech zadán 0x, musí být zadán 1x !"));
        QCOMPARE(count("select count(*) from BU_VYPIS"), before + 1);
        // The counter-account of a 0100 statement is rearranged too.
        QCOMPARE(db.SelectStr("select UCET from BU_VYPIS where BU_ID=2"), QStringLiteral("5678900012304000"));
        QCOMPARE(count("select count(*) from BU_VYPIS where BU_ID=2 and BU_DRUH_PLATBY_ID is null and DATUM='30.4.2026'"), 1);
    }
};

QTEST_GUILESS_MAIN(TestGpc)
#include "tst_gpc.moc"
