// Every browse definition composes a statement the engine accepts, for a user whose reads are
// limited to his groups, with and without the extra conditions and filters the user can add.
#include "framework/browsedefinitions.h"
#include "framework/stringgridcore.h"

#include "data/session.h"
#include "data/sqldata.h"
#include "data/usersettings.h"
#include "tests/support/fakeprompt.h"
#include "tests/support/schemadatabase.h"

#include <QtTest>

class TestBrowseDefinitions : public QObject {
    Q_OBJECT
    TempDatabase tdb;
    TSQLDATA db;
    UserSettings settings;

    BrowseContext context() {
        BrowseContext ctx;
        ctx.calendarCategories = QStringLiteral("1");
        ctx.chooseCar = [](int *car, QDate *from, QDate *to) {
            *car = 1;
            *from = QDate(2020, 1, 1);
            *to = QDate(2030, 1, 1);
            return true;
        };
        return ctx;
    }

    void exec(const QString &sql) {
        const QString e = db.ExecSQL(sql);
        QVERIFY2(e.isEmpty(), qPrintable(sql + QStringLiteral(": ") + e));
    }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(CreateSchemaDatabase(tdb).isEmpty());
        QVERIFY(db.ConnectQuiet(tdb.connectionString(), tdb.user(), tdb.password()));
        SQLDATA = &db;
        // User 2 belongs to group 2 only: records readable by group 1 must stay hidden from him.
        exec(QStringLiteral("insert into uzivskupina(uzivskupina_id,popis) values(2,\"Obchod\")"));
        exec(QStringLiteral("insert into uzivatel(uzivatel_id,login,popis,administrator,pravo_prihlaseni,prihlasen) values(2,\"eva\",\"Eva\",\"0\",\"1\",0)"));
        exec(QStringLiteral("insert into spoj_uzivatel_uzivskupina(uzivatel_id,uzivskupina_id) values(2,2)"));
        exec(QStringLiteral("insert into adresar_zakl(adresar_zakl_id,nazev,f_cist) values(101,\"Open\",0)"));
        exec(QStringLiteral("insert into adresar_zakl(adresar_zakl_id,nazev,f_cist) values(102,\"Mine\",2)"));
        exec(QStringLiteral("insert into adresar_zakl(adresar_zakl_id,nazev,f_cist) values(103,\"Hidden\",1)"));
        exec(QStringLiteral("insert into kj_auto(kj_auto_id,spz,popis,f_cist) values(1,\"1A2 3456\",\"Octavia\",2)"));
        exec(QStringLiteral("insert into kj_auto(kj_auto_id,spz,popis,f_cist) values(2,\"2B3 4567\",\"Felicia\",1)"));
        exec(QStringLiteral("insert into kj(kj_id,kj_auto_id,datum,poradi,od_nazev,do_nazev,vzdalenost) values(1,1,\"1.2.2024\",1,\"Praha\",\"Brno\",200)"));
        exec(QStringLiteral("insert into kj(kj_id,kj_auto_id,datum,poradi,od_nazev,do_nazev,vzdalenost) values(2,1,\"1.2.2024\",2,\"Brno\",\"Praha\",200)"));
        exec(QStringLiteral("insert into kj(kj_id,kj_auto_id,datum,poradi,od_nazev,do_nazev,vzdalenost) values(4,1,\"2.2.2024\",1,\"Plzeň\",\"Praha\",90)"));
        exec(QStringLiteral("insert into kj(kj_id,kj_auto_id,datum,poradi,od_nazev,do_nazev,vzdalenost) values(3,2,\"1.2.2024\",1,\"Praha\",\"Kolín\",60)"));
        exec(QStringLiteral("insert into jf(jf_id,cislo,typ_dokladu,datum_vystaveni,zaklad_1,odberatel_id) values(1,\"2024001\",0,\"3.2.2024\",1000,101)"));
        exec(QStringLiteral("insert into jf(jf_id,cislo,typ_dokladu,datum_vystaveni,zaklad_1,odberatel_id) values(2,\"2024002\",0,\"4.5.2024\",2,102)"));
        exec(QStringLiteral("insert into jf(jf_id,cislo,typ_dokladu,datum_vystaveni,zaklad_1,odberatel_id) values(3,\"P2024001\",1,\"4.5.2024\",10,102)"));
        Session::setCurrentUserId(2);
        Session::setGroups({2});
        Session::setDefaultGroupId(2);
    }

    void everyDefinitionRuns_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("extra");
        for (const QString &name : BrowseDefinitionNames())
            QTest::newRow(qPrintable(name)) << name << QString();
        const QString period = PeriodCondition(QStringLiteral("DATUM_VYSTAVENI"), QDate(2024, 1, 1), QDate(2024, 12, 31));
        for (const QString &name : BrowseDefinitionNames()) {
            if (name.startsWith(QLatin1String("Browse_JF")))
                QTest::newRow(qPrintable(name + QStringLiteral(" period"))) << name << period;
        }
        QTest::newRow("BrowseElektroRevize due") << QStringLiteral("BrowseElektroRevize")
                                                 << PeriodCondition(QStringLiteral("DATUM_DALSI_REVIZE"), {}, {}, true);
    }
    void everyDefinitionRuns() {
        QFETCH(QString, name);
        QFETCH(QString, extra);
        FakePrompt fp;
        StringGridCore grid;
        grid.SetSettings(&settings);
        for (bool all : {false, true}) {
            BrowseContext ctx = context();
            ctx.allCategories = all;
            QVERIFY(OpenBrowseDefinition(grid, name, extra, ctx));
            QVERIFY2(grid.LastError().isEmpty(), qPrintable(grid.ComposeSelect() + QStringLiteral("\n") + grid.LastError()));
            QCOMPARE(grid.SearchMode(), -2);
            QCOMPARE(grid.LayoutName, name);
            QVERIFY(grid.ColumnCount() > 0);
        }
        // A filter on every defined column, shown or hidden, still gives a statement the engine
        // accepts: text and numbers alike, before any GROUP BY, aggregates after it.
        for (int f = 0; f < grid.Columns().size(); ++f) {
            const GridValueKind kind = grid.Columns()[f].kind();
            const QString value = IsNumericKind(kind) || kind == GridValueKind::Boolean ? QStringLiteral("1")
                                  : IsDateKind(kind) || grid.Columns()[f].type == QLatin1String("mkdate") ? QStringLiteral("1.1.2000")
                                                                                                         : QStringLiteral("a");
            QVERIFY(grid.SetFilter(f, 3, value, {}, false).isEmpty());
        }
        QVERIFY2(grid.LoadData(0), qPrintable(grid.ComposeSelect() + QStringLiteral("\n") + grid.LastError()));
        QVERIFY2(fp.messages.isEmpty(), qPrintable(fp.messages.join(QLatin1Char('\n'))));
    }

    void readFilterLimitsRows_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("firstColumn");
        QTest::newRow("addresses") << QStringLiteral("BrowseAdresarZakladni") << QStringList{};
        QTest::newRow("cars") << QStringLiteral("KJPrehledAut") << QStringList{QStringLiteral("1A2 3456")};
        QTest::newRow("trips") << QStringLiteral("KJPrehledJizd") << QStringList{QStringLiteral("Octavia"), QStringLiteral("Octavia"), QStringLiteral("Octavia")};
    }
    void readFilterLimitsRows() {
        QFETCH(QString, name);
        QFETCH(QStringList, firstColumn);
        StringGridCore grid;
        grid.SetSettings(&settings);
        QVERIFY(OpenBrowseDefinition(grid, name, {}, context()));
        if (name == QLatin1String("BrowseAdresarZakladni")) {
            QStringList names;
            for (int r = 1; r <= grid.RowCount(); ++r)
                names << grid.Cell(r, 1);
            QVERIFY(names.contains(QStringLiteral("Open")));
            QVERIFY(names.contains(QStringLiteral("Mine")));
            QVERIFY(!names.contains(QStringLiteral("Hidden")));
            return;
        }
        QStringList got;
        for (int r = 1; r <= grid.RowCount(); ++r)
            got << grid.Cell(r, 0);
        QCOMPARE(got, firstColumn);
    }

    void tripsOfOneCarAreChained() {
        StringGridCore grid;
        grid.SetSettings(&settings);
        QVERIFY(OpenBrowseDefinition(grid, QStringLiteral("KJPrehledJizdKonkretni"), {}, context()));
        QVERIFY(grid.ComposeSelect().contains(QLatin1String("from KJ,KJ_AUTO ")));
        QCOMPARE(grid.RowCount(), 3);
        // Brno -> Praha follows Praha -> Brno and keeps black; Plzeň -> Praha does not start
        // where the previous trip ended: both are red. Days alternate white and grey.
        QCOMPARE(grid.TextColour(1), 0);
        QCOMPARE(grid.TextColour(2), 0x0000FF);
        QCOMPARE(grid.TextColour(3), 0x0000FF);
        QCOMPARE(grid.BackColour(1), 0xFFFFFF);
        QCOMPARE(grid.BackColour(2), 0xFFFFFF);
        QCOMPARE(grid.BackColour(3), 0xDBDBDB);
        BrowseContext cancelled = context();
        cancelled.chooseCar = [](int *, QDate *, QDate *) { return false; };
        QVERIFY(!OpenBrowseDefinition(grid, QStringLiteral("KJPrehledJizdKonkretni"), {}, cancelled));
    }

    void summariesGroupAndFilter() {
        FakePrompt fp;
        StringGridCore grid;
        grid.SetSettings(&settings);
        QVERIFY(OpenBrowseDefinition(grid, QStringLiteral("Browse_JF_ROK"), {}, context()));
        QCOMPARE(grid.RowCount(), 1);
        QCOMPARE(grid.Cell(1, 0), QStringLiteral("2024"));
        QCOMPARE(grid.Cell(1, 1), QStringLiteral("2"));
        // The sum column "Zákl.1" holds 1002; a filter ">= 10" on it keeps the year.
        QVERIFY(grid.SetFilter(2, 3, QStringLiteral("10"), {}, false).isEmpty());
        QVERIFY(grid.LoadData(0));
        QCOMPARE(grid.RowCount(), 1);
        QVERIFY(grid.ConditionText().contains(QLatin1String("having")));
        QVERIFY(grid.SetFilter(2, 3, QStringLiteral("2000"), {}, false).isEmpty());
        QVERIFY(grid.LoadData(0));
        QCOMPARE(grid.RowCount(), 0);
        QVERIFY(fp.messages.isEmpty());
    }

    void definitionDetails() {
        StringGridCore grid;
        grid.SetSettings(&settings);
        // A summary without an editor, then the invoices: their rows open the generic editor again.
        QVERIFY(OpenBrowseDefinition(grid, QStringLiteral("Browse_JF_ODBERATEL"), {}, context()));
        QCOMPARE(grid.NotifyMessage, 0);
        QCOMPARE(grid.Caption(0), QStringLiteral("Název"));
        QCOMPARE(grid.Caption(1), QStringLiteral("Příjmení"));
        QCOMPARE(grid.Caption(2), QStringLiteral("Počet dokladů"));
        QVERIFY(OpenBrowseDefinition(grid, QStringLiteral("Browse_JF"), {}, context()));
        QCOMPARE(grid.NotifyMessage, 1525);
        QCOMPARE(grid.NotifyParam, 27);
        QCOMPARE(grid.RowCount(), 2);
        QVERIFY(grid.DeleteAllowed);
        BrowseContext net = context();
        net.networkMode = true;
        QVERIFY(OpenBrowseDefinition(grid, QStringLiteral("Browse_JF_PF"), {}, net));
        QCOMPARE(grid.NotifyParam, 29);
        QCOMPARE(grid.RowCount(), 1);
        QVERIFY(!grid.DeleteAllowed);
        QVERIFY(OpenBrowseDefinition(grid, QStringLiteral("Browse_BU_VYPIS"), {}, context()));
        QCOMPARE(grid.SortColumn(), 2);
        QVERIFY(grid.OrderByText().endsWith(QLatin1String("DATUM")));
        // The inspection period in months or in years.
        BrowseContext years = context();
        years.periodType = QStringLiteral("R");
        QVERIFY(OpenBrowseDefinition(grid, QStringLiteral("BrowseElektroRevize"), {}, years));
        QVERIFY(grid.ComposeSelect().contains(QLatin1String("/30.44/12) AS INTEGER))")));
        QCOMPARE(grid.ColumnCount(), 9);
        QCOMPARE(grid.Columns().size(), 18);
        // Tasks: with no calendar category chosen only those without a main category are listed.
        exec(QStringLiteral("insert into ukoly(ukoly_id,nazev,aktivni,f_cist) values(1,\"Bez kategorie\",\"1\",0)"));
        exec(QStringLiteral("insert into ukoly(ukoly_id,nazev,aktivni,f_cist) values(2,\"S kategorií\",\"0\",0)"));
        exec(QStringLiteral("insert into ku_c_kat(ku_c_kat_id,ku_c_kat_nazev,ku_c_kat_barva) values(50,\"Práce\",255)"));
        exec(QStringLiteral("insert into ukoly_kat(ukoly_id,ku_c_kat_id,hlavni) values(2,50,1)"));
        BrowseContext none = context();
        none.calendarCategories.clear();
        QVERIFY(OpenBrowseDefinition(grid, QStringLiteral("BrowseUkoly"), {}, none));
        QCOMPARE(grid.RowCount(), 1);
        QCOMPARE(grid.Cell(1, 1), QStringLiteral("Bez kategorie"));
        BrowseContext work = context();
        work.calendarCategories = QStringLiteral("50");
        QVERIFY(OpenBrowseDefinition(grid, QStringLiteral("BrowseUkoly"), {}, work));
        QCOMPARE(grid.RowCount(), 2);
        const int done = grid.SearchColumn(1, QStringLiteral("S kategorií"));
        QVERIFY(grid.StruckOut(done));
        QVERIFY(!grid.StruckOut(3 - done));
    }

    void unknownNameOnlySetsSearchMode() {
        StringGridCore grid;
        grid.TableName = QStringLiteral("X");
        QVERIFY(OpenBrowseDefinition(grid, QStringLiteral("NoSuchList"), {}, context()));
        QCOMPARE(grid.TableName, QStringLiteral("X"));
        QCOMPARE(grid.SearchMode(), -2);
    }

    void cleanupTestCase() {
        Session::clear();
        SQLDATA = nullptr;
        db.Disconnect();
    }
};

QTEST_GUILESS_MAIN(TestBrowseDefinitions)
#include "tst_browsedefinitions.moc"
