// Making a new database at the current schema version (what "zorva-cli db create" and the first
// start do), beside the engine creating an empty database, and beside the same schema built with
// synchronous writes left on, in one run. Median of five runs each.
#include "data/schema.h"
#include "data/sqldata.h"
#include "tests/support/tempdatabase.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {
double median(const std::function<qint64()> &run) {
    std::vector<qint64> ms;
    for (int i = 0; i < 5; ++i)
        ms.push_back(run());
    std::sort(ms.begin(), ms.end());
    return double(ms[2]);
}
}

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    PrepareTestFirebird();

    const double empty = median([] {
        TempDatabase tdb;
        QElapsedTimer t;
        t.start();
        if (!tdb.create())
            qFatal("%s", qPrintable(tdb.error()));
        return t.elapsed();
    });
    const double schema = median([] {
        TempDatabase tdb;
        const QString path = tdb.folder() + QStringLiteral("/new.fdb");
        QElapsedTimer t;
        t.start();
        const QString error = CreateSchemaDatabase(path, tdb.user(), tdb.password());
        const qint64 ms = t.elapsed();
        if (!error.isEmpty())
            qFatal("%s", qPrintable(error));
        TDataModuleIb::DropDatabase(path, tdb.user(), tdb.password());
        return ms;
    });
    const double synchronous = median([] {
        TempDatabase tdb;
        QElapsedTimer t;
        t.start();
        if (!tdb.create())
            qFatal("%s", qPrintable(tdb.error()));
        TSQLDATA db;
        if (!db.ConnectQuiet(tdb.connectionString(), tdb.user(), tdb.password()))
            qFatal("%s", qPrintable(db.LastConnectError()));
        const QString error = BuildSchema(db);
        if (!error.isEmpty())
            qFatal("%s", qPrintable(error));
        return t.elapsed();
    });
    std::printf("empty database (engine):              %8.0f ms\n", empty);
    std::printf("database at version %d (db create):   %8.0f ms  (%.1fx the empty one)\n", kRequiredSchemaVersion, schema, schema / empty);
    std::printf("same with synchronous writes:         %8.0f ms  (%.1fx db create)\n", synchronous, synchronous / schema);
    return 0;
}
