// The grid's rules without a window: the composed statement and its filters, sorting, value
// types, layouts, searching, sums and exports, on a real database.
#include "framework/stringgridcore.h"

#include "data/session.h"
#include "localisation/langtext.h"
#include "data/sqldata.h"
#include "data/usersettings.h"
#include "tests/support/fakeprompt.h"
#include "tests/support/tempdatabase.h"

#include <QTemporaryDir>
#include <QtTest>

class TestStringGrid : public QObject {
    Q_OBJECT
    TempDatabase tdb;
    TSQLDATA db;
    UserSettings settings;

    void setUpGrid(StringGridCore &g) {
        g.ResetDefinition();
        g.SetSettings(&settings);
        g.TableName = QStringLiteral("T");
        g.KeyField = QStringLiteral("T_ID");
        g.AddColumn(QStringLiteral("NAZEV"), QStringLiteral("Název"));
        g.AddColumn(QStringLiteral("N"), QStringLiteral("Počet"), QStringLiteral("integer"));
        g.AddColumn(QStringLiteral("CENA"), QStringLiteral("Cena"), QStringLiteral("decimal"));
        g.AddColumn(QStringLiteral("AKTIVNI"), QStringLiteral("Aktivní"), QStringLiteral("boolean"));
        g.AddColumn(QStringLiteral("KDY"), QStringLiteral("Den"), QStringLiteral("date"));
        g.AddColumn(QStringLiteral("KDY"), QStringLiteral("Čas"), QStringLiteral("time"));
        g.EndDefaultColumns();
        g.AddColumn(QStringLiteral("POZNAMKA"), QStringLiteral("Poznámka"));
    }

    QStringList column(const StringGridCore &g, int c) {
        QStringList out;
        for (int r = 1; r <= g.RowCount(); ++r)
            out << g.Cell(r, c);
        return out;
    }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(tdb.create());
        QVERIFY(db.ConnectQuiet(tdb.connectionString(), tdb.user(), tdb.password()));
        SQLDATA = &db;
        QVERIFY(db.ExecSQL(QStringLiteral("create table T (T_ID integer not null primary key, NAZEV varchar(50), N integer, "
                                          "CENA decimal(15,2), AKTIVNI char(1), KDY date, POZNAMKA varchar(50))"))
                    .isEmpty());
        const QStringList rows = {
            QStringLiteral("1,\"Šťastný\",2,10.5,\"1\",\"1.2.2024 8:30:00\",\"a;b\""),
            QStringLiteral("2,\"stastny\",10,0.25,\"0\",\"2.2.2024\",\"<b>&\""),
            QStringLiteral("3,\"Kůň\",7,100,\"1\",\"3.2.2024 17:05:00\",\"x@example.cz\""),
            QStringLiteral("4,\"kun\",30,NULL,\"0\",NULL,\"\""),
        };
        for (const QString &r : rows)
            QVERIFY(db.ExecSQL(QStringLiteral("insert into T values(") + r + QLatin1Char(')')).isEmpty());
    }

    void filterConditions_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("type");
        QTest::addColumn<int>("op");
        QTest::addColumn<QString>("v1");
        QTest::addColumn<QString>("v2");
        QTest::addColumn<bool>("caseSensitive");
        QTest::addColumn<QString>("expected");
        const QString text, integer = QStringLiteral("integer"), date = QStringLiteral("date");
        QTest::newRow("= text") << "NAZEV" << text << 1 << "Kůň" << "" << true << " (T.NAZEV=\"Kůň\")";
        QTest::newRow("!= upper") << "NAZEV" << text << 2 << "a\"b" << "" << false << " (UPPER(T.NAZEV)!=UPPER(\"a\"\"b\"))";
        QTest::newRow(">= number, no upper") << "N" << integer << 3 << "10" << "" << false << " (T.N>=10)";
        QTest::newRow("> decimal comma") << "CENA" << "decimal" << 4 << "0,5" << "" << false << " (T.CENA>0.5)";
        QTest::newRow("< date, no upper") << "KDY" << date << 5 << "2.2.2024" << "" << false << " (T.KDY<\"2.2.2024\")";
        QTest::newRow("<=") << "N" << integer << 6 << "7" << "" << true << " (T.N<=7)";
        QTest::newRow("contains") << "NAZEV" << text << 7 << "ů" << "" << false << " (UPPER(T.NAZEV) like UPPER(\"%ů%\"))";
        QTest::newRow("range") << "N" << integer << 8 << "2" << "10" << true << " (T.N>=2) and (T.N<=10)";
        QTest::newRow("starts with") << "NAZEV" << text << 9 << "K" << "" << true << " (T.NAZEV like \"K%\")";
        QTest::newRow("prefixed field kept") << "X.NAZEV" << text << 1 << "a" << "" << true << " (X.NAZEV=\"a\")";
        QTest::newRow("expression not prefixed") << "sum(N)" << integer << 3 << "5" << "" << true << " (sum(N)>=5)";
    }
    void filterConditions() {
        QFETCH(QString, field);
        QFETCH(QString, type);
        QFETCH(int, op);
        QFETCH(QString, v1);
        QFETCH(QString, v2);
        QFETCH(bool, caseSensitive);
        QFETCH(QString, expected);
        GridColumn c;
        c.field = field;
        c.type = type;
        c.filterOp = op;
        c.filter1 = v1;
        c.filter2 = v2;
        c.filterCaseSensitive = caseSensitive;
        QCOMPARE(GridFilterCondition(c, QStringLiteral("T")), expected);
    }

    void filtersSelectRows_data() {
        QTest::addColumn<int>("field");
        QTest::addColumn<int>("op");
        QTest::addColumn<QString>("v1");
        QTest::addColumn<QString>("v2");
        QTest::addColumn<bool>("caseSensitive");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("numbers compare as numbers") << 1 << 3 << "7" << "" << false << QStringList{"stastny", "Kůň", "kun"};
        QTest::newRow("range") << 1 << 8 << "2" << "7" << true << QStringList{"Šťastný", "Kůň"};
        QTest::newRow("case-insensitive starts") << 0 << 9 << "k" << "" << false << QStringList{"Kůň", "kun"};
        QTest::newRow("case-sensitive starts") << 0 << 9 << "k" << "" << true << QStringList{"kun"};
        QTest::newRow("boolean Ne") << 3 << 1 << "Ne" << "" << true << QStringList{"stastny", "kun"};
        QTest::newRow("hidden column still filters") << 6 << 7 << "@" << "" << true << QStringList{"Kůň"};
    }
    void filtersSelectRows() {
        QFETCH(int, field);
        QFETCH(int, op);
        QFETCH(QString, v1);
        QFETCH(QString, v2);
        QFETCH(bool, caseSensitive);
        QFETCH(QStringList, names);
        StringGridCore g;
        setUpGrid(g);
        QVERIFY(g.SetFilter(field, op, v1, v2, caseSensitive).isEmpty());
        FakePrompt fp;
        QVERIFY2(g.LoadData(1), qPrintable(g.LastError()));
        QCOMPARE(g.ColumnCount(), 6);
        QStringList got = column(g, 0);
        got.sort();
        names.sort();
        QCOMPARE(got, names);
    }

    void numericFilterRefusesText() {
        StringGridCore g;
        setUpGrid(g);
        QVERIFY(!g.SetFilter(1, 3, QStringLiteral("abc"), {}, true).isEmpty());
        QCOMPARE(g.Columns()[1].filterOp, 0);
    }

    void filterGoesBeforeGroupBy() {
        StringGridCore g;
        g.TableName = QStringLiteral("T");
        g.KeyField = QStringLiteral("AKTIVNI");
        g.AddColumn(QStringLiteral("AKTIVNI"), QStringLiteral("A"));
        g.AddColumn(QStringLiteral("sum(N)"), QStringLiteral("S"), QStringLiteral("integer"));
        g.WhereText = QStringLiteral(" group by T.AKTIVNI");
        QVERIFY(g.SetFilter(0, 1, QStringLiteral("1"), {}, true).isEmpty());
        QVERIFY(g.SetFilter(1, 4, QStringLiteral("5"), {}, true).isEmpty());
        QCOMPARE(g.ConditionText(), QStringLiteral(" where  (T.AKTIVNI=\"1\") group by T.AKTIVNI having (sum(N)>5)"));
        FakePrompt fp;
        QVERIFY2(g.LoadData(1), qPrintable(g.LastError()));
        QCOMPARE(g.RowCount(), 1);
        QCOMPARE(g.Cell(1, 1), QStringLiteral("9"));
    }

    void sorting() {
        StringGridCore g;
        setUpGrid(g);
        QVERIFY(g.LoadData(2));
        QCOMPARE(column(g, 1), (QStringList{"2", "7", "10", "30"}));
        QVERIFY(g.LoadData(2)); // the same column again: descending
        QCOMPARE(g.SortColumn(), -2);
        QCOMPARE(column(g, 1), (QStringList{"30", "10", "7", "2"}));
        QVERIFY(g.LoadData(2)); // and ascending again
        QCOMPARE(g.SortColumn(), 2);
        QVERIFY(g.LoadData(0));
        QCOMPARE(g.SortColumn(), 2);
        g.FixedOrder = QStringLiteral("T_ID desc");
        QVERIFY(g.LoadData(3));
        QCOMPARE(g.OrderByText(), QStringLiteral(" order by T_ID desc"));
        QCOMPARE(column(g, 1), (QStringList{"30", "7", "10", "2"}));
    }

    void valueTypes_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("shown");
        QTest::newRow("boolean 1") << " 1 " << "BOOLEAN" << "Ano";
        QTest::newRow("boolean other") << "T" << "boolean" << "Ne";
        QTest::newRow("time") << "1.2.2024 8:30:00" << "time" << "8:30:00";
        QTest::newRow("time without blank") << "1.2.2024" << "time" << "";
        QTest::newRow("date") << "1.2.2024 8:30:00" << "date" << "1.2.2024";
        QTest::newRow("date NULL") << "NULL" << "date" << "";
        QTest::newRow("date2 future") << "11.2.2024" << "date2" << "10";
        QTest::newRow("date2 past") << "30.1.2024 18:00:00" << "date2" << "-1";
        QTest::newRow("integer kept") << "0012" << "integer" << "0012";
        QTest::newRow("other word kept") << "1" << "checkbox" << "1";
    }
    void valueTypes() {
        QFETCH(QString, stored);
        QFETCH(QString, type);
        QFETCH(QString, shown);
        QCOMPARE(GridDisplayValue(stored, GridValueKindOf(type), QDate(2024, 2, 1)), shown);
    }

    void layouts() {
        // A record replaces only the record with exactly its key.
        QString l = GridStoreLayoutRecord({}, QStringLiteral("Browse_BU_VYPIS,80,90,"));
        l = GridStoreLayoutRecord(l, QStringLiteral("Browse_BU,10,20,"));
        l = GridStoreLayoutRecord(l, QStringLiteral("Browse_BU,30,"));
        QCOMPARE(l, QStringLiteral("Browse_BU_VYPIS,80,90,;Browse_BU,30,;"));
        QCOMPARE(GridLayoutRecord(l, QStringLiteral("Browse_BU")), QStringLiteral("Browse_BU,30,"));
        QCOMPARE(GridLayoutRecord(l, QStringLiteral("Browse")), QString());
        QCOMPARE(GridStoreLayoutRecord(l, {}), l);

        StringGridCore g;
        setUpGrid(g);
        QVERIFY(!g.SaveColumnOrder({QStringLiteral("Cena")}).isEmpty()); // no layout name: text 1062
        g.LayoutName = QStringLiteral("T");
        settings.gridLayouts = QStringLiteral("TX,1,;");
        // Two columns with one caption map to the first; unknown captions vanish.
        QVERIFY(g.SaveColumnOrder({QStringLiteral("poznámka"), QStringLiteral("Cena"), QStringLiteral("nic")}).isEmpty());
        QVERIFY(g.SaveColumnWidths({100, 0, 40}).isEmpty());
        QCOMPARE(settings.gridLayouts, QStringLiteral("TX,1,;ZSL_T,6,2,;T,100,0,40,;"));
        QVERIFY(g.LoadData(1));
        QCOMPARE(g.ColumnCount(), 2);
        QCOMPARE(g.Caption(0), QStringLiteral("Poznámka"));
        QCOMPARE(g.SavedWidths(), (QList<int>{100, 0, 40}));
        // Invalid numbers of a stale layout are skipped; none valid leaves column 0.
        settings.gridLayouts = QStringLiteral("ZSL_T,99,x,;");
        QVERIFY(g.LoadData(0));
        QCOMPARE(g.VisibleOrder(), QList<int>{0});
        settings.gridLayouts.clear();
    }

    void searching_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("caseSensitive");
        QTest::addColumn<bool>("diacritics");
        QTest::addColumn<bool>("whole");
        QTest::addColumn<bool>("regex");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("row");
        // Sorted by name, the rows are Kůň, kun, stastny, Šťastný.
        QTest::newRow("without diacritics") << "stastn" << false << false << false << false << 1 << 3;
        QTest::newRow("next hit without diacritics") << "stastn" << false << false << false << false << 4 << 4;
        QTest::newRow("with diacritics") << "stastn" << false << true << false << false << 4 << -1;
        QTest::newRow("case-sensitive") << "kun" << true << false << false << false << 1 << 2;
        QTest::newRow("case and accents ignored") << "KUN" << false << false << true << false << 1 << 1;
        QTest::newRow("whole value") << "Kůň" << true << true << true << false << 1 << 1;
        QTest::newRow("part is not whole") << "Ků" << true << true << true << false << 1 << -1;
        QTest::newRow("regular expression") << "^[0-9]{2}$" << false << true << false << true << 1 << 2;
        QTest::newRow("no hit") << "zzz" << false << true << false << false << 1 << -1;
    }
    void searching() {
        QFETCH(QString, text);
        QFETCH(bool, caseSensitive);
        QFETCH(bool, diacritics);
        QFETCH(bool, whole);
        QFETCH(bool, regex);
        QFETCH(int, start);
        QFETCH(int, row);
        StringGridCore g;
        setUpGrid(g);
        QVERIFY(g.LoadData(1));
        GridSearchOptions o{caseSensitive, diacritics, whole, regex};
        QCOMPARE(g.SearchAll(text, start, o), row);
        if (row > 0)
            QCOMPARE(g.HitRow(), row);
        QString error;
        QCOMPARE(g.SearchAll(QStringLiteral("(["), 1, GridSearchOptions{false, true, false, true}, &error), -1);
        QCOMPARE(error, QStringLiteral("Chybný regulární výraz !"));
        QCOMPARE(g.SearchColumn(0, QStringLiteral(" KŮŇ ")), 1);
        QCOMPARE(g.ColumnValues(3), (QStringList{"Ano", "Ne"}));
    }

    void sums() {
        StringGridCore g;
        setUpGrid(g);
        QVERIFY(g.LoadData(1));
        QCOMPARE(g.SumaSloupce(2), QStringLiteral("Součet hodnot ve sloupci je:       110.7500000000"));
        QCOMPARE(g.SumaSloupce(0), QStringLiteral("Toto pole nelze sečíst !"));
        QCOMPARE(GridCellNumber(QStringLiteral("1,5")), 1.5);
        QCOMPARE(GridCellNumber(QStringLiteral("abc")), 0.0);
        // An empty list sums, exports and prints too.
        QVERIFY(g.SetFilter(1, 1, QStringLiteral("999"), {}, true).isEmpty());
        QVERIFY(g.LoadData(0));
        QCOMPARE(g.RowCount(), 0);
        QCOMPARE(g.RowCountText(), QStringLiteral("0 záznamů"));
        QCOMPARE(g.ColumnTotal(1), 0.0);
        QCOMPARE(g.CsvLines().size(), 1);
        QVERIFY(g.PrintHtml().contains(QLatin1String("Zorva")));
    }

    void exports() {
        StringGridCore g;
        setUpGrid(g);
        g.AddColumn(QStringLiteral("POZNAMKA"), QStringLiteral("Pozn."));
        g.EndDefaultColumns();
        g.LayoutName = QStringLiteral("E");
        settings.gridLayouts = QStringLiteral("ZSL_E,0,7,;");
        QVERIFY(g.LoadData(1));
        settings.gridLayouts.clear();
        QCOMPARE(g.CsvLines(), (QStringList{"Název;Pozn.", "Kůň;x@example.cz", "kun;", "stastny;<b>&", "Šťastný;a,b"}));
        const QStringList html = g.HtmlLines();
        QVERIFY(html.contains(QStringLiteral("<TD><b>Název</b></TD>")));
        QVERIFY(html.contains(QStringLiteral("<TD>&lt;b&gt;&amp;</TD>")));
        QVERIFY(html.contains(QStringLiteral("<TD>&nbsp;</TD>")));
        QCOMPARE(html.first(), QStringLiteral("<TABLE border=1>"));
        QCOMPARE(html.last(), QStringLiteral("</TABLE>"));
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("a.csv"));
        QVERIFY(g.ExportCSV(path).isEmpty());
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.readAll().startsWith(QByteArray("N\xe1zev;Pozn.\r\nK\xf9\xf2;")));
        QCOMPARE(g.ColumnClipboardText(1), QStringLiteral("x@example.cz;;<b>&;a;b;"));
        QCOMPARE(g.MailAddresses(1).size(), 1);
        QCOMPARE(g.MailAddresses(1).first().first, 1);
    }

    void coloursAndStrikeOut() {
        StringGridCore g;
        setUpGrid(g);
        g.SetStrikeOut(QStringLiteral("aktivni"), QStringLiteral("Ne"));
        g.SetColourCondition(QStringLiteral("AKTIVNI"), QStringLiteral("Ano"), 0x0000FF, 0);
        g.DefaultTextColour = 0xFF0000;
        QVERIFY(g.LoadData(1));
        QCOMPARE(g.StruckOut(1), false);
        QCOMPARE(g.StruckOut(2), true);
        QCOMPARE(g.TextColour(1), 0x0000FF);
        QCOMPARE(g.TextColour(2), 0xFF0000);
        QCOMPARE(g.BackColour(1), 0xFFFFFF); // a colour of 0 leaves the row's colour
        g.BandRows(-1, 0x111111, 0x222222, false, true);
        QCOMPARE(g.BackColour(1), 0x222222);
        QCOMPARE(g.BackColour(2), 0x111111);
        QCOMPARE(g.BackColour(3), 0x222222);
        g.BandRows(3, 0x111111, 0x222222, false, true); // Ano, Ne, Ano, Ne: every row changes
        QCOMPARE(g.BackColour(2), 0x111111);
    }

    void deleteAsksAndDeletes() {
        QVERIFY(db.ExecSQL(QStringLiteral("insert into T(T_ID,NAZEV,N) values(9,\"smaž\",1)")).isEmpty());
        StringGridCore g;
        setUpGrid(g);
        QVERIFY(g.LoadData(1));
        const int row = g.SearchColumn(0, QStringLiteral("smaž"));
        QVERIFY(row > 0);
        FakePrompt fp;
        fp.answers << false;
        QVERIFY(!g.DeleteRow(row, 0));
        QCOMPARE(fp.questions.first(), QStringLiteral("Opravdu chcete vymazat tento řádek ? \r\n řádek: %1 (smaž)").arg(row));
        fp.answers << true;
        QVERIFY(g.DeleteRow(row, 0));
        QCOMPARE(db.SelectInt(QStringLiteral("select count(*) from T where T_ID=9")), 0);
        QCOMPARE(g.RowCount(), 4);
    }

    // A record whose delete group the user is not in stays, and nothing is asked.
    void deleteChecksTheDeleteRight() {
        QVERIFY(db.ExecSQL(QStringLiteral("create table R (R_ID integer not null primary key, NAZEV varchar(50), F_SMAZAT integer)")).isEmpty());
        QVERIFY(db.ExecSQL(QStringLiteral("insert into R values(1,\"cizí\",7)")).isEmpty());
        QVERIFY(db.ExecSQL(QStringLiteral("insert into R values(2,\"moje\",3)")).isEmpty());
        QVERIFY(db.ExecSQL(QStringLiteral("insert into R values(3,\"všech\",0)")).isEmpty());
        Session::setGroups({3});
        StringGridCore g;
        g.SetSettings(&settings);
        g.TableName = QStringLiteral("R");
        g.KeyField = QStringLiteral("R_ID");
        QVERIFY2(g.LoadData(1), qPrintable(g.LastError()));
        FakePrompt fp;
        fp.answers << true << true << true;
        const int foreign = g.SearchColumn(1, QStringLiteral("cizí"));
        QVERIFY(!g.DeleteRow(foreign, 0));
        QCOMPARE(fp.messages, QStringList{LangText(1025)});
        QVERIFY(fp.questions.isEmpty());
        QVERIFY(g.DeleteRow(g.SearchColumn(1, QStringLiteral("moje")), 0));
        QVERIFY(g.DeleteRow(g.SearchColumn(1, QStringLiteral("všech")), 0));
        QCOMPARE(db.SelectColumn(QStringLiteral("select R_ID from R"), QStringLiteral(",")), QStringLiteral("1"));
        Session::clear();
    }

    void refusedQueryShowsError() {
        StringGridCore g;
        setUpGrid(g);
        g.WhereText = QStringLiteral(" where NOSUCH=1");
        FakePrompt fp;
        QVERIFY(!g.LoadData(1));
        QCOMPARE(g.RowCount(), 0);
        QCOMPARE(fp.messages.size(), 1);
        QVERIFY(fp.messages.first().startsWith(g.ComposeSelect()));
    }

    void noColumnsTakesTheTableFields() {
        StringGridCore g;
        g.SetSettings(&settings);
        g.TableName = QStringLiteral("T");
        g.KeyField = QStringLiteral("T_ID");
        QVERIFY2(g.LoadData(1), qPrintable(g.LastError()));
        QCOMPARE(g.ColumnCount(), 7);
        QCOMPARE(g.Caption(1), QStringLiteral("NAZEV"));
    }

    void cleanupTestCase() {
        SQLDATA = nullptr;
        db.Disconnect();
    }
};

QTEST_GUILESS_MAIN(TestStringGrid)
#include "tst_stringgrid.moc"
