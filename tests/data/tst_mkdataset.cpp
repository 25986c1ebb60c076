#include "data/mkdataset.h"
#include "tests/support/fakeprompt.h"

#include <QtTest>

class TestMkDataset : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void roundTrip_data() {
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<QString>("encoded");
        QTest::newRow("bare") << QStringList{"a", "b", "12"} << "a,b,12";
        QTest::newRow("blank quoted") << QStringList{"Jan Novák", "x"} << "\"Jan Novák\",x";
        QTest::newRow("comma quoted") << QStringList{"a,b"} << "\"a,b\"";
        QTest::newRow("quote doubled") << QStringList{"say \"hi\""} << "\"say \"\"hi\"\"\"";
        QTest::newRow("CR LF") << QStringList{"a\r\nb", "c"} << "\"a\r\nb\",c";
        QTest::newRow("tab") << QStringList{"a\tb"} << "\"a\tb\"";
        QTest::newRow("empty last") << QStringList{"a", ""} << "a,";
        QTest::newRow("empty first") << QStringList{"", "a"} << ",a";
        QTest::newRow("all empty") << QStringList{"", "", ""} << ",,";
        QTest::newRow("one empty item") << QStringList{""} << "";
        QTest::newRow("czech") << QStringList{"Žluťoučký", "kůň"} << "Žluťoučký,kůň";
        QTest::newRow("leading blank") << QStringList{" x"} << "\" x\"";
    }
    void roundTrip() {
        QFETCH(QStringList, items);
        QFETCH(QString, encoded);
        QCOMPARE(EncodeCommaLine(items), encoded);
        QCOMPARE(DecodeCommaLine(encoded), items);
    }

    void decodeLenient_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("items");
        QTest::newRow("blanks between items") << "a ,  b" << QStringList{"a", "b"};
        QTest::newRow("bare item ends at blank") << "a b" << QStringList{"a", "b"};
        QTest::newRow("comma then blanks at end") << "a, " << QStringList{"a"};
        QTest::newRow("leading blanks") << "   a" << QStringList{"a"};
    }
    void decodeLenient() {
        QFETCH(QString, line);
        QFETCH(QStringList, items);
        QCOMPARE(DecodeCommaLine(line), items);
    }

    void rowsHaveHeaderWidth() {
        TMKDATASET ds;
        ds.lines() << "ID,NAZEV,POZN" << "1" << "2,x,";
        QCOMPARE(ds.Row(1), (QStringList{"1", "", ""}));
        QCOMPARE(ds.Row(2).size(), 3);
        TMKDATASET one;
        one.lines() << "NAZEV" << "";
        QCOMPARE(one.RecordCount(), 1);
        QCOMPARE(one.Row(1), QStringList{QString()});
        QCOMPARE(one.Value(1, 1), QString());
    }

    void getters() {
        FakePrompt p;
        TMKDATASET ds;
        ds.lines() << "ID,Nazev,Castka,Datum,Flag" << "1,\"  Novák \",\"12,5\",5.3.2004,1" << "2,b,x,,0";
        QCOMPARE(ds.FieldCount(), 5);
        QCOMPARE(ds.FieldIndex("NAZEV"), 2);
        QCOMPARE(ds.FieldIndex("nic"), 0);
        QCOMPARE(ds.AsInteger(1, "ID"), 1);
        QCOMPARE(ds.AsFloat(1, "Castka"), 12.5);
        QCOMPARE(ds.AsFloat(2, "Castka"), 0.0);
        QCOMPARE(ds.AsFloatText(1, "Castka"), QStringLiteral("       12.50"));
        QCOMPARE(ds.AsDate(1, "Datum"), QDateTime(QDate(2004, 3, 5), QTime(0, 0)));
        QVERIFY(ds.AsBool(1, "Flag"));
        QVERIFY(!ds.AsBool(2, "Flag"));
        QCOMPARE(ds.FindRow(2, "novák"), 1);
        QCOMPARE(ds.FindRow(2, "B "), 2);
        QCOMPARE(ds.FindRow(2, "zz"), 0);
        QVERIFY(p.messages.isEmpty());

        QCOMPARE(ds.ValueByName(1, "NEMA"), QString());
        QCOMPARE(p.messages.last(), QStringLiteral("POLE \"NEMA\" NEEXISTUJE !"));
        QCOMPARE(ds.Value(5, 1), QString());
        QCOMPARE(p.messages.last(), QStringLiteral("Error 1121b:Row=5Count=2|"));
        ds.SetValue(7, 1, "x");
        QCOMPARE(p.messages.last(), QStringLiteral("Error 1121a:Row=7Count=2|"));
        QCOMPARE(ds.Value(1, 0), QString());
        QCOMPARE(p.messages.last(), QStringLiteral("POLE č. 0 NEEXISTUJE !"));

        ds.SetValue(2, 2, "nový text, s čárkou");
        QCOMPARE(ds.Value(2, 2), QStringLiteral("nový text, s čárkou"));
        QCOMPARE(ds.Value(2, 1), QStringLiteral("2"));
        ds.SetInteger(2, "ID", 9);
        QCOMPARE(ds.AsInteger(2, "ID"), 9);
        ds.QuoteValue(1, 1);
        QCOMPARE(ds.Value(1, 1), QStringLiteral("\"1\""));
    }

    void sums() {
        TMKDATASET ds;
        ds.lines() << "SKUPINA,POCET,CASTKA" << "a,1,1.5" << "a,2,2.5" << "b,3,10";
        QCOMPARE(ds.SumInt(2), 6);
        QCOMPARE(ds.SumFloat("CASTKA"), 14.0);
        QCOMPARE(ds.SumFloatRange(3, 2, 3), 12.5);
        QCOMPARE(ds.SumFloatRange(3, 3, 2), 0.0);
        QCOMPARE(ds.SumIntWhere("POCET", "SKUPINA", "a"), 3);
        QCOMPARE(ds.SumIntWhere("POCET", "SKUPINA", ""), 6);
        QVERIFY(!ds.IsGroupEnd(1, 1));
        QVERIFY(ds.IsGroupEnd(2, 1));
        QVERIFY(ds.IsGroupEnd(3, 1));
        QCOMPARE(ds.GroupStart(2, 1), 1);
        QCOMPARE(ds.GroupStart(3, 1), 3);
    }

    void columnTypes() {
        TMKDATASET ds;
        ds.lines() << "A,B,C";
        QCOMPARE(ds.ColumnType(2), QChar(' '));
        QVERIFY(!ds.AnySummed());
        ds.SetColumnType(3, 'C', true);
        QCOMPARE(ds.ColumnType(3), QChar('C'));
        QCOMPARE(ds.ColumnType(1), QChar(' '));
        QVERIFY(ds.ColumnSummed(3));
        QVERIFY(!ds.ColumnSummed(1));
        QVERIFY(!ds.ColumnSummed(9));
        QVERIFY(ds.AnySummed());
    }

    void insertStatement() {
        TMKDATASET ds;
        ds.lines() << "ID,NAZEV" << "1,\"a \"\"b\"\"\"";
        QCOMPARE(ds.InsertStatement("T", 1, true), QStringLiteral("insert into T(ID,NAZEV) values(\"1\",\"a \"\"b\"\"\");"));
        QCOMPARE(ds.InsertStatement("T", 1, false, 1), QStringLiteral("insert into T(ID,NAZEV) values(1,a \"b\"),"));
        QCOMPARE(ds.InsertStatement("T", 1, true, 2), QStringLiteral("(\"1\",\"a \"\"b\"\"\"),"));
        QCOMPARE(ds.InsertStatement("T", 1, true, 3), QStringLiteral("(\"1\",\"a \"\"b\"\"\");"));
    }

    void placeholders() {
        TMKDATASET ds;
        ds.lines() << "NAZEV,NAZEV2,ČÍSLO" << "Firma,Pobočka,42";
        QCOMPARE(ds.FillPlaceholders(1, "#N-NAZEV; / #N-NAZEV2; / #N-nazev,ignored; / #N-číslo;"),
                 QStringLiteral("Firma / Pobočka / Firma / 42"));
        // Not a placeholder without its closing ";".
        QCOMPARE(ds.FillPlaceholders(1, "#N-NAZEV"), QStringLiteral("#N-NAZEV"));
    }

    void htmlTable() {
        TMKDATASET ds;
        ds.lines() << "SKUPINA,TEXT,CASTKA" << "a,<b>&,1.5" << "a,x,2.5" << "b,y,10";
        ds.SetColumnType(3, 'C', true);
        ds.SetGroupColumnAt(1);
        const QString html = ds.ToHTMLTable();
        QVERIFY(html.startsWith("<TABLE border=1 width=200mm style=\"border-collapse: collapse;  font-style: normal; font-size: 3mm; "
                                "font-variant: normal; text-decoration: normal\">\r\n"));
        QVERIFY(html.contains("<TR>\r\n<TD><b>SKUPINA</b></TD><TD><b>TEXT</b></TD><TD><b>CASTKA</b></TD></TR>\r\n"));
        QVERIFY(html.contains("<TD>&lt;b&gt;&amp;</TD>"));
        QVERIFY(!html.contains("<b>&"));
        QVERIFY(html.contains("<TD align=right>        1.50</TD>"));
        // One sum row per group, then the total.
        QVERIFY(html.contains("<TR><TD><b>a</b></TD><TD>&nbsp;</TD><TD align=right><b>        4.00</b></TD></TR>"));
        QVERIFY(html.contains("<TR><TD><b>b</b></TD><TD>&nbsp;</TD><TD align=right><b>       10.00</b></TD></TR>"));
        QVERIFY(html.contains("<TR><TD>&nbsp;</TD><TD>&nbsp;</TD><TD align=right><b>       14.00</b></TD></TR>"));
        QCOMPARE(html.count("<TR>"), 1 + 3 + 2 + 1);
        QVERIFY(html.endsWith("</TABLE>\r\n"));
    }
};

QTEST_APPLESS_MAIN(TestMkDataset)
#include "tst_mkdataset.moc"
