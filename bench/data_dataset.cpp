// Reading 100,000 rows of a ten-column table into TMKDATASET, beside fetching the same rows through
// the client library alone (no text, no table), in one run.
#include "data/sqldata.h"
#include "data/sqltext.h"
#include "tests/support/tempdatabase.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>

#include <ibase.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {
const char *kSelect = "select ID, NAZEV, MESTO, ULICE, PSC, CASTKA, MNOZSTVI, KOEF, DATUM, POZNAMKA from BENCH";

// Fetch with the bare client library: prepare, execute, fetch every row into the raw buffers.
[[gnu::noinline]] qint64 rawFetch(const QString &database, const QString &user, const QString &password, int *rows) {
    ISC_STATUS_ARRAY st;
    isc_db_handle db = 0;
    QByteArray dpb;
    dpb.append(char(isc_dpb_version1));
    auto add = [&](char tag, const QByteArray &v) { dpb.append(tag); dpb.append(char(v.size())); dpb.append(v); };
    add(isc_dpb_user_name, user.toLatin1());
    add(isc_dpb_password, password.toLatin1());
    add(isc_dpb_lc_ctype, "WIN1250");
    const QByteArray name = database.toLocal8Bit();
    if (isc_attach_database(st, 0, name.constData(), &db, short(dpb.size()), dpb.constData())) {
        isc_print_status(st);
        std::exit(1);
    }
    QElapsedTimer t;
    t.start();
    isc_tr_handle tr = 0;
    const char tpb[] = {isc_tpb_version3, isc_tpb_read, isc_tpb_read_committed, isc_tpb_rec_version};
    isc_start_transaction(st, &tr, 1, &db, sizeof tpb, tpb);
    isc_stmt_handle stmt = 0;
    isc_dsql_allocate_statement(st, &db, &stmt);
    XSQLDA *da = static_cast<XSQLDA *>(calloc(1, XSQLDA_LENGTH(10)));
    da->version = SQLDA_VERSION1;
    da->sqln = 10;
    isc_dsql_prepare(st, &tr, &stmt, 0, kSelect, 1, da);
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
    const qint64 ms = t.nsecsElapsed() / 1000;
    isc_detach_database(st, &db);
    free(da);
    *rows = n;
    return ms;
}
}

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    const int rows = argc > 1 ? atoi(argv[1]) : 100000;
    TempDatabase tdb(QString{});
    if (!tdb.create()) {
        std::fprintf(stderr, "%s\n", qPrintable(tdb.error()));
        return 1;
    }
    TSQLDATA db;
    if (!db.ConnectQuiet(tdb.connectionString(), tdb.user(), tdb.password()))
        return 1;
    db.ExecSQL("CREATE TABLE BENCH (ID INTEGER, NAZEV VARCHAR(60), MESTO VARCHAR(40), ULICE VARCHAR(60), PSC CHAR(6), "
               "CASTKA NUMERIC(15,2), MNOZSTVI INTEGER, KOEF DOUBLE PRECISION, DATUM DATE, POZNAMKA VARCHAR(100))");
    const QStringList words{"Žluťoučký", "kůň", "úpěl", "ďábelské", "ódy", "Příliš", "Šťastný", "Čížek", "Ředitel", "Dvořák"};
    QRandomGenerator rng(20261211);
    QStringList batch;
    QString block;
    int inBlock = 0;
    for (int i = 1; i <= rows; ++i) {
        auto w = [&]() { return words.at(rng.bounded(words.size())); };
        block += QStringLiteral("INSERT INTO BENCH VALUES (%1, %2, %3, %4, %5, %6, %7, %8, %9, %10);\n")
                     .arg(i)
                     .arg(QuoteStr(w() + " " + w() + " s.r.o."), QuoteStr(w()), QuoteStr(w() + " " + QString::number(rng.bounded(200))),
                          QuoteStr(QString::number(10000 + rng.bounded(89999))), FloatToSQL(rng.bounded(1000000) / 100.0, 12, 2))
                     .arg(rng.bounded(1000))
                     .arg(rng.bounded(100000) / 7.0, 0, 'g', 12)
                     .arg(DateToSQL(QDate(2000, 1, 1).addDays(rng.bounded(9000))), QuoteStr(w() + ", " + w() + " \"" + w() + "\""));
        if (++inBlock == 100 || i == rows) {
            batch << "EXECUTE BLOCK AS BEGIN\n" + block + "END";
            block.clear();
            inBlock = 0;
        }
    }
    const QString err = db.ExecSQLList(batch);
    if (!err.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(err));
        return 1;
    }
    qint64 bestEngine = -1, bestOurs = -1;
    int fetched = 0;
    for (int round = 0; round < 3; ++round) {
        const qint64 e = rawFetch(tdb.connectionString(), tdb.user(), tdb.password(), &fetched);
        QElapsedTimer t;
        t.start();
        TMKDATASET ds;
        db.FillDataset(QString::fromLatin1(kSelect), ds);
        const qint64 o = t.nsecsElapsed() / 1000;
        if (ds.RecordCount() != fetched)
            return 1;
        if (bestEngine < 0 || e < bestEngine)
            bestEngine = e;
        if (bestOurs < 0 || o < bestOurs)
            bestOurs = o;
    }
    std::printf("rows: %d\nengine fetch: %.1f ms\nTMKDATASET fill: %.1f ms\nratio: %.2f (target at most 1.50)\n", fetched,
                bestEngine / 1000.0, bestOurs / 1000.0, double(bestOurs) / double(bestEngine));
    return 0;
}
