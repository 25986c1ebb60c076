#include "data/crc32.h"
#include "data/scramble.h"
#include "data/sqltext.h"

#include <QtTest>

class TestSqlText : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void quoteStr_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("max");
        QTest::addColumn<QString>("expected");
        QTest::newRow("plain") << "Novák" << 0 << "\"Novák\"";
        QTest::newRow("empty") << "" << 0 << "\"\"";
        QTest::newRow("quote doubled") << "a\"b" << 0 << "\"a\"\"b\"";
        QTest::newRow("comma and blanks kept") << " a, b " << 0 << "\" a, b \"";
        QTest::newRow("CR LF kept") << "a\r\nb" << 0 << "\"a\r\nb\"";
        QTest::newRow("single quote untouched") << "O'Brien" << 0 << "\"O'Brien\"";
        QTest::newRow("cut after doubling") << "abcdef" << 3 << "\"abc\"";
        QTest::newRow("max equal to length") << "abc" << 3 << "\"abc\"";
        QTest::newRow("cut keeps whole pair") << "ab\"c" << 4 << "\"ab\"\"\"";
        // A cut through a doubled quote would leave the literal open.
        QTest::newRow("cut never splits a pair") << "ab\"c" << 3 << "\"ab\"";
        QTest::newRow("run of quotes") << "\"\"\"" << 5 << "\"\"\"\"\"\"";
        QTest::newRow("injection attempt") << "x\" or 1=1 --" << 2 << "\"x\"";
        QTest::newRow("czech letters") << "Žluťoučký kůň" << 0 << "\"Žluťoučký kůň\"";
    }
    void quoteStr() {
        QFETCH(QString, text);
        QFETCH(int, max);
        QFETCH(QString, expected);
        const QString q = QuoteStr(text, max);
        QCOMPARE(q, expected);
        // Whatever the cut, the inside never holds an odd run of quotes.
        const QString inner = q.mid(1, q.size() - 2);
        QCOMPARE(inner.count(QLatin1Char('"')) % 2, 0);
    }

    void dateTextToSQL_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("empty") << "" << "NULL";
        QTest::newRow("zero long") << "00.00.0000" << "NULL";
        QTest::newRow("zero short") << "0.0.0000" << "NULL";
        QTest::newRow("zero shortest") << "0.0.0" << "NULL";
        QTest::newRow("empty mask") << "  .  .    " << "NULL";
        QTest::newRow("empty mask 2") << " .  . " << "NULL";
        QTest::newRow("valid") << "5.3.2004" << "\"5.3.2004\"";
        QTest::newRow("valid padded") << "05.03.2004" << "\"05.03.2004\"";
        QTest::newRow("with time") << "05.03.2004 12:30:00" << "\"05.03.2004 12:30:00\"";
        QTest::newRow("impossible day") << "31.2.2004" << "NULL";
        QTest::newRow("garbage") << "abc" << "NULL";
        QTest::newRow("injection") << "1.1.2004\" or \"1\"=\"1" << "NULL";
        QTest::newRow("bad time") << "1.1.2004 25:00" << "NULL";
    }
    void dateTextToSQL() {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(DateTextToSQL(text), expected);
    }

    void dateTimeToSQL_data() {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("time");
        QTest::addColumn<QString>("expected");
        QTest::newRow("both empty") << "" << "" << "NULL";
        QTest::newRow("date only") << "1.2.2003" << "" << "\"1.2.2003\"";
        QTest::newRow("both") << "1.2.2003" << "8:05" << "\"1.2.2003 8:05\"";
        QTest::newRow("time without date") << "" << "8:05" << "NULL";
        QTest::newRow("bad date") << "x" << "8:05" << "NULL";
        QTest::newRow("bad time") << "1.2.2003" << "8:x\"" << "NULL";
    }
    void dateTimeToSQL() {
        QFETCH(QString, date);
        QFETCH(QString, time);
        QFETCH(QString, expected);
        QCOMPARE(DateTimeToSQL(date, time), expected);
    }

    void smallHelpers() {
        QCOMPARE(DateToSQL(QDate(2004, 3, 5)), QStringLiteral("\"05.03.2004\""));
        QCOMPARE(BoolToSQL(true), QStringLiteral("\"1\""));
        QCOMPARE(BoolToSQL(false), QStringLiteral("\"0\""));
        QCOMPARE(FloatToSQL(1234.5, 12, 2), QStringLiteral("1234.50"));
        QCOMPARE(FloatToSQL(-0.125, 12, 1), QStringLiteral("-0.1"));
        QCOMPARE(TextToInt(QStringLiteral(" 42 ")), 42);
        QCOMPARE(TextToInt(QString()), 0);
        QCOMPARE(TextToInt(QStringLiteral("x")), 0);
        QCOMPARE(DatePart(QStringLiteral("1.2.2003 10:00:00")), QStringLiteral("1.2.2003"));
        QCOMPARE(TimePart(QStringLiteral("1.2.2003 10:00:00")), QStringLiteral("10:00:00"));
        QCOMPARE(DatePart(QStringLiteral("NULL")), QString());
        QCOMPARE(TextToDate(QStringLiteral("1.2.2003 10:11:12.50")), QDateTime(QDate(2003, 2, 1), QTime(10, 11, 12, 500)));
        QCOMPARE(TextToDate(QStringLiteral("1.2.2003")), QDateTime(QDate(2003, 2, 1), QTime(0, 0)));
        QVERIFY(!TextToDate(QStringLiteral("1.2")).isValid());
        QCOMPARE(TextToTime(QStringLiteral("1.2.2003")), QTime(0, 0));
        QCOMPARE(TextToTime(QStringLiteral("1.2.2003 7:08:09")), QTime(7, 8, 9));
        QCOMPARE(AuditColumns(false), QStringLiteral(",vytvoril_kdo,vytvoril_kdy,editoval_kdo,editoval_kdy,F_CIST,F_EDITOVAT,F_SMAZAT,F_ADMINISTROVAT"));
        QCOMPARE(AuditColumns(true).right(8), QStringLiteral(",F_ALARM"));
        QCOMPARE(AuditValues(false, 7, 3), QStringLiteral(",7,CURRENT_TIMESTAMP,7,CURRENT_TIMESTAMP,3,3,3,3"));
        QCOMPARE(AuditValues(true, 7, 3), QStringLiteral(",7,CURRENT_TIMESTAMP,7,CURRENT_TIMESTAMP,3,3,3,3,3"));
        QCOMPARE(QuoteSingle(QStringLiteral("a'b")), QStringLiteral("'a''b'"));
    }

    void scramble() {
        // Shift of "zorva": z - o + r - v + a = 122 - 111 + 114 - 118 + 97 = 104.
        QCOMPARE(ScrambleShift(QStringLiteral("zorva")), 104);
        QCOMPARE(ScrambleText(QStringLiteral("A"), QStringLiteral("zorva")), QStringLiteral("A9"));
        // "Ř" is 0xD8 = 216 in Windows-1250; 216 + 104 = 320 is lowered by 255 (not 256) to 65.
        QCOMPARE(ScrambleText(QStringLiteral("Ř"), QStringLiteral("zorva")), QStringLiteral("41"));
        for (const QString &s : {QStringLiteral("plumtrees"), QStringLiteral("Heslo-Řeřicha 2024"), QString()})
            QCOMPARE(UnscrambleText(ScrambleText(s, QStringLiteral("zorva")), QStringLiteral("zorva")), s);
    }

    void crc32() {
        QCOMPARE(Crc32("123456789"), 0xCBF43926u);
        QCOMPARE(Crc32(""), 0u);
        QCOMPARE(Crc32("6789", Crc32("12345")), Crc32("123456789"));
    }
};

QTEST_APPLESS_MAIN(TestSqlText)
#include "tst_sqltext.moc"
