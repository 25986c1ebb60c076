#include "schemadatabase.h"

#include "data/sqldata.h"

QString CreateSchemaDatabase(TempDatabase &tdb, int toVersion) {
    if (!tdb.create())
        return tdb.error();
    // Filling a new database commits a few hundred times; without synchronous writes that takes
    // a second instead of ten.
    TDataModuleIb::SetForcedWrites(tdb.connectionString(), tdb.user(), tdb.password(), false);
    TSQLDATA db;
    if (!db.ConnectQuiet(tdb.connectionString(), tdb.user(), tdb.password()))
        return db.LastConnectError();
    return BuildSchema(db, toVersion);
}
