#include "data/crc32.h"
#include "data/scramble.h"
#include "data/session.h"
#include "data/sqldata.h"
#include "data/sqltext.h"
#include "exchange/codepage/win1250.h"
#include "tests/support/fakeprompt.h"
#include "tests/support/tempdatabase.h"

#include <QProcess>
#include <QSignalSpy>
#include <QtTest>

// Runs on a real database: embedded by default, through a server on loopback when
// ZORVA_TEST_FB_SERVER is set.
class TestFirebird : public QObject {
    Q_OBJECT
    TempDatabase tdb;
    TSQLDATA db;

    QStringList cliBase() const {
        return {"--db", tdb.connectionString(), "--db-user", tdb.user(), "--db-password", tdb.password()};
    }
    int runCli(const QStringList &args, QByteArray *out = nullptr, QByteArray *err = nullptr) {
        QProcess p;
        p.start(ZORVA_CLI_PATH, cliBase() + args);
        if (!p.waitForFinished(60000))
            return -1;
        if (out)
            *out = p.readAllStandardOutput();
        if (err)
            *err = p.readAllStandardError();
        return p.exitCode();
    }
    void exec(const QString &sql) {
        const QString e = db.ExecSQL(sql);
        QVERIFY2(e.isEmpty(), qPrintable(sql + "\n" + e));
    }

private Q_SLOTS:
    void initTestCase() {
        if (tdb.viaServer() && !tdb.create()) {
            if (qEnvironmentVariableIsSet("ZORVA_REQUIRE_FB_SERVER"))
                QFAIL(qPrintable("No Firebird server: " + tdb.error()));
            QSKIP(qPrintable("No Firebird server on " + TempDatabase::serverFromEnvironment() + ": " + tdb.error()));
        }
        if (!tdb.viaServer())
            QVERIFY2(tdb.create(), qPrintable(tdb.error()));
        QVERIFY2(db.ConnectQuiet(tdb.connectionString(), tdb.user(), tdb.password()), qPrintable(db.LastConnectError()));
        SQLDATA = &db;
        exec("CREATE TABLE MISTA (MISTO VARCHAR(50), ZAZNAM INTEGER, REZIM INTEGER, UZIVATEL_ID INTEGER, CAS DATE)");
        exec("CREATE TABLE POKUS (ID INTEGER NOT NULL PRIMARY KEY, NAZEV VARCHAR(60), KOD CHAR(5), CASTKA NUMERIC(15,2), "
             "MALE NUMERIC(9,3), KOEF DOUBLE PRECISION, DATUM DATE, POZNAMKA BLOB SUB_TYPE 1)");
        exec("CREATE GENERATOR GEN_POKUS");
        exec("CREATE PROCEDURE PROC_UDELEJTE_REFRESH AS BEGIN POST_EVENT 'UDELEJTE REFRESH'; END");
        exec("CREATE PROCEDURE VRAT_CAS_SERVERU RETURNS (DATUMCAS DATE) AS BEGIN DATUMCAS = CURRENT_TIMESTAMP; END");
        exec("CREATE PROCEDURE UPDATE_POKUS_POZNAMKA (ID INTEGER, POZNAMKA BLOB SUB_TYPE 1) AS BEGIN "
             "UPDATE POKUS SET POZNAMKA = :POZNAMKA WHERE ID = :ID; END");
    }

    void connectFailureShowsText1002() {
        FakePrompt p;
        TSQLDATA other;
        const QString name = tdb.folder() + "/missing.fdb";
        QVERIFY(!other.Connect(name, tdb.user(), tdb.password()));
        QCOMPARE(p.messages, QStringList{QStringLiteral("Chyba pripojení k databázi:") + name});
        QVERIFY(!other.LastConnectError().isEmpty());
    }

    void reconnect() {
        TSQLDATA other;
        QVERIFY(other.ConnectQuiet(tdb.connectionString(), tdb.user(), tdb.password()));
        QVERIFY(other.ConnectQuiet(tdb.connectionString(), tdb.user(), tdb.password()));
        QCOMPARE(other.SelectInt("select 7 from rdb$database"), 7);
        other.Disconnect();
        QVERIFY(!other.Connected());
    }

    void valuesAndTextForms() {
        exec("DELETE FROM POKUS");
        exec("INSERT INTO POKUS (ID, NAZEV, KOD, CASTKA, MALE, KOEF, DATUM) VALUES (1, " + QuoteStr("Žluťoučký kůň, \"úpěl\"")
             + ", \"ab\", 1234.50, -0.125, 0.1, \"5.3.2004\")");
        exec("INSERT INTO POKUS (ID, NAZEV, DATUM) VALUES (2, \"\", \"24.12.2025 18:05:09\")");
        TMKDATASET ds;
        db.FillDataset("select ID, NAZEV, KOD, CASTKA, MALE, KOEF, DATUM from POKUS order by ID", ds);
        QCOMPARE(ds.SQL, QStringLiteral("select ID, NAZEV, KOD, CASTKA, MALE, KOEF, DATUM from POKUS order by ID"));
        QCOMPARE(ds.lines().value(0), QStringLiteral("ID,NAZEV,KOD,CASTKA,MALE,KOEF,DATUM"));
        QCOMPARE(ds.RecordCount(), 2);
        QCOMPARE(ds.Value(1, 2), QStringLiteral("Žluťoučký kůň, \"úpěl\""));
        QCOMPARE(ds.Value(1, 3), QStringLiteral("ab"));
        QCOMPARE(ds.Value(1, 4), QStringLiteral("1234.5"));
        QCOMPARE(ds.Value(1, 5), QStringLiteral("-0.125"));
        QCOMPARE(ds.Value(1, 6), QStringLiteral("0.1"));
        QCOMPARE(ds.Value(1, 7), QStringLiteral("5.3.2004"));
        QCOMPARE(ds.Row(2), (QStringList{"2", "", "", "", "", "", "24.12.2025 18:05:09"}));
        QCOMPARE(ds.AsDate(2, "DATUM"), QDateTime(QDate(2025, 12, 24), QTime(18, 5, 9)));

        QCOMPARE(db.SelectInt("select ID from POKUS where ID = 99"), 0);
        QCOMPARE(db.SelectInt("select CASTKA from POKUS where ID = 2"), 0);
        QCOMPARE(db.SelectFloat("select CASTKA from POKUS where ID = 1"), 1234.5);
        QCOMPARE(db.SelectStr("select NAZEV from POKUS where ID = 1"), QStringLiteral("Žluťoučký kůň, \"úpěl\""));
        QCOMPARE(db.SelectColumn("select ID from POKUS order by ID", ";"), QStringLiteral("1;2"));
        QCOMPARE(db.SelectColumn("select ID from POKUS order by ID", ""), QStringLiteral("12"));
        QCOMPARE(db.SelectRow("select ID, KOD from POKUS where ID = 1", "|"), QStringLiteral("1|ab"));
        QCOMPARE(db.SelectRow("select ID from POKUS where ID = 99", "|"), QString());
        QStringList list;
        db.SelectList("select ID, NAZEV from POKUS where ID = 1", true, list, ",");
        QCOMPARE(list, (QStringList{"ID,NAZEV", "1,Žluťoučký kůň  \"úpěl\""}));
        db.AppendDataset("select ID, NAZEV, KOD, CASTKA, MALE, KOEF, DATUM from POKUS where ID = 1", ds);
        QCOMPARE(ds.RecordCount(), 3);
    }

    void readErrorRaises() {
        QVERIFY_THROWS_EXCEPTION(SqlReadError, db.SelectInt("select NEEXISTUJE from POKUS"));
        // The object stays usable.
        QCOMPARE(db.SelectInt("select 1 from rdb$database"), 1);
    }

    void failingBatchLeavesNothing() {
        exec("DELETE FROM POKUS");
        const QString error = db.ExecSQLList({"INSERT INTO POKUS (ID) VALUES (10)", "INSERT INTO POKUS (ID) VALUES (11)",
                                              "INSERT INTO POKUS (ID) VALUES (10)"});
        QVERIFY(!error.isEmpty());
        QCOMPARE(db.SelectInt("select count(*) from POKUS"), 0);
        QCOMPARE(db.ExecSQLList({"INSERT INTO POKUS (ID) VALUES (10)", "INSERT INTO POKUS (ID) VALUES (11)"}), QString());
        QCOMPARE(db.SelectInt("select count(*) from POKUS"), 2);
        QVERIFY(!db.ExecSQL("INSERT INTO NEEXISTUJE VALUES (1)").isEmpty());
        int rows = -1;
        QCOMPARE(db.ExecSQLCount("UPDATE POKUS SET KOD = \"x\"", &rows), QString());
        QCOMPARE(rows, 2);
    }

    void genIdIsConsecutive() {
        const int a = db.GenId("GEN_POKUS");
        const int b = db.GenId("GEN_POKUS");
        QCOMPARE(b, a + 1);
    }

    void blobRoundTrip() {
        exec("DELETE FROM POKUS");
        exec("INSERT INTO POKUS (ID) VALUES (1)");
        QByteArray text = Win1250::encode(QStringLiteral("Příliš žluťoučký kůň úpěl ďábelské ódy.\r\n\"Uvozovky\", čárky; ŘŠČŽÝÁÍÉÚŮ\r\n"));
        text = text.repeated(2000); // larger than one segment
        QCOMPARE(db.SaveBlob("UPDATE_POKUS_POZNAMKA", 1, text), QString());
        QCOMPARE(db.LoadBlob("select POZNAMKA from POKUS where ID = 1", "POZNAMKA"), text);
        QCOMPARE(db.LoadBlob("select POZNAMKA from POKUS where ID = 2", "POZNAMKA"), QByteArray());
    }

    void serverTime() {
        const QDateTime t = db.ServerTime(0);
        QVERIFY(t.isValid());
        QVERIFY(qAbs(t.secsTo(QDateTime::currentDateTime())) < 120);
        QVERIFY(qAbs(db.ServerTime(1).secsTo(t.addDays(1))) < 5);
        QVERIFY(QRegularExpression("^\\d\\d\\.\\d\\d\\.\\d{4} \\d\\d:\\d\\d:\\d\\d$").match(db.ServerTimeText(0)).hasMatch());
    }

    void metadata() {
        QStringList l;
        db.ListMetadata(1, {}, {}, l);
        QVERIFY(l.contains("POKUS"));
        QVERIFY(l.contains("MISTA"));
        db.ListMetadata(12, "POKUS", {}, l);
        QCOMPARE(l.mid(0, 3), (QStringList{"ID", "NAZEV", "KOD"}));
        db.ListMetadata(0, "POKUS", "NAZEV", l);
        QCOMPARE(l.value(0), QStringLiteral("TABLE_NAME,FIELD_NAME,FIELD_TYPE,FIELD_LENGTH,FIELD_SCALE"));
        QCOMPARE(l.size(), 2);
        db.ListMetadata(13, "POKUS", "NAZEV", l);
        QCOMPARE(l.value(0), QStringLiteral("POKUS-NAZEV-VARYING-60-0"));
        db.ListMetadata(11, {}, {}, l);
        QCOMPARE(l, QStringList{tdb.connectionString()});
        db.ListMetadata(5, {}, {}, l);
        QCOMPARE(l, QStringList{QStringLiteral("Není implentováno")});
        QCOMPARE(db.FieldTypeName("POKUS", "DATUM"), QStringLiteral("TIMESTAMP"));
        QCOMPARE(db.FieldTypeName("POKUS", "ID"), QStringLiteral("LONG"));
    }

    void lockProtocol() {
        exec("DELETE FROM MISTA");
        Session::setCurrentUserId(1);
        QVERIFY(db.LockRecord("KU", 5, 1));
        QVERIFY(!db.LockRecord("KU", 5, 1)); // the same user cannot open the record twice
        Session::setCurrentUserId(2);
        QVERIFY(db.LockRecord("KU", 5, 1));  // shared beside shared
        Session::setCurrentUserId(3);
        QVERIFY(!db.LockRecord("KU", 5, 2)); // exclusive refused while others hold it
        QVERIFY(db.LockRecord("KU", 6, 2));
        Session::setCurrentUserId(4);
        QVERIFY(!db.LockRecord("KU", 6, 1)); // an exclusive lock refuses everyone
        QVERIFY(db.LockRecord("KU", 0, 1));  // whole table, shared
        Session::setCurrentUserId(5);
        QVERIFY(!db.LockRecord("KU", 7, 2)); // a table lock refuses an exclusive record lock
        QCOMPARE(db.SelectInt("select count(*) from MISTA where MISTO='KU' and UZIVATEL_ID=4"), 1);
        QCOMPARE(db.SelectStr("select REZIM from MISTA where UZIVATEL_ID=3"), QStringLiteral("2"));

        Session::setCurrentUserId(1);
        QVERIFY(!db.ChangeLockMode("KU", 5, 2)); // user 2 also holds record 5
        Session::setCurrentUserId(3);
        QVERIFY(db.ChangeLockMode("KU", 6, 1));
        QCOMPARE(db.SelectStr("select REZIM from MISTA where UZIVATEL_ID=3"), QStringLiteral("1"));
        Session::setCurrentUserId(4);
        QVERIFY(db.LockRecord("KU", 0, 0)); // mode 0 releases the user's locks of the table
        QCOMPARE(db.SelectInt("select count(*) from MISTA where UZIVATEL_ID=4"), 0);
        Session::setCurrentUserId(2);
        db.UnlockTable("KU");
        QCOMPARE(db.SelectInt("select count(*) from MISTA where UZIVATEL_ID=2"), 0);
        Session::setCurrentUserId(1);
        QCOMPARE(db.UnlockAll(), QString());
        QCOMPARE(db.SelectInt("select count(*) from MISTA where UZIVATEL_ID=1"), 0);
        Session::setCurrentUserId(3);
        db.UnlockAll();
        QCOMPARE(db.SelectInt("select count(*) from MISTA"), 0);
    }

    void lockAsk() {
        exec("DELETE FROM MISTA");
        FakePrompt p;
        Session::setCurrentUserId(1);
        QVERIFY(db.LockRecordAsk("KU", 0, 2));
        QCOMPARE(db.SelectInt("select count(*) from MISTA"), 0);
        QVERIFY(db.LockRecordAsk("KU", 9, 2));
        Session::setCurrentUserId(2);
        p.answers = {true, false};
        QVERIFY(!db.LockRecordAsk("KU", 9, 1));
        QCOMPARE(p.questions.size(), 2);
        QCOMPARE(p.questions.first(), QStringLiteral("Záznam blokován jiným uživatelem.\r\nChcete to zkusit znova ?"));
        Session::setCurrentUserId(1);
        db.UnlockAll();
    }

    void lockRaceHasOneWinner() {
        exec("DELETE FROM MISTA");
        for (int round = 0; round < 4; ++round) {
            QList<QProcess *> procs;
            for (int user = 1; user <= 3; ++user) {
                auto *p = new QProcess(this);
                p->start(ZORVA_CLI_PATH, cliBase() + QStringList{"lock", "--user", QString::number(user), "FAKTURY",
                                                                  QString::number(100 + round), "2"});
                procs << p;
            }
            int winners = 0;
            for (QProcess *p : procs) {
                QVERIFY(p->waitForFinished(60000));
                QVERIFY2(p->exitCode() == 0 || p->exitCode() == 1, p->readAllStandardError().constData());
                winners += p->exitCode() == 0;
                delete p;
            }
            QCOMPARE(winners, 1);
            QCOMPARE(db.SelectInt("select count(*) from MISTA where ZAZNAM=" + QString::number(100 + round)), 1);
        }
        QCOMPARE(runCli({"unlock-all", "--user", "1"}), 0);
        QCOMPARE(runCli({"unlock-all", "--user", "2"}), 0);
        QCOMPARE(runCli({"unlock-all", "--user", "3"}), 0);
        QCOMPARE(db.SelectInt("select count(*) from MISTA"), 0);
    }

    void notificationReachesAnotherProcess() {
        QProcess listener;
        listener.start(ZORVA_CLI_PATH, cliBase() + QStringList{"listen", "--timeout", "20"});
        QVERIFY(listener.waitForStarted());
        // The listener may not be registered yet: notify until it reports.
        QElapsedTimer timer;
        timer.start();
        QByteArray got;
        while (timer.elapsed() < 15000 && !got.contains("UDELEJTE REFRESH")) {
            QVERIFY(db.NotifyChange());
            listener.waitForReadyRead(500);
            got += listener.readAllStandardOutput();
        }
        QVERIFY2(got.startsWith("UDELEJTE REFRESH\n"), got.constData());
        listener.kill();
        listener.waitForFinished();
    }

    void notificationArrivesHere() {
        QSignalSpy spy(&db, &TDataModuleIb::databaseChanged);
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < 15000 && spy.isEmpty()) {
            QCOMPARE(runCli({"notify"}), 0);
            spy.wait(500);
        }
        QVERIFY(!spy.isEmpty());
    }

    void scriptFiles() {
        exec("DELETE FROM POKUS");
        const QString key = "tajný klíč";
        const QStringList statements{"HLAVICKA ZORVA", "INSERT INTO POKUS (ID, NAZEV) VALUES (20, \"Škoda\")",
                                     "INSERT INTO POKUS (ID, NAZEV) VALUES (21, \"Ďas\")"};
        auto write = [&](const QString &name, const QStringList &lines, bool withCrc, bool scramble, int corruptLine = -1) {
            QByteArray body;
            uint32_t crc = 0;
            for (int i = 0; i < lines.size(); ++i) {
                const QByteArray plain = Win1250::encode(lines.at(i));
                crc = Crc32(plain + "\r\n", crc);
                QByteArray stored = scramble ? ShiftBytes(plain, key, false) : plain;
                if (i == corruptLine)
                    stored[stored.size() - 3] = char(stored[stored.size() - 3] + 1);
                body += stored + "\r\n";
            }
            if (withCrc)
                body += QByteArray::number(crc) + "\r\n";
            QFile f(tdb.folder() + "/" + name);
            f.open(QIODevice::WriteOnly | QIODevice::Truncate);
            f.write(body);
            return f.fileName();
        };
        const QString good = write("good.sql", statements, true, true);
        QCOMPARE(db.ExecScriptFile(good, "HLAVICKA ZORVA", true, key), QString());
        QCOMPARE(db.SelectColumn("select NAZEV from POKUS order by ID", ","), QStringLiteral("Škoda,Ďas"));

        exec("DELETE FROM POKUS");
        const QString bad = write("bad.sql", statements, true, true, 2);
        const QString result = db.ExecScriptFile(bad, "HLAVICKA ZORVA", true, key);
        QVERIFY2(result.startsWith("Error in CRC"), qPrintable(result));
        QVERIFY(result.contains('|'));
        QCOMPARE(db.SelectInt("select count(*) from POKUS"), 0);

        const QString noHeader = write("noheader.sql", statements.mid(1), false, false);
        QCOMPARE(db.ExecScriptFile(noHeader, "HLAVICKA ZORVA", false, {}), QStringLiteral("Error in Header"));
        QCOMPARE(db.SelectInt("select count(*) from POKUS"), 0);

        const QString empty = write("empty.sql", {}, false, false);
        QCOMPARE(db.ExecScriptFile(empty, {}, true, {}), QStringLiteral("Error in CRC"));
        QCOMPARE(db.ExecScriptFile(tdb.folder() + "/none.sql", {}, false, {}),
                 QStringLiteral("File \"%1\" not found !").arg(tdb.folder() + "/none.sql"));

        // The same through the command line.
        QByteArray err;
        QCOMPARE(runCli({"script", bad, "--header", "HLAVICKA ZORVA", "--key", key, "--crc"}, nullptr, &err), 1);
        QVERIFY(err.startsWith("Error in CRC"));
        QCOMPARE(runCli({"script", good, "--header", "HLAVICKA ZORVA", "--key", key, "--crc"}), 0);
        QCOMPARE(db.SelectInt("select count(*) from POKUS"), 2);
    }

    void cliSql() {
        QByteArray out, err;
        QCOMPARE(runCli({"sql", "select ID, NAZEV from POKUS where ID = 20"}, &out), 0);
        QCOMPARE(QString::fromUtf8(out), QStringLiteral("ID,NAZEV\n20,Škoda\n"));
        QCOMPARE(runCli({"sql", "UPDATE POKUS SET NAZEV = \"Žába\" WHERE ID = 20"}, &out), 0);
        QVERIFY(out.isEmpty());
        QCOMPARE(db.SelectStr("select NAZEV from POKUS where ID = 20"), QStringLiteral("Žába"));
        QCOMPARE(runCli({"sql", "select NIC from POKUS"}, &out, &err), 1);
        QVERIFY(err.contains("NIC"));
        QCOMPARE(runCli({"sql", "INSERT INTO POKUS (ID) VALUES (20)"}, &out, &err), 1);
        QVERIFY(!err.isEmpty());
        QCOMPARE(runCli({"frobnicate"}, &out, &err), 2);
        QVERIFY(err.contains("Usage"));
        QCOMPARE(runCli({"sql", "--bogus", "x"}, &out, &err), 2);
    }

    void cleanupTestCase() {
        db.Disconnect();
        SQLDATA = nullptr;
    }
};

QTEST_GUILESS_MAIN(TestFirebird)
#include "tst_firebird.moc"
