// Reading 100,000 rows of a ten-column table into TMKDATASET, beside fetching the same rows through
// the client library alone (no text, no table), in one run.
#include "data/memorytuning.h"
#include "data/sqldata.h"
#include "data/sqltext.h"
#include "tests/support/tempdatabase.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>

#include "bench/support/rawfetch.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {
const char *kSelect = "select ID, NAZEV, MESTO, ULICE, PSC, CASTKA, MNOZSTVI, KOEF, DATUM, POZNAMKA from BENCH";

}

int main(int argc, char **argv) {
    // As the programs do: without it, 0.35 of the 0.6 over the engine is page faults.
    const bool defaultAllocator = qEnvironmentVariableIsSet("ZORVA_BENCH_DEFAULT_MALLOC");
    if (!defaultAllocator)
        KeepMemoryForResultTables();
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
        const qint64 e = qint64(RawFetchMs(tdb.connectionString(), tdb.user(), tdb.password(), QString::fromLatin1(kSelect), &fetched) * 1000);
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
