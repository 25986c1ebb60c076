#pragma once
#include "exchange/importresult.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

class TSQLDATA;

// Plain CSV of addresses (ADRESAR_ZAKL), events (KU) and tasks (UKOLY): "," between values, no
// quoting, CR LF line ends, the first line naming the columns. Files are in Windows-1250 ("W"),
// Latin 2 ("L") or Kamenický ("K").

// The fixed query of the export; empty for any other table.
QString CsvExportQuery(const QString &table);
// One value as the export writes it (before the code-page conversion): a TIMESTAMP as its date
// text or NULL, an empty LONG as "0", an empty number of another type as NULL; CR, LF and ","
// become blanks, double quotes apostrophes.
QString CsvExportValue(const QString &value, bool isNull, const QString &typeName);

// The whole file in the code page; *error gets the server's text when the query fails.
QByteArray CsvExportBytes(TSQLDATA &db, const QString &table, const QString &code, QString *error = nullptr);
bool ExportCsv(TSQLDATA &db, const QString &table, const QString &path, const QString &code, QString *error = nullptr);

// The insert of one data line (values already split); for ADRESAR_ZAKL the key goes in first.
QString CsvInsertStatement(const QString &table, const QString &columns, const QStringList &values, int id,
                           int userId, int groupId);
// A value of a data line as an SQL literal: the word NULL bare, anything else quoted with its
// double quotes turned into apostrophes.
QString CsvValueToSQL(const QString &value);

// Checks the whole file, then inserts every line in one transaction, or nothing. An error names
// the line of the file (text 1070).
ImportResult ImportCsv(TSQLDATA &db, const QString &table, const QString &path, const QString &code,
                       const ImportProgress &progress = {});
ImportResult ImportCsvBytes(TSQLDATA &db, const QString &table, const QByteArray &bytes, const QString &code,
                            const ImportProgress &progress = {});
