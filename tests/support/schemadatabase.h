#pragma once
#include "data/schema.h"
#include "tempdatabase.h"

#include <QString>

// Creates tdb's database and fills it with the program's schema: the prepared version-1
// database and every upgrade step up to toVersion (12, the version the program works with, by
// default), with the seed rows, the name-day lists, one user group and the administrator
// "admin" (user 1, group 1, empty password). Returns the error, empty on success. Use it in
// place of tdb.create() in any test that needs the real tables:
//
//     TempDatabase tdb;
//     QVERIFY2(CreateSchemaDatabase(tdb).isEmpty(), "...");
//     TSQLDATA db; db.ConnectQuiet(tdb.connectionString(), tdb.user(), tdb.password()); SQLDATA = &db;
QString CreateSchemaDatabase(TempDatabase &tdb, int toVersion = kRequiredSchemaVersion);
