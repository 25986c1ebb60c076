#include "calendar/calendardates.h"
#include "data/sqldata.h"
#include "tests/support/tempdatabase.h"

#include <QProcess>
#include <QtTest>

// The calendar sub-commands of zorva-cli, output compared byte for byte.
class TestCalendarCli : public QObject {
    Q_OBJECT

    int run(const QStringList &args, QString *out, QString *err = nullptr) {
        QProcess p;
        p.start(ZORVA_CLI_PATH, args);
        if (!p.waitForFinished(60000))
            return -1;
        *out = QString::fromUtf8(p.readAllStandardOutput());
        if (err)
            *err = QString::fromUtf8(p.readAllStandardError());
        return p.exitCode();
    }

private Q_SLOTS:
    void output_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("expected");
        QTest::newRow("easter 2004") << QStringList{"easter", "2004"} << "11.4.2004\n";
        QTest::newRow("easter 2100") << QStringList{"easter", "2100"} << "28.3.2100\n";
        QTest::newRow("dst 2002") << QStringList{"dst", "2002"} << "31.3.2002\n27.10.2002\n";
        QTest::newRow("dst 1995") << QStringList{"dst", "1995"} << "";
        QTest::newRow("holidays 2024") << QStringList{"holidays", "2024"}
                                       << "1.1.2024\tNový rok, Den obnovy samostatného českého státu\n"
                                          "29.3.2024\tVelký pátek\n"
                                          "1.4.2024\tVelikonoce\n"
                                          "1.5.2024\tSvátek práce\n"
                                          "8.5.2024\tDen osvobození\n"
                                          "5.7.2024\tDen slovanských věrozvěstů Cyrila a Metoděje\n"
                                          "6.7.2024\tDen upálení mistra Jana Husa\n"
                                          "28.9.2024\tDen české státnosti\n"
                                          "28.10.2024\tDen vzniku samostatného československého státu\n"
                                          "17.11.2024\tDen boje za svobodu a demokracii\n"
                                          "24.12.2024\tŠtědrý den\n"
                                          "25.12.2024\t1. svátek vánoční\n"
                                          "26.12.2024\t2. svátek vánoční\n";
        QTest::newRow("holidays 2004 SK") << QStringList{"holidays", "2004", "--country", "SK"}
                                          << "1.1.2004\tDeň vzniku Slovenskej republiky\n"
                                             "6.1.2004\tZjavenie Pána (Traja králi a vianočný sviatok pravoslávnych kresťanov)\n"
                                             "9.4.2004\tVeľký piatok\n"
                                             "12.4.2004\tVeľkonočný pondelok\n"
                                             "1.5.2004\tSviatok práce\n"
                                             "8.5.2004\tDeň víťazstva nad fašizmom\n"
                                             "5.7.2004\tsviatok svätého Cyrila a svätého Metoda\n"
                                             "29.8.2004\tvýročie Slovenského národného povstania\n"
                                             "1.9.2004\tDeň Ústavy Slovenskej republiky\n"
                                             "15.9.2004\tSedembolestná Panna Mária\n"
                                             "1.11.2004\tsviatok Všetkých svätých\n"
                                             "17.11.2004\tDeň boja za slobodu a demokraciu\n"
                                             "24.12.2004\tŠtedrý deň\n"
                                             "25.12.2004\tprvý sviatok vianočný\n"
                                             "26.12.2004\tdruhý sviatok vianočný\n";
        QTest::newRow("holidays 2000") << QStringList{"holidays", "2000"} << "24.4.2000\tVelikonoce\n";
        QTest::newRow("sun Prague winter") << QStringList{"sun", "21.12.2024", "--lat", "50.0875", "--lon", "14.4214"} << "7:59 16:02\n";
        QTest::newRow("sun Prague summer time") << QStringList{"sun", "20.6.2024", "--lat", "50.0875", "--lon", "14.4214"} << "4:53 21:16\n";
        QTest::newRow("sun given offset") << QStringList{"sun", "20.6.2024", "--lat", "50.0875", "--lon", "14.4214", "--offset", "0"}
                                          << "2:52 19:16\n";
        QTest::newRow("sun polar night") << QStringList{"sun", "21.12.2024", "--lat", "69.65", "--lon", "18.96"}
                                         << "Slunce nevychází(polární noc).\n";
        QTest::newRow("sun polar day") << QStringList{"sun", "21.6.2024", "--lat", "69.65", "--lon", "18.96"}
                                       << "Slunce svítí celý den(polární den).\n";
        QTest::newRow("moon full") << QStringList{"moon", "18.9.2024"} << "0.515\n";
        QTest::newRow("moon new") << QStringList{"moon", "8.4.2024"} << "0.990\n";
    }
    void output() {
        QFETCH(QStringList, args);
        QFETCH(QString, expected);
        QString out, err;
        QCOMPARE(run(args, &out, &err), 0);
        QCOMPARE(out, expected);
        QVERIFY2(err.isEmpty(), qPrintable(err));
    }

    void usageErrors_data() {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("easter without year") << QStringList{"easter"};
        QTest::newRow("easter not a number") << QStringList{"easter", "abc"};
        QTest::newRow("holidays bad country") << QStringList{"holidays", "2024", "--country", "AT"};
        QTest::newRow("sun impossible day") << QStringList{"sun", "31.2.2024", "--lat", "50", "--lon", "14"};
        QTest::newRow("sun without lat") << QStringList{"sun", "1.2.2024", "--lon", "14"};
        QTest::newRow("sun lat out of range") << QStringList{"sun", "1.2.2024", "--lat", "91", "--lon", "14"};
        QTest::newRow("moon with time") << QStringList{"moon", "1.2.2024 10:00"};
        QTest::newRow("moon short date") << QStringList{"moon", "1.2."};
        QTest::newRow("namedays without db") << QStringList{"namedays", "24.12.2024"};
    }
    void usageErrors() {
        QFETCH(QStringList, args);
        QString out, err;
        QCOMPARE(run(args, &out, &err), 2);
        QVERIFY(out.isEmpty());
        QVERIFY(err.contains("Usage"));
    }

    void namedays() {
        TempDatabase tdb;
        QVERIFY2(tdb.create(), qPrintable(tdb.error()));
        const QStringList base{"--db", tdb.connectionString(), "--db-user", tdb.user(), "--db-password", tdb.password()};
        QString out, err;
        // A database without the name-day tables is an error, not a day without names.
        QCOMPARE(run(base + QStringList{"namedays", "24.12.2024"}, &out, &err), 1);
        QVERIFY(out.isEmpty());
        QVERIFY(err.contains("SVATKY_JMENA", Qt::CaseInsensitive));
        {
            TSQLDATA db;
            QVERIFY2(db.ConnectQuiet(tdb.connectionString(), tdb.user(), tdb.password()), qPrintable(db.LastConnectError()));
            for (const char *sql : {"CREATE TABLE svatky_jmena (TYP INTEGER, MESIC INTEGER, DEN INTEGER, JMENO VARCHAR(50))",
                                    "insert into svatky_jmena(typ,mesic,den,jmeno) values (1,12,24,\"Adam\");",
                                    "insert into svatky_jmena(typ,mesic,den,jmeno) values (1,12,24,\"Eva\");",
                                    "insert into svatky_jmena(typ,mesic,den,jmeno) values (2,1,1,\"Nový rok\");"})
                QVERIFY2(db.ExecSQL(sql).isEmpty(), sql);
        }
        QCOMPARE(run(base + QStringList{"namedays", "24.12.2024"}, &out), 0);
        QCOMPARE(out, QString("Adam, Eva\n"));
        QCOMPARE(run(base + QStringList{"namedays", "1.1.2025"}, &out), 0);
        QCOMPARE(out, QString("-\n"));
        QCOMPARE(run(base + QStringList{"namedays", "1.1.2025", "--country", "SK"}, &out), 0);
        QCOMPARE(out, QString("Nový rok\n"));
    }
};

QTEST_GUILESS_MAIN(TestCalendarCli)
#include "tst_calendarcli.moc"
