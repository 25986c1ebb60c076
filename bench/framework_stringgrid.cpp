// A grid over 100,000 addresses: the time from LoadData to the first painted rows, a sort by
// another column and a search, each beside the time the client library alone needs to fetch the
// same rows of the same statement, in one run; and the memory the loaded grid holds.
#include "framework/browsedefinitions.h"
#include "framework/widgets/framestringgrid.h"

#include "data/session.h"
#include "data/sqldata.h"
#include "data/sqltext.h"
#include "data/usersettings.h"
#include "tests/support/schemadatabase.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTableView>

#include <ibase.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr int kRows = 100000;

// Fetch with the bare client library: prepare, execute, fetch every row into raw buffers.
double rawFetchMs(const QString &database, const QString &user, const QString &password, const QString &sql, int *rows) {
    ISC_STATUS_ARRAY st;
    isc_db_handle db = 0;
    QByteArray dpb;
    dpb.append(char(isc_dpb_version1));
    auto add = [&](char tag, const QByteArray &v) {
        dpb.append(tag);
        dpb.append(char(v.size()));
        dpb.append(v);
    };
    add(isc_dpb_user_name, user.toLatin1());
    add(isc_dpb_password, password.toLatin1());
    add(isc_dpb_lc_ctype, "WIN1250");
    const QByteArray name = database.toLocal8Bit();
    if (isc_attach_database(st, 0, name.constData(), &db, short(dpb.size()), dpb.constData())) {
        isc_print_status(st);
        std::exit(1);
    }
    QByteArray text = sql.toLocal8Bit();
    if (text.endsWith(';'))
        text.chop(1);
    QElapsedTimer t;
    t.start();
    isc_tr_handle tr = 0;
    const char tpb[] = {isc_tpb_version3, isc_tpb_read, isc_tpb_read_committed, isc_tpb_rec_version};
    isc_start_transaction(st, &tr, 1, &db, sizeof tpb, tpb);
    isc_stmt_handle stmt = 0;
    isc_dsql_allocate_statement(st, &db, &stmt);
    XSQLDA *da = static_cast<XSQLDA *>(calloc(1, XSQLDA_LENGTH(64)));
    da->version = SQLDA_VERSION1;
    da->sqln = 64;
    if (isc_dsql_prepare(st, &tr, &stmt, 0, text.constData(), 1, da)) {
        isc_print_status(st);
        std::exit(1);
    }
    std::vector<std::vector<char>> buf(da->sqld);
    std::vector<short> ind(da->sqld);
    for (int i = 0; i < da->sqld; ++i) {
        buf[i].resize(da->sqlvar[i].sqllen + 8);
        da->sqlvar[i].sqldata = buf[i].data();
        da->sqlvar[i].sqlind = &ind[i];
    }
    isc_dsql_execute(st, &tr, &stmt, 1, nullptr);
    int n = 0;
    while (isc_dsql_fetch(st, &stmt, 1, da) == 0)
        ++n;
    isc_dsql_free_statement(st, &stmt, DSQL_drop);
    isc_commit_transaction(st, &tr);
    const double ms = t.nsecsElapsed() / 1e6;
    free(da);
    isc_detach_database(st, &db);
    *rows = n;
    return ms;
}

long rssKb() {
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : f.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return 0;
}

} // namespace

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    TempDatabase tdb;
    const QString error = CreateSchemaDatabase(tdb);
    if (!error.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    TSQLDATA db;
    if (!db.ConnectQuiet(tdb.connectionString(), tdb.user(), tdb.password()))
        return 1;
    SQLDATA = &db;

    // 100,000 addresses from a fixed seed.
    QRandomGenerator rng(20261211);
    const QStringList first = {"Jan", "Petr", "Eva", "Jana", "Tomáš", "Lucie", "Martin", "Šárka", "Jiří", "Zdeněk"};
    const QStringList last = {"Novák", "Svoboda", "Dvořák", "Černý", "Procházka", "Kučera", "Veselý", "Horák", "Němec", "Marek"};
    const QStringList towns = {"Praha", "Brno", "Ostrava", "Plzeň", "Liberec", "Olomouc", "Ústí nad Labem", "Hradec Králové"};
    QStringList batch;
    for (int i = 1; i <= kRows; ++i) {
        const QString j = first[rng.bounded(first.size())], p = last[rng.bounded(last.size())];
        batch << QStringLiteral("insert into adresar_zakl(adresar_zakl_id,nazev_zkraceny,nazev,jmeno,prijmeni,email1,mesto,ulice,f_cist) "
                                "values(%1,%2,%3,%4,%5,%6,%7,%8,%9)")
                     .arg(i)
                     .arg(QuoteStr(QStringLiteral("A%1").arg(i, 6, 10, QLatin1Char('0'))),
                          QuoteStr(p + QStringLiteral(" a spol. ") + QString::number(rng.bounded(1000))), QuoteStr(j), QuoteStr(p),
                          QuoteStr(j.toLower() + QStringLiteral(".") + QString::number(i) + QStringLiteral("@example.cz")),
                          QuoteStr(towns[rng.bounded(towns.size())]), QuoteStr(QStringLiteral("Dlouhá %1").arg(rng.bounded(200))))
                     .arg(rng.bounded(3));
        if (batch.size() == 5000) {
            const QString e = db.ExecSQLList(batch);
            if (!e.isEmpty()) {
                std::fprintf(stderr, "%s\n", qPrintable(e));
                return 1;
            }
            batch.clear();
        }
    }
    Session::setCurrentUserId(1);
    Session::setGroups({1, 2}); // read-filtered, yet every address is readable
    UserSettings settings;

    TFrameStringGrid grid;
    grid.core().SetSettings(&settings);
    grid.resize(1200, 800);
    grid.show();
    QApplication::processEvents();

    int sort = 1;
    bool oddEven = true;
    ApplyBrowseDefinition(grid.core(), QStringLiteral("BrowseAdresarZakladni"), {}, BrowseContext{}, &sort, &oddEven);
    const QString sql = grid.core().PrepareSelect(sort);
    int rows = 0;
    rawFetchMs(tdb.connectionString(), tdb.user(), tdb.password(), sql, &rows); // warm the cache once
    const double engineLoad = rawFetchMs(tdb.connectionString(), tdb.user(), tdb.password(), sql, &rows);

    const long before = rssKb();
    QElapsedTimer t;
    t.start();
    grid.LoadData(0);
    grid.view()->viewport()->repaint();
    const double gridLoad = t.nsecsElapsed() / 1e6;
    const long after = rssKb();
    if (grid.core().RowCount() != rows) {
        std::fprintf(stderr, "grid %d rows, engine %d\n", grid.core().RowCount(), rows);
        return 1;
    }

    grid.core().ResolveVisibleColumns();
    StringGridCore probe;
    ApplyBrowseDefinition(probe, QStringLiteral("BrowseAdresarZakladni"), {}, BrowseContext{}, &sort, &oddEven);
    probe.SetSettings(&settings);
    const QString sortSql = probe.PrepareSelect(5); // by "Příjmení"
    const double engineSort = rawFetchMs(tdb.connectionString(), tdb.user(), tdb.password(), sortSql, &rows);
    t.restart();
    grid.SortByColumn(4);
    grid.view()->viewport()->repaint();
    const double gridSort = t.nsecsElapsed() / 1e6;

    // The worst search: a text no cell holds, so every cell of every row is read, without diacritics.
    settings.searchDiacriticSensitive = false;
    grid.NastaveniHledani(-2, false, true);
    auto *box = grid.findChild<QComboBox *>(QStringLiteral("JvComboBox_Search"));
    const QString wanted = QStringLiteral("žádná@adresa");
    box->setEditText(wanted);
    t.restart();
    const int hit = grid.core().SearchAll(wanted, 1, GridSearchOptions{false, false, false, false});
    grid.view()->viewport()->repaint();
    const double gridSearch = t.nsecsElapsed() / 1e6;
    if (hit != -1) {
        std::fprintf(stderr, "search found a row: %d rows, %d columns, cell %s\n", grid.core().RowCount(), grid.core().ColumnCount(),
                     qPrintable(grid.core().Cell(1, 6)));
        return 1;
    }

    std::printf("rows: %d\n", rows);
    std::printf("first rows painted: grid %.0f ms, engine fetch %.0f ms, ratio %.2f (target 1.5)\n", gridLoad, engineLoad, gridLoad / engineLoad);
    std::printf("sort by another column: grid %.0f ms, engine fetch %.0f ms, ratio %.2f\n", gridSort, engineSort, gridSort / engineSort);
    std::printf("search through every cell (no hit): grid %.0f ms, engine fetch %.0f ms, ratio %.2f\n", gridSearch, engineLoad, gridSearch / engineLoad);
    std::printf("memory of the loaded grid: %.1f MB (target 200 MB)\n", (after - before) / 1024.0);
    SQLDATA = nullptr;
    return 0;
}
