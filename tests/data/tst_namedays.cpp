#include "data/namedays.h"
#include "exchange/codepage/win1250.h"

#include <QtTest>

class TestNameDays : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void parsesCarriedOverFields_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<NameDayEntry>>("expected");
        using E = NameDayEntry;
        QTest::newRow("month and kind carry over, blank lines skipped")
            << QStringLiteral("Karina;2;1;1\r\nRadmila;3\r\n\r\n   \r\nHynek;1;2\r\nNový rok;1;1;2\r\nAlexandra;2\r\n")
            << QList<E>{{1, 1, 2, "Karina"}, {1, 1, 3, "Radmila"}, {1, 2, 1, "Hynek"}, {2, 1, 1, "Nový rok"}, {2, 1, 2, "Alexandra"}};
        // An empty month leaves both month and kind as they were, even when a kind follows.
        QTest::newRow("kind only read with a month") << QStringLiteral("A;1;3;19\nB;2;;20\nC;3;4;\n")
                                                     << QList<E>{{19, 3, 1, "A"}, {19, 3, 2, "B"}, {19, 4, 3, "C"}};
        QTest::newRow("name kept as written, quote included") << QStringLiteral("Karina;2;1;1\n \"Eva\" ;24\n")
                                                               << QList<E>{{1, 1, 2, "Karina"}, {1, 1, 24, " \"Eva\" "}};
        QTest::newRow("no final line break") << QStringLiteral("Silvestr;31;12;1") << QList<E>{{1, 12, 31, "Silvestr"}};
    }
    void parsesCarriedOverFields() {
        QFETCH(QString, text);
        QFETCH(QList<NameDayEntry>, expected);
        const NameDayList list = ParseNameDays(text);
        QVERIFY2(list.ok(), qPrintable(list.error));
        QCOMPARE(list.entries, expected);
    }

    void rejectsBadLines_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("line");
        QTest::newRow("first line without month and kind") << QStringLiteral("Karina;2\n") << 1;
        QTest::newRow("month without kind at the start") << QStringLiteral("Karina;2;1\n") << 1;
        QTest::newRow("day not a number") << QStringLiteral("Karina;2;1;1\nRadmila;x\n") << 2;
        QTest::newRow("day out of range") << QStringLiteral("Karina;2;1;1\n\nRadmila;32\n") << 3;
        QTest::newRow("no day") << QStringLiteral("Karina;2;1;1\nRadmila\n") << 2;
        QTest::newRow("month 13") << QStringLiteral("Karina;2;13;1\n") << 1;
        QTest::newRow("SQL in the day") << QStringLiteral("Karina;2;1;1\nX;1);drop table verze\n") << 2;
    }
    void rejectsBadLines() {
        QFETCH(QString, text);
        QFETCH(int, line);
        const NameDayList list = ParseNameDays(text);
        QVERIFY(!list.ok());
        QCOMPARE(list.errorLine, line);
        QVERIFY(list.entries.isEmpty());
    }

    void builtInResource() {
        const QByteArray raw = NameDayResource();
        QVERIFY(!raw.isEmpty());
        QVERIFY(raw.startsWith("Karina;2;1;1\r\n"));
        QVERIFY(raw.endsWith("\r\n"));
        QCOMPARE(raw.count('\n'), raw.count("\r\n"));
        // Windows-1250: "Tři králové" has ř as 0xF8.
        QVERIFY(raw.contains("T\xF8i kr\xE1lov\xE9;6"));

        const NameDayList list = BuiltInNameDays();
        QVERIFY2(list.ok(), qPrintable(list.error));
        QList<NameDayEntry> cz, sk;
        for (const NameDayEntry &e : list.entries) {
            QVERIFY(e.kind == 1 || e.kind == 2);
            (e.kind == 1 ? cz : sk) << e;
        }
        QCOMPARE(cz.size(), 373);
        QCOMPARE(sk.size(), 408);
        auto namesOn = [](const QList<NameDayEntry> &l, int m, int d) {
            QStringList n;
            for (const NameDayEntry &e : l)
                if (e.month == m && e.day == d)
                    n << e.name;
            return n;
        };
        for (const auto &[m, d] : {std::pair{1, 1}, {5, 1}, {5, 8}, {7, 6}, {10, 28}, {12, 25}})
            QVERIFY2(namesOn(cz, m, d).isEmpty(), qPrintable(QStringLiteral("%1.%2.").arg(d).arg(m)));
        QCOMPARE(namesOn(cz, 12, 24), (QStringList{"Adam", "Eva"}));
        QCOMPARE(namesOn(cz, 2, 29), QStringList{"Horymír"});
        QCOMPARE(namesOn(sk, 1, 1), QStringList{"Nový rok"});
        QCOMPARE(namesOn(sk, 2, 29), QStringList{"Radomír"});
    }

    void statementsQuoteNames() {
        const QStringList s = NameDayStatements({{1, 12, 24, "Adam"}, {2, 1, 1, "O\"Neil"}});
        QCOMPARE(s.size(), 8);
        QCOMPARE(s.at(0), QStringLiteral("delete from svatky_typ;"));
        QCOMPARE(s.at(1), QStringLiteral("insert into svatky_typ(typ,popis) values(1,\"CZ\");"));
        QCOMPARE(s.at(4), QStringLiteral("insert into svatky_typ(typ,popis) values(20,\"SK-psi\");"));
        QCOMPARE(s.at(5), QStringLiteral("delete from svatky_jmena;"));
        QCOMPARE(s.at(6), QStringLiteral("insert into svatky_jmena(typ,mesic,den,jmeno) values (1,12,24,\"Adam\");"));
        QCOMPARE(s.at(7), QStringLiteral("insert into svatky_jmena(typ,mesic,den,jmeno) values (2,1,1,\"O\"\"Neil\");"));
    }
};

QTEST_GUILESS_MAIN(TestNameDays)
#include "tst_namedays.moc"
