#pragma once
#include <QString>

// The engine's own figure for a query: attach, then time a read transaction, prepare, execute and
// fetch of every row into raw buffers through the bare client library (no text, no table).
double RawFetchMs(const QString &database, const QString &user, const QString &password, const QString &sql, int *rows);
